// The window list: the "Fenster" menus of the three top-level panels and the
// switch between them, by menu and by the "Zurück zum Hauptfenster" buttons.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/funktionen.h"
#include "app/velt1steuerung_main.h"
#include "tests/kit/app.h"
#include "connection/com_main.h"
#include "connection/status_main.h"
#include "programs/par_main.h"
#include "ui/fensterverwaltung.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

using kit::MenuItem;

struct Geometry {
  int top, left, width, height;
  bool operator==(const Geometry&) const = default;
};

Geometry GetGeometry(int panel) {
  Geometry g{};
  GetPanelAttribute(panel, ATTR_TOP, &g.top);
  GetPanelAttribute(panel, ATTR_LEFT, &g.left);
  GetPanelAttribute(panel, ATTR_WIDTH, &g.width);
  GetPanelAttribute(panel, ATTR_HEIGHT, &g.height);
  return g;
}

void SetGeometry(int panel, Geometry g) {
  SetPanelAttribute(panel, ATTR_TOP, g.top);
  SetPanelAttribute(panel, ATTR_LEFT, g.left);
  SetPanelAttribute(panel, ATTR_WIDTH, g.width);
  SetPanelAttribute(panel, ATTR_HEIGHT, g.height);
}

int Zoom(int panel) {
  int zoom = -1;
  GetPanelAttribute(panel, ATTR_WINDOW_ZOOM, &zoom);
  return zoom;
}

class Fensterverwaltung : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Velt1Steuerung_PanelsLaden(), 0); }
  void TearDown() override { Func_PanelsFreigeben(); }
  kit::Runtime runtime_;
};

TEST_F(Fensterverwaltung, EachWindowMenuListsAllPanelsWithItsOwnChecked) {
  struct Row {
    const char* name;
    int* panel;
    std::vector<MenuItem> items;
  };
  const Row rows[] = {
      {"main", &gMainPanel, {{"Hauptfenster", true}, {"Com", false}, {"Status", false}}},
      {"COM", &gComPanel, {{"Hauptfenster", false}, {"Com", true}, {"Status", false}}},
      {"status", &gStatusPanel, {{"Hauptfenster", false}, {"Com", false}, {"Status", true}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(kit::WindowMenuItems(*row.panel), row.items);
  }
}

// The new panel takes the old one's place and size when that was normal,
// is maximised when it was maximised, and keeps its own geometry otherwise.
TEST_F(Fensterverwaltung, SwitchingByMenuKeepsPlaceAndSizeOrMaximises) {
  struct Row {
    const char* name;
    int* from;
    const char* item;
    int* to;
    int fromZoom;
    int toZoom;  // the new panel's own state from an earlier visit
  };
  const Row rows[] = {
      {"main to status", &gMainPanel, "Status", &gStatusPanel, VAL_NO_ZOOM, VAL_NO_ZOOM},
      {"main to COM, maximised", &gMainPanel, "Com", &gComPanel, VAL_MAXIMIZE, VAL_NO_ZOOM},
      {"main to status, minimised", &gMainPanel, "Status", &gStatusPanel, VAL_MINIMIZE,
       VAL_NO_ZOOM},
      {"COM to main", &gComPanel, "Hauptfenster", &gMainPanel, VAL_NO_ZOOM, VAL_NO_ZOOM},
      {"status to COM, maximised", &gStatusPanel, "Com", &gComPanel, VAL_MAXIMIZE, VAL_NO_ZOOM},
      {"COM to main, main was maximised", &gComPanel, "Hauptfenster", &gMainPanel, VAL_NO_ZOOM,
       VAL_MAXIMIZE},
  };
  const Geometry placed{120, 140, 760, 510};
  const Geometry own{40, 30, 760, 510};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (int panel : {gMainPanel, gComPanel, gStatusPanel}) {
      HidePanel(panel);
      SetPanelAttribute(panel, ATTR_WINDOW_ZOOM, VAL_NO_ZOOM);
    }
    SetGeometry(*row.to, own);
    SetPanelAttribute(*row.to, ATTR_WINDOW_ZOOM, row.toZoom);
    SetGeometry(*row.from, placed);
    DisplayPanel(*row.from);
    SetPanelAttribute(*row.from, ATTR_WINDOW_ZOOM, row.fromZoom);

    ASSERT_EQ(qtui::UserChooseMenuItem(*row.from, {"Fenster", row.item}), 0);
    EXPECT_FALSE(qtui::IsPanelVisible(*row.from));
    EXPECT_TRUE(qtui::IsPanelVisible(*row.to));
    EXPECT_EQ(Zoom(*row.to), row.fromZoom == VAL_MINIMIZE ? row.toZoom : row.fromZoom);
    if (row.fromZoom == VAL_NO_ZOOM) {
      EXPECT_EQ(GetGeometry(*row.to), placed);
    }
    if (row.fromZoom == VAL_MINIMIZE) {
      EXPECT_EQ(GetGeometry(*row.to), own);
    }
  }
}

TEST_F(Fensterverwaltung, ChoosingTheOwnEntryDoesNothing) {
  DisplayPanel(gMainPanel);
  qtui::UserChooseMenuItem(gMainPanel, {"Fenster", "Hauptfenster"});
  EXPECT_TRUE(qtui::IsPanelVisible(gMainPanel));
  EXPECT_FALSE(qtui::IsPanelVisible(gComPanel));
  EXPECT_FALSE(qtui::IsPanelVisible(gStatusPanel));
}

TEST_F(Fensterverwaltung, SwitchFromNoPanelKeepsTheNewPanelsGeometry) {
  const Geometry own{40, 30, 760, 510};
  SetGeometry(gStatusPanel, own);
  Fenster_SwitchPanels(0, gStatusPanel);
  EXPECT_TRUE(qtui::IsPanelVisible(gStatusPanel));
  EXPECT_EQ(GetGeometry(gStatusPanel), own);
}

TEST_F(Fensterverwaltung, BackButtonsReturnToTheMainPanel) {
  struct Row {
    const char* name;
    int* panel;
    int button;
    int zoom;
  };
  const Row rows[] = {
      {"COM", &gComPanel, COMPANEL_ZURUECK, VAL_NO_ZOOM},
      {"COM, maximised", &gComPanel, COMPANEL_ZURUECK, VAL_MAXIMIZE},
      {"status", &gStatusPanel, STATUSPNL_ZURUECK, VAL_NO_ZOOM},
      {"status, maximised", &gStatusPanel, STATUSPNL_ZURUECK, VAL_MAXIMIZE},
  };
  const Geometry placed{90, 110, 760, 510};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HidePanel(gMainPanel);
    SetPanelAttribute(gMainPanel, ATTR_WINDOW_ZOOM, VAL_NO_ZOOM);
    SetGeometry(gMainPanel, {10, 10, 760, 510});
    SetPanelAttribute(*row.panel, ATTR_WINDOW_ZOOM, VAL_NO_ZOOM);
    SetGeometry(*row.panel, placed);
    DisplayPanel(*row.panel);
    SetPanelAttribute(*row.panel, ATTR_WINDOW_ZOOM, row.zoom);

    ASSERT_EQ(qtui::UserCommit(*row.panel, row.button), 0);
    EXPECT_FALSE(qtui::IsPanelVisible(*row.panel));
    EXPECT_TRUE(qtui::IsPanelVisible(gMainPanel));
    EXPECT_EQ(Zoom(gMainPanel), row.zoom);
    if (row.zoom == VAL_NO_ZOOM) {
      EXPECT_EQ(GetGeometry(gMainPanel), placed);
    }
  }
}

// More entries than the list holds are refused, long names are cut, and a
// panel listed without a menu of its own gets no window menu.
TEST_F(Fensterverwaltung, ListKeepsToItsCapacity) {
  Fenster_Initialisieren();
  const std::string longName(60, 'x');
  EXPECT_EQ(Fenster_PanelZurListeHinzufuegen(gMainPanel, longName, MENUMAIN_FENSTER), 0);
  EXPECT_EQ(Fenster_PanelZurListeHinzufuegen(gComPanel, "Com", 0), 0);
  for (int n = 2; n < MAX_FENSTER; ++n)
    EXPECT_EQ(Fenster_PanelZurListeHinzufuegen(gStatusPanel, "S" + std::to_string(n), 0), 0);
  EXPECT_EQ(Fenster_PanelZurListeHinzufuegen(gStatusPanel, "zu viel", MENUSTATUS_FENSTER), -1);
  EXPECT_EQ(Fenster_Anzahl(), MAX_FENSTER);

  // Fresh panels, whose window menus are still empty.
  const int main = LoadPanel(0, "VELT1SteuerungGui.uir", MAINPANEL);
  const int com = LoadPanel(0, "VELT1SteuerungGui.uir", COMPANEL);
  Fenster_Initialisieren();
  Fenster_PanelZurListeHinzufuegen(main, longName, MENUMAIN_FENSTER);
  Fenster_PanelZurListeHinzufuegen(com, "Com", 0);
  // 48 bytes and an "ä" of two: the cut keeps the character whole.
  const std::string umlaut = std::string(MAX_FENSTERNAME - 1, 'y') + "ä";
  Fenster_PanelZurListeHinzufuegen(com, umlaut, 0);
  Fenster_MenueintraegeErstellen();
  EXPECT_EQ(kit::WindowMenuItems(main),
            (std::vector<MenuItem>{{std::string(MAX_FENSTERNAME, 'x'), true},
                                   {"Com", false},
                                   {std::string(MAX_FENSTERNAME - 1, 'y'), false}}));
  EXPECT_TRUE(kit::WindowMenuItems(com).empty());
  DiscardPanel(com);
  DiscardPanel(main);
}

}  // namespace
