#include "support/held_temp_file.h"

#include <system_error>

#include "support/file_replace.h"

namespace file_replace {
namespace fs = std::filesystem;

namespace {
constexpr int kLastCounter = 999;
}  // namespace

HeldTempFile::~HeldTempFile() {
  // Deleted while still held, so no other save takes it over meanwhile.
  if (!path_.empty()) {
    std::error_code ignored;
    fs::remove(path_, ignored);
  }
  if (file_ != nullptr) std::fclose(file_);
}

fs::path HeldTempFile::Name(const fs::path& directory, int counter) const {
  return directory / (prefix_ + std::to_string(counter) + ".TMP");
}

HeldTempFile::Result HeldTempFile::Create(const fs::path& directory) {
  for (int counter = 0; counter <= kLastCounter; ++counter) {
    fs::path candidate = Name(directory, counter);
    switch (OpenHeldFile(candidate, &file_)) {
      case CreateResult::Created:
        path_ = std::move(candidate);
        return Result::Created;
      case CreateResult::NameTaken:
        continue;
      case CreateResult::Failed:
        return Result::Failed;
    }
  }
  return Result::NoFreeName;
}

bool HeldTempFile::Write(const void* data, std::size_t size) {
  return std::fwrite(data, 1, size, file_) == size && FlushToDisk(file_) == 0;
}

bool HeldTempFile::TakeOwnerAndPermissionsOf(const fs::path& target) {
  return CopyOwnerAndPermissions(file_, target);
}

void HeldTempFile::Released(const fs::path& directory) {
  path_.clear();
  std::error_code error;
  for (int counter = 0; counter <= kLastCounter; ++counter) {
    const fs::path candidate = Name(directory, counter);
    if (fs::exists(fs::symlink_status(candidate, error))) RemoveUnheldFile(candidate);
  }
}

}  // namespace file_replace
