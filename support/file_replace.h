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

// Opens an empty file for binary writing that this process alone holds until
// the stream is closed. A file of that name that nobody holds (one left by a
// writer that died) is taken over and emptied; one that another writer holds,
// or that is no regular file, gives NameTaken. *file is set only when the
// result is Created.
CreateResult OpenHeldFile(const std::filesystem::path& path, std::FILE** file);

// Deletes the file when it is a regular file that nobody holds, as
// OpenHeldFile would take it over; anything else stays.
void RemoveUnheldFile(const std::filesystem::path& path);

// Whether a new file could be created in the directory, checked without
// creating one.
bool DirectoryTakesNewFiles(const std::filesystem::path& directory);

// A write beyond the process's file-size limit then fails with an error
// instead of ending the process (SIGXFSZ) in the middle of a file.
void KeepRunningAtFileSizeLimit();

// Gives the open file the owner, group and permission bits of `from`, as far
// as the process may: only the superuser gives a file away, and only to a
// group one belongs to; what is not permitted stays as it is. A missing
// `from` leaves the file as created. False when the system refuses otherwise.
bool CopyOwnerAndPermissions(std::FILE* file, const std::filesystem::path& from);

// Pushes the stream's buffer and the system's cache to the disk.
// 0 on success, -1 on failure.
int FlushToDisk(std::FILE* file);

// Told of every file that FlushToDisk has pushed to the disk, so that tests
// can see that no save skips it (nullptr: nobody is told).
using FlushObserver = void (*)(std::FILE* file);
void SetFlushObserver(FlushObserver observer);

// Renames temp over target in one step, replacing an existing target, and
// makes the rename itself durable; temp may still be open from OpenHeldFile.
// 0 on success, -1 on failure (temp and target are then unchanged).
int ReplaceFileAtomically(const std::filesystem::path& temp, const std::filesystem::path& target);

}  // namespace file_replace
