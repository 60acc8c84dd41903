// Writing the store to a file, through the program's one save routine: the
// old file is replaced in one rename, so a crash or a full disk leaves either
// the old or the complete new file.

#include <cstdio>
#include <new>
#include <string>

#include "support/ini_model.h"
#include "support/ini_write_hook.h"
#include "support/save_file.h"

namespace {

// Longer values go over several lines, so that every line stays readable
// within the reader's 255 characters.
constexpr std::size_t kMaxValuePerLine = 80;

IniBeforeReplaceHook beforeReplaceHook = nullptr;

// A value that would change when read back unquoted: its blanks at either end
// would be trimmed, or its own surrounding quotes stripped.
bool NeedsQuotes(std::string_view value) {
  if (value.empty()) return false;
  if (ini::IsBlank(value.front()) || ini::IsBlank(value.back())) return true;
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

void AppendLine(std::string& out, std::string_view tag, std::string_view value, bool quoted) {
  out += tag;
  out += " = ";
  if (quoted || NeedsQuotes(value)) {
    out += '"';
    out += value;
    out += '"';
  } else {
    out += value;
  }
  out += "\r\n";
}

std::string FormatStore(const IniStoreData& store) {
  std::string out;
  for (const IniSection& section : store.sections) {
    out += '[';
    out += section.name;
    out += "]\r\n";
    for (const IniItem& item : section.items) {
      const std::string_view value = item.value;
      if (value.size() <= kMaxValuePerLine) {
        AppendLine(out, item.tag, value, item.quoted);
        continue;
      }
      int counter = 1;
      for (std::size_t offset = 0; offset < value.size(); offset += kMaxValuePerLine, ++counter) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, " Line%04d", counter);
        AppendLine(out, item.tag + suffix, value.substr(offset, kMaxValuePerLine), item.quoted);
      }
    }
    out += "\r\n";
  }
  return out;
}

// The store's own codes for what became of the save.
int IniCode(file_replace::SaveResult result) {
  using file_replace::SaveResult;
  switch (result) {
    case SaveResult::Saved:
      return 0;
    case SaveResult::AccessDenied:
      return INI_ERR_ACCESS_DENIED;
    case SaveResult::NoFileInfo:
      return INI_ERR_FILE_INFO;
    case SaveResult::NoFreeTempName:
      return INI_ERR_NO_TEMP_NAME;
    case SaveResult::TempNotCreated:
      return INI_ERR_TEMP_CREATE;
    case SaveResult::NotAFile:
    case SaveResult::WriteFailed:
      break;
  }
  return INI_ERR_FILE_IO;
}

}  // namespace

void Ini_SetBeforeReplaceHook(IniBeforeReplaceHook hook) { beforeReplaceHook = hook; }

int Ini_WriteToFile(IniStore store, const std::filesystem::path& path) {
  if (store == nullptr) return INI_ERR_NO_STORE;
  try {
    const std::string bytes = FormatStore(*store);
    // The bytes must read back as the store's sections and items, their quoting
    // included. Items read from a file can still hold what the writer cannot
    // carry: a line the reader would cut, or a tag that would join the split
    // value before it.
    if (ini::ParseFileBytes(bytes) != store->sections) return INI_ERR_NO_STORE;
    return IniCode(file_replace::SaveFile(path, bytes.data(), bytes.size(), "ini$$", beforeReplaceHook));
  } catch (const std::bad_alloc&) {
    return INI_ERR_OUT_OF_MEMORY;
  }
}
