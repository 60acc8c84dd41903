// The COMn link folder and the port list built from it.

#include "device/port_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "device/open_failure.h"
#include "device/serial_channel.h"
#include "device/serial_port.h"
#include "device/tty_sysfs_posix.h"

namespace rs232 {
namespace {
namespace fs = std::filesystem;

// A temporary ports folder named by VELT1_PORTS for the test's lifetime.
class PortsFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("velt1-portmap-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "ports");
    std::ofstream(root / "device7").put('x');
    std::ofstream(root / "device9").put('x');
    fs::create_symlink(root / "device7", root / "ports" / "COM7");
    fs::create_symlink(root / "device9", root / "ports" / "COM9");
    fs::create_symlink(root / "missing", root / "ports" / "COM34");
    fs::create_symlink(root / "device7", root / "ports" / "COM300");
    fs::create_symlink(root / "device7", root / "ports" / "COM07");
    fs::create_symlink(root / "device9", root / "ports" / "COM08");
    fs::create_symlink(root / "device7", root / "ports" / "notaport");
    const char* old = std::getenv("VELT1_PORTS");
    saved = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("VELT1_PORTS", (root / "ports").c_str(), 1);
    ::setenv("VELT1_SYSFS", root.c_str(), 1);  // a sysfs that knows no serial port
  }
  void TearDown() override {
    if (saved) ::setenv("VELT1_PORTS", saved->c_str(), 1);
    else ::unsetenv("VELT1_PORTS");
    ::unsetenv("VELT1_SYSFS");
    fs::remove_all(root);
  }
  static std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (const SerialCommValue& v : SerialCommValues()) {
      EXPECT_EQ(v.type, kRegSz);
      names.push_back(v.data);
    }
    return names;
  }
  static bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::count(names.begin(), names.end(), name) == 1;
  }
  fs::path root;
  std::optional<std::string> saved;
};

TEST_F(PortsFolderTest, PortNumberToDevicePath) {
  struct Case {
    int port;
    std::string path;
  };
  const Case cases[] = {
      {7, (root / "ports" / "COM7").string()},
      {34, (root / "ports" / "COM34").string()},  // a broken link still wins
      {1, "/dev/ttyS0"},
      {32, "/dev/ttyS31"},
      {33, "/dev/ttyUSB0"},
      {64, "/dev/ttyUSB31"},
      {65, "/dev/ttyACM0"},
      {96, "/dev/ttyACM31"},
      {97, ""},
      {256, ""},
      {0, ""},
      {257, ""},
  };
  EXPECT_EQ(PortsFolder(), root / "ports");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port);
    EXPECT_EQ(DevicePathForPort(c.port), c.path);
  }
}

TEST_F(PortsFolderTest, ListHoldsLinksThatResolveAndAttachedChannels) {
  ASSERT_NE(AttachChannel(200, nullptr), nullptr);
  ASSERT_NE(AttachChannel(7, nullptr), nullptr);  // a link names COM7 too: listed once
  const std::vector<std::string> names = Listed();
  DetachChannel(200);
  DetachChannel(7);
  EXPECT_TRUE(Has(names, "COM7"));
  EXPECT_TRUE(Has(names, "COM9"));
  EXPECT_TRUE(Has(names, "COM200"));
  EXPECT_FALSE(Has(names, "COM34"));  // dangling
  EXPECT_FALSE(Has(names, "COM300"));
  EXPECT_FALSE(Has(names, "COM07"));
  EXPECT_EQ(std::count(names.begin(), names.end(), "COM8"), 0);  // COM08 is no name of COM 8
  EXPECT_EQ(names.size(), 3u);  // and no default device
  EXPECT_FALSE(Has(Listed(), "COM200"));
}

TEST_F(PortsFolderTest, CountThenValueByIndexReadsTheSameList) {
  fs::create_symlink(root / "device9", root / "ports" / "COM250");
  const std::vector<SerialCommValue> all = SerialCommValues();
  const int count = SerialCommValueCount();
  ASSERT_EQ(count, static_cast<int>(all.size()));
  for (int i = 0; i < count; ++i) {
    SerialCommValue v;
    ASSERT_TRUE(SerialCommValueAt(i, v));
    EXPECT_EQ(v.type, all[static_cast<std::size_t>(i)].type);
    EXPECT_EQ(v.data, all[static_cast<std::size_t>(i)].data);
  }
  SerialCommValue v;
  EXPECT_FALSE(SerialCommValueAt(count, v));
  EXPECT_FALSE(SerialCommValueAt(-1, v));
}

TEST_F(PortsFolderTest, OpeningWhatIsNotASerialDevice) {
  struct Case {
    int port;
    int expected;
    std::string text;  // what the operator is told, with the device behind the link
  };
  // Files that name network ports: refused at the address, and no address.
  std::ofstream(root / "ports" / "COM41") << "  rfc2217://127.0.0.1:1\n";
  std::ofstream(root / "ports" / "COM42") << "tcp://bench7\n";
  const Case cases[] = {
      {41, kNotFound, "COM 41 (rfc2217://127.0.0.1:1): kein Gerät vorhanden."},
      {42, kNotFound, "COM 42 (tcp://bench7): kein Gerät vorhanden."},
      {7, kNotFound,  // a plain file behind the link
       "COM 7 (" + fs::canonical(root / "device7").string() + "): kein Gerät vorhanden."},
      {34, kNotFound, "COM 34 (" + (root / "missing").string() + "): kein Gerät vorhanden."},
      {97, kNotFound, "COM 97 ist keinem Gerät zugeordnet."},  // no device for the number
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port);
    EXPECT_EQ(OpenComConfig(c.port, LineSettings{}), c.expected);
    EXPECT_EQ(LastOpenError(c.port), c.expected);
    EXPECT_EQ(OpenFailureText(c.port), c.text);
    EXPECT_EQ(CloseCom(c.port), kNotOpen);
  }
  // A successful open leaves nothing to explain; a channel names no device.
  AttachChannel(7, nullptr);
  EXPECT_EQ(OpenComConfig(7, LineSettings{}), kOk);
  EXPECT_EQ(OpenFailureText(7), "");
  EXPECT_EQ(DeviceBehindPort(7), "");
  CloseCom(7);
  DetachChannel(7);
}

// Default devices are listed from sysfs and the device folder, never opened. A row: the terminal,
// its node's mode (-1: none), sysfs names a device behind it, the serial core's type (null: none).
TEST(DefaultDevices, ListedFromSysfsWithoutOpening) {
  const struct { const char* name; int nodeMode; bool device; const char* type; bool listed; } cases[] = {
      {"ttyS0", 0660, true, "4", true},       {"ttyS1", 0660, true, "0", false},  // a slot without a UART
      {"ttyS2", 0660, false, "4", false},     {"ttyS3", 0000, true, "4", true},   // not ours to open
      {"ttyUSB0", 0660, true, nullptr, true}, {"ttyUSB1", -1, true, nullptr, false},
  };
  const fs::path root = fs::temp_directory_path() / ("velt1-sysfs-" + std::to_string(::getpid()));
  fs::create_directories(root / "dev");
  for (const auto& c : cases) {
    const fs::path tty = root / "sys" / "class" / "tty" / c.name;
    fs::create_directories(c.device ? tty / "device" : tty);
    if (c.type != nullptr) std::ofstream(tty / "type") << c.type;
    if (c.nodeMode >= 0) std::ofstream(root / "dev" / c.name).put('x');
    if (c.nodeMode >= 0) fs::permissions(root / "dev" / c.name, static_cast<fs::perms>(c.nodeMode));
    EXPECT_EQ(SerialTtyPresent(root / "sys", root / "dev", c.name), c.listed) << c.name;
  }
  fs::remove_all(root);
}

TEST(PortsFolderDefault, ConfigurationFolderOfTheUser) {
  const char* oldPorts = std::getenv("VELT1_PORTS");
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedPorts = oldPorts ? oldPorts : "";
  const std::string savedXdg = oldXdg ? oldXdg : "";
  ::unsetenv("VELT1_PORTS");
  ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-h", 1);
  EXPECT_EQ(PortsFolder(), fs::path("/tmp/xdg-h/velt1/ports"));
  ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') {
    EXPECT_EQ(PortsFolder(), fs::path(home) / ".config" / "velt1" / "ports");
  }
  if (oldPorts) ::setenv("VELT1_PORTS", savedPorts.c_str(), 1);
  if (oldXdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  else ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace rs232
