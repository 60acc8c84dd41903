// Panels: loading from a registered definition, discarding, showing and
// hiding, popups, and the panel attributes.

#include <QGuiApplication>
#include <QScreen>
#include <vector>

#include "app/qt/control_builder.h"
#include "app/qt/control_events.h"
#include "app/qt/menu_builder.h"
#include "app/qt/panel_window.h"
#include "app/qt/qt_runtime.h"
#include "app/qt/runtime_state.h"
#include "ui/callback_registry.h"

namespace qtui {

void RegisterDefinition(const ui::Definition& definition) {
  State().definitions[definition.file] = definition;
}

namespace {

// A new window stands in the middle of its parent, or of the screen.
QPoint CentredPosition(const PanelRecord& record, const PanelRecord* parent) {
  QRect around(0, 0, 1024, 768);
  if (parent)
    around = parent->geometry;
  else if (QScreen* screen = QGuiApplication::primaryScreen())
    around = screen->availableGeometry();
  return around.center() - QPoint(record.geometry.width() / 2, record.geometry.height() / 2);
}

// The panel and, depth first, the panels loaded as its children.
std::vector<int> PanelFamily(int panel) {
  std::vector<int> family{panel};
  for (std::size_t i = 0; i < family.size(); ++i)
    for (const auto& [handle, record] : State().panels)
      if (record.parent == family[i]) family.push_back(handle);
  return family;
}

Qt::WindowState WindowStateOf(int zoom) {
  if (zoom == VAL_MAXIMIZE) return Qt::WindowMaximized;
  return zoom == VAL_MINIMIZE ? Qt::WindowMinimized : Qt::WindowNoState;
}

void ShowWindow(PanelRecord& record) {
  PanelWindow* window = record.window;
  if (record.zoom != VAL_NO_ZOOM) window->setWindowState(WindowStateOf(record.zoom));
  window->show();
  if (HasWindowManager()) window->raise();  // offscreen warns about raising
  window->activateWindow();
  NoteActivated(record.handle);
}

int SetZoom(PanelRecord& record, int zoom) {
  if (zoom != VAL_NO_ZOOM && zoom != VAL_MINIMIZE && zoom != VAL_MAXIMIZE) return UIE_BAD_ATTRIBUTE;
  record.zoom = zoom;
  record.window->setWindowState(WindowStateOf(zoom));
  if (zoom == VAL_NO_ZOOM) ApplyGeometry(record);
  return 0;
}

int SetGeometryPart(PanelRecord& record, int attribute, int value) {
  QRect& g = record.geometry;
  switch (attribute) {
    case ATTR_TOP: g.moveTop(value); break;
    case ATTR_LEFT: g.moveLeft(value); break;
    case ATTR_WIDTH:
      if (value <= 0) return UIE_BAD_ATTRIBUTE;
      g.setWidth(value);
      break;
    case ATTR_HEIGHT:
      if (value <= 0) return UIE_BAD_ATTRIBUTE;
      g.setHeight(value);
      break;
    default: return UIE_BAD_ATTRIBUTE;
  }
  // A zoomed window takes its geometry when it is back to normal.
  if (record.zoom == VAL_NO_ZOOM) ApplyGeometry(record);
  return 0;
}

// Each top-level panel is a window of its own with its own taskbar entry;
// a tool window has none. A child panel's window belongs to its parent's.
int SetTaskbarButton(PanelRecord& record, bool on) {
  if (record.parent != 0) return on ? UIE_BAD_ATTRIBUTE : 0;
  if (record.taskbarButton == on) return 0;
  record.taskbarButton = on;
  const bool visible = record.window->isVisible();
  record.window->setWindowFlag(Qt::Tool, !on);  // hides the window
  ApplyGeometry(record);
  if (visible) ShowWindow(record);
  return 0;
}

}  // namespace
}  // namespace qtui

using qtui::FindPanelRecord;
using qtui::PanelRecord;
using qtui::State;

int LoadPanel(int parentPanel, const std::string& file, int resourceId) {
  qtui::RuntimeState& state = State();
  PanelRecord* parent = nullptr;
  if (parentPanel != 0 && !(parent = FindPanelRecord(parentPanel))) return UIE_BAD_PANEL;
  auto definition = state.definitions.find(file);
  if (definition == state.definitions.end()) return UIE_BAD_RESOURCE;
  const ui::PanelDef* def = ui::FindPanel(definition->second, resourceId);
  if (!def) return UIE_BAD_RESOURCE;
  const ui::MenuBarDef* menuBar = nullptr;
  if (def->menuBar != 0 && !(menuBar = ui::FindMenuBar(definition->second, def->menuBar)))
    return UIE_BAD_RESOURCE;

  const int handle = state.nextPanelHandle++;
  PanelRecord& record = state.panels[handle];
  record.handle = handle;
  record.parent = parentPanel;
  record.def = *def;
  record.def.controls.clear();
  record.backColor = definition->second.backColor;
  record.taskbarButton = parentPanel == 0;
  record.callback = def->callback.empty() ? nullptr : ui::FindPanelCallback(def->callback);
  record.window = new qtui::PanelWindow(handle, parent ? parent->window : nullptr);
  record.window->setWindowTitle(QString::fromStdString(def->title));
  record.window->setBackColor(record.backColor);
  if (menuBar) record.menuBar = qtui::CreateMenuBar(handle, record.window, *menuBar);

  QObject* filter = qtui::NewControlEventFilter(record.window);
  for (const auto& control : def->controls) {
    qtui::ControlRecord built = qtui::BuildControl(handle, record.window, filter, control);
    built.callback = control.callback.empty() ? nullptr : ui::FindCtrlCallback(control.callback);
    record.controls[control.id] = built;
  }
  record.geometry = QRect(0, 0, def->width, def->height);
  record.geometry.moveTopLeft(qtui::CentredPosition(record, parent));
  qtui::ApplyGeometry(record);
  return handle;
}

int DiscardPanel(int panel) {
  qtui::RuntimeState& state = State();
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  qtui::PanelWindow* window = record->window;
  for (int member : qtui::PanelFamily(panel)) {
    std::erase(state.popups, member);
    std::erase(state.activation, member);
    qtui::ForgetMenuBarsOf(member);
    state.panels.erase(member);
  }
  // Child windows go with their parent's. While a callback runs, the widget
  // that called it may belong to this panel: delete it once that is over.
  if (state.callbackDepth > 0) {
    window->hide();
    window->deleteLater();
  } else {
    delete window;
  }
  return 0;
}

int DisplayPanel(int panel) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  qtui::ShowWindow(*record);
  return 0;
}

int HidePanel(int panel) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  record->window->hide();
  return 0;
}

int GetActivePanel() {
  const auto& order = State().activation;
  for (auto it = order.rbegin(); it != order.rend(); ++it)
    if (PanelRecord* record = FindPanelRecord(*it); record && record->window->isVisible())
      return *it;
  return 0;
}

int SetPanelAttribute(int panel, int attribute, int value) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  switch (attribute) {
    case ATTR_TOP:
    case ATTR_LEFT:
    case ATTR_WIDTH:
    case ATTR_HEIGHT:
      return qtui::SetGeometryPart(*record, attribute, value);
    case ATTR_WINDOW_ZOOM:
      return qtui::SetZoom(*record, value);
    case ATTR_HAS_TASKBAR_BUTTON:
      return qtui::SetTaskbarButton(*record, value != 0);
    case ATTR_VISIBLE:
      return value ? DisplayPanel(panel) : HidePanel(panel);
    case ATTR_BACKCOLOR:
      record->backColor = value & 0xFFFFFF;
      record->window->setBackColor(record->backColor);
      return 0;
    default:
      return UIE_BAD_ATTRIBUTE;
  }
}

int SetPanelAttribute(int panel, int attribute, const std::string& value) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  if (attribute != ATTR_TITLE) return UIE_BAD_ATTRIBUTE;
  record->def.title = value;
  record->window->setWindowTitle(QString::fromStdString(value));
  return 0;
}

int GetPanelAttribute(int panel, int attribute, int* value) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  if (!value) return UIE_BAD_ATTRIBUTE;
  const QRect& g = record->geometry;
  switch (attribute) {
    case ATTR_TOP: *value = g.top(); return 0;
    case ATTR_LEFT: *value = g.left(); return 0;
    case ATTR_WIDTH: *value = g.width(); return 0;
    case ATTR_HEIGHT: *value = g.height(); return 0;
    case ATTR_WINDOW_ZOOM: *value = record->zoom; return 0;
    case ATTR_HAS_TASKBAR_BUTTON: *value = record->taskbarButton ? 1 : 0; return 0;
    case ATTR_VISIBLE: *value = record->window->isVisible() ? 1 : 0; return 0;
    case ATTR_BACKCOLOR: *value = record->backColor; return 0;
    default: return UIE_BAD_ATTRIBUTE;
  }
}

int GetPanelAttribute(int panel, int attribute, std::string* value) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  if (!value || attribute != ATTR_TITLE) return UIE_BAD_ATTRIBUTE;
  *value = record->def.title;
  return 0;
}

int InstallPopup(int panel) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  auto& popups = State().popups;
  std::erase(popups, panel);
  popups.push_back(panel);
  // Modality takes effect when the window is shown.
  record->window->hide();
  record->window->setWindowModality(Qt::ApplicationModal);
  qtui::ShowWindow(*record);
  return 0;
}

int RemovePopup(int allPopups) {
  auto& popups = State().popups;
  while (!popups.empty()) {
    PanelRecord* record = FindPanelRecord(popups.back());
    popups.pop_back();
    if (record) {
      record->window->hide();
      record->window->setWindowModality(Qt::NonModal);
    }
    if (!allPopups) break;
  }
  return 0;
}
