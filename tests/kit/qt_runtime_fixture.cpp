#include "tests/kit/qt_runtime_fixture.h"

#include "app/qt/qt_runtime.h"

namespace kit {

void RuntimeTest::SetUp() {
  RegisterCtrlCallback("Test_Ctrl", RecordCtrl);
  RegisterPanelCallback("Test_Panel", RecordPanel);
  RegisterMenuCallback("Test_Menu", RecordMenu);
  qtui::RegisterDefinition(TestDefinition());
  Events().clear();
  panel = LoadPanel(0, kFile, TESTPANEL);
  ASSERT_GT(panel, 0);
  child = LoadPanel(panel, kFile, CHILD);
  ASSERT_GT(child, 0);
}

}  // namespace kit
