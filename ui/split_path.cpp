// SplitPath: drive ("C:" or empty), directory (with its trailing separator)
// and file name of a path. Both separators count, as on Windows.

#include "ui/runtime.h"

int SplitPath(const std::string& path, std::string* drive, std::string* directory,
              std::string* fileName) {
  const std::size_t driveLength = path.size() >= 2 && path[1] == ':' ? 2 : 0;
  const std::string rest = path.substr(driveLength);
  const std::size_t cut = rest.find_last_of("/\\") + 1;  // 0 without a separator (npos + 1)
  if (drive) *drive = path.substr(0, driveLength);
  if (directory) *directory = rest.substr(0, cut);
  if (fileName) *fileName = rest.substr(cut);
  return 0;
}
