// COMPANEL (port, address, identification, bus scan) and STATUSPNL (four
// status LEDs and the polling switch). Both carry the COM state and error
// strip of the main panel at the same places, and the back button at the
// same place.

#include <string>

#include "ui/velt1_gui.h"
#include "ui/velt1_gui_build.h"

namespace ui::gui {

PanelDef ComPanel() {
  PanelDef p = TopLevelPanel(COMPANEL, "COMPANEL", "COM-Einstellungen", MENUCOM);

  std::vector<RingItem> addresses;
  for (char c = '1'; c <= '9'; ++c)
    addresses.push_back({std::string(1, c), static_cast<double>(c)});
  addresses.push_back({"alle", static_cast<double>('&')});

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
  CtrlDef id = StringCtrl(COMPANEL_ID, "ID", "ID", {102, 256, 488, 24}, LabelPos::Left);
  id.indicator = true;
  p.controls.push_back(id);
  p.controls.push_back(
      TextMessage(COMPANEL_SCANNTEXT, "SCANNTEXT", "Suche Gerät ...", {196, 176, 400, 20}));
  return p;
}

PanelDef StatusPanel() {
  PanelDef p = TopLevelPanel(STATUSPNL, "STATUSPNL", "Status", MENUSTATUS);
  // The status LEDs stand in the order of their bits; "on" in the
  // definition, cleared when the panel is loaded.
  p.controls = {
      TextMessage(STATUSPNL_TEXT_GERAETSTATUS, "TEXT_GERAETSTATUS", "Gerät Status",
                  {24, 32, 300, 20}),
      Led(STATUSPNL_STATUSLED1, "STATUSLED1", "Messung aktiv", {64, 40, 16, 16}, 1),
      Led(STATUSPNL_STATUSLED9, "STATUSLED9", "Speicherfehler", {124, 40, 16, 16}, 1),
      Led(STATUSPNL_STATUSLED10, "STATUSLED10", "Prüfspannungsfehler", {154, 40, 16, 16}, 1),
      ToggleButton(STATUSPNL_DAXSTATUSABFRAGE, "DAXSTATUSABFRAGE", "Statusabfrage einschalten",
                   "Statusabfrage ausschalten", {200, 32, 240, 28}, "Callback_Status_Buttons"),
      CommandButton(STATUSPNL_ZURUECK, "ZURUECK", "Zurück zum Hauptfenster", kBackButton,
                    "Callback_Status_Button_Zurueck"),
      ComPictureRing(STATUSPNL_COMPICTURERING, "COMPICTURERING", kStripPicture),
      FehlerLed(STATUSPNL_FEHLERLED, "FEHLERLED"),
      FehlerString(STATUSPNL_FEHLERSTRING, "FEHLERSTRING"),
      FehlerNummer(STATUSPNL_FEHLERNUMMER, "FEHLERNUMMER"),
      Led(STATUSPNL_COMAKTIVLED, "COMAKTIVLED", "Com", kStripComLed),
      Led(STATUSPNL_STATUSLED2, "STATUSLED2", "Remotebetrieb", {94, 40, 16, 16}, 1),
      Timer(STATUSPNL_STATUSTIMER, "STATUSTIMER", "Statustimer", {200, 704, 24, 24}, 1.0, false,
            "Callback_Statustimer"),
  };
  return p;
}

}  // namespace ui::gui
