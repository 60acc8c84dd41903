#include "ui/definition.h"

namespace ui {

const PanelDef* FindPanel(const Definition& definition, int resourceId) {
  for (const auto& panel : definition.panels)
    if (panel.id == resourceId) return &panel;
  return nullptr;
}

const MenuBarDef* FindMenuBar(const Definition& definition, int resourceId) {
  for (const auto& bar : definition.menuBars)
    if (bar.id == resourceId) return &bar;
  return nullptr;
}

}  // namespace ui
