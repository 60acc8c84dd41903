#include "ctl_programmsatz.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kNameMax = sizeof(Programm::programmname) - 1;  // a NUL always follows

struct PanelWert {
  double Programm::*feld;
  double vorgabe;
  Wertebereich bereich;
};

// The defaults and the ranges of the main panel's parameter controls.
constexpr PanelWert kPanel[] = {
    {&Programm::pruefspannungsquelle, 1, {1, 3, true}},
    {&Programm::pruefspannung, 2, {2, 33, false}},
    {&Programm::anzahlzaehne, 60, {1, 125, false}},
    {&Programm::sensorkanaele, 2, {1, 2, false}},
    {&Programm::toleranzhigh, 1, {0, 33, false}},
    {&Programm::toleranzlow, 1, {0, 33, false}},
    {&Programm::toleranzphase, 10, {0, 180, false}},
    {&Programm::schwellwertsteigendeflanke, 50, {1, 99, false}},
    {&Programm::schwellwertfallendeflanke, 50, {1, 99, false}},
    {&Programm::totzeitvorsteigend, 1, {1, 999, false}},
    {&Programm::totzeitnachsteigend, 20, {20, 999, false}},
    {&Programm::totzeitvorfallend, 1, {1, 999, false}},
    {&Programm::totzeitnachfallend, 20, {20, 999, false}},
};

const PanelWert& PanelFuer(const ProgrammWert& wert) {
  for (const PanelWert& panel : kPanel) {
    if (panel.feld == wert.feld) return panel;
  }
  return kPanel[0];  // unreachable: every field has its control
}

// The shortest text that reads back as the same double: 19.999 is not "20".
std::string Zahl(double wert) {
  char text[32];
  for (int stellen = 15; stellen <= 17; ++stellen) {
    std::snprintf(text, sizeof text, "%.*g", stellen, wert);
    if (std::strtod(text, nullptr) == wert) break;
  }
  return text;
}

}  // namespace

Programmsatz DefaultProgrammsatz() {
  Programmsatz satz{};
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    Programm& programm = satz[static_cast<std::size_t>(i)];
    for (const PanelWert& panel : kPanel) programm.*panel.feld = panel.vorgabe;
    if (i == 0) {
      std::snprintf(programm.programmname, sizeof programm.programmname, "Arbeitsparameter");
    } else {
      std::snprintf(programm.programmname, sizeof programm.programmname, "Programm %d", i);
    }
  }
  return satz;
}

std::string EintragName(int eintrag) { return eintrag == 0 ? "A" : std::to_string(eintrag); }

Wertebereich PanelBereich(const ProgrammWert& wert) { return PanelFuer(wert).bereich; }

std::string BereichVerletzt(const ProgrammWert& wert, double zahl) {
  const Wertebereich bereich = PanelBereich(wert);
  if (bereich.nurGanzeZahlen) {
    if (zahl == 1 || zahl == 2 || zahl == 3) return "";
    return Zahl(zahl) + " ist nicht 1, 2 oder 3";
  }
  if (zahl >= bereich.minimum && zahl <= bereich.maximum) return "";
  return Zahl(zahl) + " liegt nicht in " + Zahl(bereich.minimum) + ".." + Zahl(bereich.maximum);
}

std::string NameAlsText(const Programm& programm) {
  std::string text;
  const void* nul = std::memchr(programm.programmname, '\0', kNameMax);
  const std::size_t laenge =
      nul == nullptr ? kNameMax : static_cast<std::size_t>(static_cast<const char*>(nul) - programm.programmname);
  for (std::size_t i = 0; i < laenge; ++i) {
    const auto byte = static_cast<unsigned char>(programm.programmname[i]);
    if (byte < 0x80) {
      text += static_cast<char>(byte);
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

std::optional<std::string> NameAusText(const std::string& text, Programm& programm) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(text[i]);
    unsigned zeichen = first;
    if (first >= 0x80) {
      // Two-byte UTF-8 with a lead byte of C2 or C3 is U+0080..U+00FF.
      const bool latin1 = (first == 0xC2 || first == 0xC3) && i + 1 < text.size() &&
                          (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
      if (!latin1) return "Name mit Zeichen außerhalb von Latin-1";
      zeichen = ((first & 0x1Fu) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3Fu);
    }
    if (zeichen == 0) return "Name mit NUL-Zeichen";
    bytes += static_cast<char>(zeichen);
  }
  if (bytes.size() > kNameMax) return "Name länger als 31 Zeichen";
  std::memset(programm.programmname, 0, sizeof programm.programmname);
  std::memcpy(programm.programmname, bytes.data(), bytes.size());
  return std::nullopt;
}
