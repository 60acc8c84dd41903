#include "ctl_mehrere_ports.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

#include "ctl_fortschritt.h"
#include "device/open_failure.h"
#include "device/port_map.h"
#include "device/qorvelt1.h"
#include "support/qor_error.h"

namespace {

constexpr int kExitFailure = 1;

struct Lauf {
  CtlPortErgebnis ergebnis;
  std::string fehler;  // the message, made in the port's own thread: its cause is kept there
};

Lauf AufPort(const CtlPortZiel& ziel, char adresse, const CtlPortAuftrag& auftrag, const TransferMelden& melden) {
  Lauf lauf;
  const int code = ziel.port == 0 ? 0 : CtlPortOeffnen(ziel.port);
  if (code == 0) {
    lauf.ergebnis = auftrag(CtlContext{ziel.port, adresse}, ziel, melden);
    if (ziel.port != 0) QORVELT1_Close(ziel.port);
  } else {
    lauf.ergebnis.code = code;
  }
  if (lauf.ergebnis.code != 0 && !QOR_FehlerStill(lauf.ergebnis.code)) lauf.fehler = CtlErrorText(lauf.ergebnis.code);
  return lauf;
}

int Status(const Lauf& lauf) {
  if (lauf.ergebnis.code != 0) return kExitFailure;
  return lauf.ergebnis.verschieden ? CTL_EXIT_VERSCHIEDEN : 0;
}

const char* Wort(int status) {
  return status == 0 ? "in Ordnung" : status == CTL_EXIT_VERSCHIEDEN ? "verschieden" : "Fehler";
}

// Each line of `text` with the prefix, in one write: lines of other ports never come between.
void Drucken(std::FILE* ausgabe, const std::string& praefix, const std::string& text) {
  std::string zeilen;
  std::istringstream eingabe(text);
  for (std::string zeile; std::getline(eingabe, zeile);) zeilen += praefix + zeile + "\n";
  std::fputs(zeilen.c_str(), ausgabe);
}

std::string Text(const CtlPortErgebnis& ergebnis) {
  std::string text;
  for (const std::string& zeile : ergebnis.zeilen) text += zeile + "\n";
  return text;
}

std::string Json(const nlohmann::ordered_json& json) {
  // Paths and messages may hold bytes that are no UTF-8; they must not stop the output.
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

nlohmann::ordered_json Objekt(const CtlPortZiel& ziel, const Lauf& lauf) {
  nlohmann::ordered_json objekt = {
      {"schnittstelle", ziel.name()}, {"ergebnis", Wort(Status(lauf))}, {"code", lauf.ergebnis.code}};
  if (!lauf.fehler.empty()) objekt["fehler"] = lauf.fehler;
  objekt.update(lauf.ergebnis.json);
  return objekt;
}

// "Zusammenfassung: 3 Schnittstellen, 2 in Ordnung, 1 Fehler (COM 22)"
std::string Zusammenfassung(const std::vector<CtlPortZiel>& ziele, const std::vector<Lauf>& laeufe) {
  std::string text = "Zusammenfassung: " + std::to_string(ziele.size()) + " Schnittstellen";
  for (const int status : {0, CTL_EXIT_VERSCHIEDEN, kExitFailure}) {
    int anzahl = 0;
    std::string namen;
    for (std::size_t i = 0; i < ziele.size(); ++i) {
      if (Status(laeufe[i]) != status) continue;
      ++anzahl;
      namen += (namen.empty() ? "" : ", ") + ziele[i].name();
    }
    if (anzahl == 0 && status != 0) continue;
    text += ", " + std::to_string(anzahl) + " " + Wort(status);
    if (status != 0) text += " (" + namen + ")";
  }
  return text + "\n";
}

int Melden(const std::vector<CtlPortZiel>& ziele, const std::vector<Lauf>& laeufe, bool json) {
  const bool mehrere = ziele.size() > 1;
  nlohmann::ordered_json objekte = nlohmann::ordered_json::array();
  int schlimmster = 0;
  for (std::size_t i = 0; i < ziele.size(); ++i) {
    const Lauf& lauf = laeufe[i];
    const std::string praefix = mehrere ? ziele[i].name() + ": " : "";
    std::string text = Text(lauf.ergebnis);
    if (mehrere && text.empty() && lauf.ergebnis.code == 0) text = "in Ordnung\n";
    if (!json) Drucken(stdout, praefix, text);
    Drucken(stderr, praefix, lauf.fehler);
    objekte.push_back(Objekt(ziele[i], lauf));
    const int status = Status(lauf);
    if (status == kExitFailure || schlimmster == 0) schlimmster = status;
  }
  if (json) std::fputs(Json(objekte).c_str(), stdout);
  if (mehrere && !json) std::fputs(Zusammenfassung(ziele, laeufe).c_str(), stdout);
  return schlimmster;
}

}  // namespace

std::string CtlPortZiel::name() const { return geraet.empty() ? rs232::PortLabel(port) : geraet; }

std::string CtlPortZiel::kurzname() const {
  return geraet.empty() ? std::to_string(port) : std::filesystem::path(geraet).filename().string();
}

int CtlPortOeffnen(int port) {
  int code = QORVELT1_Open(port, QORVELT1_BAUD);
  // The message says why the port did not open, and which device it is.
  if (code != 0) QOR_Fehleruserstring(rs232::OpenFailureText(port).c_str());
  if (code == 0) code = QORVELT1_Timeout(port, QORVELT1_ZEITLIMIT_SEKUNDEN);
  return code;
}

int CtlAufPortsAusfuehren(const std::vector<CtlPortZiel>& ziele, char adresse, const CtlPortAuftrag& auftrag,
                          bool json) {
  if (ziele.empty()) {
    const Lauf lauf = AufPort(CtlPortZiel{}, adresse, auftrag, {});
    std::string text = json ? "" : Text(lauf.ergebnis);
    if (json && lauf.ergebnis.code == 0) text = Json(lauf.ergebnis.json);
    std::fputs(text.c_str(), stdout);
    Drucken(stderr, "", lauf.fehler);
    return Status(lauf);
  }
  std::vector<Lauf> laeufe(ziele.size());
  {
    CtlFortschritt fortschritt(ziele);
    std::vector<std::thread> arbeiter;
    for (std::size_t i = 0; i < ziele.size(); ++i) {
      const auto arbeit = [&, i] {
        laeufe[i] = AufPort(ziele[i], adresse, auftrag, fortschritt.melden(i));
        fortschritt.beendet(i, laeufe[i].ergebnis.code == 0);
      };
      // One port runs where it is, as every other command does.
      if (ziele.size() == 1) {
        arbeit();
      } else {
        arbeiter.emplace_back(arbeit);
      }
    }
    for (std::thread& t : arbeiter) t.join();
  }  // the progress line ends before the results
  return Melden(ziele, laeufe, json);
}
