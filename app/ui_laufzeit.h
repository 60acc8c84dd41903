#pragma once
// Brings up the Qt user-interface runtime for the program: the application
// object, the real popup dialogs and the program's user-interface definition.
// When an application object exists already (a test runs the program
// in-process), its host has done all of that.

#include <memory>

class QApplication;

class UiLaufzeit {
 public:
  UiLaufzeit();
  ~UiLaufzeit();

  // false when no application object could be set up.
  bool Starten(int& argc, char** argv);

 private:
  std::unique_ptr<QApplication> application_;
};
