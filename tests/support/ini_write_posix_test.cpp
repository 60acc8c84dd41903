// Saving the INI file from a process that dies or hits a limit mid-save.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#ifdef __linux__
#include <sys/inotify.h>
#endif

#include "support/file_replace.h"
#include "support/ini_store.h"
#include "tests/kit/files.h"

namespace {

namespace fs = std::filesystem;
using kit::ReadBytes;
using kit::TempFolder;
using kit::TempFilesIn;
using kit::WriteBytes;

// Section "com" with `items` integers, all set to `value`.
int SaveStore(const fs::path& target, int value, int items = 40) {
  IniStore store = Ini_New(1);
  for (int i = 0; i < items; ++i) Ini_PutInt(store, "com", ("key" + std::to_string(i)).c_str(), value);
  const int result = Ini_WriteToFile(store, target);
  Ini_Dispose(store);
  return result;
}

std::string StoreBytes(const TempFolder& dir, int value) {
  const fs::path file = dir / ("reference" + std::to_string(value) + ".ini");
  EXPECT_EQ(SaveStore(file, value), 0);
  const std::string bytes = ReadBytes(file);
  fs::remove(file);
  return bytes;
}

std::size_t CountTempFiles(const fs::path& directory) {
  const std::string names = TempFilesIn(directory);
  return static_cast<std::size_t>(std::count(names.begin(), names.end(), ' '));
}

// 300 kills, or VELT1_KILLS (rounded up to whole rounds of five).
int KillRounds() {
  const char* kills = std::getenv("VELT1_KILLS");
  const int wanted = kills != nullptr && std::atoi(kills) > 0 ? std::atoi(kills) : 300;
  return (wanted + 4) / 5;
}

// A writer saving in a loop is killed at random moments, some rounds while
// the file does not exist yet. The target is always absent (first save only),
// the old or the new content; a kill leaves at most one temporary file, and
// the next save leaves none.
TEST(IniWriteKilled, TargetIsOldOrNewAndAtMostOneTempFileRemains) {
  TempFolder dir;
  const fs::path target = dir / "velt1Steuerung.ini";
  const std::string oldBytes = StoreBytes(dir, 1);
  const std::string newBytes = StoreBytes(dir, 2);
  std::mt19937 random(20261207);
  int absent = 0, old = 0, fresh = 0, tempsLeft = 0;

  const int rounds = KillRounds();
  for (int round = 0; round < rounds; ++round) {
    const bool firstSave = round % 3 == 0;
    if (firstSave) {
      fs::remove(target);
    } else {
      WriteBytes(target, oldBytes);
    }
    for (int kill = 0; kill < 5; ++kill) {
      const pid_t pid = ::fork();
      ASSERT_GE(pid, 0);
      if (pid == 0) {
        for (int save = 0; save < 100000; ++save) SaveStore(target, save % 2 == 0 ? 2 : 1);
        ::_exit(0);
      }
      ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
      ::kill(pid, SIGKILL);
      int status = 0;
      ::waitpid(pid, &status, 0);

      SCOPED_TRACE("round " + std::to_string(round) + ", kill " + std::to_string(kill));
      if (!fs::exists(target)) {
        EXPECT_TRUE(firstSave) << "the old file is gone";
        ++absent;
      } else {
        const std::string bytes = ReadBytes(target);
        EXPECT_TRUE(bytes == oldBytes || bytes == newBytes) << bytes.size() << " bytes";
        ++(bytes == oldBytes ? old : fresh);
      }
      const std::size_t temps = CountTempFiles(dir.path());
      EXPECT_LE(temps, 1u) << TempFilesIn(dir.path());
      tempsLeft += static_cast<int>(temps);
    }
    ASSERT_EQ(SaveStore(target, 2), 0);
    EXPECT_EQ(ReadBytes(target), newBytes);
    ASSERT_EQ(TempFilesIn(dir.path()), "");
  }
  std::printf("%d kills: target absent %d, old %d, new %d; a temporary file left by %d\n",
              rounds * 5, absent, old, fresh, tempsLeft);
}

// With the file-size signal ignored, a save beyond the limit fails with its
// code and leaves the old file and no temporary file.
TEST(IniWriteLimited, SaveBeyondTheFileSizeLimitFailsCleanly) {
  TempFolder dir;
  const fs::path target = dir / "velt1Steuerung.ini";
  WriteBytes(target, "[com]\r\ncom = 1\r\n\r\n");
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    const rlimit limit{64, 64};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    file_replace::KeepRunningAtFileSizeLimit();
    ::_exit(-SaveStore(target, 2));
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 93);
  EXPECT_EQ(ReadBytes(target), "[com]\r\ncom = 1\r\n\r\n");
  EXPECT_EQ(TempFilesIn(dir.path()), "");
}

#ifdef __linux__
// A new file appears under the user's name only by the rename of the complete
// temporary file: never empty, not even for a moment.
TEST(IniWriteFirstSave, TargetAppearsOnlyByTheRename) {
  TempFolder dir;
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, dir.path().c_str(), IN_CREATE | IN_MOVED_TO), 0);
  ASSERT_EQ(SaveStore(dir / "velt1Steuerung.ini", 1, 1), 0);

  std::string events;
  alignas(inotify_event) char buffer[4096];
  ssize_t length;
  while ((length = ::read(watch, buffer, sizeof buffer)) > 0) {
    for (char* at = buffer; at < buffer + length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(at);
      events += std::string(event->mask & IN_CREATE ? "create " : "moved-to ") + event->name + "\n";
      at += sizeof(inotify_event) + event->len;
    }
  }
  ::close(watch);
  EXPECT_EQ(events, "create ini$$0.TMP\nmoved-to velt1Steuerung.ini\n");
}
#endif

}  // namespace
