// Every panel of the definition, loaded as the runtime builds it, against the
// identifiers, kinds, labels, values, limits, callbacks and ring items that
// the program's panels are documented with. One table per panel.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/qt/qt_runtime.h"
#include "ui/definition.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

using K = ui::CtrlKind;
using T = ui::ValueType;
constexpr const char* kFile = "VELT1SteuerungGui.uir";

struct Ctrl {
  int id = 0;
  const char* constant = "";
  K kind = K::CommandButton;
  const char* label = "";
  const char* callback = "";
  T type = T::None;
  double initial = 0;
  double minimum = 0;
  double maximum = 0;
  double increment = 0;
  int precision = 0;
  const char* text = nullptr;    // text messages and strings; toggles: off text
  const char* onText = nullptr;  // toggles
  double interval = 0;           // timers
};

struct Items {
  int control = 0;
  std::vector<std::string> labels;
  std::vector<double> values;
};

std::vector<double> ComPictureValues() {
  std::vector<double> values;
  for (int v = 0; v <= 16; ++v) values.push_back(v);
  values.push_back(99);
  return values;
}

// Loads one panel on its own and checks every row; the table names every
// control the panel has.
void CheckPanel(int resource, const std::vector<Ctrl>& rows, const std::vector<Items>& rings) {
  qtui::RegisterDefinition(ui::Velt1Gui());
  const int panel = LoadPanel(0, kFile, resource);
  ASSERT_GT(panel, 0);
  EXPECT_EQ(LoadPanel(0, kFile, 99), UIE_BAD_RESOURCE);
  int id = 2;
  for (const Ctrl& row : rows) {
    SCOPED_TRACE(row.constant);
    EXPECT_EQ(row.id, id++) << "IDs run from 2 in the order listed";
    std::string s;
    int i = 0;
    double d = 0;
    ASSERT_EQ(GetCtrlAttribute(panel, row.id, ATTR_CONSTANT_NAME, &s), 0);
    EXPECT_EQ(s, row.constant);
    ASSERT_EQ(GetCtrlAttribute(panel, row.id, ATTR_CTRL_KIND, &i), 0);
    EXPECT_EQ(i, static_cast<int>(row.kind));
    ASSERT_EQ(GetCtrlAttribute(panel, row.id, ATTR_CALLBACK_NAME, &s), 0);
    EXPECT_EQ(s, row.callback);
    // A text message's label is its text, checked below.
    if (row.kind != K::Timer && row.kind != K::ToggleButton && row.kind != K::TextMessage) {
      ASSERT_EQ(GetCtrlAttribute(panel, row.id, ATTR_LABEL_TEXT, &s), 0);
      EXPECT_EQ(s, row.label);
    }
    switch (row.kind) {
      case K::Numeric:
        if (row.type == T::Int) {
          ASSERT_EQ(GetCtrlVal(panel, row.id, &i), 0);
          EXPECT_EQ(i, row.initial);
          GetCtrlAttribute(panel, row.id, ATTR_MIN_VALUE, &i);
          EXPECT_EQ(i, row.minimum);
          GetCtrlAttribute(panel, row.id, ATTR_MAX_VALUE, &i);
          EXPECT_EQ(i, row.maximum);
          GetCtrlAttribute(panel, row.id, ATTR_INCR_VALUE, &i);
          EXPECT_EQ(i, row.increment);
        } else {
          ASSERT_EQ(GetCtrlVal(panel, row.id, &d), 0);
          EXPECT_DOUBLE_EQ(d, row.initial);
          GetCtrlAttribute(panel, row.id, ATTR_MIN_VALUE, &d);
          EXPECT_DOUBLE_EQ(d, row.minimum);
          GetCtrlAttribute(panel, row.id, ATTR_MAX_VALUE, &d);
          EXPECT_DOUBLE_EQ(d, row.maximum);
          GetCtrlAttribute(panel, row.id, ATTR_INCR_VALUE, &d);
          EXPECT_DOUBLE_EQ(d, row.increment);
        }
        GetCtrlAttribute(panel, row.id, ATTR_PRECISION, &i);
        EXPECT_EQ(i, row.precision);
        break;
      case K::Led:
        ASSERT_EQ(GetCtrlVal(panel, row.id, &i), 0);
        EXPECT_EQ(i, row.initial);
        break;
      case K::ToggleButton:
        ASSERT_EQ(GetCtrlVal(panel, row.id, &i), 0);
        EXPECT_EQ(i, row.initial);
        GetCtrlAttribute(panel, row.id, ATTR_OFF_TEXT, &s);
        EXPECT_EQ(s, row.text);
        GetCtrlAttribute(panel, row.id, ATTR_ON_TEXT, &s);
        EXPECT_EQ(s, row.onText);
        break;
      case K::Ring:
        if (row.type == T::Double) {
          ASSERT_EQ(GetCtrlVal(panel, row.id, &d), 0);
          EXPECT_DOUBLE_EQ(d, row.initial);
        } else if (row.initial != 0) {
          ASSERT_EQ(GetCtrlVal(panel, row.id, &i), 0);
          EXPECT_EQ(i, row.initial);
        }
        break;
      case K::PictureRing:
        ASSERT_EQ(GetCtrlVal(panel, row.id, &i), 0);
        EXPECT_EQ(i, row.initial);
        break;
      case K::TextMessage:
      case K::String:
        ASSERT_EQ(GetCtrlVal(panel, row.id, &s), 0);
        EXPECT_EQ(s, row.text);
        break;
      case K::Timer:
        GetCtrlAttribute(panel, row.id, ATTR_INTERVAL, &d);
        EXPECT_DOUBLE_EQ(d, row.interval);
        GetCtrlAttribute(panel, row.id, ATTR_ENABLED, &i);
        EXPECT_EQ(i, 0) << "timers start disabled";
        break;
      default:
        break;
    }
  }
  std::string beyond;
  EXPECT_EQ(GetCtrlAttribute(panel, id, ATTR_CONSTANT_NAME, &beyond), UIE_BAD_CONTROL)
      << "no control beyond the table";

  for (const Items& ring : rings) {
    SCOPED_TRACE(ring.control);
    int count = -1;
    ASSERT_EQ(GetNumListItems(panel, ring.control, &count), 0);
    ASSERT_EQ(count, static_cast<int>(ring.labels.size()));
    for (int n = 0; n < count; ++n) {
      std::string label;
      double value = -1;
      GetLabelFromIndex(panel, ring.control, n, &label);
      GetValueFromIndex(panel, ring.control, n, &value);
      EXPECT_EQ(label, ring.labels[static_cast<std::size_t>(n)]);
      EXPECT_DOUBLE_EQ(value, ring.values[static_cast<std::size_t>(n)]);
    }
  }
  DiscardPanel(panel);
}

TEST(Velt1GuiPanels, PanelsHaveTheirTitlesSizesCallbacksAndBackground) {
  struct Row {
    int id;
    const char* constant;
    const char* title;
    int height, width;
    const char* callback;
    int menuBar;
  };
  const Row rows[] = {
      {1, "COMPANEL", "COM-Einstellungen", 510, 760, "Callback_Panels", MENUCOM},
      {2, "INFOPANEL", "Info", 275, 375, "", 0},
      {3, "KALIBPANEL", "Kalibrierung", 398, 375, "", 0},
      {4, "MAINPANEL", "Gerät Steuerung", 510, 760, "Callback_Panels", MENUMAIN},
      {5, "RENAMEPNL", "Umbenennen", 106, 371, "", 0},
      {6, "STATUSPNL", "Status", 510, 760, "Callback_Panels", MENUSTATUS},
  };
  const ui::Definition& gui = ui::Velt1Gui();
  EXPECT_EQ(gui.file, kFile);
  EXPECT_EQ(gui.panels.size(), std::size(rows));
  qtui::RegisterDefinition(gui);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.constant);
    const ui::PanelDef* def = ui::FindPanel(gui, row.id);
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->constant, row.constant);
    EXPECT_EQ(def->callback, row.callback);
    EXPECT_EQ(def->menuBar, row.menuBar);
    const int panel = LoadPanel(0, kFile, row.id);
    ASSERT_GT(panel, 0);
    std::string title;
    int width = 0, height = 0, color = 0;
    GetPanelAttribute(panel, ATTR_TITLE, &title);
    GetPanelAttribute(panel, ATTR_WIDTH, &width);
    GetPanelAttribute(panel, ATTR_HEIGHT, &height);
    GetPanelAttribute(panel, ATTR_BACKCOLOR, &color);
    EXPECT_EQ(title, row.title);
    EXPECT_EQ(width, row.width);
    EXPECT_EQ(height, row.height);
    EXPECT_EQ(color, 0xECE9D8);
    EXPECT_EQ(GetPanelMenuBar(panel) > 0, row.menuBar != 0);
    DiscardPanel(panel);
  }
}

TEST(Velt1GuiPanels, Companel) {
  const std::vector<Ctrl> rows = {
      {.id = 2, .constant = "ADRESSE", .kind = K::Ring, .label = "Adresse", .type = T::Char,
       .initial = '1'},
      {.id = 3, .constant = "COMPORT", .kind = K::Ring, .label = "COM-Port", .type = T::Int},
      {.id = 4, .constant = "SCANN", .kind = K::CommandButton, .label = "Scann"},
      {.id = 5, .constant = "IDLESEN", .kind = K::CommandButton, .label = "ID lesen"},
      {.id = 6, .constant = "ZURUECK", .kind = K::CommandButton,
       .label = "Zurück zum Hauptfenster", .callback = "Callback_Com_Button_Zurueck"},
      {.id = 7, .constant = "COMPICTURERING", .kind = K::PictureRing, .type = T::Int},
      {.id = 8, .constant = "FEHLERLED", .kind = K::Led, .label = "Fehler", .type = T::Int},
      {.id = 9, .constant = "FEHLERSTRING", .kind = K::String, .type = T::Text, .text = ""},
      {.id = 10, .constant = "FEHLERNUMMER", .kind = K::Numeric, .type = T::Int,
       .minimum = INT_MIN, .maximum = INT_MAX, .increment = 1},
      {.id = 11, .constant = "LED1", .kind = K::Led, .label = "1", .type = T::Int},
      {.id = 12, .constant = "LED2", .kind = K::Led, .label = "2", .type = T::Int},
      {.id = 13, .constant = "LED3", .kind = K::Led, .label = "3", .type = T::Int},
      {.id = 14, .constant = "LED4", .kind = K::Led, .label = "4", .type = T::Int},
      {.id = 15, .constant = "LED5", .kind = K::Led, .label = "5", .type = T::Int},
      {.id = 16, .constant = "LED6", .kind = K::Led, .label = "6", .type = T::Int},
      {.id = 17, .constant = "LED7", .kind = K::Led, .label = "7", .type = T::Int},
      {.id = 18, .constant = "LED8", .kind = K::Led, .label = "8", .type = T::Int},
      {.id = 19, .constant = "LED9", .kind = K::Led, .label = "9", .type = T::Int},
      {.id = 20, .constant = "ID", .kind = K::String, .label = "ID", .type = T::Text, .text = ""},
      {.id = 21, .constant = "SCANNTEXT", .kind = K::TextMessage, .type = T::Text,
       .text = "Suche Gerät ..."},
  };
  const std::vector<Items> rings = {
      {COMPANEL_ADRESSE,
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "alle"},
       {'1', '2', '3', '4', '5', '6', '7', '8', '9', '&'}},
      {COMPANEL_COMPORT, {"nicht geöffnet"}, {0}},
      {COMPANEL_COMPICTURERING, std::vector<std::string>(18), ComPictureValues()},
  };
  CheckPanel(COMPANEL, rows, rings);
}

TEST(Velt1GuiPanels, Infopanel) {
  const std::vector<Ctrl> rows = {
      {.id = 2, .constant = "PICTURE", .kind = K::Picture},
      {.id = 3, .constant = "OK", .kind = K::CommandButton, .label = "__OK",
       .callback = "Callback_Info_Button_Ok"},
      {.id = 4, .constant = "TEXTMSG", .kind = K::TextMessage, .type = T::Text,
       .text = "VELT-1 Projektgruppe"},
      {.id = 5, .constant = "TEXTMSG_2", .kind = K::TextMessage, .type = T::Text,
       .text = "Steuerprogramm für VELT-1 Sensorprüfgeräte\nam RS-232-Bus mit den Adressen 1 "
               "bis 9\n\nFragen, Hinweise und Fehlermeldungen\nbitte an die Projektgruppe über "
               "die\nFehlerliste des Projekts"},
      {.id = 6, .constant = "VERSION", .kind = K::TextMessage, .type = T::Text,
       .text = "Version"},
      {.id = 7, .constant = "DATUM", .kind = K::TextMessage, .type = T::Text, .text = "Datum"},
      {.id = 8, .constant = "PROGRAMMNAME", .kind = K::TextMessage, .type = T::Text,
       .text = "Gerät Steuerung"},
  };
  CheckPanel(INFOPANEL, rows, {});
}

TEST(Velt1GuiPanels, Kalibpanel) {
  const char* cb = "Callback_Kalib_Buttons";
  const std::vector<Ctrl> rows = {
      {.id = 2, .constant = "ABBRUCH", .kind = K::CommandButton, .label = "Abbruch",
       .callback = cb},
      {.id = 3, .constant = "UEBERNEHMEN", .kind = K::CommandButton, .label = "Übernehmen",
       .callback = cb},
      {.id = 4, .constant = "WERKSKALIBRIERUNG", .kind = K::CommandButton,
       .label = "Werkskalibrierung wiederherstellen", .callback = cb},
      {.id = 5, .constant = "IST2", .kind = K::Numeric, .label = "gemessener Strom [A]",
       .type = T::Double, .initial = 4.0, .minimum = 0.001, .maximum = 4.09,
       .increment = 0.001, .precision = 4},
      {.id = 6, .constant = "SOLL2", .kind = K::Numeric, .label = "Sollstrom [A]",
       .type = T::Double, .initial = 4.0, .minimum = 0.001, .maximum = 4.09,
       .increment = 0.1, .precision = 3},
      {.id = 7, .constant = "DECORATION_3", .kind = K::Decoration},
      {.id = 8, .constant = "IST1", .kind = K::Numeric, .label = "gemessener Strom [A]",
       .type = T::Double, .initial = 1.0, .minimum = 0.001, .maximum = 4.09,
       .increment = 0.001, .precision = 4},
      {.id = 9, .constant = "SOLL1", .kind = K::Numeric, .label = "Sollstrom [A]",
       .type = T::Double, .initial = 1.0, .minimum = 0.001, .maximum = 4.09,
       .increment = 0.1, .precision = 3},
      {.id = 10, .constant = "DECORATION_2", .kind = K::Decoration},
      {.id = 11, .constant = "TEXTMSG", .kind = K::TextMessage, .type = T::Text,
       .text = "Messpunkt 1"},
      {.id = 12, .constant = "TEXTMSG_2", .kind = K::TextMessage, .type = T::Text,
       .text = "Messpunkt 2"},
      {.id = 13, .constant = "TEXTMSG_3", .kind = K::TextMessage, .type = T::Text,
       .text = "Die Kalibrierung ist gültig für das aktuelle Programm\nim aktuellen Meßbereich."},
  };
  CheckPanel(KALIBPANEL, rows, {});
}

TEST(Velt1GuiPanels, Mainpanel) {
  const char* btn = "Callback_Main_Buttons";
  const char* chg = "Callback_AllgemeineAenderung";
  auto par = [chg](int id, const char* constant, const char* label, double initial, double min,
                   double max, int precision) {
    return Ctrl{.id = id, .constant = constant, .kind = K::Numeric, .label = label,
                .callback = chg, .type = T::Double, .initial = initial, .minimum = min,
                .maximum = max, .increment = 1, .precision = precision};
  };
  const std::vector<Ctrl> rows = {
      {.id = 2, .constant = "LADEN", .kind = K::PictureButton, .callback = btn},
      {.id = 3, .constant = "SPEICHERN", .kind = K::PictureButton, .callback = btn},
      {.id = 4, .constant = "PROGRAMMLISTE", .kind = K::Ring, .label = "Programme",
       .callback = "Callback_Programmliste", .type = T::Int},
      {.id = 5, .constant = "PROGLESEN", .kind = K::CommandButton, .label = "vom Gerät lesen",
       .callback = btn},
      {.id = 6, .constant = "PROGSCHREIBEN", .kind = K::CommandButton,
       .label = "zum Gerät schreiben", .callback = btn},
      {.id = 7, .constant = "PROGRAMMNUMMER", .kind = K::Numeric, .label = "Programm",
       .type = T::Int, .initial = 1, .minimum = 1, .maximum = 2, .increment = 1},
      {.id = 8, .constant = "PROGRAMMEINSTELLEN", .kind = K::CommandButton,
       .label = "Einstellen", .callback = btn},
      {.id = 9, .constant = "PROGRAMMSPEICHERN", .kind = K::CommandButton, .label = "Speichern",
       .callback = btn},
      {.id = 10, .constant = "START", .kind = K::CommandButton, .label = "Start", .callback = btn},
      {.id = 11, .constant = "STOPP", .kind = K::CommandButton, .label = "Stopp", .callback = btn},
      {.id = 12, .constant = "PAR_PRUEFSPANNUNGSQUE", .kind = K::Ring,
       .label = "Prüfspannungsquelle", .callback = chg, .type = T::Double, .initial = 1.0},
      par(13, "PAR_PRUEFSPANNUNG", "Prüfspannung 2..33V [V]", 5.0, 2, 33, 1),
      par(14, "PAR_ANZAHLZAEHNE", "Anzahl Zähne", 60, 1, 125, 0),
      par(15, "PAR_SENSORKANAELE", "Anzahl Sensorkanäle", 2, 1, 2, 0),
      par(16, "PAR_TOLERANZHIGH", "Toleranz High [V]", 1.0, 0, 33, 1),
      par(17, "PAR_TOLERANZLOW", "Toleranz Low [V]", 1.0, 0, 33, 1),
      par(18, "PAR_TOLERANZPHASE", "Toleranz Phase [°]", 10, 0, 180, 0),
      par(19, "PAR_SCHWELLWERTSTEIG", "Schwellwert steig. Flanke [%]", 50, 1, 99, 0),
      par(20, "PAR_SCHWELLWERTFALL", "Schwellwert fall. Flanke [%]", 50, 1, 99, 0),
      par(21, "PAR_TOTZEITVORSTEIG", "Totzeit vor steig. Flanke [us]", 1, 1, 999, 0),
      par(22, "PAR_TOTZEITNACHSTEIG", "Totzeit nach steig. Flanke [us]", 20, 20, 999, 0),
      par(23, "PAR_TOTZEITVORFALL", "Totzeit vor fall. Flanke [us]", 1, 1, 999, 0),
      par(24, "PAR_TOTZEITNACHFALL", "Totzeit nach fall. Flanke [us]", 20, 20, 999, 0),
      {.id = 25, .constant = "COMPICTURERING", .kind = K::PictureRing, .type = T::Int},
      {.id = 26, .constant = "COMAKTIVLED", .kind = K::Led, .label = "Com", .type = T::Int},
      {.id = 27, .constant = "FEHLERLED", .kind = K::Led, .label = "Fehler", .type = T::Int},
      {.id = 28, .constant = "FEHLERSTRING", .kind = K::String, .type = T::Text, .text = ""},
      {.id = 29, .constant = "FEHLERNUMMER", .kind = K::Numeric, .type = T::Int,
       .minimum = INT_MIN, .maximum = INT_MAX, .increment = 1},
      {.id = 30, .constant = "DECORATION_2", .kind = K::Decoration},
      {.id = 31, .constant = "DECORATION", .kind = K::Decoration},
      {.id = 32, .constant = "TEXTMSG", .kind = K::TextMessage, .type = T::Text,
       .text = "Parameter"},
      {.id = 33, .constant = "PICTURE", .kind = K::Picture},
      {.id = 34, .constant = "TEXT_GERAETSTEUERN", .kind = K::TextMessage, .type = T::Text,
       .text = "Gerät steuern"},
  };
  const std::vector<Items> rings = {
      {MAINPANEL_PROGRAMMLISTE, {}, {}},
      {MAINPANEL_PAR_PRUEFSPANNUNGSQUE, {"2..33V", "8V", "15V"}, {1.0, 2.0, 3.0}},
      {MAINPANEL_COMPICTURERING, std::vector<std::string>(18), ComPictureValues()},
  };
  CheckPanel(MAINPANEL, rows, rings);
}

TEST(Velt1GuiPanels, Renamepnl) {
  const std::vector<Ctrl> rows = {
      {.id = 2, .constant = "STRING", .kind = K::String, .type = T::Text, .text = ""},
      {.id = 3, .constant = "ABBRUCH", .kind = K::CommandButton, .label = "Abbruch"},
      {.id = 4, .constant = "OK", .kind = K::CommandButton, .label = "__OK"},
  };
  CheckPanel(RENAMEPNL, rows, {});
}

TEST(Velt1GuiPanels, Statuspnl) {
  const std::vector<Ctrl> rows = {
      {.id = 2, .constant = "TEXT_GERAETSTATUS", .kind = K::TextMessage, .type = T::Text,
       .text = "Gerät Status"},
      {.id = 3, .constant = "STATUSLED1", .kind = K::Led, .label = "Messung aktiv",
       .type = T::Int, .initial = 1},
      {.id = 4, .constant = "STATUSLED9", .kind = K::Led, .label = "Speicherfehler",
       .type = T::Int, .initial = 1},
      {.id = 5, .constant = "STATUSLED10", .kind = K::Led, .label = "Prüfspannungsfehler",
       .type = T::Int, .initial = 1},
      {.id = 6, .constant = "DAXSTATUSABFRAGE", .kind = K::ToggleButton,
       .callback = "Callback_Status_Buttons", .type = T::Int,
       .text = "Statusabfrage einschalten", .onText = "Statusabfrage ausschalten"},
      {.id = 7, .constant = "ZURUECK", .kind = K::CommandButton,
       .label = "Zurück zum Hauptfenster", .callback = "Callback_Status_Button_Zurueck"},
      {.id = 8, .constant = "COMPICTURERING", .kind = K::PictureRing, .type = T::Int},
      {.id = 9, .constant = "FEHLERLED", .kind = K::Led, .label = "Fehler", .type = T::Int},
      {.id = 10, .constant = "FEHLERSTRING", .kind = K::String, .type = T::Text, .text = ""},
      {.id = 11, .constant = "FEHLERNUMMER", .kind = K::Numeric, .type = T::Int,
       .minimum = INT_MIN, .maximum = INT_MAX, .increment = 1},
      {.id = 12, .constant = "COMAKTIVLED", .kind = K::Led, .label = "Com", .type = T::Int},
      {.id = 13, .constant = "STATUSLED2", .kind = K::Led, .label = "Remotebetrieb",
       .type = T::Int, .initial = 1},
      {.id = 14, .constant = "STATUSTIMER", .kind = K::Timer, .label = "Statustimer",
       .callback = "Callback_Statustimer", .interval = 1.0},
  };
  const std::vector<Items> rings = {
      {STATUSPNL_COMPICTURERING, std::vector<std::string>(18), ComPictureValues()},
  };
  CheckPanel(STATUSPNL, rows, rings);
}

}  // namespace
