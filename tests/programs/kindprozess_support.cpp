#include "tests/programs/kindprozess_support.h"

#include <sys/wait.h>
#include <unistd.h>

namespace programs_test {

int ImKindprozess(const std::function<int()>& probe) {
  int rohr[2];
  if (::pipe(rohr) != 0) return kKindOhneErgebnis;
  const pid_t kind = ::fork();
  if (kind == 0) {
    ::close(rohr[0]);
    const int ergebnis = probe();
    const bool gesendet = ::write(rohr[1], &ergebnis, sizeof ergebnis) == sizeof ergebnis;
    ::_exit(gesendet ? 0 : 1);
  }
  ::close(rohr[1]);
  int ergebnis = kKindOhneErgebnis;
  if (kind < 0 || ::read(rohr[0], &ergebnis, sizeof ergebnis) != sizeof ergebnis) ergebnis = kKindOhneErgebnis;
  ::close(rohr[0]);
  if (kind > 0) ::waitpid(kind, nullptr, 0);
  return ergebnis;
}

}  // namespace programs_test
