// Saving the parameter file: the new file is complete before it takes the
// old one's place, and every failure leaves the old file byte for byte and
// no temporary file behind.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "programs/core/parameterdatei.h"
#include "programs/core/parameterdatei_hook.h"
#include "support/file_replace.h"
#include "tests/kit/process.h"
#include "tests/kit/files.h"

namespace {

namespace fs = std::filesystem;
using kit::ReadBytes;
using kit::TempFolder;
using kit::WriteBytes;

const std::string kAlteDatei = "the operator's old file";

std::array<Programm, PROGRAMM_ANZAHL> Tabelle() {
  std::array<Programm, PROGRAMM_ANZAHL> tabelle{};
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    tabelle[i].programmname[0] = static_cast<char>('a' + i);
    tabelle[i].anzahlzaehne = i;
  }
  return tabelle;
}

std::string NeueBytes() {
  const ParameterdateiBild bild = Parameterdatei_Bauen(Tabelle());
  return std::string(bild.begin(), bild.end());
}

std::string Eintraege(const fs::path& ordner) {
  std::string namen;
  for (const auto& eintrag : fs::directory_iterator(ordner)) namen += eintrag.path().filename().string() + " ";
  return namen;
}

class ParameterdateiSpeichernTest : public ::testing::Test {
 protected:
  void TearDown() override { Parameterdatei_SetVorErsetzenHook(nullptr); }
  fs::path Ziel() const { return ordner_ / "p.vlt"; }
  TempFolder ordner_;
};

TEST_F(ParameterdateiSpeichernTest, ANewFileHoldsTheImageAndNothingElseIsLeft) {
  ASSERT_EQ(Parameterdatei_Speichern(Ziel(), Tabelle()), 0);
  EXPECT_EQ(ReadBytes(Ziel()), NeueBytes());
  EXPECT_EQ(Eintraege(ordner_.path()), "p.vlt ");
}

// Temporary files that killed saves left are taken over or cleared away by
// the next save; one that another save holds right now stays, as do other
// files and links that only look like a temporary file.
TEST_F(ParameterdateiSpeichernTest, TheNextSaveClearsAwayLeftTemporaries) {
  WriteBytes(ordner_ / "vlt$$0.TMP", "left by a killed save");
  WriteBytes(ordner_ / "vlt$$1.TMP", "left by another killed save");
  WriteBytes(ordner_ / "notes.TMP", "the operator's");
  fs::create_symlink("notes.TMP", ordner_ / "vlt$$3.TMP");
  int bereit[2];
  int los[2];
  ASSERT_EQ(::pipe(bereit), 0);
  ASSERT_EQ(::pipe(los), 0);
  const pid_t halter = ::fork();
  ASSERT_GE(halter, 0);
  if (halter == 0) {
    ::close(los[1]);  // so that the parent's close ends the wait
    std::FILE* datei = nullptr;
    const bool gehalten = file_replace::OpenHeldFile(ordner_ / "vlt$$2.TMP", &datei) == file_replace::CreateResult::Created &&
                          std::fputs("held by another save", datei) >= 0 && std::fflush(datei) == 0;
    char zeichen = gehalten ? '1' : '0';
    if (::write(bereit[1], &zeichen, 1) == 1) (void)::read(los[0], &zeichen, 1);
    ::_exit(0);
  }
  char gehalten = 0;
  ASSERT_EQ(::read(bereit[0], &gehalten, 1), 1);
  ASSERT_EQ(gehalten, '1');

  EXPECT_EQ(Parameterdatei_Speichern(Ziel(), Tabelle()), 0);
  for (const int ende : {bereit[0], bereit[1], los[0], los[1]}) ::close(ende);
  ::waitpid(halter, nullptr, 0);

  EXPECT_EQ(ReadBytes(Ziel()), NeueBytes());
  EXPECT_EQ(ReadBytes(ordner_ / "vlt$$2.TMP"), "held by another save");
  std::vector<std::string> namen;
  for (const auto& eintrag : fs::directory_iterator(ordner_.path())) namen.push_back(eintrag.path().filename().string());
  std::sort(namen.begin(), namen.end());
  EXPECT_EQ(namen, (std::vector<std::string>{"notes.TMP", "p.vlt", "vlt$$2.TMP", "vlt$$3.TMP"}));
}

TEST_F(ParameterdateiSpeichernTest, AReplacedFileKeepsItsPermissionBits) {
  WriteBytes(Ziel(), kAlteDatei);
  const fs::perms bits = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(Ziel(), bits);
  ASSERT_EQ(Parameterdatei_Speichern(Ziel(), Tabelle()), 0);
  EXPECT_EQ(ReadBytes(Ziel()), NeueBytes());
  EXPECT_EQ(fs::status(Ziel()).permissions(), bits);
}

// The temporary file is complete and the old file untouched when the
// replacement comes; a failure there keeps the old file.
std::string gTempBeimErsetzen;
std::string gZielBeimErsetzen;
int ScheiterndesErsetzen(const fs::path& temp, const fs::path& ziel) {
  gTempBeimErsetzen = ReadBytes(temp);
  gZielBeimErsetzen = ReadBytes(ziel);
  return -1;
}

TEST_F(ParameterdateiSpeichernTest, AFailureBeforeTheRenameKeepsTheOldFile) {
  WriteBytes(Ziel(), kAlteDatei);
  Parameterdatei_SetVorErsetzenHook(ScheiterndesErsetzen);
  EXPECT_EQ(Parameterdatei_Speichern(Ziel(), Tabelle()), -301402);
  EXPECT_EQ(gTempBeimErsetzen, NeueBytes());
  EXPECT_EQ(gZielBeimErsetzen, kAlteDatei);
  EXPECT_EQ(ReadBytes(Ziel()), kAlteDatei);
  EXPECT_EQ(Eintraege(ordner_.path()), "p.vlt ");
}

// A full disk, as a file-size limit with SIGXFSZ ignored, so that the write
// fails instead of ending the process: any limit below the file's size gives
// the write code and keeps the old file; the file's own size is enough.
TEST_F(ParameterdateiSpeichernTest, AFullDiskKeepsTheOldFile) {
  const struct {
    rlim_t grenze;
    int code;
  } faelle[] = {{0, -301402}, {1, -301402}, {1000, -301402}, {PARAMETERDATEI_GROESSE - 1, -301402},
                {PARAMETERDATEI_GROESSE, 0}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.grenze);
    WriteBytes(Ziel(), kAlteDatei);
    const int code = kit::InChildProcess([&] {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit grenze{fall.grenze, fall.grenze};
      if (::setrlimit(RLIMIT_FSIZE, &grenze) != 0) return kit::kNoChildResult;
      return Parameterdatei_Speichern(Ziel(), Tabelle());
    });
    EXPECT_EQ(code, fall.code);
    EXPECT_EQ(ReadBytes(Ziel()), fall.code == 0 ? NeueBytes() : kAlteDatei);
    EXPECT_EQ(Eintraege(ordner_.path()), "p.vlt ");
  }
}

// Places that take no file: refused before anything is written.
TEST_F(ParameterdateiSpeichernTest, UnwritablePlacesAreRefusedAndKeepTheOldFile) {
  ASSERT_FALSE(kit::RunningAsSuperuser()) << kit::kRunAsOrdinaryUser;
  struct Fall {
    const char* name;
    std::function<fs::path(const fs::path& ordner)> anlegen;  // returns the target
    const char* eintraege;  // the folder's entries afterwards
  };
  const Fall faelle[] = {
      {"read-only file",
       [](const fs::path& o) {
         WriteBytes(o / "p.vlt", kAlteDatei);
         fs::permissions(o / "p.vlt", fs::perms::owner_read);
         return o / "p.vlt";
       },
       "p.vlt "},
      {"new file in a read-only folder",
       [](const fs::path& o) {
         fs::permissions(o, fs::perms::owner_read | fs::perms::owner_exec);
         return o / "p.vlt";
       },
       ""},
      {"old file in a read-only folder",
       [](const fs::path& o) {
         WriteBytes(o / "p.vlt", kAlteDatei);
         fs::permissions(o, fs::perms::owner_read | fs::perms::owner_exec);
         return o / "p.vlt";
       },
       "p.vlt "},
      {"a directory",
       [](const fs::path& o) {
         fs::create_directory(o / "p.vlt");
         return o / "p.vlt";
       },
       "p.vlt "},
      {"a folder that does not exist", [](const fs::path& o) { return o / "missing" / "p.vlt"; }, ""},
      // A full device behind the name: refused, not written into.
      {"a link to /dev/full",
       [](const fs::path& o) {
         fs::create_symlink("/dev/full", o / "p.vlt");
         return o / "p.vlt";
       },
       "p.vlt "},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    TempFolder ordner;
    const fs::path ziel = fall.anlegen(ordner.path());
    EXPECT_EQ(Parameterdatei_Speichern(ziel, Tabelle()), -301401);
    EXPECT_EQ(Eintraege(ordner.path()), fall.eintraege);
    if (fs::is_regular_file(ziel)) {
      EXPECT_EQ(ReadBytes(ziel), kAlteDatei);
    }
  }
}

}  // namespace
