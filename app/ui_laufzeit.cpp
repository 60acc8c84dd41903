#include "app/ui_laufzeit.h"

#include <QApplication>

#include "app/qt/qt_runtime.h"
#include "ui/definition.h"

UiLaufzeit::UiLaufzeit() = default;
UiLaufzeit::~UiLaufzeit() = default;

bool UiLaufzeit::Starten(int& argc, char** argv) {
  // A host that made the application object itself (a test) has also set up
  // the runtime and its popup responder; the program makes both here.
  if (QApplication::instance() == nullptr) {
    application_ = std::make_unique<QApplication>(argc, argv);
    qtui::InstallQtRuntime();
  }
  if (qobject_cast<QApplication*>(QApplication::instance()) == nullptr) return false;
  qtui::RegisterDefinition(ui::Velt1Gui());
  return true;
}
