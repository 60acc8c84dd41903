#include "ui/fensterverwaltung.h"

#include <algorithm>
#include <array>

#include "ui/runtime.h"

namespace {

struct Fenster {
  int panel = 0;
  std::string name;
  int menu = 0;
};

std::array<Fenster, MAX_FENSTER> gFenster;
int gFensterAnzahl = 0;
int gHauptpanel = 0;

// The name cut to MAX_FENSTERNAME bytes, never inside a UTF-8 character.
std::string Gekuerzt(const std::string& name) {
  std::size_t length = std::min<std::size_t>(name.size(), MAX_FENSTERNAME);
  while (length > 0 && length < name.size() &&
         (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80)
    --length;
  return name.substr(0, length);
}

}  // namespace

void Fenster_Initialisieren() { gFensterAnzahl = 0; }

void Fenster_HauptpanelSet(int panel) { gHauptpanel = panel; }

int Fenster_MainpanelGet() { return gHauptpanel; }

int Fenster_Anzahl() { return gFensterAnzahl; }

int Fenster_PanelZurListeHinzufuegen(int panel, const std::string& name, int menu) {
  if (gFensterAnzahl >= MAX_FENSTER) return -1;
  gFenster[static_cast<std::size_t>(gFensterAnzahl++)] = {panel, Gekuerzt(name), menu};
  return 0;
}

void Fenster_MenueintraegeErstellen() {
  for (int i = 0; i < gFensterAnzahl; ++i) {
    const Fenster& own = gFenster[static_cast<std::size_t>(i)];
    if (own.menu == 0) continue;
    const int bar = GetPanelMenuBar(own.panel);
    for (int j = 0; j < gFensterAnzahl; ++j) {
      const Fenster& other = gFenster[static_cast<std::size_t>(j)];
      const int item = NewMenuItem(bar, own.menu, other.name, -1, 0, nullptr, nullptr);
      // Items are matched by name: the panel's own entry is checked and does nothing.
      if (other.name == own.name)
        SetMenuBarAttribute(bar, item, ATTR_CHECKED, 1);
      else
        SetMenuBarCallback(bar, item, MenuCallback_Fenster, nullptr);
    }
  }
}

void Fenster_SwitchPanels(int from, int to) {
  int zoom = VAL_NO_ZOOM, top = 0, left = 0, width = 0, height = 0;
  // A panel that cannot be read (none has the focus) passes nothing on,
  // rather than a size of zero.
  const bool known = GetPanelAttribute(from, ATTR_WINDOW_ZOOM, &zoom) >= 0 &&
                     GetPanelAttribute(from, ATTR_TOP, &top) >= 0 &&
                     GetPanelAttribute(from, ATTR_LEFT, &left) >= 0 &&
                     GetPanelAttribute(from, ATTR_WIDTH, &width) >= 0 &&
                     GetPanelAttribute(from, ATTR_HEIGHT, &height) >= 0;
  HidePanel(from);
  if (known && zoom == VAL_NO_ZOOM) {
    // A panel maximised on an earlier visit takes the old one's place too.
    SetPanelAttribute(to, ATTR_WINDOW_ZOOM, VAL_NO_ZOOM);
    SetPanelAttribute(to, ATTR_TOP, top);
    SetPanelAttribute(to, ATTR_LEFT, left);
    SetPanelAttribute(to, ATTR_WIDTH, width);
    SetPanelAttribute(to, ATTR_HEIGHT, height);
  }
  DisplayPanel(to);
  if (known && zoom == VAL_MAXIMIZE) SetPanelAttribute(to, ATTR_WINDOW_ZOOM, VAL_MAXIMIZE);
}

void MenuCallback_Fenster(int menuBar, int menuItem, void*, int panel) {
  std::string name;
  GetMenuBarAttribute(menuBar, menuItem, ATTR_ITEM_NAME, &name);
  // The panel whose menu was used is the one to leave; the focus says the
  // same in a running program, but not while no window has the focus.
  const int from = panel > 0 ? panel : GetActivePanel();
  for (int i = 0; i < gFensterAnzahl; ++i) {
    const Fenster& entry = gFenster[static_cast<std::size_t>(i)];
    if (entry.name == name) Fenster_SwitchPanels(from, entry.panel);
  }
}
