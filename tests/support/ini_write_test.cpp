#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/file_replace.h"
#include "support/ini_store.h"
#include "support/ini_write_hook.h"
#include "tests/kit/files.h"

namespace {

namespace fs = std::filesystem;
using kit::ReadBytes;
using kit::RunningAsSuperuser;
using kit::TempFolder;
using kit::TempFilesIn;
using kit::WriteBytes;

const std::string kOldFile = "[com]\r\ncom = 1\r\n\r\n";
const std::string kComFile = "[com]\r\nadresse = 49\r\ncom = 3\r\nlcom = 0\r\n\r\n";

struct Put {
  const char* section;
  const char* tag;
  int value;
};

// Writes of the store are checked against these; tests set them up.
struct HookRecord {
  std::vector<fs::path> temps;
  std::vector<std::string> tempBytes;
  std::vector<std::string> targetBytes;  // the target as it stood at that moment
  int result = 0;
};
HookRecord hookRecord;
int flushesToDisk = 0;

int RecordingHook(const fs::path& temp, const fs::path& target) {
  EXPECT_EQ(flushesToDisk, static_cast<int>(hookRecord.temps.size()) + 1)
      << "the new file must be on the disk before it replaces the old one";
  hookRecord.temps.push_back(temp);
  hookRecord.tempBytes.push_back(ReadBytes(temp));
  hookRecord.targetBytes.push_back(fs::exists(target) ? ReadBytes(target) : "<none>");
  return hookRecord.result;
}

// Turns the target into a non-empty directory, so the rename genuinely fails.
int BlockingHook(const fs::path&, const fs::path& target) {
  fs::remove(target);
  fs::create_directory(target);
  WriteBytes(target / "inside", "x");
  return 0;
}

class IniWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hookRecord = HookRecord{};
    flushesToDisk = 0;
    file_replace::SetFlushObserver([](std::FILE*) { ++flushesToDisk; });
  }
  void TearDown() override {
    file_replace::SetFlushObserver(nullptr);
    Ini_SetBeforeReplaceHook(nullptr);
    Ini_Dispose(store_);
  }

  void PutAll(const std::vector<Put>& puts) {
    for (const Put& put : puts) ASSERT_EQ(Ini_PutInt(store_, put.section, put.tag, put.value), 0);
  }

  IniStore store_ = Ini_New(1);
  TempFolder dir_;
  fs::path target_ = dir_ / "velt1Steuerung.ini";
};

TEST_F(IniWriteTest, PutIntAndWrittenBytes) {
  struct Case {
    int sorted;
    std::string before;  // file read into the store first, "" for none
    std::vector<Put> puts;
    std::string bytes;
  };
  const Case cases[] = {
      {1, "", {{"com", "com", 3}, {"com", "lcom", 0}, {"com", "adresse", 49}}, kComFile},
      {1, "", {{"com", "com", 9}, {"com", "lcom", 0}, {"com", "adresse", 49}, {" COM ", "Com ", 3}},
       "[com]\r\nadresse = 49\r\nCom = 3\r\nlcom = 0\r\n\r\n"},
      {1, "", {{"b", "x", -2147483647 - 1}, {"A", "y", 2}, {"a", "z", -3}},
       "[A]\r\ny = 2\r\nz = -3\r\n\r\n[b]\r\nx = -2147483648\r\n\r\n"},
      {0, "", {{"b", "x", 1}, {"a", "c", 1}, {"a", "b", 2}, {"a", "a", 3}, {"a", "b", 9}},
       "[b]\r\nx = 1\r\n\r\n[a]\r\nc = 1\r\nb = 9\r\na = 3\r\n\r\n"},
      // Duplicates read from a file go; the new item takes the first one's place.
      {0, "[s]\r\nx = 1\r\ny = 2\r\nX = 3\r\n", {{"s", "x", 7}}, "[s]\r\nx = 7\r\ny = 2\r\n\r\n"},
      {1, "[s]\r\nx = 1\r\nb = 2\r\nx = 3\r\n", {{"S", "x", 7}}, "[s]\r\nb = 2\r\nx = 7\r\n\r\n"},
      // Sorting is stable and by the upper-cased name; "_" sorts after "Z".
      {1, "[b]\r\nx=1\r\n[a]\r\nz=1\r\n_=2\r\nA=3\r\n[A]\r\n", {},
       "[a]\r\nA = 3\r\nz = 1\r\n_ = 2\r\n\r\n[A]\r\n\r\n[b]\r\nx = 1\r\n\r\n"},
      {0, "[b]\r\nx=1\r\n[a]\r\nz=1\r\n", {}, "[b]\r\nx = 1\r\n\r\n[a]\r\nz = 1\r\n\r\n"},
      {1, "[q]\r\nv = \"a b\"\r\nw = \"\"\r\n", {}, "[q]\r\nv = \"a b\"\r\nw = \"\"\r\n\r\n"},
      {1, "", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    Ini_Dispose(store_);
    store_ = Ini_New(c.sorted);
    if (!c.before.empty()) {
      WriteBytes(dir_ / "before.ini", c.before);
      ASSERT_EQ(Ini_ReadFromFile(store_, dir_ / "before.ini"), 0);
    }
    PutAll(c.puts);
    ASSERT_EQ(Ini_WriteToFile(store_, target_), 0);
    EXPECT_EQ(ReadBytes(target_), c.bytes);
    EXPECT_EQ(TempFilesIn(dir_.path()), "");
  }
}

TEST_F(IniWriteTest, WrittenFileReadsBack) {
  PutAll({{"com", "com", 3}, {"com", "lcom", -2147483647 - 1}, {"com", "adresse", 49}});
  ASSERT_EQ(Ini_WriteToFile(store_, target_), 0);
  IniStore again = Ini_New(1);
  ASSERT_EQ(Ini_ReadFromFile(again, target_), 0);
  int value = 0;
  EXPECT_EQ(Ini_GetInt(again, "com", "lcom", &value), 1);
  EXPECT_EQ(value, -2147483647 - 1);
  ASSERT_EQ(Ini_WriteToFile(again, dir_ / "copy.ini"), 0);
  EXPECT_EQ(ReadBytes(dir_ / "copy.ini"), ReadBytes(target_));
  Ini_Dispose(again);
}

TEST_F(IniWriteTest, LongValuesAreSplitAndJoined) {
  const std::string digits(200, '7');
  const std::string quoted(100, 'q');
  // A blank at the end of a line's share would be trimmed away when read:
  // such a line is written in quotes.
  const std::string spaced = std::string(79, 'a') + " " + std::string(10, 'b');
  WriteBytes(dir_ / "long.ini", "[s]\r\nd = " + digits + "\r\nq = \"" + quoted + "\"\r\nw = " +
                                    spaced + "\r\n");
  ASSERT_EQ(Ini_ReadFromFile(store_, dir_ / "long.ini"), 0);
  ASSERT_EQ(Ini_WriteToFile(store_, target_), 0);
  const std::string expected =
      "[s]\r\n"
      "d Line0001 = " + digits.substr(0, 80) + "\r\n"
      "d Line0002 = " + digits.substr(80, 80) + "\r\n"
      "d Line0003 = " + digits.substr(160) + "\r\n"
      "q Line0001 = \"" + quoted.substr(0, 80) + "\"\r\n"
      "q Line0002 = \"" + quoted.substr(80) + "\"\r\n"
      "w Line0001 = \"" + spaced.substr(0, 80) + "\"\r\n"
      "w Line0002 = " + spaced.substr(80) + "\r\n"
      "\r\n";
  EXPECT_EQ(ReadBytes(target_), expected);

  // Read back, the values are whole again and write the same bytes.
  IniStore again = Ini_New(1);
  ASSERT_EQ(Ini_ReadFromFile(again, target_), 0);
  ASSERT_EQ(Ini_WriteToFile(again, dir_ / "copy.ini"), 0);
  EXPECT_EQ(ReadBytes(dir_ / "copy.ini"), expected);
  Ini_Dispose(again);
}

TEST_F(IniWriteTest, ErrorCodes) {
  fs::create_directory(dir_ / "folder");
  struct Case {
    IniStore store;
    fs::path target;
    int result;
  };
  std::vector<Case> cases = {
      {nullptr, target_, -65},
      {store_, dir_ / "folder", -93},
      {store_, dir_ / "no-such-folder" / "x.ini", -95},  // nothing can be created there
  };
#ifndef _WIN32  // a symbolic link needs a privilege on Windows
  fs::create_symlink("loop", dir_ / "loop");
  cases.push_back({store_, dir_ / "loop", -91});  // its information cannot be read
#endif
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    EXPECT_EQ(Ini_WriteToFile(c.store, c.target), c.result);
    EXPECT_EQ(TempFilesIn(dir_.path()), "");
  }
  EXPECT_EQ(Ini_PutInt(nullptr, "com", "com", 1), -65);
  for (const Put& bad : std::vector<Put>{{"", "com", 1}, {"com", " ", 1}, {"com", "a=b", 1},
                                         {"com", "; c", 1}, {"a\nb", "com", 1}, {nullptr, "x", 1}}) {
    EXPECT_EQ(Ini_PutInt(store_, bad.section, bad.tag, bad.value), -65);
  }
}

TEST_F(IniWriteTest, ReadOnlyTargetIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "no permission bits: the read-only attribute does not close a folder";
#endif
  ASSERT_FALSE(RunningAsSuperuser()) << kit::kRunAsOrdinaryUser;
  WriteBytes(target_, kOldFile);
  fs::permissions(target_, fs::perms::owner_read);
  PutAll({{"com", "com", 3}});
  EXPECT_EQ(Ini_WriteToFile(store_, target_), -95);
  EXPECT_EQ(ReadBytes(target_), kOldFile);

  // A writable target in a directory that takes no new files.
  fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(dir_.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(Ini_WriteToFile(store_, target_), -5004);
  EXPECT_EQ(Ini_WriteToFile(store_, dir_ / "new.ini"), -95);
  fs::permissions(dir_.path(), fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(target_), kOldFile);
  EXPECT_EQ(TempFilesIn(dir_.path()), "");
}

// A temporary name that another writer holds in the middle of its save is
// skipped and left to it.
TEST_F(IniWriteTest, HeldTempNamesAreSkipped) {
  std::FILE* other = nullptr;
  ASSERT_EQ(file_replace::OpenHeldFile(dir_ / "ini$$0.TMP", &other), file_replace::CreateResult::Created);
  std::fputs("another writer's", other);
  std::fflush(other);
  Ini_SetBeforeReplaceHook(RecordingHook);
  PutAll({{"com", "com", 3}});
  ASSERT_EQ(Ini_WriteToFile(store_, target_), 0);
  ASSERT_EQ(hookRecord.temps.size(), 1u);
  EXPECT_EQ(hookRecord.temps[0].filename(), "ini$$1.TMP");
  EXPECT_EQ(hookRecord.temps[0].parent_path(), dir_.path());
  EXPECT_EQ(ReadBytes(dir_ / "ini$$0.TMP"), "another writer's");
  EXPECT_EQ(TempFilesIn(dir_.path()), "ini$$0.TMP ");
  EXPECT_EQ(ReadBytes(target_), "[com]\r\ncom = 3\r\n\r\n");
  std::fclose(other);
}

// Files left by writers that were killed mid-save are taken over and removed
// by the next save, however many there are.
TEST_F(IniWriteTest, LeftOverTempFilesAreTakenOverAndRemoved) {
  WriteBytes(target_, kOldFile);
  for (int n = 0; n <= 999; ++n) WriteBytes(dir_ / ("ini$$" + std::to_string(n) + ".TMP"), "[com]\r\nc");
  Ini_SetBeforeReplaceHook(RecordingHook);
  PutAll({{"com", "com", 3}});
  ASSERT_EQ(Ini_WriteToFile(store_, target_), 0);
  EXPECT_EQ(hookRecord.temps[0].filename(), "ini$$0.TMP");
  EXPECT_EQ(hookRecord.tempBytes[0], "[com]\r\ncom = 3\r\n\r\n");
  EXPECT_EQ(ReadBytes(target_), "[com]\r\ncom = 3\r\n\r\n");
  EXPECT_EQ(TempFilesIn(dir_.path()), "");
}

// Names taken by what is no file of a writer (here folders) leave no free name.
TEST_F(IniWriteTest, NoFreeTempNameLeavesTargetAlone) {
  WriteBytes(target_, kOldFile);
  for (int n = 0; n <= 999; ++n) fs::create_directory(dir_ / ("ini$$" + std::to_string(n) + ".TMP"));
  PutAll({{"com", "com", 3}});
  EXPECT_EQ(Ini_WriteToFile(store_, target_), -5003);
  EXPECT_EQ(ReadBytes(target_), kOldFile);
  fs::remove(dir_ / "ini$$999.TMP");
  EXPECT_EQ(Ini_WriteToFile(store_, target_), 0);
  EXPECT_EQ(ReadBytes(target_), "[com]\r\ncom = 3\r\n\r\n");
  EXPECT_FALSE(fs::exists(dir_ / "ini$$999.TMP"));
}

// What a user's file holds comes back unchanged, or the put or the write is
// refused with the old file left as it was; nothing changes silently.
TEST_F(IniWriteTest, SettingsSurviveAReadAndAWrite) {
  const std::string a81(81, 'a');
  const std::string tag247(247, 't');
  const std::string tag249(249, 't');
  const std::string section254(254, 's');
  struct Case {
    std::string file;  // read into the store first
    std::vector<Put> puts;
    int result;
    std::string bytes;  // written; "" when refused
  };
  const Case cases[] = {
      {"[n]\r\nv = " + a81 + "\r\nw Line2 = 5\r\n", {}, 0,
       "[n]\r\nv Line0001 = " + a81.substr(0, 80) + "\r\nv Line0002 = a\r\nw Line2 = 5\r\n\r\n"},
      {"[n]\r\n" + tag247 + " = 12345\r\n", {}, 0, "[n]\r\n" + tag247 + " = 12345\r\n\r\n"},
      // Read without blanks it fits the line; written with them it would be cut.
      {"[n]\r\n" + tag249 + "=12345\r\n", {}, -65, ""},
      // "x Line3" would be read as the third line of x.
      {"[n]\r\nx = " + std::string(160, 'x') + "\r\nx Line3 = 7\r\n", {}, -65, ""},
      // Joined, the value needs quotes that would mark it quoted when read back.
      {"[n]\r\nv Line1 = \" a\"\r\nv Line2 = b\r\n", {}, -65, ""},
      {"", {{"n", tag247.c_str(), 12345}}, 0, "[n]\r\n" + tag247 + " = 12345\r\n\r\n"},
      {"", {{"n", tag247.c_str(), 123456}}, -65, ""},
      {"", {{"n", tag249.c_str(), 12345}}, -65, ""},
      {"", {{"n", "x Line1", 42}}, -65, ""},
      {"", {{"n", "x Line0002", 42}}, -65, ""},
      {"", {{section254.c_str(), "x", 1}}, -65, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.substr(0, 40));
    Ini_Dispose(store_);
    store_ = Ini_New(1);
    WriteBytes(target_, kOldFile);
    if (!c.file.empty()) {
      WriteBytes(dir_ / "user.ini", c.file);
      ASSERT_EQ(Ini_ReadFromFile(store_, dir_ / "user.ini"), 0);
    }
    int result = 0;
    for (const Put& put : c.puts) result = Ini_PutInt(store_, put.section, put.tag, put.value);
    if (result == 0) result = Ini_WriteToFile(store_, target_);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(ReadBytes(target_), c.result == 0 ? c.bytes : kOldFile);
    EXPECT_EQ(TempFilesIn(dir_.path()), "");
  }
}

// The old file stays in place, untouched, until the complete new file is on
// disk; a failure at the last step leaves it byte for byte.
TEST_F(IniWriteTest, FailureBeforeReplaceKeepsOldFile) {
  WriteBytes(target_, kOldFile);
  PutAll({{"com", "com", 3}, {"com", "lcom", 0}, {"com", "adresse", 49}});
  Ini_SetBeforeReplaceHook(RecordingHook);
  hookRecord.result = -1;
  EXPECT_EQ(Ini_WriteToFile(store_, target_), -93);
  ASSERT_EQ(hookRecord.temps.size(), 1u);
  EXPECT_EQ(hookRecord.tempBytes[0], kComFile);
  EXPECT_EQ(hookRecord.targetBytes[0], kOldFile);
  EXPECT_EQ(ReadBytes(target_), kOldFile);
  EXPECT_EQ(TempFilesIn(dir_.path()), "");

  hookRecord.result = 0;
  EXPECT_EQ(Ini_WriteToFile(store_, target_), 0);
  EXPECT_EQ(hookRecord.targetBytes[1], kOldFile);
  EXPECT_EQ(ReadBytes(target_), kComFile);
}

TEST_F(IniWriteTest, FailedRenameRemovesTempFile) {
  WriteBytes(target_, kOldFile);
  PutAll({{"com", "com", 3}});
  Ini_SetBeforeReplaceHook(BlockingHook);
  EXPECT_EQ(Ini_WriteToFile(store_, target_), -93);
  EXPECT_EQ(ReadBytes(target_ / "inside"), "x");
  EXPECT_EQ(TempFilesIn(dir_.path()), "");
}

#ifndef _WIN32
TEST_F(IniWriteTest, ReplacedFileKeepsItsPermissionBits) {
  WriteBytes(target_, kOldFile);
  fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                  fs::perm_options::replace);
  PutAll({{"com", "com", 3}});
  ASSERT_EQ(Ini_WriteToFile(store_, target_), 0);
  EXPECT_EQ(fs::status(target_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

TEST_F(IniWriteTest, MissingTargetIsCreated) {
  PutAll({{"com", "com", 3}});
  Ini_SetBeforeReplaceHook(RecordingHook);
  ASSERT_EQ(Ini_WriteToFile(store_, target_), 0);
  // The access check's probe file is gone before the temporary file is made.
  EXPECT_EQ(hookRecord.targetBytes[0], "<none>");
  EXPECT_EQ(ReadBytes(target_), "[com]\r\ncom = 3\r\n\r\n");
}

}  // namespace
