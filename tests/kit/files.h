#pragma once
// Scratch folders and exact file bytes.

#include <filesystem>
#include <string>

namespace kit {

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // As a string, for the programs' command lines and environment.
  const std::string& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return std::filesystem::path(path_) / name; }

 private:
  std::string path_;
};

void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& file);

// Names of the folder's entries that look like the INI store's temporary files.
std::string TempFilesIn(const std::filesystem::path& directory);

// Permission bits do not stop the superuser from writing.
bool RunningAsSuperuser();
inline constexpr const char* kRunAsOrdinaryUser = "run the suite as an ordinary user; scripts/test.sh does";

}  // namespace kit
