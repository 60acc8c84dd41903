#include "ctl_satzbefehle.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "ctl_dateien.h"
#include "ctl_fortschritt.h"
#include "ctl_json.h"
#include "device/velt1com.h"
#include "programs/core/geraetedienste.h"
#include "support/qor_error.h"

namespace {

// The device services take port and address from here; nothing is lit and
// the error display stays empty, velt1ctl prints the code itself.
void SitzungSetzen(const CtlContext& context) {
  DaxCom_SitzungSetzen({[port = context.port] { return port; },
                        [adresse = context.address] { return adresse; }});
}

std::size_t Zeichen(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Zahl(double wert) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", wert);
  return text;
}

void TabelleDrucken(const Programmsatz& satz) {
  std::vector<std::vector<std::string>> zeilen(1, {"Eintrag", "programmname"});
  for (const ProgrammWert& wert : PROGRAMM_WERTE) zeilen[0].push_back(wert.keyword);
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    const Programm& programm = satz[static_cast<std::size_t>(i)];
    std::vector<std::string> zeile = {Prog_EintragName(i), Programmname_AlsText(programm)};
    for (const ProgrammWert& wert : PROGRAMM_WERTE) zeile.push_back(Zahl(programm.*wert.feld));
    zeilen.push_back(std::move(zeile));
  }
  std::vector<std::size_t> breite(zeilen[0].size(), 0);
  for (const auto& zeile : zeilen) {
    for (std::size_t s = 0; s < zeile.size(); ++s) breite[s] = std::max(breite[s], Zeichen(zeile[s]));
  }
  // Entry and name left-aligned, the numbers right-aligned under their keywords.
  for (const auto& zeile : zeilen) {
    std::string text;
    for (std::size_t s = 0; s < zeile.size(); ++s) {
      const std::string fuellung(breite[s] - Zeichen(zeile[s]), ' ');
      if (s > 0) text += "  ";
      text += s < 2 ? zeile[s] + fuellung : fuellung + zeile[s];
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    std::printf("%s\n", text.c_str());
  }
}

}  // namespace

int CtlSatzLesen(const CtlContext& context, int entry, TransferUmfang umfang, Programmsatz& satz,
                 const TransferMelden& melden) {
  SitzungSetzen(context);
  Geraetedienste dienste;
  return Programmtransfer_Lesen(satz, entry, umfang, dienste, melden).code;
}

int CtlSatzSchreiben(const CtlContext& context, int entry, TransferUmfang umfang, const Programmsatz& satz,
                     const TransferMelden& melden) {
  SitzungSetzen(context);
  Geraetedienste dienste;
  return Programmtransfer_Schreiben(satz, entry, umfang, dienste, melden);
}

int CtlReadProgram(const CtlContext& context, int entry, const std::string& file) {
  Programmsatz satz = DefaultProgrammsatz();
  std::error_code fehler;
  if (std::filesystem::symlink_status(file, fehler).type() != std::filesystem::file_type::not_found) {
    if (const int code = ProgrammsatzLaden(file, satz); code != 0) return code;
  }
  {
    CtlFortschritt fortschritt({CtlPortZiel{context.port, ""}});
    const int code = CtlSatzLesen(context, entry, TransferUmfang::Aktuelles, satz, fortschritt.melden(0));
    if (code != 0) return code;
  }  // the progress line ends before a message of the save
  return ProgrammsatzSpeichern(file, satz);
}

int CtlWriteProgram(const CtlContext& context, int entry, const std::string& file) {
  Programmsatz satz{};
  if (const int code = ProgrammsatzLaden(file, satz); code != 0) return code;
  CtlFortschritt fortschritt({CtlPortZiel{context.port, ""}});
  return CtlSatzSchreiben(context, entry, TransferUmfang::Aktuelles, satz, fortschritt.melden(0));
}

int CtlShow(const std::string& file, bool json) {
  Programmsatz satz{};
  if (const int code = ProgrammsatzLaden(file, satz); code != 0) return code;
  if (!json) {
    TabelleDrucken(satz);
    return 0;
  }
  std::string text;
  std::string fehler;
  if (!ProgrammsatzAlsJson(satz, text, fehler)) {
    std::fprintf(stderr, "velt1ctl: %s: %s\n", file.c_str(), fehler.c_str());
    return QOR_FEHLER_STILL;
  }
  std::fputs(text.c_str(), stdout);
  return 0;
}

int CtlConvert(const std::string& in, const std::string& out) {
  Programmsatz satz{};
  if (const int code = ProgrammsatzLaden(in, satz); code != 0) return code;
  return ProgrammsatzSpeichern(out, satz);
}
