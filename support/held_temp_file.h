#pragma once
// The temporary file a save writes beside its target ("ini$$N.TMP",
// "vlt$$N.TMP", "velt1ctl$$N.TMP"). It is held by this process while it is
// open, so that no other save takes it over; a save that was killed leaves at
// most one, which the next save reuses, and a successful save removes the
// ones nobody holds.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

namespace file_replace {

class HeldTempFile {
 public:
  enum class Result { Created, NoFreeName, Failed };

  // prefix "ini$$" gives the names "ini$$0.TMP" to "ini$$999.TMP".
  explicit HeldTempFile(std::string prefix) : prefix_(std::move(prefix)) {}
  HeldTempFile(const HeldTempFile&) = delete;
  HeldTempFile& operator=(const HeldTempFile&) = delete;
  // Deleted and closed unless it has become the target.
  ~HeldTempFile();

  // Takes the first name in the directory that no other save holds.
  Result Create(const std::filesystem::path& directory);
  // Writes the bytes and pushes them to the disk; the file stays held.
  bool Write(const void* data, std::size_t size);
  // Gives it the owner, group and permission bits of the file it is to
  // replace, if there is one, as far as the process may.
  bool TakeOwnerAndPermissionsOf(const std::filesystem::path& target);
  const std::filesystem::path& path() const { return path_; }
  // The file now stands under the target's name; any names with the prefix
  // that nobody holds (left by killed saves) are removed.
  void Released(const std::filesystem::path& directory);

 private:
  std::filesystem::path Name(const std::filesystem::path& directory, int counter) const;

  std::string prefix_;
  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
};

}  // namespace file_replace
