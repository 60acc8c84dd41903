#pragma once
// Files that must never be left half written under the user's name: write a
// new file beside the target, flush it to disk, then rename it over the target
// in one step. A crash at any moment leaves either the old or the new file.

#include <cstdio>
#include <filesystem>

namespace file_replace {

// Opens a file with a C mode string ("rb", "r+b", "wb"); paths are handed to
// the system as they are, so names outside the local code page work too.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

enum class CreateResult { Created, NameTaken, Failed };

// Creates a file for binary writing that must not exist yet. *file is set
// only when the result is Created.
CreateResult CreateNewFile(const std::filesystem::path& path, std::FILE** file);

// Pushes the stream's buffer and the system's cache to the disk.
// 0 on success, -1 on failure.
int FlushToDisk(std::FILE* file);

// Renames temp over target in one step, replacing an existing target, and
// makes the rename itself durable. 0 on success, -1 on failure (temp and
// target are then unchanged).
int ReplaceFileAtomically(const std::filesystem::path& temp, const std::filesystem::path& target);

}  // namespace file_replace
