// MAINPANEL: file buttons, program list and transfer buttons, the device
// control frame on the left; the thirteen parameters in one labelled column
// on the right; COM state and error display in the bottom strip.

#include <iterator>
#include <optional>

#include "device/programm.h"
#include "ui/velt1_gui.h"
#include "ui/velt1_gui_build.h"

namespace ui::gui {

namespace {

constexpr const char* kAenderung = "Callback_AllgemeineAenderung";
constexpr const char* kButtons = "Callback_Main_Buttons";

// One row of the parameter column, in the order of the record's value fields:
// the box on the right, its label left of it.
Rect ParameterRow(const ProgrammWert& wert) {
  const auto row = static_cast<int>(&wert - std::begin(PROGRAMM_WERTE));
  return Rect{92 + row * 26, 600, 120, 24};
}

// A value field's box with the field's range and decimals; it starts at a new
// entry's value unless `start` says otherwise.
CtrlDef Parameter(int id, const char* constant, const char* label,
                  std::optional<double> start = std::nullopt) {
  const ProgrammWert& wert = *ProgrammWert_ZumControl(id);
  return Numeric(id, constant, label, ParameterRow(wert), LabelPos::Left, ValueType::Double,
                 start.value_or(wert.vorgabe), wert.panel.unten, wert.panel.oben, 1,
                 wert.nachkommastellen, kAenderung);
}

}  // namespace

PanelDef MainPanel() {
  PanelDef p = TopLevelPanel(MAINPANEL, "MAINPANEL", "Gerät Steuerung", MENUMAIN);
  p.controls = {
      PictureButton(MAINPANEL_LADEN, "LADEN", Image::LoadFile, {16, 16, 40, 40}, kButtons),
      PictureButton(MAINPANEL_SPEICHERN, "SPEICHERN", Image::SaveFile, {16, 64, 40, 40}, kButtons),
      Ring(MAINPANEL_PROGRAMMLISTE, "PROGRAMMLISTE", "Programme", {94, 16, 280, 24},
           LabelPos::Top, ValueType::Int, {}, "Callback_Programmliste"),
      CommandButton(MAINPANEL_PROGLESEN, "PROGLESEN", "vom Gerät lesen", {130, 16, 280, 28},
                    kButtons),
      CommandButton(MAINPANEL_PROGSCHREIBEN, "PROGSCHREIBEN", "zum Gerät schreiben",
                    {166, 16, 280, 28}, kButtons),
      Numeric(MAINPANEL_PROGRAMMNUMMER, "PROGRAMMNUMMER", "Programm", {256, 120, 72, 24},
              LabelPos::Left, ValueType::Int, 1, 1, 2, 1, 0),
      CommandButton(MAINPANEL_PROGRAMMEINSTELLEN, "PROGRAMMEINSTELLEN", "Einstellen",
                    {296, 32, 120, 28}, kButtons),
      CommandButton(MAINPANEL_PROGRAMMSPEICHERN, "PROGRAMMSPEICHERN", "Speichern",
                    {296, 160, 120, 28}, kButtons),
      CommandButton(MAINPANEL_START, "START", "Start", {380, 32, 120, 28}, kButtons),
      CommandButton(MAINPANEL_STOPP, "STOPP", "Stopp", {380, 160, 120, 28}, kButtons),
      // The ring's values are the field's range, 1 to 3.
      Ring(MAINPANEL_PAR_PRUEFSPANNUNGSQUE, "PAR_PRUEFSPANNUNGSQUE", "Prüfspannungsquelle",
           ParameterRow(*ProgrammWert_ZumControl(MAINPANEL_PAR_PRUEFSPANNUNGSQUE)),
           LabelPos::Left, ValueType::Double, {{"2..33V", 1.0}, {"8V", 2.0}, {"15V", 3.0}},
           kAenderung),
      // The voltage shows 5.0 until the first entry is shown, though a new
      // entry holds 2 V: the definition has always had it so.
      Parameter(MAINPANEL_PAR_PRUEFSPANNUNG, "PAR_PRUEFSPANNUNG", "Prüfspannung 2..33V [V]", 5.0),
      Parameter(MAINPANEL_PAR_ANZAHLZAEHNE, "PAR_ANZAHLZAEHNE", "Anzahl Zähne"),
      Parameter(MAINPANEL_PAR_SENSORKANAELE, "PAR_SENSORKANAELE", "Anzahl Sensorkanäle"),
      Parameter(MAINPANEL_PAR_TOLERANZHIGH, "PAR_TOLERANZHIGH", "Toleranz High [V]"),
      Parameter(MAINPANEL_PAR_TOLERANZLOW, "PAR_TOLERANZLOW", "Toleranz Low [V]"),
      Parameter(MAINPANEL_PAR_TOLERANZPHASE, "PAR_TOLERANZPHASE", "Toleranz Phase [°]"),
      Parameter(MAINPANEL_PAR_SCHWELLWERTSTEIG, "PAR_SCHWELLWERTSTEIG",
                "Schwellwert steig. Flanke [%]"),
      Parameter(MAINPANEL_PAR_SCHWELLWERTFALL, "PAR_SCHWELLWERTFALL",
                "Schwellwert fall. Flanke [%]"),
      Parameter(MAINPANEL_PAR_TOTZEITVORSTEIG, "PAR_TOTZEITVORSTEIG",
                "Totzeit vor steig. Flanke [us]"),
      Parameter(MAINPANEL_PAR_TOTZEITNACHSTEIG, "PAR_TOTZEITNACHSTEIG",
                "Totzeit nach steig. Flanke [us]"),
      Parameter(MAINPANEL_PAR_TOTZEITVORFALL, "PAR_TOTZEITVORFALL",
                "Totzeit vor fall. Flanke [us]"),
      Parameter(MAINPANEL_PAR_TOTZEITNACHFALL, "PAR_TOTZEITNACHFALL",
                "Totzeit nach fall. Flanke [us]"),
      ComPictureRing(MAINPANEL_COMPICTURERING, "COMPICTURERING", kStripPicture),
      Led(MAINPANEL_COMAKTIVLED, "COMAKTIVLED", "Com", kStripComLed),
      FehlerLed(MAINPANEL_FEHLERLED, "FEHLERLED"),
      FehlerString(MAINPANEL_FEHLERSTRING, "FEHLERSTRING"),
      FehlerNummer(MAINPANEL_FEHLERNUMMER, "FEHLERNUMMER"),
      // The device control frame, and the parameter frame.
      Decoration(MAINPANEL_DECORATION_2, "DECORATION_2", {212, 16, 280, 228}),
      Decoration(MAINPANEL_DECORATION, "DECORATION", {56, 312, 432, 384}),
      TextMessage(MAINPANEL_TEXTMSG, "TEXTMSG", "Parameter", {64, 328, 200, 20}),
      Picture(MAINPANEL_PICTURE, "PICTURE", Image::Wordmark, {12, 568, 176, 36}),
      TextMessage(MAINPANEL_TEXT_GERAETSTEUERN, "TEXT_GERAETSTEUERN", "Gerät steuern",
                  {220, 32, 248, 20}),
  };
  return p;
}

}  // namespace ui::gui
