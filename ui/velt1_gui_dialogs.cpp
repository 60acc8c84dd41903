// The main panel's dialogs: INFOPANEL (program name, version, date and the
// project's lines), KALIBPANEL (two measuring points; loaded, never shown)
// and RENAMEPNL (the new program name).

#include "ui/velt1_gui.h"
#include "ui/velt1_gui_build.h"

namespace ui::gui {

PanelDef InfoPanel() {
  PanelDef p = Panel(INFOPANEL, "INFOPANEL", "Info", 275, 375);
  p.controls = {
      Picture(INFOPANEL_PICTURE, "PICTURE", Image::Wordmark, {12, 16, 176, 36}),
      CommandButton(INFOPANEL_OK, "OK", "__OK", {236, 283, 76, 28}, "Callback_Info_Button_Ok"),
      TextMessage(INFOPANEL_TEXTMSG, "TEXTMSG", "VELT-1 Projektgruppe", {108, 16, 343, 18}),
      TextMessage(INFOPANEL_TEXTMSG_2, "TEXTMSG_2",
                  "Steuerprogramm für VELT-1 Sensorprüfgeräte\n"
                  "am RS-232-Bus mit den Adressen 1 bis 9\n"
                  "\n"
                  "Fragen, Hinweise und Fehlermeldungen\n"
                  "bitte an die Projektgruppe über die\n"
                  "Fehlerliste des Projekts",
                  {130, 16, 343, 100}),
      TextMessage(INFOPANEL_VERSION, "VERSION", "Version", {80, 16, 100, 18}),
      TextMessage(INFOPANEL_DATUM, "DATUM", "Datum", {80, 124, 100, 18}),
      TextMessage(INFOPANEL_PROGRAMMNAME, "PROGRAMMNAME", "Gerät Steuerung", {58, 16, 343, 18}),
  };
  return p;
}

PanelDef KalibPanel() {
  constexpr const char* kButtons = "Callback_Kalib_Buttons";
  PanelDef p = Panel(KALIBPANEL, "KALIBPANEL", "Kalibrierung", 398, 375);
  auto current = [](int id, const char* constant, const char* label, int top, double initial,
                    double increment, int precision) {
    return Numeric(id, constant, label, {top, 232, 120, 24}, LabelPos::Left, ValueType::Double,
                   initial, 0.001, 4.09, increment, precision);
  };
  p.controls = {
      CommandButton(KALIBPANEL_ABBRUCH, "ABBRUCH", "Abbruch", {310, 195, 164, 28}, kButtons),
      CommandButton(KALIBPANEL_UEBERNEHMEN, "UEBERNEHMEN", "Übernehmen", {310, 16, 164, 28},
                    kButtons),
      CommandButton(KALIBPANEL_WERKSKALIBRIERUNG, "WERKSKALIBRIERUNG",
                    "Werkskalibrierung wiederherstellen", {350, 16, 343, 28}, kButtons),
      current(KALIBPANEL_IST2, "IST2", "gemessener Strom [A]", 204, 4.0, 0.001, 4),
      current(KALIBPANEL_SOLL2, "SOLL2", "Sollstrom [A]", 172, 4.0, 0.1, 3),
      Decoration(KALIBPANEL_DECORATION_3, "DECORATION_3", {136, 16, 343, 110}),
      current(KALIBPANEL_IST1, "IST1", "gemessener Strom [A]", 84, 1.0, 0.001, 4),
      current(KALIBPANEL_SOLL1, "SOLL1", "Sollstrom [A]", 52, 1.0, 0.1, 3),
      Decoration(KALIBPANEL_DECORATION_2, "DECORATION_2", {16, 16, 343, 110}),
      TextMessage(KALIBPANEL_TEXTMSG, "TEXTMSG", "Messpunkt 1", {24, 28, 200, 18}),
      TextMessage(KALIBPANEL_TEXTMSG_2, "TEXTMSG_2", "Messpunkt 2", {144, 28, 200, 18}),
      TextMessage(KALIBPANEL_TEXTMSG_3, "TEXTMSG_3",
                  "Die Kalibrierung ist gültig für das aktuelle Programm\n"
                  "im aktuellen Meßbereich.",
                  {258, 16, 343, 40}),
  };
  return p;
}

PanelDef RenamePanel() {
  PanelDef p = Panel(RENAMEPNL, "RENAMEPNL", "Umbenennen", 106, 371);
  p.controls = {
      StringCtrl(RENAMEPNL_STRING, "STRING", "", {20, 16, 339, 24}, LabelPos::None),
      CommandButton(RENAMEPNL_ABBRUCH, "ABBRUCH", "Abbruch", {62, 175, 88, 28}),
      CommandButton(RENAMEPNL_OK, "OK", "__OK", {62, 267, 88, 28}),
  };
  return p;
}

}  // namespace ui::gui
