// Port map on Windows: COMn is the system's own name, and the list is the
// registry's HARDWARE\DEVICEMAP\SERIALCOMM key.

#include <windows.h>

#include <cstdlib>
#include <cwchar>

#include "device/port_map.h"
#include "device/serial_port.h"

namespace rs232 {
namespace fs = std::filesystem;

namespace {

const wchar_t* NonEmptyEnv(const wchar_t* name) {
  const wchar_t* value = ::_wgetenv(name);
  return value != nullptr && *value != L'\0' ? value : nullptr;
}

std::string Utf8(const wchar_t* text, int length) {
  if (length <= 0) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  return out;
}

// One value of the open key by index; false when it cannot be read.
bool ReadValue(HKEY key, DWORD index, SerialCommValue& value) {
  wchar_t name[256];
  DWORD nameLength = static_cast<DWORD>(sizeof name / sizeof name[0]);
  wchar_t data[256 + 1] = {};  // 512 bytes of data, and room for a closing NUL
  DWORD dataBytes = 512;
  DWORD type = 0;
  const LONG result = ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data), &dataBytes);
  if (result != ERROR_SUCCESS) return false;
  value.type = type;
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    // The stored string need not end in NUL; stop at the first one if it does.
    const std::size_t chars = dataBytes / sizeof(wchar_t);
    value.data = Utf8(data, static_cast<int>(wcsnlen(data, chars)));
  } else {
    value.data.assign(reinterpret_cast<const char*>(data), dataBytes);
  }
  return true;
}

}  // namespace

fs::path PortsFolder() {
  if (const wchar_t* folder = NonEmptyEnv(L"VELT1_PORTS")) return fs::path(folder);
  if (const wchar_t* appData = NonEmptyEnv(L"APPDATA")) return fs::path(appData) / L"velt1" / L"ports";
  return {};
}

std::string DevicePathForPort(int port) {
  if (!ValidPortNumber(port)) return {};
  return "\\\\.\\" + PortName(port);
}

std::string DeviceBehindPort(int port) { return NetworkAddressForPort(port); }

std::vector<SerialCommValue> SerialCommValues() {
  std::vector<SerialCommValue> values;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) ==
      ERROR_SUCCESS) {
    DWORD count = 0;
    if (::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                           nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      count = 0;
    }
    for (DWORD i = 0; i < count; ++i) {
      SerialCommValue value;
      if (ReadValue(key, i, value)) values.push_back(std::move(value));
    }
    ::RegCloseKey(key);
  }
  AppendNetworkPorts(values);
  AppendAttachedChannels(values);
  return values;
}

}  // namespace rs232
