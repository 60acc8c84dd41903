#include "tests/kit/panels_fixture.h"

#include "app/funktionen.h"
#include "connection/com_main.h"
#include "connection/qor_com.h"
#include "connection/status_main.h"
#include "programs/par_main.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace kit {

void WatchedSim::received(const std::uint8_t* data, std::size_t count, rs232::Channel& channel) {
  if (onFrame && count > 0 && data[count - 1] == '\r') onFrame();
  sim_.received(data, count, channel);
}

void PanelsTest::SetUp() {
  Func_IniDateiSpracheLaden();
  ASSERT_EQ(Func_PanelsInitialisieren("V 1.0.2", "9/2011"), 0);
}

void PanelsTest::TearDown() { Func_PanelsFreigeben(); }

int PanelsTest::IntValue(int panel, int control) {
  int value = -12345;
  GetCtrlVal(panel, control, &value);
  return value;
}

std::string PanelsTest::Text(int panel, int control) {
  std::string text = "?";
  GetCtrlVal(panel, control, &text);
  return text;
}

std::vector<ErrorDisplay> PanelsTest::ErrorDisplays() {
  const int sets[][4] = {
      {gMainPanel, MAINPANEL_FEHLERLED, MAINPANEL_FEHLERSTRING, MAINPANEL_FEHLERNUMMER},
      {gComPanel, COMPANEL_FEHLERLED, COMPANEL_FEHLERSTRING, COMPANEL_FEHLERNUMMER},
      {gStatusPanel, STATUSPNL_FEHLERLED, STATUSPNL_FEHLERSTRING, STATUSPNL_FEHLERNUMMER}};
  std::vector<ErrorDisplay> displays;
  for (const auto& s : sets)
    displays.push_back({IntValue(s[0], s[1]), Text(s[0], s[2]), IntValue(s[0], s[3])});
  return displays;
}

std::vector<int> PanelsTest::Pictures() {
  return {IntValue(gMainPanel, MAINPANEL_COMPICTURERING),
          IntValue(gComPanel, COMPANEL_COMPICTURERING),
          IntValue(gStatusPanel, STATUSPNL_COMPICTURERING)};
}

std::vector<std::string> PanelsTest::PortRingItems() {
  int count = 0;
  GetNumListItems(gComPanel, COMPANEL_COMPORT, &count);
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) {
    std::string label;
    int value = 0;
    GetLabelFromIndex(gComPanel, COMPANEL_COMPORT, i, &label);
    GetValueFromIndex(gComPanel, COMPANEL_COMPORT, i, &value);
    items.push_back(label + "=" + std::to_string(value));
  }
  return items;
}

}  // namespace kit
