#include "programs/programmoperationen.h"

#include <string>

#include "connection/qor_com.h"
#include "programs/core/geraetedienste.h"
#include "programs/core/programmtransfer.h"
#include "programs/core/programmverwaltung.h"
#include "ui/fensterverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"

namespace {

bool English() { return gSprache == 2; }

struct Frage {
  const char* titel;
  const char* text;
};

// The German question first, the English one second.
using Fragen = Frage[2];

constexpr Fragen kSchreibfrage{
    {"Programme zum Gerät schreiben", "Nur aktuell ausgewähltes oder alle Programme schreiben?"},
    {"Write programs to device", "Write all programs or the currently active one only?"}};
constexpr Fragen kLesefrage{
    {"Programme vom Gerät lesen", "Nur aktuell ausgewähltes oder alle Programme lesen?"},
    {"Read programs from device", "Read all programs or the currently active one only?"}};

const Frage& InSprache(const Fragen& fragen) { return fragen[English() ? 1 : 0]; }

// "aktuelles" / "alle" / "abbrechen": the focus on the first, Enter stands
// for "alle", Esc for "abbrechen". Returns the button chosen.
int TransferFragen(const Frage& frage) {
  if (English())
    return GenericMessagePopup(frage.titel, frage.text, "active one", "all", "cancle", 1, 2, 3);
  return GenericMessagePopup(frage.titel, frage.text, "aktuelles", "alle", "abbrechen", 1, 2, 3);
}

TransferUmfang Umfang(int antwort) {
  return antwort == 1 ? TransferUmfang::Aktuelles : TransferUmfang::Alle;
}

// While all programs travel the panels take no input for seconds: a box on
// the main panel tells which program is on the line. It opens with the first
// step of a transfer of several programs and closes with the transfer. At
// each step the windows catch up with the screen (the question box that
// started the transfer disappears, a moved window repaints) and answer the
// desktop, without any other callback running in between.
class Fortschrittsanzeige {
 public:
  explicit Fortschrittsanzeige(std::string titel) : titel_(std::move(titel)) {}
  ~Fortschrittsanzeige() {
    if (dialog_ > 0) DiscardProgressDialog(dialog_);
  }
  Fortschrittsanzeige(const Fortschrittsanzeige&) = delete;
  Fortschrittsanzeige& operator=(const Fortschrittsanzeige&) = delete;

  TransferMelden Melder() {
    return [this](const TransferFortschritt& f) { Zeigen(f); };
  }

 private:
  void Zeigen(const TransferFortschritt& f) {
    if (f.anzahl < 2) return;
    const std::string eintrag = Prog_EintragName(f.eintrag);
    const std::string text =
        (English() ? "Program " : "Programm ") + eintrag + ": " + std::to_string(f.schritt) +
        (English() ? " of " : " von ") + std::to_string(f.anzahl);
    if (dialog_ <= 0) dialog_ = CreateProgressDialog(Fenster_MainpanelGet(), titel_, text, f.anzahl);
    UpdateProgressDialog(dialog_, text, f.schritt);
    ProcessDrawEvents();
  }

  std::string titel_;
  int dialog_ = 0;
};

// The services' own results are on the error displays already; a write-back
// after a failure has shown its own, so the failure is shown once more.
void FehlerZeigen(int code) {
  if (code != 0) QorCom_FehlermeldungSet(code);
}

}  // namespace

int Prog_ProgrammeAufGeraetSchreiben() {
  if (const int code = Prog_Plausibilitaetspruefung(&gProgAktuell); code != 0) return code;
  const int antwort = TransferFragen(InSprache(kSchreibfrage));
  if (antwort != 1 && antwort != 2) return antwort;
  Prog_AktuellInTabelle(gProgIndex);

  Geraetedienste dienste;
  Fortschrittsanzeige anzeige(InSprache(kSchreibfrage).titel);
  const int code =
      Programmtransfer_Schreiben(gProg, gProgIndex, Umfang(antwort), dienste, anzeige.Melder());
  FehlerZeigen(code);
  return code;
}

int Prog_ProgrammeVonGeraetLesen() {
  const int antwort = TransferFragen(InSprache(kLesefrage));
  if (antwort != 1 && antwort != 2) return antwort;

  Geraetedienste dienste;
  LeseErgebnis ergebnis;
  {
    Fortschrittsanzeige anzeige(InSprache(kLesefrage).titel);
    ergebnis = Programmtransfer_Lesen(gProg, gProgIndex, Umfang(antwort), dienste, anzeige.Melder());
  }
  // The list shows every name now in the table, also after a failure; the
  // panel's edits are replaced only by what the device sent for that entry.
  Prog_ListeAktualisieren();
  if (ergebnis.gelesen[static_cast<std::size_t>(gProgIndex)]) {
    Prog_TabelleInAktuell(gProgIndex);
    Prog_AktuellAnzeigen();
  }
  FehlerZeigen(ergebnis.code);
  return ergebnis.code;
}
