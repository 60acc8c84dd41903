// The operations on whole programs: transfers between the table and the
// device, rename, copy and paste, and the hooks around the parameter file.

#include <algorithm>
#include <string>

#include "connection/qor_com.h"
#include "programs/dateifunktionen.h"
#include "programs/core/geraetedienste.h"
#include "programs/par_main.h"
#include "programs/core/programmname.h"
#include "programs/core/programmtransfer.h"
#include "programs/programmverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

bool English() { return gSprache == 2; }

struct Frage {
  const char* titel;
  const char* text;
};

const Frage& Sprache(const Frage& deutsch, const Frage& englisch) {
  return English() ? englisch : deutsch;
}

const Frage& Schreibfrage() {
  static const Frage deutsch{"Programme zum Gerät schreiben",
                             "Nur aktuell ausgewähltes oder alle Programme schreiben?"};
  static const Frage englisch{"Write programs to device",
                              "Write all programs or the currently active one only?"};
  return Sprache(deutsch, englisch);
}

const Frage& Lesefrage() {
  static const Frage deutsch{"Programme vom Gerät lesen",
                             "Nur aktuell ausgewähltes oder alle Programme lesen?"};
  static const Frage englisch{"Read programs from device",
                              "Read all programs or the currently active one only?"};
  return Sprache(deutsch, englisch);
}

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
    if (dialog_ <= 0) dialog_ = CreateProgressDialog(gMainPanel, titel_, text, f.anzahl);
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

// Waits for OK or "Abbruch" on the rename popup; other commits are ignored.
// Nothing to wait for any more (the program is quitting) counts as "Abbruch".
bool UmbenennenBestaetigt() {
  for (;;) {
    int panel = 0;
    int control = 0;
    if (GetUserEvent(1, &panel, &control) != EVENT_COMMIT) return false;
    if (panel != gRenamePanel) continue;
    if (control == RENAMEPNL_OK) return true;
    if (control == RENAMEPNL_ABBRUCH) return false;
  }
}

}  // namespace

int Prog_ProgrammeAufGeraetSchreiben() {
  if (const int code = Prog_Plausibilitaetspruefung(&gProgAktuell); code != 0) return code;
  const int antwort = TransferFragen(Schreibfrage());
  if (antwort != 1 && antwort != 2) return antwort;
  Prog_AktuellInTabelle(gProgIndex);

  Geraetedienste dienste;
  Fortschrittsanzeige anzeige(Schreibfrage().titel);
  const int code =
      Programmtransfer_Schreiben(gProg, gProgIndex, Umfang(antwort), dienste, anzeige.Melder());
  FehlerZeigen(code);
  return code;
}

int Prog_ProgrammeVonGeraetLesen() {
  const int antwort = TransferFragen(Lesefrage());
  if (antwort != 1 && antwort != 2) return antwort;

  Geraetedienste dienste;
  LeseErgebnis ergebnis;
  {
    Fortschrittsanzeige anzeige(Lesefrage().titel);
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

int Prog_Umbenennen() {
  Programm& programm = gProg[gProgIndex];
  const std::string bisher = Programmname_AlsText(programm);
  SetCtrlVal(gRenamePanel, RENAMEPNL_STRING, bisher);
  InstallPopup(gRenamePanel);
  const bool bestaetigt = UmbenennenBestaetigt();
  RemovePopup(0);
  if (!bestaetigt) return 1;

  std::string eingabe;
  GetCtrlVal(gRenamePanel, RENAMEPNL_STRING, &eingabe);
  // A name left as it was keeps its bytes, also those the rule below would
  // turn into spaces (a name from a parameter file made elsewhere).
  if (eingabe != bisher) {
    const std::string name = Programmname_Druckbar(eingabe).substr(0, PROGRAMMNAME_MAX_GERAET);
    std::fill(std::begin(programm.programmname), std::end(programm.programmname), '\0');
    name.copy(programm.programmname, name.size());
  }

  // Only the name enters the working copy: edits on the controls since the
  // entry was last taken into the table stay in it and are saved with it.
  std::copy(std::begin(programm.programmname), std::end(programm.programmname),
            std::begin(gProgAktuell.programmname));
  Prog_ListeAktualisieren();
  DatenAlsGeaendertMarkieren();
  return 0;
}

void Prog_Copy() {
  Prog_AktuellInTabelle(gProgIndex);
  gProgZwischenablage = gProg[gProgIndex];
}

int Prog_Paste() {
  gProg[gProgIndex] = gProgZwischenablage;
  Prog_ListeAktualisieren();
  Prog_TabelleInAktuell(gProgIndex);
  Prog_AktuellAnzeigen();
  DatenAlsGeaendertMarkieren();
  return 0;
}

int ProgrammverwaltungNachDateiLaden() {
  Prog_ListeAktualisieren();
  Prog_TabelleInAktuell(gProgIndex);
  Prog_AktuellAnzeigen();
  return 0;
}

int ProgrammverwaltungVorDateiSpeichern() {
  if (const int code = Prog_Plausibilitaetspruefung(&gProgAktuell); code != 0) return code;
  Prog_AktuellInTabelle(gProgIndex);
  return 0;
}
