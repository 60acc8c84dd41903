// SplitPath: drive ("C:" or empty), directory (with its trailing separator)
// and file name of a path. Both separators count, as on Windows.

#include "ui/runtime.h"

int SplitPath(const std::string& path, std::string* drive, std::string* directory,
              std::string* fileName) {
  std::string rest = path;
  std::string driveText;
  if (rest.size() >= 2 && rest[1] == ':') {
    driveText = rest.substr(0, 2);
    rest.erase(0, 2);
  }
  const auto cut = rest.find_last_of("/\\");
  const std::string dirText = cut == std::string::npos ? "" : rest.substr(0, cut + 1);
  const std::string fileText = cut == std::string::npos ? rest : rest.substr(cut + 1);
  if (drive) *drive = driveText;
  if (directory) *directory = dirText;
  if (fileName) *fileName = fileText;
  return 0;
}
