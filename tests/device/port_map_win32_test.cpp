// The port map on Windows: COMn is the system's own name, the list is the
// registry's SERIALCOMM key plus the in-process channels.

#include <stdlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "device/port_map.h"
#include "device/serial_channel.h"
#include "device/serial_port.h"

namespace rs232 {
namespace {
namespace fs = std::filesystem;

TEST(PortMapWin32, PortNumbersOpenAsTheSystemsComPorts) {
  struct Case {
    int port;
    std::string path;
    int open;  // what opening it gives where the system has no such port
  };
  const Case cases[] = {
      {0, "", kInvalidPort},
      {200, "\\\\.\\COM200", kNotFound},
      {256, "\\\\.\\COM256", kNotFound},
      {257, "", kInvalidPort},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port);
    EXPECT_EQ(DevicePathForPort(c.port), c.path);
    EXPECT_EQ(OpenComConfig(c.port, LineSettings{}), c.open);
    EXPECT_EQ(CloseCom(c.port), c.open == kInvalidPort ? kInvalidPort : kNotOpen);
  }
}

TEST(PortMapWin32, ListIsTheRegistryKeyAndTheAttachedChannels) {
  ASSERT_NE(AttachChannel(200, nullptr), nullptr);
  const std::vector<SerialCommValue> values = SerialCommValues();
  DetachChannel(200);
  for (const SerialCommValue& value : values) {
    EXPECT_EQ(value.type, kRegSz);
    EXPECT_EQ(value.data.rfind("COM", 0), 0u) << value.data;
  }
  EXPECT_EQ(std::count_if(values.begin(), values.end(),
                          [](const SerialCommValue& v) { return v.data == "COM200"; }),
            1);
  EXPECT_EQ(static_cast<int>(values.size()) - 1, SerialCommValueCount());
}

TEST(PortMapWin32, PortsFolderFromTheEnvironment) {
  const std::wstring appData = ::_wgetenv(L"APPDATA") ? ::_wgetenv(L"APPDATA") : L"";
  ASSERT_EQ(::_wputenv_s(L"VELT1_PORTS", L"C:\\ports"), 0);
  EXPECT_EQ(PortsFolder(), fs::path(L"C:\\ports"));
  ASSERT_EQ(::_wputenv_s(L"VELT1_PORTS", L""), 0);  // an empty value removes it
  ASSERT_EQ(::_wputenv_s(L"APPDATA", L"C:\\data"), 0);
  EXPECT_EQ(PortsFolder(), fs::path(L"C:\\data") / L"velt1" / L"ports");
  ASSERT_EQ(::_wputenv_s(L"APPDATA", L""), 0);
  EXPECT_EQ(PortsFolder(), fs::path());
  ::_wputenv_s(L"APPDATA", appData.c_str());
}

}  // namespace
}  // namespace rs232
