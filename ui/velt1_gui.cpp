// The program's user-interface definition "VELT1SteuerungGui.uir": six
// panels and three menu bars, built once on first use.

#include "ui/velt1_gui.h"

#include "ui/velt1_gui_build.h"

namespace ui {

const Definition& Velt1Gui() {
  static const Definition definition{
      .file = "VELT1SteuerungGui.uir",
      .panels = {gui::ComPanel(), gui::InfoPanel(), gui::KalibPanel(), gui::MainPanel(),
                 gui::RenamePanel(), gui::StatusPanel()},
      .menuBars = gui::MenuBars(),
      .backColor = 0xECE9D8,  // 236, 233, 216
  };
  return definition;
}

}  // namespace ui
