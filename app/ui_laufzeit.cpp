#include "app/ui_laufzeit.h"

#include <QApplication>

#include "app/qt/qt_runtime.h"
#include "ui/definition.h"

UiLaufzeit::UiLaufzeit() = default;
UiLaufzeit::~UiLaufzeit() = default;

bool UiLaufzeit::Starten(int& argc, char** argv) {
  // A host that made the application object itself (a test) has also set up
  // the runtime, its popup responder and the definition; the program makes
  // all three here.
  if (QApplication::instance() != nullptr)
    return qobject_cast<QApplication*>(QApplication::instance()) != nullptr;
  application_ = std::make_unique<QApplication>(argc, argv);
  qtui::InstallQtRuntime();
  qtui::RegisterDefinition(ui::Velt1Gui());
  return true;
}
