// Writing the store to a file. The old file is replaced in one rename, so a
// crash or a full disk leaves either the old or the complete new file.

#include <cstdio>
#include <new>
#include <string>

#include "support/file_replace.h"
#include "support/ini_model.h"
#include "support/ini_write_hook.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWriteBufferSize = 16384;
// Longer values go over several lines, so that every line stays readable
// within the reader's 255 characters.
constexpr std::size_t kMaxValuePerLine = 80;
constexpr int kLastTempCounter = 999;

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

// The target must be writable before anything is created beside it.
int CheckWriteAccess(const fs::path& target) {
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  switch (status.type()) {
    case fs::file_type::not_found: {
      std::FILE* probe = nullptr;
      if (file_replace::CreateNewFile(target, &probe) != file_replace::CreateResult::Created) {
        return INI_ERR_ACCESS_DENIED;
      }
      std::fclose(probe);
      fs::remove(target, error);
      return 0;
    }
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

// The temporary file beside the target: closed and deleted unless released.
class TempFile {
 public:
  ~TempFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (!path_.empty()) {
      std::error_code ignored;
      fs::remove(path_, ignored);
    }
  }

  // Creates the first free "ini$$N.TMP" in the directory.
  int Create(const fs::path& directory) {
    for (int counter = 0; counter <= kLastTempCounter; ++counter) {
      fs::path candidate = directory / ("ini$$" + std::to_string(counter) + ".TMP");
      switch (file_replace::CreateNewFile(candidate, &file_)) {
        case file_replace::CreateResult::Created:
          path_ = std::move(candidate);
          return 0;
        case file_replace::CreateResult::NameTaken:
          continue;
        case file_replace::CreateResult::Failed:
          return INI_ERR_TEMP_CREATE;
      }
    }
    return INI_ERR_NO_TEMP_NAME;
  }

  // Writes the bytes, pushes them to the disk and closes the file.
  bool WriteAndClose(const std::string& bytes) {
    std::setvbuf(file_, nullptr, _IOFBF, kWriteBufferSize);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size() &&
                         file_replace::FlushToDisk(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return written && closed;
  }

  const fs::path& path() const { return path_; }

  // The file now stands under the target's name.
  void Release() { path_.clear(); }

 private:
  fs::path path_;
  std::FILE* file_ = nullptr;
};

}  // namespace

void Ini_SetBeforeReplaceHook(IniBeforeReplaceHook hook) { beforeReplaceHook = hook; }

int Ini_WriteToFile(IniStore store, const std::filesystem::path& path) {
  if (store == nullptr) return INI_ERR_NO_STORE;
  try {
    if (const int access = CheckWriteAccess(path); access != 0) return access;
    const std::string bytes = FormatStore(*store);

    TempFile temp;
    if (const int created = temp.Create(path.parent_path()); created != 0) return created;
    if (!temp.WriteAndClose(bytes)) return INI_ERR_FILE_IO;
    if (beforeReplaceHook != nullptr && beforeReplaceHook(temp.path(), path) != 0) {
      return INI_ERR_FILE_IO;
    }
    if (file_replace::ReplaceFileAtomically(temp.path(), path) != 0) return INI_ERR_FILE_IO;
    temp.Release();
    return 0;
  } catch (const std::bad_alloc&) {
    return INI_ERR_OUT_OF_MEMORY;
  }
}
