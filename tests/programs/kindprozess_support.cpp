#include "tests/programs/kindprozess_support.h"

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace programs_test {

namespace {

constexpr uid_t kGewoehnlicherBenutzer = 65534;  // "nobody"
constexpr gid_t kGewoehnlicheGruppe = 65534;

bool Abgeben(const std::filesystem::path& ordner) {
  if (::lchown(ordner.c_str(), kGewoehnlicherBenutzer, kGewoehnlicheGruppe) != 0) return false;
  for (const auto& eintrag : std::filesystem::recursive_directory_iterator(ordner)) {
    if (::lchown(eintrag.path().c_str(), kGewoehnlicherBenutzer, kGewoehnlicheGruppe) != 0) return false;
  }
  return ::setgid(kGewoehnlicheGruppe) == 0 && ::setuid(kGewoehnlicherBenutzer) == 0;
}

}  // namespace

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

int MitDateirechten(const std::filesystem::path& ordner, const std::function<int()>& probe) {
  return ImKindprozess([&] {
    if (::geteuid() == 0 && !Abgeben(ordner)) return kKindOhneErgebnis;
    return probe();
  });
}

}  // namespace programs_test
