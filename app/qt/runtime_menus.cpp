// Menu bars: built from the definition, items added and menus removed at run
// time, item attributes and callbacks.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "app/qt/control_widgets.h"
#include "app/qt/menu_builder.h"
#include "app/qt/panel_window.h"
#include "ui/callback_registry.h"

namespace qtui {
namespace {

MenuEntryRecord* FindEntry(int menuBar, int id) {
  MenuBarRecord* bar = FindMenuBarRecord(menuBar);
  return bar ? FindIn(bar->entries, id) : nullptr;
}

QMenu* MenuOf(MenuBarRecord& bar, int id) {
  MenuEntryRecord* entry = FindIn(bar.entries, id);
  return entry ? entry->menu : nullptr;
}

// A menu item's check mark changes only when the program says so, not when
// Qt would toggle it on a click.
void ConnectItem(int menuBar, int item, QAction* action) {
  QObject::connect(action, &QAction::triggered, [menuBar, item] {
    if (MenuEntryRecord* entry = FindEntry(menuBar, item)) entry->action->setChecked(entry->checked);
    DispatchMenuEvent(menuBar, item);
  });
}

void ShowChecked(MenuEntryRecord& entry) {
  entry.action->setCheckable(entry.checked || entry.action->isCheckable());
  entry.action->setChecked(entry.checked);
}

}  // namespace

int CreateMenuBar(int panel, PanelWindow* window, const ui::MenuBarDef& def) {
  RuntimeState& state = State();
  const int handle = state.nextMenuBarHandle++;
  MenuBarRecord& bar = state.menuBars[handle];
  bar.handle = handle;
  bar.panel = panel;
  bar.bar = new QMenuBar(window);

  std::set<int> submenuOpeners;
  for (const auto& e : def.entries)
    if (e.kind == ui::MenuKind::Submenu) submenuOpeners.insert(e.parent);
  std::map<int, QMenu*> openedSubmenus;

  for (const auto& e : def.entries) {
    MenuEntryRecord entry{.id = e.id, .kind = e.kind, .constant = e.constant, .name = e.label,
                          .parent = e.parent,
                          .callback = e.callback.empty() ? nullptr : ui::FindMenuCallback(e.callback),
                          .callbackName = e.callback, .checked = e.checked};
    QMenu* parentMenu = MenuOf(bar, e.parent);
    switch (e.kind) {
      case ui::MenuKind::Menu:
        entry.menu = parentMenu ? parentMenu->addMenu(MnemonicText(e.label))
                                : bar.bar->addMenu(MnemonicText(e.label));
        entry.action = entry.menu->menuAction();
        break;
      case ui::MenuKind::Item:
        if (!parentMenu) continue;
        if (submenuOpeners.count(e.id)) {
          QMenu* submenu = parentMenu->addMenu(MnemonicText(e.label));
          openedSubmenus[e.id] = submenu;
          entry.action = submenu->menuAction();
        } else {
          entry.action = parentMenu->addAction(MnemonicText(e.label));
          ConnectItem(handle, e.id, entry.action);
        }
        break;
      case ui::MenuKind::Separator:
        if (!parentMenu) continue;
        entry.action = parentMenu->addSeparator();
        break;
      case ui::MenuKind::Submenu:
        if (!openedSubmenus.count(e.parent)) continue;
        entry.menu = openedSubmenus[e.parent];
        entry.action = entry.menu->menuAction();
        break;
    }
    if (entry.checked) ShowChecked(entry);
    bar.entries[e.id] = entry;
    bar.nextId = std::max(bar.nextId, e.id + 1);
  }
  window->setMenuBar(bar.bar);
  return handle;
}

void ForgetMenuBarsOf(int panel) {
  std::erase_if(State().menuBars, [panel](const auto& bar) { return bar.second.panel == panel; });
}

}  // namespace qtui

using qtui::FindMenuBarRecord;
using qtui::MenuBarRecord;
using qtui::MenuEntryRecord;

int GetPanelMenuBar(int panel) {
  qtui::PanelRecord* record = qtui::FindPanelRecord(panel);
  return record ? record->menuBar : UIE_BAD_PANEL;
}

int NewMenuItem(int menuBar, int menu, const std::string& label, int beforeItem, int shortcutKey,
                MenuCallbackPtr callback, void* callbackData) {
  MenuBarRecord* bar = FindMenuBarRecord(menuBar);
  if (!bar) return UIE_BAD_MENU;
  QMenu* target = qtui::MenuOf(*bar, menu);
  if (!target) return UIE_BAD_MENU;
  QAction* before = nullptr;
  if (beforeItem > 0) {
    MenuEntryRecord* next = qtui::FindIn(bar->entries, beforeItem);
    if (!next || next->parent != menu) return UIE_BAD_MENU;
    before = next->action;
  }
  const int id = bar->nextId++;
  auto* action = new QAction(qtui::MnemonicText(label), target);
  if (shortcutKey > 0) action->setShortcut(QKeySequence(shortcutKey));
  target->insertAction(before, action);
  qtui::ConnectItem(menuBar, id, action);

  // Added at run time: no constant or callback name of the definition.
  bar->entries[id] = {.id = id, .kind = ui::MenuKind::Item, .constant = {}, .name = label,
                      .parent = menu, .action = action, .callback = callback,
                      .callbackData = callbackData, .callbackName = {}};
  return id;
}

int DiscardMenu(int menuBar, int menu) {
  MenuBarRecord* bar = FindMenuBarRecord(menuBar);
  if (!bar) return UIE_BAD_MENU;
  MenuEntryRecord* entry = qtui::FindIn(bar->entries, menu);
  if (!entry || entry->kind != ui::MenuKind::Menu) return UIE_BAD_MENU;

  // The menu, its items, their submenus and the submenus' items.
  std::set<int> doomed{menu};
  for (bool grew = true; grew;) {
    grew = false;
    for (const auto& [id, e] : bar->entries)
      if (!doomed.count(id) && doomed.count(e.parent)) grew = doomed.insert(id).second || grew;
  }
  QMenu* widget = entry->menu;
  if (QWidget* owner = widget->parentWidget()) owner->removeAction(widget->menuAction());
  for (int id : doomed) bar->entries.erase(id);
  delete widget;  // deletes the menu's actions and submenus with it
  return 0;
}

int SetMenuBarAttribute(int menuBar, int menuOrItem, int attribute, int value) {
  MenuEntryRecord* entry = qtui::FindEntry(menuBar, menuOrItem);
  if (!entry) return UIE_BAD_MENU;
  switch (attribute) {
    case ATTR_CHECKED:
      if (entry->kind != ui::MenuKind::Item) return UIE_BAD_ATTRIBUTE;
      entry->checked = value != 0;
      qtui::ShowChecked(*entry);
      return 0;
    case ATTR_DIMMED:
      entry->action->setEnabled(value == 0);
      return 0;
    default:
      return UIE_BAD_ATTRIBUTE;
  }
}

int SetMenuBarAttribute(int menuBar, int menuOrItem, int attribute, const std::string& value) {
  MenuEntryRecord* entry = qtui::FindEntry(menuBar, menuOrItem);
  if (!entry) return UIE_BAD_MENU;
  if (attribute != ATTR_ITEM_NAME) return UIE_BAD_ATTRIBUTE;
  if (entry->kind == ui::MenuKind::Separator || entry->kind == ui::MenuKind::Submenu)
    return UIE_BAD_ATTRIBUTE;
  entry->name = value;
  entry->action->setText(qtui::MnemonicText(value));
  return 0;
}

int SetMenuBarCallback(int menuBar, int item, MenuCallbackPtr callback, void* callbackData) {
  MenuEntryRecord* entry = qtui::FindEntry(menuBar, item);
  if (!entry) return UIE_BAD_MENU;
  entry->callback = callback;
  entry->callbackData = callbackData;
  return 0;
}

int GetMenuBarAttribute(int menuBar, int menuOrItem, int attribute, int* value) {
  MenuEntryRecord* entry = qtui::FindEntry(menuBar, menuOrItem);
  if (!entry) return UIE_BAD_MENU;
  if (!value) return UIE_BAD_ATTRIBUTE;
  switch (attribute) {
    case ATTR_CHECKED: *value = entry->checked ? 1 : 0; return 0;
    case ATTR_DIMMED: *value = entry->action->isEnabled() ? 0 : 1; return 0;
    default: return UIE_BAD_ATTRIBUTE;
  }
}

int GetMenuBarAttribute(int menuBar, int menuOrItem, int attribute, std::string* value) {
  MenuEntryRecord* entry = qtui::FindEntry(menuBar, menuOrItem);
  if (!entry) return UIE_BAD_MENU;
  if (!value || attribute != ATTR_ITEM_NAME) return UIE_BAD_ATTRIBUTE;
  *value = entry->name;
  return 0;
}
