#pragma once
// A fresh ports folder as VELT1_PORTS while the object lives; the variable
// comes back as it was afterwards.

#include <optional>
#include <string>

#include "tests/kit/files.h"

namespace kit {

class PortsFolder : public TempFolder {
 public:
  PortsFolder();
  ~PortsFolder();

 private:
  std::optional<std::string> saved_;
};

}  // namespace kit
