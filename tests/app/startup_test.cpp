// Start-up and shutdown: the panels as the modules prepare them, a failing
// module, the configuration file's codes and boxes, and quitting from each
// top-level window.

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
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

using kit::ReadBytes;
using kit::RunProgram;
using kit::WriteBytes;

// The configuration file as the program writes it with no port open and address '1'.
constexpr char kSection[] = "[com]\r\nadresse = 49\r\ncom = 0\r\nlcom = 0\r\n\r\n";

std::string Text(int panel, int control) {
  std::string text;
  GetCtrlVal(panel, control, &text);
  return text;
}

std::string Label(int panel, int control) {
  std::string text;
  GetCtrlAttribute(panel, control, ATTR_LABEL_TEXT, &text);
  return text;
}

int Attribute(int panel, int control, int attribute) {
  int value = -1;
  GetCtrlAttribute(panel, control, attribute, &value);
  return value;
}

TEST(Startup, ModulesPrepareTheirPanelsWithTheRunTimeTexts) {
  kit::Runtime runtime;
  ASSERT_EQ(Velt1Steuerung_PanelsLaden(), 0);
  EXPECT_EQ(gSprache, 1);
  EXPECT_EQ(gPaneltitle, "VELT-1 Steuerung");

  std::string title;
  GetPanelAttribute(gMainPanel, ATTR_TITLE, &title);
  EXPECT_EQ(title, "VELT-1 Steuerung - Unbenannt");
  for (int panel : {gMainPanel, gComPanel, gStatusPanel}) {
    int taskbar = 0;
    GetPanelAttribute(panel, ATTR_HAS_TASKBAR_BUTTON, &taskbar);
    EXPECT_EQ(taskbar, 1);
    EXPECT_FALSE(qtui::IsPanelVisible(panel)) << "start-up shows the main panel later";
  }
  EXPECT_EQ(kit::MenuTitles(gMainPanel),
            (std::vector<std::string>{"Datei", "Programm", "Fenster", "Hilfe"}));
  std::string name;
  const int bar = GetPanelMenuBar(gMainPanel);
  EXPECT_EQ(GetMenuBarAttribute(bar, MENUMAIN_OPTIONEN, ATTR_ITEM_NAME, &name), UIE_BAD_MENU);
  EXPECT_EQ(GetMenuBarAttribute(bar, MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_DEUTSCH, ATTR_ITEM_NAME,
                                &name),
            UIE_BAD_MENU);

  EXPECT_EQ(Text(gInfoPanel, INFOPANEL_VERSION), "V 1.0.2");
  EXPECT_EQ(Text(gInfoPanel, INFOPANEL_DATUM), "9/2011");
  EXPECT_EQ(Text(gInfoPanel, INFOPANEL_PROGRAMMNAME), "VELT-1 Steuerung");
  EXPECT_EQ(Label(gMainPanel, MAINPANEL_PROGLESEN), "vom VELT-1 lesen");
  EXPECT_EQ(Label(gMainPanel, MAINPANEL_PROGSCHREIBEN), "zum VELT-1 schreiben");
  EXPECT_EQ(Text(gMainPanel, MAINPANEL_TEXT_GERAETSTEUERN), "VELT-1 steuern");
  EXPECT_GT(gKalibrierenPanel, 0);
  EXPECT_GT(gRenamePanel, 0);

  EXPECT_EQ(Text(gComPanel, COMPANEL_SCANNTEXT), "");
  EXPECT_EQ(Text(gStatusPanel, STATUSPNL_TEXT_GERAETSTATUS), "VELT-1 Status");
  for (int led : {STATUSPNL_STATUSLED1, STATUSPNL_STATUSLED2, STATUSPNL_STATUSLED9,
                  STATUSPNL_STATUSLED10}) {
    int on = -1;
    GetCtrlVal(gStatusPanel, led, &on);
    EXPECT_EQ(on, 0);
    EXPECT_EQ(Attribute(gStatusPanel, led, ATTR_DIMMED), 1);
  }
  EXPECT_EQ(Attribute(gStatusPanel, STATUSPNL_STATUSTIMER, ATTR_ENABLED), 0);
  EXPECT_EQ(Fenster_Anzahl(), 3);
  EXPECT_EQ(Fenster_MainpanelGet(), gMainPanel);
  EXPECT_EQ(Func_PanelsFreigeben(), 0);
}

TEST(Startup, InfoPopupShowsAndClosesWithOk) {
  kit::Runtime runtime;
  ASSERT_EQ(Velt1Steuerung_PanelsLaden(), 0);
  DisplayPanel(gMainPanel);
  ASSERT_EQ(qtui::UserChooseMenuItem(gMainPanel, {"Hilfe", "Info"}), 0);
  EXPECT_TRUE(qtui::IsPanelVisible(gInfoPanel));
  ASSERT_EQ(qtui::UserCommit(gInfoPanel, INFOPANEL_OK), 0);
  EXPECT_FALSE(qtui::IsPanelVisible(gInfoPanel));
  EXPECT_TRUE(qtui::IsPanelVisible(gMainPanel));
  Func_PanelsFreigeben();
}

TEST(Startup, LanguageSwitchChangesNothing) {
  gSprache = 1;
  EXPECT_EQ(Func_Sprachumschaltung(2), 0);
  EXPECT_EQ(gSprache, 1);
}

// A panel that cannot be loaded ends start-up: the later modules are not
// called, nothing is shown and the configuration file is not written.
TEST(Startup, FailingModuleStopsStartUp) {
  enum { kFailed = -1, kNotCalled = 0, kLoaded = 1 };
  struct Row {
    int missing;
    int main, com, status;
  };
  const Row rows[] = {
      {MAINPANEL, kFailed, kNotCalled, kNotCalled},
      {INFOPANEL, kLoaded, kNotCalled, kNotCalled},
      {KALIBPANEL, kLoaded, kNotCalled, kNotCalled},
      {RENAMEPNL, kLoaded, kNotCalled, kNotCalled},
      {COMPANEL, kLoaded, kFailed, kNotCalled},
      {STATUSPNL, kLoaded, kLoaded, kFailed},
  };
  auto state = [](int handle) { return handle > 0 ? kLoaded : handle < 0 ? kFailed : kNotCalled; };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.missing);
    kit::WorkingDirectory directory;
    kit::Runtime runtime;
    ui::Definition broken = ui::Velt1Gui();
    std::erase_if(broken.panels, [&](const ui::PanelDef& p) { return p.id == row.missing; });
    qtui::RegisterDefinition(broken);
    gMainPanel = gComPanel = gStatusPanel = 0;

    EXPECT_EQ(RunProgram(), -1);
    EXPECT_EQ(state(gMainPanel), row.main);
    EXPECT_EQ(state(gComPanel), row.com);
    EXPECT_EQ(state(gStatusPanel), row.status);
    EXPECT_TRUE(runtime.popups().shown().empty());
    EXPECT_FALSE(std::filesystem::exists(INI_DATEINAME));
    if (row.main == kLoaded) {
      EXPECT_FALSE(qtui::IsPanelVisible(gMainPanel));
      EXPECT_TRUE(kit::WindowMenuItems(gMainPanel).empty()) << "menus are built last";
    }
    // The program would end here; the test tidies up what was loaded.
    for (int panel : {gStatusPanel, gComPanel, gMainPanel})
      if (panel > 0) DiscardPanel(panel);
    qtui::RegisterDefinition(ui::Velt1Gui());
  }
}

// The configuration file at start: the code, its box, and the program runs on.
TEST(Startup, ConfigurationFileReadCodesAndBoxes) {
  struct Row {
    const char* name;
    void (*prepare)();
    int code;
    const char* title;  // "" = no box
    const char* text;
  };
  const Row rows[] = {
      {"first start, no file", [] {}, -802285, "Fehler #802285", "INI-Datei nicht gefunden"},
      {"unreadable: a folder of that name",
       [] { std::filesystem::create_directory(INI_DATEINAME); }, -801286, "Fehler #801286",
       "Fehler beim lesen der INI-Datei"},
      {"empty file", [] { WriteBytes(INI_DATEINAME, ""); }, -801501, "Fehler #801501",
       "Fehler beim lesen der INI-Datei"},
      {"section com without lcom", [] { WriteBytes(INI_DATEINAME, "[com]\r\ncom = 0\r\n"); },
       -801502, "Fehler #801502", "Fehler beim lesen der INI-Datei"},
      {"whole section com", [] { WriteBytes(INI_DATEINAME, kSection); }, 0, "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    {
      kit::WorkingDirectory directory;
      row.prepare();
      EXPECT_EQ(Func_IniDateiLaden(), row.code);
    }
    kit::WorkingDirectory directory;
    kit::Runtime runtime;
    row.prepare();
    bool mainShown = false;
    auto script = kit::WhenMainPanelShown([&] {
      mainShown = true;
      qtui::UserChooseMenuItem(gMainPanel, {"Datei", "Beenden"});
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(mainShown);
    const auto& shown = runtime.popups().shown();
    if (*row.title == '\0') {
      EXPECT_TRUE(shown.empty());
    } else {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].kind, kit::PopupKind::Message);
      EXPECT_EQ(shown[0].title, row.title);
      EXPECT_EQ(shown[0].text, row.text);
    }
  }
}

TEST(Startup, ConfigurationFileWriteCodes) {
  struct Row {
    const char* name;
    void (*prepare)();
    int code;
  };
  const Row rows[] = {
      {"new file", [] {}, 0},
      {"replaces the old file", [] { WriteBytes(INI_DATEINAME, "[alt]\r\nx = 1\r\n"); }, 0},
      {"a folder of that name", [] { std::filesystem::create_directory(INI_DATEINAME); },
       -800287},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    kit::WorkingDirectory directory;
    row.prepare();
    EXPECT_EQ(Func_IniDateiSchreiben(), row.code);
    // Only the COM session keeps settings: no port open, address '1'.
    if (row.code == 0) {
      EXPECT_EQ(ReadBytes(INI_DATEINAME), kSection);
    }
  }
}

// Quitting through every top-level window's close box and "Datei"/"Beenden":
// the event loop ends, the configuration file is written, the panels go.
TEST(Startup, QuitsFromEachTopLevelWindow) {
  struct Row {
    const char* name;
    int* panel;
    bool closeBox;
  };
  const Row rows[] = {
      {"main, close box", &gMainPanel, true},   {"main, Beenden", &gMainPanel, false},
      {"COM, close box", &gComPanel, true},     {"COM, Beenden", &gComPanel, false},
      {"status, close box", &gStatusPanel, true}, {"status, Beenden", &gStatusPanel, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    kit::WorkingDirectory directory;
    kit::Runtime runtime;
    WriteBytes(INI_DATEINAME, "; vor dem Start\r\n" + std::string(kSection));
    int quitFrom = 0;
    auto script = kit::WhenMainPanelShown([&] {
      quitFrom = *row.panel;
      if (quitFrom != gMainPanel) Fenster_SwitchPanels(gMainPanel, quitFrom);
      if (row.closeBox)
        qtui::UserClosePanel(quitFrom);
      else
        qtui::UserChooseMenuItem(quitFrom, {"Datei", "Beenden"});
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_GT(quitFrom, 0);
    EXPECT_EQ(ReadBytes(INI_DATEINAME), kSection) << "written at the end";
    EXPECT_EQ(qtui::PanelWidget(quitFrom), nullptr) << "discarded";
    EXPECT_TRUE(runtime.popups().shown().empty());
  }
}

}  // namespace
