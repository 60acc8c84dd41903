// The parameter file's bytes: what is written, field by field, and what the
// loader makes of files built here byte by byte, good and bad.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "programs/core/parameterdatei.h"
#include "support/qor_error.h"
#include "tests/kit/records.h"
#include "tests/kit/files.h"
#include "ui/globals.h"

namespace {

namespace fs = std::filesystem;
using kit::RecordText;
using kit::TempFolder;
using kit::WriteBytes;
using Tabelle = std::array<Programm, PROGRAMM_ANZAHL>;

const std::string kTyp = "QORVELT1Steuerung";

// A table whose every field differs from every other.
Tabelle BeispielTabelle() {
  Tabelle tabelle{};
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    std::snprintf(tabelle[i].programmname, sizeof tabelle[i].programmname, "Programm %d", i);
    for (std::size_t f = 0; f < std::size(PROGRAMM_WERTE); ++f) {
      tabelle[i].*PROGRAMM_WERTE[f].feld = i * 100 + static_cast<double>(f) + 0.25;
    }
  }
  return tabelle;
}

std::string Text(const Tabelle& tabelle) {
  std::string text;
  for (const Programm& satz : tabelle) text += RecordText(satz) + "\n";
  return text;
}

std::string LE(std::uint64_t wert, int bytes) {
  std::string text;
  for (int i = 0; i < bytes; ++i) text += static_cast<char>(wert >> (8 * i));
  return text;
}

std::string LE(double wert) { return LE(std::bit_cast<std::uint64_t>(wert), 8); }

std::string Kopf(std::uint32_t version = 2) {
  return kTyp + '\0' + std::string(14, 'x') + LE(version, 4) + "yyyy";
}

// A record as the file holds it: the name field as given (padded to 32
// bytes with 'z', which carry no meaning after a NUL), then the values.
std::string Satz(const std::string& namensfeld, double basis) {
  std::string satz = namensfeld + std::string(32 - namensfeld.size(), 'z');
  for (std::size_t f = 0; f < std::size(PROGRAMM_WERTE); ++f) satz += LE(basis + static_cast<double>(f));
  return satz;
}

std::string GanzeDatei(std::uint32_t version = 2) {
  std::string datei = Kopf(version);
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) datei += Satz("Datei " + std::to_string(i) + '\0', i * 10.5);
  return datei;
}

TEST(ParameterdateiBauen, WritesEveryFieldAtItsOffset) {
  Tabelle tabelle = BeispielTabelle();
  std::snprintf(tabelle[16].programmname, sizeof tabelle[16].programmname, "%s", std::string(31, 'L').c_str());
  tabelle[0].pruefspannungsquelle = 1.0;
  tabelle[0].anzahlzaehne = 60.0;
  const ParameterdateiBild bild = Parameterdatei_Bauen(tabelle);
  const std::string bytes(bild.begin(), bild.end());

  ASSERT_EQ(bytes.size(), 2352u);
  EXPECT_EQ(bytes.substr(0, 18), kTyp + '\0');
  EXPECT_EQ(bytes.substr(18, 14), std::string(14, '\0'));
  EXPECT_EQ(bytes.substr(32, 8), std::string("\x02\0\0\0\0\0\0\0", 8));
  // Doubles little-endian: 1.0 and 60.0 in entry 0.
  EXPECT_EQ(bytes.substr(40 + 32, 8), std::string("\0\0\0\0\0\0\xF0\x3F", 8));
  EXPECT_EQ(bytes.substr(40 + 48, 8), std::string("\0\0\0\0\0\0\x4E\x40", 8));
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    SCOPED_TRACE(i);
    const std::string satz = bytes.substr(40 + 136 * static_cast<std::size_t>(i), 136);
    const std::string name = tabelle[i].programmname;
    EXPECT_EQ(satz.substr(0, 32), name + std::string(32 - name.size(), '\0'));
    for (std::size_t f = 0; f < std::size(PROGRAMM_WERTE); ++f) {
      EXPECT_EQ(satz.substr(32 + 8 * f, 8), LE(tabelle[i].*PROGRAMM_WERTE[f].feld)) << PROGRAMM_WERTE[f].keyword;
    }
  }
}

TEST(ParameterdateiLaden, ReadsAFileBuiltByteByByte) {
  TempFolder ordner;
  std::string datei = GanzeDatei();
  // A name field without NUL gives its first 31 characters.
  datei.replace(40 + 3 * 136, 32, std::string(31, 'N') + 'O');
  WriteBytes(ordner / "a.vlt", datei + "extra bytes are ignored");

  Tabelle tabelle{};
  ASSERT_EQ(Parameterdatei_Laden(ordner / "a.vlt", tabelle), 0);
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(std::string(tabelle[i].programmname), i == 3 ? std::string(31, 'N') : "Datei " + std::to_string(i));
    for (std::size_t f = 0; f < std::size(PROGRAMM_WERTE); ++f) {
      EXPECT_EQ(tabelle[i].*PROGRAMM_WERTE[f].feld, i * 10.5 + static_cast<double>(f));
    }
  }
}

TEST(ParameterdateiLaden, WhatIsWrittenLoadsBackUnchanged) {
  TempFolder ordner;
  const Tabelle geschrieben = BeispielTabelle();
  ASSERT_EQ(Parameterdatei_Speichern(ordner / "b.vlt", geschrieben), 0);
  Tabelle gelesen{};
  ASSERT_EQ(Parameterdatei_Laden(ordner / "b.vlt", gelesen), 0);
  EXPECT_EQ(Text(gelesen), Text(geschrieben));
}

// Each bad file gives its code, checked in the order header length, type
// text, version, length; the table stays as it was.
TEST(ParameterdateiLaden, BadFilesGiveTheirCodeAndChangeNothing) {
  const std::string typOhneNul = kTyp + std::string(15, 'Q') + LE(2, 4);
  struct Fall {
    const char* name;
    std::function<void(const fs::path&)> anlegen;  // creates the file at the path
    int code;
  };
  auto bytes = [](std::string inhalt) { return [inhalt](const fs::path& p) { WriteBytes(p, inhalt); }; };
  const Fall faelle[] = {
      {"empty", bytes(""), -304405},
      {"35 bytes", bytes(GanzeDatei().substr(0, 35)), -304405},
      {"35 bytes, wrong type", bytes("QORVELT1Steuerunx" + GanzeDatei().substr(17, 18)), -304405},
      {"36 bytes", bytes(GanzeDatei().substr(0, 36)), -304409},
      {"36 bytes, version 1", bytes(Kopf(1)), -303407},
      {"2351 bytes", bytes(GanzeDatei().substr(0, 2351)), -304409},
      {"wrong type text", bytes("QORVELT1Steuerunx" + GanzeDatei().substr(17)), -302406},
      {"type text followed by more", bytes(kTyp + "X" + GanzeDatei().substr(18)), -302406},
      {"type field without NUL", bytes(typOhneNul + GanzeDatei().substr(36)), -302406},
      {"version 1", bytes(GanzeDatei(1)), -303407},
      {"version 3", bytes(GanzeDatei(3)), -303407},
      {"version 2 in the wrong byte", bytes(GanzeDatei(0x0200)), -303407},
      {"a directory", [](const fs::path& p) { fs::create_directory(p); }, -308404},
      {"a pipe without writer", [](const fs::path& p) { ::mkfifo(p.c_str(), 0666); }, -308404},
      {"no such file", [](const fs::path&) {}, -308403},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    TempFolder ordner;
    fall.anlegen(ordner / "x.vlt");
    Tabelle tabelle = BeispielTabelle();
    EXPECT_EQ(Parameterdatei_Laden(ordner / "x.vlt", tabelle), fall.code);
    EXPECT_EQ(Text(tabelle), Text(BeispielTabelle()));
  }

  TempFolder ordner;
  Tabelle tabelle = BeispielTabelle();
  EXPECT_EQ(Parameterdatei_Laden(ordner / "missing" / "x.vlt", tabelle), -308403);
  WriteBytes(ordner / "x.vlt", GanzeDatei());
  fs::permissions(ordner / "x.vlt", fs::perms::none);
  ASSERT_FALSE(kit::RunningAsSuperuser()) << kit::kRunAsOrdinaryUser;
  EXPECT_EQ(Parameterdatei_Laden(ordner / "x.vlt", tabelle), -308404);
}

TEST(ParameterdateiLaden, AWrongVersionLeavesTheVersionLinesForTheMessage) {
  struct Fall {
    int sprache;
    std::uint32_t version;
    const char* meldung;
  };
  const Fall faelle[] = {
      {1, 1, "Die Datei hat die falsche Versionsnummer\nerwartet: V 2\ngefunden: V 1"},
      {1, 3, "Die Datei hat die falsche Versionsnummer\nerwartet: V 2\ngefunden: V 3"},
      {2, 1, "Wrong fileversion\nexpected: V 2\nfound: V 1"},
  };
  for (const Fall& fall : faelle) {
    gSprache = fall.sprache;
    QOR_Fehlersprache(fall.sprache);
    const std::string datei = GanzeDatei(fall.version);
    Tabelle tabelle{};
    EXPECT_EQ(Parameterdatei_Einlesen(std::span(reinterpret_cast<const unsigned char*>(datei.data()), datei.size()), tabelle),
              -303407);
    EXPECT_STREQ(QOR_Fehlermeldung(-303407), fall.meldung);
  }
  gSprache = 1;
  QOR_Fehlersprache(1);
}

}  // namespace
