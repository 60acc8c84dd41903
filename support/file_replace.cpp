// The parts of file replacement that are the same on every system.

#include "support/file_replace.h"

namespace file_replace {
namespace {
FlushObserver flushObserver = nullptr;
}  // namespace

void SetFlushObserver(FlushObserver observer) { flushObserver = observer; }

void NotifyFlushed(std::FILE* file) {
  if (flushObserver != nullptr) flushObserver(file);
}

}  // namespace file_replace
