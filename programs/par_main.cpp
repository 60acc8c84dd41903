#include "programs/par_main.h"

#include <string>

#include "connection/qor_com.h"
#include "device/velt1com.h"
#include "programs/core/programmname.h"
#include "programs/core/programmverwaltung.h"
#include "programs/dateifunktionen.h"
#include "programs/programmanzeige.h"
#include "programs/programmoperationen.h"
#include "support/qor_error.h"
#include "ui/fensterverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

int gMainPanel = 0;
int gInfoPanel = 0;
int gKalibrierenPanel = 0;
int gRenamePanel = 0;

namespace {

void RegisterCallbacks() {
  RegisterCtrlCallback("Callback_Info_Button_Ok", Callback_Info_Button_Ok);
  RegisterCtrlCallback("Callback_Kalib_Buttons", Callback_Kalib_Buttons);
  RegisterMenuCallback("Menu_Main_Info", Menu_Main_Info);
  RegisterCtrlCallback("Callback_Main_Buttons", Callback_Main_Buttons);
  RegisterCtrlCallback("Callback_Programmliste", Callback_Programmliste);
  RegisterCtrlCallback("Callback_AllgemeineAenderung", Callback_AllgemeineAenderung);
  RegisterMenuCallback("Menu_Main_Datei", Menu_Main_Datei);
  RegisterMenuCallback("Menu_Main_Programm", Menu_Main_Programm);
  RegisterMenuCallback("Menu_Main_Sprache", Menu_Main_Sprache);
}

ParMainSprachumschaltung gSprachumschaltung = nullptr;

bool English() { return gSprache == 2; }

void ComLed(int on) { SetCtrlVal(gMainPanel, MAINPANEL_COMAKTIVLED, on); }

int Programmnummer() {
  int nummer = 0;
  GetCtrlVal(gMainPanel, MAINPANEL_PROGRAMMNUMMER, &nummer);
  return nummer;
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

// The selected entry's name through the rename popup; the table takes what
// was typed on OK.
void Umbenennen() {
  SetCtrlVal(gRenamePanel, RENAMEPNL_STRING, Programmname_AlsText(gProg[gProgIndex]));
  InstallPopup(gRenamePanel);
  const bool bestaetigt = UmbenennenBestaetigt();
  RemovePopup(0);
  if (!bestaetigt) return;
  std::string eingabe;
  GetCtrlVal(gRenamePanel, RENAMEPNL_STRING, &eingabe);
  Prog_Umbenennen(eingabe);
}

}  // namespace

int ParMain_Initialisieren(const char* version, const char* datum) {
  RegisterCallbacks();

  const char* file = UiDateiname();
  gMainPanel = LoadPanel(0, file, MAINPANEL);
  if (gMainPanel < 0) return -1;
  gInfoPanel = LoadPanel(gMainPanel, file, INFOPANEL);
  if (gInfoPanel < 0) return -1;
  gKalibrierenPanel = LoadPanel(gMainPanel, file, KALIBPANEL);
  if (gKalibrierenPanel < 0) return -1;
  gRenamePanel = LoadPanel(gMainPanel, file, RENAMEPNL);
  if (gRenamePanel < 0) return -1;

  SetPanelAttribute(gMainPanel, ATTR_TITLE, gPaneltitle);
  SetPanelAttribute(gMainPanel, ATTR_HAS_TASKBAR_BUTTON, 1);

  // The language menu is never offered: the program runs in German.
  DiscardMenu(GetPanelMenuBar(gMainPanel), MENUMAIN_OPTIONEN);

  const std::string geraet = GERAETENAME;
  SetCtrlVal(gInfoPanel, INFOPANEL_VERSION, version);
  SetCtrlVal(gInfoPanel, INFOPANEL_DATUM, datum);
  SetCtrlVal(gInfoPanel, INFOPANEL_PROGRAMMNAME, geraet + " Steuerung");

  SetCtrlAttribute(gMainPanel, MAINPANEL_PROGLESEN, ATTR_LABEL_TEXT,
                   English() ? "Read from " + geraet : "vom " + geraet + " lesen");
  SetCtrlAttribute(gMainPanel, MAINPANEL_PROGSCHREIBEN, ATTR_LABEL_TEXT,
                   English() ? "Write to " + geraet : "zum " + geraet + " schreiben");
  SetCtrlVal(gMainPanel, MAINPANEL_TEXT_GERAETSTEUERN,
             English() ? "Control " + geraet : geraet + " steuern");

  // The main window is the first entry of the window list and the panel the
  // "back" buttons return to.
  Fenster_Initialisieren();
  Fenster_HauptpanelSet(gMainPanel);
  Fenster_PanelZurListeHinzufuegen(gMainPanel, English() ? "Main window" : "Hauptfenster",
                                   MENUMAIN_FENSTER);

  QorCom_RegisterPictureringControl(gMainPanel, MAINPANEL_COMPICTURERING);
  QorCom_RegisterFehlerControls(gMainPanel, MAINPANEL_FEHLERLED, MAINPANEL_FEHLERSTRING,
                                MAINPANEL_FEHLERNUMMER);
  DaxCom_ComLedSetzen(DAXCOM_LED_HAUPTPANEL, ComLed);

  SetCtrlAttribute(gMainPanel, MAINPANEL_PROGRAMMNUMMER, ATTR_MIN_VALUE, 1);
  SetCtrlAttribute(gMainPanel, MAINPANEL_PROGRAMMNUMMER, ATTR_MAX_VALUE, PROGRAMM_NUMMER_MAX);
  SetCtrlAttribute(gRenamePanel, RENAMEPNL_STRING, ATTR_MAX_ENTRY_LENGTH, PROGRAMMNAME_MAX_GERAET);
  Prog_AnzeigeAnbinden(gMainPanel);
  Prog_Initialisieren();
  return 0;
}

int ParMain_Freigeben() {
  Prog_AnzeigeAnbinden(0);
  DiscardPanel(gInfoPanel);
  DiscardPanel(gMainPanel);
  return 0;
}

int ParMain_ReadIni(IniStore) { return 0; }
int ParMain_WriteIni(IniStore) { return 0; }

int ParMain_GetMainpanel() { return gMainPanel; }

void Menu_Main_Info(int, int, void*, int) { InstallPopup(gInfoPanel); }

int Callback_Info_Button_Ok(int, int, int event, void*, int, int) {
  if (event == EVENT_COMMIT) RemovePopup(0);
  return 0;
}

int Callback_Kalib_Buttons(int, int, int, void*, int, int) { return 0; }

int Callback_Main_Buttons(int, int control, int event, void*, int, int) {
  if (event != EVENT_COMMIT) return 0;
  // The services show their own results on the error display.
  switch (control) {
    case MAINPANEL_PROGRAMMEINSTELLEN:
      DaxCom_ProgrammEinstellen(Programmnummer());
      break;
    case MAINPANEL_PROGRAMMSPEICHERN:
      DaxCom_ProgrammAbspeichern(Programmnummer());
      break;
    case MAINPANEL_START:
      DaxCom_GeraetStarten();
      break;
    case MAINPANEL_STOPP:
      DaxCom_GeraetStoppen();
      break;
    case MAINPANEL_LADEN:
      Menu_Main_Datei(GetPanelMenuBar(gMainPanel), MENUMAIN_DATEI_LADEN, nullptr, gMainPanel);
      break;
    case MAINPANEL_SPEICHERN:
      Menu_Main_Datei(GetPanelMenuBar(gMainPanel), MENUMAIN_DATEI_SPEICHERN, nullptr, gMainPanel);
      break;
    case MAINPANEL_PROGLESEN:
      Prog_ProgrammeVonGeraetLesen();
      break;
    case MAINPANEL_PROGSCHREIBEN:
      Prog_ProgrammeAufGeraetSchreiben();
      break;
    default:
      break;
  }
  return 0;
}

void Menu_Main_Datei(int, int item, void*, int) {
  int code = 0;
  switch (item) {
    case MENUMAIN_DATEI_NEU:
      Prog_Initialisieren();  // unsaved changes are given up without a question
      return;
    case MENUMAIN_DATEI_LADEN:
      code = DateiOeffnen();
      break;
    case MENUMAIN_DATEI_SPEICHERN:
      code = DateiSpeichern(0);
      break;
    case MENUMAIN_DATEI_SPEICHERNUNTER:
      code = DateiSpeichern(1);
      break;
    default:
      return;
  }
  if (code != 0) QOR_Fehlerpopup(code);  // silent for a cancelled dialog
}

void Menu_Main_Programm(int, int item, void*, int) {
  switch (item) {
    case MENUMAIN_PROGRAMM_UMBENENNEN:
      Umbenennen();
      break;
    case MENUMAIN_PROGRAMM_COPY:
      Prog_Copy();
      break;
    case MENUMAIN_PROGRAMM_PASTE:
      Prog_Paste();
      break;
    default:
      break;
  }
}

void Menu_Main_Sprache(int, int item, void*, int) {
  if (gSprachumschaltung == nullptr) return;
  if (item == MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_DEUTSCH) gSprachumschaltung(1);
  if (item == MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_ENGLISCH) gSprachumschaltung(2);
}

void ParMain_SprachumschaltungSetzen(ParMainSprachumschaltung umschalten) {
  gSprachumschaltung = umschalten;
}
