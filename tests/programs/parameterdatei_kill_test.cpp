// A process that saves the parameter file in a loop, two tables by turns, is
// killed with SIGKILL at random moments: after every kill the file holds the
// old or the new image byte for byte, and beside it lies at most the one
// temporary file the killed save was using, which the next save clears away.
// VELT1_KILLS sets the number of kills (default 60).

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

#include "programs/core/parameterdatei.h"
#include "tests/kit/files.h"

namespace {

namespace fs = std::filesystem;
using Tabelle = std::array<Programm, PROGRAMM_ANZAHL>;

Tabelle TabelleMit(double zaehne) {
  Tabelle tabelle{};
  for (Programm& programm : tabelle) {
    std::snprintf(programm.programmname, sizeof programm.programmname, "Zaehne %g", zaehne);
    programm.anzahlzaehne = zaehne;
  }
  return tabelle;
}

std::string Bytes(const Tabelle& tabelle) {
  const ParameterdateiBild bild = Parameterdatei_Bauen(tabelle);
  return std::string(bild.begin(), bild.end());
}

// The folder's entries other than the target.
std::vector<std::string> Beiliegend(const fs::path& ordner) {
  std::vector<std::string> namen;
  for (const auto& eintrag : fs::directory_iterator(ordner)) {
    if (eintrag.path().filename() != "p.vlt") namen.push_back(eintrag.path().filename().string());
  }
  return namen;
}

int AnzahlKills() {
  const char* wert = std::getenv("VELT1_KILLS");
  return wert != nullptr && std::atoi(wert) > 0 ? std::atoi(wert) : 60;
}

TEST(ParameterdateiKill, AKilledSaveLeavesTheOldOrTheNewFileAndOneTemporaryAtMost) {
  kit::TempFolder ordner;
  const fs::path ziel = ordner / "p.vlt";
  const Tabelle tabellen[] = {TabelleMit(60), TabelleMit(125)};
  const std::string bilder[] = {Bytes(tabellen[0]), Bytes(tabellen[1])};
  ASSERT_EQ(Parameterdatei_Speichern(ziel, tabellen[0]), 0);

  // The moments spread over a few saves, the child's start included.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 5; ++i) Parameterdatei_Speichern(ziel, tabellen[i % 2]);
  const auto fuenfSaves = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  std::mt19937 zufall(std::random_device{}());
  std::uniform_int_distribution<long> moment(0, 500 + fuenfSaves.count());

  const int kills = AnzahlKills();
  int alteOderNeue = 0;
  for (int k = 0; k < kills; ++k) {
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
      for (int i = 0;; ++i) Parameterdatei_Speichern(ziel, tabellen[i % 2]);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(moment(zufall)));
    ::kill(kind, SIGKILL);
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    const std::string inhalt = kit::ReadBytes(ziel);
    if (inhalt == bilder[0] || inhalt == bilder[1]) ++alteOderNeue;
    const std::vector<std::string> temporaere = Beiliegend(ordner.path());
    ASSERT_LE(temporaere.size(), 1u) << "after kill " << k << ": " << temporaere[0] << " " << temporaere[1];
  }
  EXPECT_EQ(alteOderNeue, kills);
  std::printf("old or new: %d of %d\n", alteOderNeue, kills);

  ASSERT_EQ(Parameterdatei_Speichern(ziel, tabellen[1]), 0);
  EXPECT_EQ(kit::ReadBytes(ziel), bilder[1]);
  EXPECT_TRUE(Beiliegend(ordner.path()).empty());
}

}  // namespace
