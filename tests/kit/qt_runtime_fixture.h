#pragma once
// A small panel definition for the runtime's own tests, the callbacks it
// names (they record every event), and a fixture that loads it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/callback_registry.h"
#include "ui/definition.h"
#include "ui/runtime.h"

namespace kit {

inline constexpr char kFile[] = "qt_runtime_test.uir";
enum Panels { TESTPANEL = 1, CHILD = 2 };
enum Controls {
  BUTTON = 2, LED, NUMERIC, COUNT, FEHLERNUMMER, NAME, MESSAGE, ADDRESS, SOURCE, PORTS, TOGGLE,
  COMRING, TIMER, LOAD, FRAME, LOGO
};
enum ChildControls { CHILD_STRING = 2, CHILD_ABBRUCH, CHILD_OK };
enum Menus {
  MENUTEST = 1, DATEI = 2, NEU, SEPARATOR, BEENDEN, FENSTER, OPTIONEN, SPRACHE, SUBMENU, DEUTSCH, ENGLISCH
};

struct Event {
  int panel;
  int control;  // menu item for menu events
  int event;
  void* data;
  int data1;
  int data2;
  bool operator==(const Event&) const = default;
};

inline std::vector<Event>& Events() {
  static std::vector<Event> events;
  return events;
}

inline int RecordCtrl(int panel, int control, int event, void* data, int d1, int d2) {
  Events().push_back({panel, control, event, data, d1, d2});
  return 0;
}
inline int RecordPanel(int panel, int event, void* data, int d1, int d2) {
  Events().push_back({panel, 0, event, data, d1, d2});
  return 0;
}
inline void RecordMenu(int menuBar, int item, void* data, int panel) {
  Events().push_back({panel, item, -menuBar, data, 0, 0});
}

inline ui::CtrlDef Ctrl(int id, const char* constant, ui::CtrlKind kind, const char* label,
                        ui::Rect rect, ui::ValueType type = ui::ValueType::None) {
  ui::CtrlDef c;
  c.id = id;
  c.constant = constant;
  c.kind = kind;
  c.label = label;
  c.rect = rect;
  c.valueType = type;
  return c;
}

inline ui::Definition TestDefinition() {
  using K = ui::CtrlKind;
  using T = ui::ValueType;
  ui::Definition d;
  d.file = kFile;
  d.backColor = 0xECE9D8;

  ui::PanelDef p;
  p.id = TESTPANEL;
  p.constant = "TESTPANEL";
  p.title = "Testfenster";
  p.height = 300;
  p.width = 400;
  p.callback = "Test_Panel";
  p.menuBar = MENUTEST;
  auto add = [&p](ui::CtrlDef c, const char* callback = "") {
    c.callback = callback;
    p.controls.push_back(c);
  };
  add(Ctrl(BUTTON, "BUTTON", K::CommandButton, "__OK", {10, 10, 80, 26}), "Test_Ctrl");
  auto led = Ctrl(LED, "LED", K::Led, "Lampe", {50, 10, 16, 16}, T::Int);
  led.labelPos = ui::LabelPos::Right;
  add(led);
  auto numeric = Ctrl(NUMERIC, "NUMERIC", K::Numeric, "Spannung [V]", {90, 10, 80, 22}, T::Double);
  numeric.initial = 5.0;
  numeric.minimum = 2;
  numeric.maximum = 33;
  numeric.precision = 1;
  add(numeric, "Test_Ctrl");
  auto count = Ctrl(COUNT, "COUNT", K::Numeric, "Anzahl", {90, 110, 80, 22}, T::Int);
  count.initial = 60;
  count.minimum = 1;
  count.maximum = 125;
  add(count, "Test_Ctrl");
  auto error = Ctrl(FEHLERNUMMER, "FEHLERNUMMER", K::Numeric, "", {90, 200, 90, 22}, T::Int);
  error.minimum = -2147483648.0;
  error.maximum = 2147483647.0;
  add(error);
  auto name = Ctrl(NAME, "NAME", K::String, "Name", {140, 10, 120, 22}, T::Text);
  name.text = "abc";
  add(name, "Test_Ctrl");
  auto message = Ctrl(MESSAGE, "MESSAGE", K::TextMessage, "", {140, 150, 150, 40}, T::Text);
  message.text = "Zeile 1\nZeile 2";
  add(message);
  auto address = Ctrl(ADDRESS, "ADDRESS", K::Ring, "Adresse", {190, 10, 80, 22}, T::Char);
  for (char c = '1'; c <= '9'; ++c) address.items.push_back({std::string(1, c), double(c)});
  address.items.push_back({"alle", double('&')});
  address.initial = '1';
  add(address, "Test_Ctrl");
  auto source = Ctrl(SOURCE, "SOURCE", K::Ring, "Quelle", {190, 110, 80, 22}, T::Double);
  source.items = {{"2..33V", 1.0}, {"8V", 2.0}, {"15V", 3.0}};
  source.initial = 1.0;
  add(source, "Test_Ctrl");
  auto ports = Ctrl(PORTS, "PORTS", K::Ring, "COM-Port", {190, 200, 120, 22}, T::Int);
  ports.items = {{"nicht geöffnet", 0}};
  add(ports, "Test_Ctrl");
  auto toggle = Ctrl(TOGGLE, "TOGGLE", K::ToggleButton, "", {240, 10, 200, 26}, T::Int);
  toggle.text = "Statusabfrage einschalten";
  toggle.onText = "Statusabfrage ausschalten";
  add(toggle, "Test_Ctrl");
  auto ring = Ctrl(COMRING, "COMRING", K::PictureRing, "", {240, 230, 60, 40}, T::Int);
  ring.image = ui::Image::ComState;
  for (int v = 0; v <= 16; ++v) ring.items.push_back({std::to_string(v), double(v)});
  ring.items.push_back({"99", 99});
  add(ring, "Test_Ctrl");
  auto timer = Ctrl(TIMER, "TIMER", K::Timer, "Statustimer", {}, T::None);
  timer.interval = 1.0;
  timer.enabled = false;
  add(timer, "Test_Ctrl");
  auto load = Ctrl(LOAD, "LOAD", K::PictureButton, "", {10, 300, 40, 40});
  load.image = ui::Image::LoadFile;
  add(load, "Test_Ctrl");
  add(Ctrl(FRAME, "FRAME", K::Decoration, "", {5, 5, 390, 290}));
  auto logo = Ctrl(LOGO, "LOGO", K::Picture, "", {60, 300, 90, 30});
  logo.image = ui::Image::Wordmark;
  add(logo);
  d.panels.push_back(p);

  ui::PanelDef child;
  child.id = CHILD;
  child.constant = "CHILD";
  child.title = "Umbenennen";
  child.height = 100;
  child.width = 200;
  auto edit = Ctrl(CHILD_STRING, "STRING", K::String, "", {10, 10, 180, 22}, T::Text);
  edit.labelPos = ui::LabelPos::None;
  child.controls = {edit, Ctrl(CHILD_ABBRUCH, "ABBRUCH", K::CommandButton, "Abbruch", {60, 10, 80, 26}),
                    Ctrl(CHILD_OK, "OK", K::CommandButton, "__OK", {60, 110, 80, 26})};
  d.panels.push_back(child);

  ui::MenuBarDef bar;
  bar.id = MENUTEST;
  bar.constant = "MENUTEST";
  using M = ui::MenuKind;
  bar.entries = {
      {DATEI, "DATEI", M::Menu, "Datei", 0, "", false},
      {NEU, "NEU", M::Item, "Neu", DATEI, "Test_Menu", false},
      {SEPARATOR, "SEPARATOR", M::Separator, "", DATEI, "", false},
      {BEENDEN, "BEENDEN", M::Item, "Beenden", DATEI, "Test_Menu", false},
      {FENSTER, "FENSTER", M::Menu, "Fenster", 0, "", false},
      {OPTIONEN, "OPTIONEN", M::Menu, "Optionen", 0, "", false},
      {SPRACHE, "SPRACHE", M::Item, "Sprache", OPTIONEN, "", false},
      {SUBMENU, "SUBMENU", M::Submenu, "", SPRACHE, "", false},
      {DEUTSCH, "DEUTSCH", M::Item, "Deutsch", SUBMENU, "Test_Menu", true},
      {ENGLISCH, "ENGLISCH", M::Item, "English", SUBMENU, "Test_Menu", false},
  };
  d.menuBars.push_back(bar);
  return d;
}

// Loads the test panel (and its child) for each test and discards them after.
class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override {
    if (panel > 0) DiscardPanel(panel);
  }
  int panel = 0;
  int child = 0;
};

}  // namespace kit
