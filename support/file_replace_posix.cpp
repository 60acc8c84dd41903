#include "support/file_replace.h"

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file_replace {

void NotifyFlushed(std::FILE* file);  // file_replace.cpp
namespace {

// The rename is only durable once the directory entry is on disk as well.
void SyncDirectory(const std::filesystem::path& file) {
  std::filesystem::path directory = file.parent_path();
  if (directory.empty()) directory = ".";
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems refuse fsync on a directory; the rename stands anyway.
  ::fsync(fd);
  ::close(fd);
}

// The open file is still the one the path names: nobody renamed or deleted it
// between our open and our lock.
bool PathStillNames(int fd, const std::filesystem::path& path) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool IsRegularFile(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// An advisory lock marks a file as held; the system drops it when the holder
// closes the file or dies. Some network file systems keep no locks at all.
enum class Lock { Held, HeldByOther, NotKept };

Lock Hold(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return Lock::Held;
  return errno == EWOULDBLOCK ? Lock::HeldByOther : Lock::NotKept;
}

// A new file: ours, unless another writer took it over before our lock.
// Without locks a new name is still safe to use.
bool HoldNewFile(int fd) { return Hold(fd) != Lock::HeldByOther; }

// A file left under the name: ours only when a lock proves nobody holds it.
bool HoldLeftOverFile(int fd) { return IsRegularFile(fd) && Hold(fd) == Lock::Held; }

}  // namespace

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

CreateResult CreateNewFile(const std::filesystem::path& path, std::FILE** file) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno == EEXIST ? CreateResult::NameTaken : CreateResult::Failed;
  std::FILE* stream = ::fdopen(fd, "wb");
  if (stream == nullptr) {
    ::close(fd);
    ::unlink(path.c_str());
    return CreateResult::Failed;
  }
  *file = stream;
  return CreateResult::Created;
}

CreateResult OpenHeldFile(const std::filesystem::path& path, std::FILE** file) {
  // Another writer may take a file over and rename it away between our open
  // and our lock; then the name is tried afresh.
  for (int attempt = 0; attempt < 3; ++attempt) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    bool ours = fd >= 0 && HoldNewFile(fd);
    if (fd < 0) {
      if (errno != EEXIST) return CreateResult::Failed;
      // Taken by a folder, a link, a file we may not write or one held by another writer.
      fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0 && errno == ENOENT) continue;
      if (fd < 0) return CreateResult::NameTaken;
      ours = HoldLeftOverFile(fd);
    }
    if (!ours) {
      ::close(fd);
      return CreateResult::NameTaken;
    }
    if (!PathStillNames(fd, path)) {
      ::close(fd);
      continue;
    }
    std::FILE* stream = ::ftruncate(fd, 0) == 0 ? ::fdopen(fd, "wb") : nullptr;
    if (stream == nullptr) {
      ::unlink(path.c_str());
      ::close(fd);
      return CreateResult::Failed;
    }
    *file = stream;
    return CreateResult::Created;
  }
  return CreateResult::NameTaken;
}

void RemoveUnheldFile(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  if (HoldLeftOverFile(fd) && PathStillNames(fd, path)) ::unlink(path.c_str());
  ::close(fd);
}

bool DirectoryTakesNewFiles(const std::filesystem::path& directory) {
  const std::filesystem::path folder = directory.empty() ? "." : directory;
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool CopyOwnerAndPermissions(std::FILE* file, const std::filesystem::path& from) {
  struct stat info {};
  if (::stat(from.c_str(), &info) != 0) return errno == ENOENT;
  const int fd = ::fileno(file);
  if (::fchown(fd, info.st_uid, info.st_gid) != 0) {
    if (errno != EPERM) return false;
    // Not the superuser: keep at least the group, where we are one of its members.
    if (::fchown(fd, static_cast<uid_t>(-1), info.st_gid) != 0 && errno != EPERM) return false;
  }
  // After the owner: a change of owner clears the set-user and set-group bits.
  return ::fchmod(fd, info.st_mode & 07777) == 0;
}

void KeepRunningAtFileSizeLimit() { std::signal(SIGXFSZ, SIG_IGN); }

int FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return -1;
  if (::fsync(::fileno(file)) != 0) return -1;
  NotifyFlushed(file);
  return 0;
}

int ReplaceFileAtomically(const std::filesystem::path& temp, const std::filesystem::path& target) {
  if (std::rename(temp.c_str(), target.c_str()) != 0) return -1;
  SyncDirectory(target);
  return 0;
}

}  // namespace file_replace
