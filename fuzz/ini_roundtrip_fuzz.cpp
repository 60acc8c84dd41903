// The INI reader on any bytes, and the writer on what it accepted: every
// section, tag, value and quoting that was read must come back unchanged when
// the store is written and read again, or the write must fail with a code.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/ini_model.h"
#include "support/ini_store.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path folder = [] {
    // A memory file system where there is one: the writer flushes every save to disk.
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path path = base / ("velt1-ini-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(path);
    return path;
  }();
  return folder;
}

bool SameStore(const IniStoreData& a, const IniStoreData& b) {
  if (a.sections.size() != b.sections.size()) return false;
  for (std::size_t s = 0; s < a.sections.size(); ++s) {
    const IniSection& x = a.sections[s];
    const IniSection& y = b.sections[s];
    if (x.name != y.name || x.items.size() != y.items.size()) return false;
    for (std::size_t i = 0; i < x.items.size(); ++i) {
      if (x.items[i].tag != y.items[i].tag || x.items[i].value != y.items[i].value ||
          x.items[i].quoted != y.items[i].quoted)
        return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path input = Folder() / "input.ini";
  const fs::path output = Folder() / "output.ini";
  std::ofstream(input, std::ios::binary).write(reinterpret_cast<const char*>(data),
                                               static_cast<std::streamsize>(size));
  IniStore first = Ini_New(1);
  if (Ini_ReadFromFile(first, input) == 0 && Ini_WriteToFile(first, output) == 0) {
    IniStore second = Ini_New(1);
    if (Ini_ReadFromFile(second, output) != 0 || !SameStore(*first, *second)) std::abort();
    Ini_Dispose(second);
  }
  Ini_Dispose(first);
  return 0;
}
