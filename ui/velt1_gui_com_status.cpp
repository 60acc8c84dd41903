// COMPANEL (port, address, identification, bus scan) and STATUSPNL (four
// status LEDs and the polling switch). Both carry the COM state and error
// strip of the main panel at the same places, and the back button at the
// same place.

#include <string>

#include "device/qorvelt1.h"
#include "device/statuswort.h"
#include "ui/velt1_gui.h"
#include "ui/velt1_gui_build.h"

namespace ui::gui {

namespace {

// A status LED with the name of its bit; "on" in the definition, cleared
// when the panel is loaded.
CtrlDef StatusLed(int id, const std::string& constant, Rect rect) {
  std::string name;
  for (const Statusbit& bit : STATUSBITS)
    if (bit.led == id) name = bit.name;
  return Led(id, constant, name, rect, 1);
}

}  // namespace

PanelDef ComPanel() {
  PanelDef p = TopLevelPanel(COMPANEL, "COMPANEL", "COM-Einstellungen", MENUCOM);

  std::vector<RingItem> addresses;
  for (const char* c = QORVELT1_SITZUNGSADRESSEN; *c != '\0'; ++c)
    addresses.push_back(
        {*c == QORVELT1_SAMMELADRESSE ? "alle" : std::string(1, *c), static_cast<double>(*c)});

  p.controls = {
      Ring(COMPANEL_ADRESSE, "ADRESSE", "Adresse", {48, 256, 96, 24}, LabelPos::Top,
           ValueType::Char, addresses),
      Ring(COMPANEL_COMPORT, "COMPORT", "COM-Port", {48, 32, 200, 24}, LabelPos::Top,
           ValueType::Int, {{"nicht geöffnet", 0}}),
      CommandButton(COMPANEL_SCANN, "SCANN", "Scann", {156, 32, 120, 28}),
      CommandButton(COMPANEL_IDLESEN, "IDLESEN", "ID lesen", {100, 32, 120, 28}),
      CommandButton(COMPANEL_ZURUECK, "ZURUECK", "Zurück zum Hauptfenster", kBackButton,
                    "Callback_Com_Button_Zurueck"),
      ComPictureRing(COMPANEL_COMPICTURERING, "COMPICTURERING", kStripPicture),
      FehlerLed(COMPANEL_FEHLERLED, "FEHLERLED"),
      FehlerString(COMPANEL_FEHLERSTRING, "FEHLERSTRING"),
      FehlerNummer(COMPANEL_FEHLERNUMMER, "FEHLERNUMMER"),
  };
  // One LED per bus address, in a row beside the scan button.
  for (int n = 1; n <= 9; ++n)
    p.controls.push_back(Led(COMPANEL_LED1 + n - 1, "LED" + std::to_string(n),
                             std::to_string(n), {162, 176 + (n - 1) * 44, 16, 16}));
  // The identification the device answered: shown, not typed.
  p.controls.push_back(
      StringCtrl(COMPANEL_ID, "ID", "ID", {102, 256, 488, 24}, LabelPos::Left, true));
  p.controls.push_back(
      TextMessage(COMPANEL_SCANNTEXT, "SCANNTEXT", "Suche Gerät ...", {196, 176, 400, 20}));
  return p;
}

PanelDef StatusPanel() {
  PanelDef p = TopLevelPanel(STATUSPNL, "STATUSPNL", "Status", MENUSTATUS);
  // The status LEDs stand in the order of their bits.
  p.controls = {
      TextMessage(STATUSPNL_TEXT_GERAETSTATUS, "TEXT_GERAETSTATUS", "Gerät Status",
                  {24, 32, 300, 20}),
      StatusLed(STATUSPNL_STATUSLED1, "STATUSLED1", {64, 40, 16, 16}),
      StatusLed(STATUSPNL_STATUSLED9, "STATUSLED9", {124, 40, 16, 16}),
      StatusLed(STATUSPNL_STATUSLED10, "STATUSLED10", {154, 40, 16, 16}),
      ToggleButton(STATUSPNL_DAXSTATUSABFRAGE, "DAXSTATUSABFRAGE", "Statusabfrage einschalten",
                   "Statusabfrage ausschalten", {200, 32, 240, 28}, "Callback_Status_Buttons"),
      CommandButton(STATUSPNL_ZURUECK, "ZURUECK", "Zurück zum Hauptfenster", kBackButton,
                    "Callback_Status_Button_Zurueck"),
      ComPictureRing(STATUSPNL_COMPICTURERING, "COMPICTURERING", kStripPicture),
      FehlerLed(STATUSPNL_FEHLERLED, "FEHLERLED"),
      FehlerString(STATUSPNL_FEHLERSTRING, "FEHLERSTRING"),
      FehlerNummer(STATUSPNL_FEHLERNUMMER, "FEHLERNUMMER"),
      Led(STATUSPNL_COMAKTIVLED, "COMAKTIVLED", "Com", kStripComLed),
      StatusLed(STATUSPNL_STATUSLED2, "STATUSLED2", {94, 40, 16, 16}),
      Timer(STATUSPNL_STATUSTIMER, "STATUSTIMER", "Statustimer", {200, 704, 24, 24}, 1.0, false,
            "Callback_Statustimer"),
  };
  return p;
}

}  // namespace ui::gui
