// The program's user-interface definition "VELT1SteuerungGui.uir": six
// panels and three menu bars, built once on first use.

#include "ui/velt1_gui.h"

#include "ui/velt1_gui_build.h"

namespace ui {

const Definition& Velt1Gui() {
  static const Definition definition = [] {
    Definition d;
    d.file = "VELT1SteuerungGui.uir";
    d.backColor = 0xECE9D8;  // 236, 233, 216
    d.panels = {gui::ComPanel(),    gui::InfoPanel(),   gui::KalibPanel(),
                gui::MainPanel(),   gui::RenamePanel(), gui::StatusPanel()};
    d.menuBars = gui::MenuBars();
    return d;
  }();
  return definition;
}

}  // namespace ui
