#pragma once
// The one way the program saves a file: the INI file, the parameter file and
// velt1ctl's JSON. A symbolic link (or a chain of them) is followed to the
// file it finally names, so the link stays a link and that file gets the new
// bytes; a hard link is split, its other names keep the old bytes. A target
// the user may not write is refused, not replaced. The new bytes go to a held
// temporary file beside the target, which takes the target's owner, group
// (where the process may give them) and permission bits, is flushed to disk
// and renamed over the target in one step: the old file stays byte for byte
// until the new one is complete.

#include <cstddef>
#include <filesystem>
#include <string>

namespace file_replace {

// What became of a save; each writer turns it into its own codes.
enum class SaveResult {
  Saved,
  AccessDenied,    // the target, or the folder a new target would go into, may not be written
  NotAFile,        // the name leads to a folder, a device or another kind of file
  NoFileInfo,      // where the name leads cannot be told (a loop of links)
  NoFreeTempName,  // every temporary name is held by another save or taken by no file
  TempNotCreated,  // no temporary file can be made beside the target
  WriteFailed,     // writing, flushing, owner and permissions, or the rename failed
};

// Called with the complete temporary file, still held, and the target just
// before the rename; a non-zero result fails the save as a failed rename would.
using BeforeReplaceHook = int (*)(const std::filesystem::path& temp, const std::filesystem::path& target);

// Saves the bytes under `path`; the temporary file is named `tempPrefix`,
// a counter and ".TMP". Anything but Saved leaves every file as it was and
// no temporary file behind.
SaveResult SaveFile(const std::filesystem::path& path, const void* bytes, std::size_t size,
                    const std::string& tempPrefix, BeforeReplaceHook beforeReplace = nullptr);

}  // namespace file_replace
