#include "tests/kit/ports_folder.h"

#include <stdlib.h>

namespace kit {

PortsFolder::PortsFolder() {
  if (const char* old = ::getenv("VELT1_PORTS")) saved_ = old;
  ::setenv("VELT1_PORTS", path().c_str(), 1);
}

PortsFolder::~PortsFolder() {
  if (saved_) ::setenv("VELT1_PORTS", saved_->c_str(), 1);
  else ::unsetenv("VELT1_PORTS");
}

}  // namespace kit
