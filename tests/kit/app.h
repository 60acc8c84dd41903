#pragma once
// Helpers of the start-up, window and main-flow tests: a scratch working
// directory, the runtime with a scripted popup responder, the program run
// with a script step that acts once the main panel is on screen (inside the
// event loop), and its menus as shown.

#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/qt/qt_runtime.h"
#include "app/qt/qt_runtime_testing.h"
#include "app/velt1steuerung_main.h"
#include "programs/par_main.h"
#include "tests/kit/files.h"
#include "tests/kit/scripted_responder.h"
#include "ui/definition.h"

namespace kit {

// A fresh folder as the working directory, for one test.
class WorkingDirectory : public TempFolder {
 public:
  WorkingDirectory() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(path()); }
  ~WorkingDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

// The Qt runtime with the program's definition, popups answered by a script.
class Runtime {
 public:
  Runtime() {
    qtui::InstallQtRuntime();
    qtui::RegisterDefinition(ui::Velt1Gui());
    responder_.emplace();
  }
  ScriptedResponder& popups() { return **responder_; }

 private:
  std::optional<ScopedScriptedResponder> responder_;
};

// Runs `step` once, from the event loop, as soon as the main panel is shown.
// The timer belongs to the returned object; keep it until the loop has ended.
inline std::unique_ptr<QTimer> WhenMainPanelShown(std::function<void()> step) {
  auto timer = std::make_unique<QTimer>();
  timer->setInterval(0);
  QTimer* raw = timer.get();
  QObject::connect(raw, &QTimer::timeout, [raw, step] {
    const int main = ParMain_GetMainpanel();
    if (main <= 0 || !qtui::IsPanelVisible(main)) return;
    raw->stop();
    step();
  });
  timer->start();
  return timer;
}

// Runs the program as `velt1-steuerung` starts it, until its event loop
// ends; with a `step`, that acts once the main panel is shown.
inline int RunProgram(std::function<void()> step = {}) {
  const std::unique_ptr<QTimer> script = step ? WhenMainPanelShown(std::move(step)) : nullptr;
  char name[] = "velt1-steuerung";
  char* argv[] = {name, nullptr};
  return Velt1Steuerung_Main(1, argv);
}

// The titles of a panel's menu bar, as shown.
inline std::vector<std::string> MenuTitles(int panel) {
  std::vector<std::string> titles;
  QWidget* window = qtui::PanelWidget(panel);
  auto* bar = window == nullptr ? nullptr : window->findChild<QMenuBar*>();
  if (bar == nullptr) return titles;
  for (QAction* action : bar->actions())
    if (action->isVisible()) titles.push_back(action->text().toStdString());
  return titles;
}

struct MenuItem {
  std::string label;
  bool checked;
  bool operator==(const MenuItem&) const = default;
};

// The items of a panel's "Fenster" menu, as shown.
inline std::vector<MenuItem> WindowMenuItems(int panel) {
  std::vector<MenuItem> items;
  QWidget* window = qtui::PanelWidget(panel);
  auto* bar = window == nullptr ? nullptr : window->findChild<QMenuBar*>();
  if (bar == nullptr) return items;
  for (QAction* action : bar->actions()) {
    if (action->text() != QStringLiteral("Fenster") || action->menu() == nullptr) continue;
    for (QAction* item : action->menu()->actions())
      items.push_back({item->text().toStdString(), item->isChecked()});
  }
  return items;
}

}  // namespace kit
