#pragma once
// Set-up of the Qt user-interface runtime: the program creates its
// QApplication, registers the definition its panels are loaded from, and
// installs the runtime before the first panel loads.

#include "ui/definition.h"

namespace qtui {

// Makes the definition loadable under its file name (definition.file);
// a later registration under the same name replaces it. Panels already
// loaded keep what they were built from.
void RegisterDefinition(const ui::Definition& definition);

// Installs the popup responder that shows real Qt dialogs and keeps the
// application running when windows are hidden or closed (quitting is the
// program's own decision). Needs a QApplication.
void InstallQtRuntime();

}  // namespace qtui
