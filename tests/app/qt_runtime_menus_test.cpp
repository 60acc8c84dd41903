// Menu bars from the definition, items added and menus removed at run time.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/qt/qt_runtime_testing.h"
#include "tests/kit/qt_runtime_fixture.h"

namespace kit {
namespace {

using MenusTest = RuntimeTest;

QStringList BarTitles(int panel) {
  QStringList titles;
  for (QAction* action : qtui::PanelWidget(panel)->findChild<QMenuBar*>()->actions())
    titles << action->text();
  return titles;
}

TEST_F(MenusTest, BarIsBuiltFromTheDefinition) {
  const int bar = GetPanelMenuBar(panel);
  EXPECT_GT(bar, 0);
  EXPECT_EQ(GetPanelMenuBar(child), 0);
  EXPECT_EQ(BarTitles(panel), (QStringList{"Datei", "Fenster", "Optionen"}));
  struct Case {
    int item;
    const char* name;
    int checked;
  } cases[] = {{DATEI, "Datei", 0}, {NEU, "Neu", 0}, {BEENDEN, "Beenden", 0}, {DEUTSCH, "Deutsch", 1},
               {ENGLISCH, "English", 0}};
  for (const auto& c : cases) {
    std::string name;
    EXPECT_EQ(GetMenuBarAttribute(bar, c.item, ATTR_ITEM_NAME, &name), 0);
    EXPECT_EQ(name, c.name);
    int checked = -1;
    if (c.item != DATEI) {
      EXPECT_EQ(GetMenuBarAttribute(bar, c.item, ATTR_CHECKED, &checked), 0);
      EXPECT_EQ(checked, c.checked) << c.name;
    }
  }
}

TEST_F(MenusTest, ChosenItemsReachTheMenuCallback) {
  const int bar = GetPanelMenuBar(panel);
  EXPECT_EQ(qtui::UserChooseMenuItem(bar, NEU), 0);
  EXPECT_EQ(qtui::UserChooseMenuItem(panel, {"Optionen", "Sprache", "English"}), 0);
  EXPECT_EQ(Events(), (std::vector<Event>{{panel, NEU, -bar, nullptr, 0, 0},
                                          {panel, ENGLISCH, -bar, nullptr, 0, 0}}));
  EXPECT_EQ(qtui::UserChooseMenuItem(panel, {"Datei", "Öffnen"}), UIE_BAD_MENU);
  EXPECT_EQ(qtui::UserChooseMenuItem(bar, SPRACHE), UIE_BAD_MENU);  // opens a submenu
}

TEST_F(MenusTest, NewItemsAreAppendedWithNewIds) {
  const int bar = GetPanelMenuBar(panel);
  int data = 0;
  const char* names[] = {"Hauptfenster", "Com", "Status"};
  int ids[3];
  for (int i = 0; i < 3; ++i) ids[i] = NewMenuItem(bar, FENSTER, names[i], -1, 0, nullptr, nullptr);
  EXPECT_EQ(ids[0], ENGLISCH + 1);
  EXPECT_EQ(ids[1], ENGLISCH + 2);
  EXPECT_EQ(ids[2], ENGLISCH + 3);
  EXPECT_EQ(SetMenuBarAttribute(bar, ids[1], ATTR_CHECKED, 1), 0);
  EXPECT_EQ(SetMenuBarCallback(bar, ids[2], RecordMenu, &data), 0);

  QMenu* menu = qtui::PanelWidget(panel)->findChild<QMenuBar*>()->actions()[1]->menu();
  ASSERT_EQ(menu->actions().size(), 3);
  EXPECT_EQ(menu->actions()[0]->text(), "Hauptfenster");
  EXPECT_TRUE(menu->actions()[1]->isChecked());

  EXPECT_EQ(qtui::UserChooseMenuItem(panel, {"Fenster", "Status"}), 0);
  EXPECT_EQ(Events(), (std::vector<Event>{{panel, ids[2], -bar, &data, 0, 0}}));
  EXPECT_EQ(NewMenuItem(bar, NEU, "x", -1, 0, nullptr, nullptr), UIE_BAD_MENU);
  EXPECT_EQ(NewMenuItem(bar + 100, FENSTER, "x", -1, 0, nullptr, nullptr), UIE_BAD_MENU);
}

TEST_F(MenusTest, CheckMarkChangesOnlyWhenTheCodeSaysSo) {
  const int bar = GetPanelMenuBar(panel);
  EXPECT_EQ(qtui::UserChooseMenuItem(bar, DEUTSCH), 0);
  int checked = 0;
  EXPECT_EQ(GetMenuBarAttribute(bar, DEUTSCH, ATTR_CHECKED, &checked), 0);
  EXPECT_EQ(checked, 1);
  EXPECT_EQ(SetMenuBarAttribute(bar, DEUTSCH, ATTR_CHECKED, 0), 0);
  EXPECT_EQ(GetMenuBarAttribute(bar, DEUTSCH, ATTR_CHECKED, &checked), 0);
  EXPECT_EQ(checked, 0);
}

TEST_F(MenusTest, DimmedItemsCannotBeChosen) {
  const int bar = GetPanelMenuBar(panel);
  EXPECT_EQ(SetMenuBarAttribute(bar, NEU, ATTR_DIMMED, 1), 0);
  EXPECT_EQ(qtui::UserChooseMenuItem(bar, NEU), UIE_BAD_ATTRIBUTE);
  EXPECT_TRUE(Events().empty());
}

TEST_F(MenusTest, DiscardedMenuLeavesTheBarWithItsSubmenu) {
  const int bar = GetPanelMenuBar(panel);
  EXPECT_EQ(DiscardMenu(bar, OPTIONEN), 0);
  EXPECT_EQ(BarTitles(panel), (QStringList{"Datei", "Fenster"}));
  std::string name;
  for (int item : {OPTIONEN, SPRACHE, SUBMENU, DEUTSCH, ENGLISCH})
    EXPECT_EQ(GetMenuBarAttribute(bar, item, ATTR_ITEM_NAME, &name), UIE_BAD_MENU) << item;
  EXPECT_EQ(qtui::UserChooseMenuItem(panel, {"Optionen", "Sprache", "Deutsch"}), UIE_BAD_MENU);
  EXPECT_EQ(DiscardMenu(bar, OPTIONEN), UIE_BAD_MENU);
  EXPECT_EQ(DiscardMenu(bar, NEU), UIE_BAD_MENU);
  EXPECT_EQ(qtui::UserChooseMenuItem(bar, NEU), 0);
}

}  // namespace
}  // namespace kit
