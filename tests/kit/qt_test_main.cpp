// The main() of the offscreen UI tests: the offscreen platform unless the
// caller chose another (also when the build lists the tests), one
// QApplication for all tests, and a scripted popup responder underneath every
// test so that a popup nobody scripted never waits for a person.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "tests/kit/scripted_responder.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  ui::SetPopupResponder(std::make_shared<kit::ScriptedResponder>());
  return RUN_ALL_TESTS();
}
