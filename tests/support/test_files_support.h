#pragma once
// Scratch directories and exact file bytes for the INI store tests.

#include <filesystem>
#include <string>

namespace support_test {

// A fresh directory, removed with everything in it when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& file);

// Names of the directory's entries that look like the store's temporary files.
std::string TempFilesIn(const std::filesystem::path& directory);

// Permission bits do not stop the superuser from writing.
bool RunningAsSuperuser();
inline constexpr const char* kRunAsOrdinaryUser = "run the suite as an ordinary user; scripts/test.sh does";

}  // namespace support_test
