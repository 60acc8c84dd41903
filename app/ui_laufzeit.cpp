#include "app/ui_laufzeit.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

#include "app/qt/qt_runtime.h"
#include "ui/definition.h"

namespace {

// Qt ends the process when it finds no screen to show windows on; the
// program reports that as a start-up failure of its own instead.
bool BildschirmVorhanden(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0) return true;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  // X11 or Wayland: without either there is no screen.
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

}  // namespace

UiLaufzeit::UiLaufzeit() = default;
UiLaufzeit::~UiLaufzeit() = default;

bool UiLaufzeit::Starten(int& argc, char** argv) {
  // A host that made the application object itself (a test) has also set up
  // the runtime, its popup responder and the definition; the program makes
  // all three here.
  if (QApplication::instance() != nullptr)
    return qobject_cast<QApplication*>(QApplication::instance()) != nullptr;
  if (!BildschirmVorhanden(argc, argv)) {
    std::fputs("velt1-steuerung: kein Bildschirm (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt)\n",
               stderr);
    return false;
  }
  application_ = std::make_unique<QApplication>(argc, argv);
  qtui::InstallQtRuntime();
  qtui::RegisterDefinition(ui::Velt1Gui());
  return true;
}
