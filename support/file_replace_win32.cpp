#include "support/file_replace.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>

namespace file_replace {

void NotifyFlushed(std::FILE* file);  // file_replace.cpp
namespace {

std::wstring WideMode(const char* mode) {
  std::wstring wide;
  for (const char* c = mode; *c != '\0'; ++c) wide.push_back(static_cast<wchar_t>(*c));
  return wide;
}

// A link or a folder under the name is never opened as a file.
bool IsLinkOrFolder(const std::filesystem::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0;
}

// How a writer holds its temporary file: no other writer opens it meanwhile,
// but it can be read, and renamed over the target or deleted while still open.
constexpr DWORD kHolderSharing = FILE_SHARE_READ | FILE_SHARE_DELETE;

// The file just created under `path` as a stream to write; a file that cannot
// become one is deleted, while still held so that no other writer takes it.
CreateResult StreamOf(HANDLE handle, const std::filesystem::path& path, std::FILE** file) {
  const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
  std::FILE* stream = fd < 0 ? nullptr : ::_fdopen(fd, "wb");
  if (stream == nullptr) {
    ::DeleteFileW(path.c_str());
    if (fd < 0)
      ::CloseHandle(handle);
    else
      ::_close(fd);
    return CreateResult::Failed;
  }
  *file = stream;
  return CreateResult::Created;
}

}  // namespace

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  return ::_wfopen(path.c_str(), WideMode(mode).c_str());
}

CreateResult CreateNewFile(const std::filesystem::path& path, std::FILE** file) {
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, kHolderSharing, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    return (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) ? CreateResult::NameTaken
                                                                         : CreateResult::Failed;
  }
  return StreamOf(handle, path, file);
}

CreateResult OpenHeldFile(const std::filesystem::path& path, std::FILE** file) {
  if (IsLinkOrFolder(path)) return CreateResult::NameTaken;
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, kHolderSharing, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                                nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    const bool taken = error == ERROR_SHARING_VIOLATION ||
                       (error == ERROR_ACCESS_DENIED &&
                        ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES);
    return taken ? CreateResult::NameTaken : CreateResult::Failed;
  }
  if (::GetFileType(handle) != FILE_TYPE_DISK || !::SetEndOfFile(handle)) {
    ::CloseHandle(handle);
    return CreateResult::NameTaken;
  }
  return StreamOf(handle, path, file);
}

void RemoveUnheldFile(const std::filesystem::path& path) {
  if (IsLinkOrFolder(path)) return;
  // Opening it unshared fails while any writer holds it; closing deletes it.
  HANDLE handle = ::CreateFileW(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
}

bool DirectoryTakesNewFiles(const std::filesystem::path& directory) {
  // Windows keeps no write bit for folders; whether a file can be made there
  // shows when the temporary file is created.
  const std::filesystem::path folder = directory.empty() ? L"." : directory;
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Owner and access rights are the folder's, as for any new file there. The
// one permission bit Windows keeps, read-only, a replaced file never has: a
// read-only target is refused before anything is written.
bool CopyOwnerAndPermissions(std::FILE*, const std::filesystem::path&) { return true; }

// Windows has no file-size signal.
void KeepRunningAtFileSizeLimit() {}

int FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return -1;
  const intptr_t handle = ::_get_osfhandle(::_fileno(file));
  if (handle == -1) return -1;
  if (!::FlushFileBuffers(reinterpret_cast<HANDLE>(handle))) return -1;
  NotifyFlushed(file);
  return 0;
}

int ReplaceFileAtomically(const std::filesystem::path& temp, const std::filesystem::path& target) {
  const BOOL moved = ::MoveFileExW(temp.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  return moved ? 0 : -1;
}

}  // namespace file_replace
