// Writing the store to a file. The old file is replaced in one rename, so a
// crash or a full disk leaves either the old or the complete new file.

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "support/file_replace.h"
#include "support/held_temp_file.h"
#include "support/ini_model.h"
#include "support/ini_write_hook.h"

namespace {

namespace fs = std::filesystem;

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

// Whether the bytes read back as the store's sections and items, unchanged,
// their quoting included.
// Items read from a file can still hold what the writer cannot carry: a line
// the reader would cut, or a tag that would join the split value before it.
bool ReadsBackUnchanged(const IniStoreData& store, const std::string& bytes) {
  const std::vector<IniSection> read = ini::ParseFileBytes(bytes);
  if (read.size() != store.sections.size()) return false;
  for (std::size_t s = 0; s < read.size(); ++s) {
    const IniSection& section = store.sections[s];
    if (read[s].name != section.name || read[s].items.size() != section.items.size()) return false;
    for (std::size_t i = 0; i < section.items.size(); ++i) {
      if (read[s].items[i].tag != section.items[i].tag ||
          read[s].items[i].value != section.items[i].value ||
          read[s].items[i].quoted != section.items[i].quoted) {
        return false;
      }
    }
  }
  return true;
}

// The target must be writable before anything is created beside it. A
// missing target is not created for the check: a crash before the rename
// would leave it empty under the user's name.
int CheckWriteAccess(const fs::path& target) {
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  switch (status.type()) {
    case fs::file_type::not_found:
      return file_replace::DirectoryTakesNewFiles(target.parent_path()) ? 0 : INI_ERR_ACCESS_DENIED;
    case fs::file_type::regular: {
      std::FILE* probe = file_replace::OpenFile(target, "r+b");
      if (probe == nullptr) return INI_ERR_ACCESS_DENIED;
      std::fclose(probe);
      return 0;
    }
    case fs::file_type::none:
      return INI_ERR_FILE_INFO;
    default:
      return INI_ERR_FILE_IO;  // a directory or some other kind of file
  }
}

}  // namespace

void Ini_SetBeforeReplaceHook(IniBeforeReplaceHook hook) { beforeReplaceHook = hook; }

int Ini_WriteToFile(IniStore store, const std::filesystem::path& path) {
  if (store == nullptr) return INI_ERR_NO_STORE;
  try {
    const std::string bytes = FormatStore(*store);
    if (!ReadsBackUnchanged(*store, bytes)) return INI_ERR_NO_STORE;
    if (const int access = CheckWriteAccess(path); access != 0) return access;

    file_replace::HeldTempFile temp("ini$$");
    switch (temp.Create(path.parent_path())) {
      case file_replace::HeldTempFile::Result::Created:
        break;
      case file_replace::HeldTempFile::Result::NoFreeName:
        return INI_ERR_NO_TEMP_NAME;
      case file_replace::HeldTempFile::Result::Failed:
        return INI_ERR_TEMP_CREATE;
    }
    // The new file keeps the permission bits of the one it replaces.
    if (!temp.Write(bytes.data(), bytes.size()) || !temp.TakePermissionsOf(path)) {
      return INI_ERR_FILE_IO;
    }
    if (beforeReplaceHook != nullptr && beforeReplaceHook(temp.path(), path) != 0) {
      return INI_ERR_FILE_IO;
    }
    if (file_replace::ReplaceFileAtomically(temp.path(), path) != 0) return INI_ERR_FILE_IO;
    temp.Released(path.parent_path());
    return 0;
  } catch (const std::bad_alloc&) {
    return INI_ERR_OUT_OF_MEMORY;
  }
}
