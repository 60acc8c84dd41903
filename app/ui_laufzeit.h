#pragma once
// Brings up the Qt user-interface runtime for the program: the application
// object (unless one exists already, as in tests), the real popup dialogs and
// the program's user-interface definition.

#include <memory>

class QApplication;

class UiLaufzeit {
 public:
  UiLaufzeit();
  ~UiLaufzeit();
  UiLaufzeit(const UiLaufzeit&) = delete;
  UiLaufzeit& operator=(const UiLaufzeit&) = delete;

  // false when no application object could be set up.
  bool Starten(int& argc, char** argv);

 private:
  std::unique_ptr<QApplication> application_;
};
