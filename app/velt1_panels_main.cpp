// velt1-panels: renders every panel as the program loads it, and each menu of
// the top-level panels, to PNG files, without a display.
//   velt1-panels <folder>

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/funktionen.h"
#include "app/qt/qt_runtime.h"
#include "app/qt/qt_runtime_testing.h"
#include "app/velt1steuerung_main.h"
#include "connection/com_main.h"
#include "connection/status_main.h"
#include "programs/par_main.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

// A panel (with its menu bar, if it has one), or one menu of its bar.
struct Bild {
  const char* datei;
  int* panel;
  int menu = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.message().c_str());
    return 1;
  }

  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  qtui::InstallQtRuntime();
  qtui::RegisterDefinition(ui::Velt1Gui());
  if (Velt1Steuerung_PanelsLaden() != 0) {
    std::fprintf(stderr, "the panels could not be loaded\n");
    return 1;
  }

  const Bild bilder[] = {
      {"mainpanel.png", &gMainPanel},          {"companel.png", &gComPanel},
      {"statuspnl.png", &gStatusPanel},        {"infopanel.png", &gInfoPanel},
      {"kalibpanel.png", &gKalibrierenPanel},  {"renamepnl.png", &gRenamePanel},
      {"menumain_datei.png", &gMainPanel, MENUMAIN_DATEI},
      {"menumain_programm.png", &gMainPanel, MENUMAIN_PROGRAMM},
      {"menumain_fenster.png", &gMainPanel, MENUMAIN_FENSTER},
      {"menumain_hilfe.png", &gMainPanel, MENUMAIN_HILFE},
      {"menucom_datei.png", &gComPanel, MENUCOM_DATEI},
      {"menucom_fenster.png", &gComPanel, MENUCOM_FENSTER},
      {"menustatus_datei.png", &gStatusPanel, MENUSTATUS_DATEI},
      {"menustatus_fenster.png", &gStatusPanel, MENUSTATUS_FENSTER},
  };

  int fehler = 0;
  for (const Bild& bild : bilder) {
    const std::string path = (folder / bild.datei).string();
    const int bar = GetPanelMenuBar(*bild.panel);
    const bool ok = bild.menu == 0 ? qtui::SavePanelImage(*bild.panel, path, bar > 0)
                                   : qtui::SaveMenuImage(bar, bild.menu, path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
    if (!ok) ++fehler;
  }
  Func_PanelsFreigeben();
  return fehler == 0 ? 0 : 1;
}
