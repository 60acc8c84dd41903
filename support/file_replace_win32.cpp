#include "support/file_replace.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>

namespace file_replace {
namespace {

std::wstring WideMode(const char* mode) {
  std::wstring wide;
  for (const char* c = mode; *c != '\0'; ++c) wide.push_back(static_cast<wchar_t>(*c));
  return wide;
}

}  // namespace

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  return ::_wfopen(path.c_str(), WideMode(mode).c_str());
}

CreateResult CreateNewFile(const std::filesystem::path& path, std::FILE** file) {
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    return (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) ? CreateResult::NameTaken
                                                                         : CreateResult::Failed;
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    ::CloseHandle(handle);
    ::DeleteFileW(path.c_str());
    return CreateResult::Failed;
  }
  std::FILE* stream = ::_fdopen(fd, "wb");
  if (stream == nullptr) {
    ::_close(fd);
    ::DeleteFileW(path.c_str());
    return CreateResult::Failed;
  }
  *file = stream;
  return CreateResult::Created;
}

int FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return -1;
  const intptr_t handle = ::_get_osfhandle(::_fileno(file));
  if (handle == -1) return -1;
  return ::FlushFileBuffers(reinterpret_cast<HANDLE>(handle)) ? 0 : -1;
}

int ReplaceFileAtomically(const std::filesystem::path& temp, const std::filesystem::path& target) {
  const BOOL moved = ::MoveFileExW(temp.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  return moved ? 0 : -1;
}

}  // namespace file_replace
