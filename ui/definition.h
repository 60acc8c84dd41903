#pragma once
// The user-interface definition: panels with their controls, and menu bars,
// as data. The runtime builds windows from it; the identifiers that code uses
// to address panels, controls and menu items are the IDs in these tables
// (named in velt1_gui.h).

#include <string>
#include <vector>

namespace ui {

enum class CtrlKind {
  CommandButton,
  PictureButton,
  ToggleButton,
  Led,
  Numeric,
  String,
  TextMessage,
  Ring,
  PictureRing,
  Picture,
  Decoration,
  Timer,
};

// The type of a control's value.
enum class ValueType { None, Int, Double, Char, Text };

// Images drawn by the runtime itself.
enum class Image {
  None,
  ComState,    // picture ring: no port (0), port 1..16, a higher port (99)
  LoadFile,    // picture button: open a parameter file
  SaveFile,    // picture button: save the parameter file
  Wordmark,    // the program's wordmark
};

// Where a control's label stands relative to its box.
enum class LabelPos { Top, Left, Right, None };

struct Rect {
  int top = 0;
  int left = 0;
  int width = 0;
  int height = 0;
};

struct RingItem {
  std::string label{};
  double value = 0.0;  // int and char rings keep whole numbers (char codes)
};

struct CtrlDef {
  int id = 0;
  std::string constant{};        // "PROGRAMMLISTE"
  CtrlKind kind = CtrlKind::CommandButton;
  std::string label{};           // "__OK": label "OK", the letter after "__" is the shortcut
  Rect rect;                   // the control's own box, in panel coordinates
  LabelPos labelPos = LabelPos::Top;
  ValueType valueType = ValueType::None;
  double initial = 0.0;        // numerics, LEDs, toggles, rings (value of the item shown)
  double minimum = 0.0;
  double maximum = 0.0;
  double increment = 1.0;
  int precision = 0;           // decimals shown by a numeric
  std::string text{};            // strings and text messages; off text of a toggle
  std::string onText{};          // on text of a toggle
  std::vector<RingItem> items{}; // rings and picture rings
  Image image = Image::None;
  double interval = 0.0;       // timers, seconds
  bool enabled = true;         // timers
  bool indicator = false;      // numerics, strings: shows what the program sets, the operator cannot edit it
  std::string callback{};        // name of the control's callback, "" = none
};

struct PanelDef {
  int id = 0;
  std::string constant{};        // "MAINPANEL"
  std::string title{};
  int height = 0;
  int width = 0;
  std::string callback{};        // panel callback name, "" = none
  int menuBar = 0;             // resource ID of its menu bar, 0 = none
  std::vector<CtrlDef> controls{};
};

enum class MenuKind { Menu, Item, Separator, Submenu };

struct MenuDef {
  int id = 0;
  std::string constant{};        // "DATEI", "DATEI_NEU"
  MenuKind kind = MenuKind::Item;
  std::string label{};
  int parent = 0;              // ID of the menu or submenu it belongs to, 0 = the bar
  std::string callback{};        // menu callback name, "" = none
  bool checked = false;
};

struct MenuBarDef {
  int id = 0;
  std::string constant{};        // "MENUMAIN"
  std::vector<MenuDef> entries{};  // depth first, in the order shown
};

struct Definition {
  std::string file{};            // the name panel loads give, "VELT1SteuerungGui.uir"
  std::vector<PanelDef> panels{};
  std::vector<MenuBarDef> menuBars{};
  int backColor = 0;           // panels' background, 0xRRGGBB
};

// The program's definition (velt1_gui.cpp).
const Definition& Velt1Gui();

// Look-ups; null when there is none.
const PanelDef* FindPanel(const Definition& definition, int resourceId);
const MenuBarDef* FindMenuBar(const Definition& definition, int resourceId);

}  // namespace ui
