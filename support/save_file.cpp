#include "support/save_file.h"

#include <system_error>

#include "support/file_replace.h"
#include "support/held_temp_file.h"

namespace file_replace {
namespace fs = std::filesystem;

namespace {

// Linux gives up after as many links in one name.
constexpr int kMaxLinks = 40;

// Follows symbolic links until the name is no link (it may not exist: a
// dangling link leads to the file it would create). A relative link counts
// from the folder it lies in. False for a loop or an unreadable link.
bool FollowLinks(fs::path& path) {
  for (int hop = 0; hop <= kMaxLinks; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return true;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return false;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return false;
}

// A rename would replace even a file the user may not write, so the target
// is probed as opening it for writing would. A missing target is not created
// for the check: a crash before the rename would leave it empty. Saved when
// nothing stands in the way.
SaveResult CheckTarget(const fs::path& target) {
  std::error_code error;
  switch (fs::status(target, error).type()) {
    case fs::file_type::not_found:
      return DirectoryTakesNewFiles(target.parent_path()) ? SaveResult::Saved : SaveResult::AccessDenied;
    case fs::file_type::regular: {
      std::FILE* probe = OpenFile(target, "r+b");
      if (probe == nullptr) return SaveResult::AccessDenied;
      std::fclose(probe);
      return SaveResult::Saved;
    }
    case fs::file_type::none:
      return SaveResult::NoFileInfo;
    default:
      return SaveResult::NotAFile;
  }
}

}  // namespace

SaveResult SaveFile(const fs::path& path, const void* bytes, std::size_t size, const std::string& tempPrefix,
                    BeforeReplaceHook beforeReplace) {
  fs::path target = path;
  if (!FollowLinks(target)) return SaveResult::NoFileInfo;
  if (const SaveResult check = CheckTarget(target); check != SaveResult::Saved) return check;

  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  HeldTempFile temp(tempPrefix);
  switch (temp.Create(folder)) {
    case HeldTempFile::Result::Created:
      break;
    case HeldTempFile::Result::NoFreeName:
      return SaveResult::NoFreeTempName;
    case HeldTempFile::Result::Failed:
      return SaveResult::TempNotCreated;
  }
  // Owner and bits first, so that they are on the disk with the bytes.
  if (!temp.TakeOwnerAndPermissionsOf(target) || !temp.Write(bytes, size)) return SaveResult::WriteFailed;
  if (beforeReplace != nullptr && beforeReplace(temp.path(), target) != 0) return SaveResult::WriteFailed;
  if (ReplaceFileAtomically(temp.path(), target) != 0) return SaveResult::WriteFailed;
  temp.Released(folder);
  return SaveResult::Saved;
}

}  // namespace file_replace
