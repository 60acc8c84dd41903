#include "support/file_replace.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace file_replace {
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

int FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return -1;
  return ::fsync(::fileno(file)) == 0 ? 0 : -1;
}

int ReplaceFileAtomically(const std::filesystem::path& temp, const std::filesystem::path& target) {
  if (std::rename(temp.c_str(), target.c_str()) != 0) return -1;
  SyncDirectory(target);
  return 0;
}

}  // namespace file_replace
