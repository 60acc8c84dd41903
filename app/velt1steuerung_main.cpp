#include "app/velt1steuerung_main.h"

#include "app/funktionen.h"
#include "app/ui_laufzeit.h"
#include "programs/par_main.h"
#include "support/file_replace.h"
#include "support/qor_error.h"
#include "ui/globals.h"
#include "ui/runtime.h"

int Velt1Steuerung_PanelsLaden() {
  Func_IniDateiSpracheLaden();
  gPaneltitle = std::string(GERAETENAME) + " Steuerung";
  return Func_PanelsInitialisieren(VELT1_VERSION, VELT1_DATUM) == 0 ? 0 : -1;
}

int Velt1Steuerung_Main(int argc, char** argv) {
  // Over a file-size limit the configuration write fails with its code
  // instead of ending the program halfway through.
  file_replace::KeepRunningAtFileSizeLimit();
  UiLaufzeit laufzeit;
  if (!laufzeit.Starten(argc, argv)) return -1;
  // A failed panel module ends the program at once: nothing is shown and the
  // configuration file stays untouched.
  if (Velt1Steuerung_PanelsLaden() != 0) return -1;

  const int gelesen = Func_IniDateiLaden();
  if (gelesen != 0) QOR_Fehlerpopup(gelesen);

  DisplayPanel(ParMain_GetMainpanel());
  RunUserInterface();

  Func_IniDateiSchreiben();  // a failed write is not shown; the program still ends normally
  Func_PanelsFreigeben();
  return 0;
}
