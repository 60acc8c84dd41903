#include "device/tty_sysfs_posix.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <system_error>

#if defined(__linux__)
#include <sys/sysmacros.h>
#endif

namespace rs232 {
namespace fs = std::filesystem;

fs::path SysfsRoot() {
  const char* root = std::getenv("VELT1_SYSFS");
  return root != nullptr && *root != '\0' ? fs::path(root) : fs::path("/sys");
}

bool SerialTtyPresent(const fs::path& sysfs, const fs::path& devFolder, const std::string& name) {
  std::error_code ec;
  const fs::path entry = sysfs / "class" / "tty" / name;
  if (!fs::exists(devFolder / name, ec) || !fs::exists(entry / "device", ec)) return false;
  // The serial core makes a terminal for every slot it may serve; the type
  // of a slot without a UART is 0 (PORT_UNKNOWN). Other drivers have no type.
  if (!fs::exists(entry / "type", ec)) return true;
  std::ifstream typeFile(entry / "type");
  int type = 0;
  return (typeFile >> type) && type != 0;
}

fs::path CharDeviceEntry([[maybe_unused]] const fs::path& sysfs, [[maybe_unused]] int fd) {
#if defined(__linux__)
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) return {};
  const fs::path entry =
      sysfs / "dev" / "char" / (std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev)));
  std::error_code ec;
  return fs::exists(entry, ec) ? entry : fs::path();
#else
  return {};
#endif
}

}  // namespace rs232
