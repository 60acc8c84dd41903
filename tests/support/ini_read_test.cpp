#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/ini_store.h"
#include "tests/kit/files.h"

namespace {

using kit::ReadBytes;
using kit::TempFolder;
using kit::WriteBytes;
using namespace std::string_literals;

constexpr int kDefault = 99;

struct GetIntCase {
  std::string file;
  const char* section;
  const char* tag;
  int result;
  int value;  // kDefault when out must stay untouched
};

class IniReadTest : public ::testing::Test {
 protected:
  // Reads the bytes as a file into a fresh sorted store and gets one integer.
  void CheckGetInt(const GetIntCase& c) {
    SCOPED_TRACE(testing::PrintToString(c.file));
    WriteBytes(dir_ / "test.ini", c.file);
    IniStore store = Ini_New(1);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(Ini_ReadFromFile(store, dir_ / "test.ini"), 0);
    int value = kDefault;
    EXPECT_EQ(Ini_GetInt(store, c.section, c.tag, &value), c.result);
    EXPECT_EQ(value, c.value);
    Ini_Dispose(store);
  }

  TempFolder dir_;
};

TEST_F(IniReadTest, IntegerRules) {
  const GetIntCase cases[] = {
      {"[com]\r\ncom = 3\r\n", "com", "com", 1, 3},
      {"[com]\r\ncom = +5\r\n", "com", "com", 1, 5},
      {"[com]\r\ncom = -7\r\n", "com", "com", 1, -7},
      {"[com]\r\ncom = 5abc\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 0x10\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 5.0\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = - 5\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = +-5\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = +\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 4294967296\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 4294967295\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 18446744073709551617\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 2147483648\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 2147483647\r\n", "com", "com", 1, INT_MAX},
      {"[com]\r\ncom = -2147483648\r\n", "com", "com", 1, INT_MIN},
      {"[com]\r\ncom = -2147483649\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 00000000000000000042\r\n", "com", "com", 1, 42},
      {"[com]\r\ncom = 3 ; alt\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = \"5\"\r\n", "com", "com", 1, 5},
      {"[com]\r\ncom = \" 5 \"\r\n", "com", "com", 1, 5},
      {"[com]\r\ncom = \"  \"\r\n", "com", "com", 0, kDefault},
      {"[com]\r\ncom = \"\"\r\n", "com", "com", 0, kDefault},
      {"[com]\r\ncom = \"\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = \"5\r\n", "com", "com", -5021, kDefault},
  };
  for (const GetIntCase& c : cases) CheckGetInt(c);
}

TEST_F(IniReadTest, LinesSectionsAndNames) {
  const std::string line255 = "com = 7" + std::string(248, ' ');
  const GetIntCase cases[] = {
      {"[ com ]\r\n  COM=5  \r\n", "com", "com", 1, 5},
      {"[COM]\r\nCom = 4\r\n", " com ", "cOM", 1, 4},
      {"[com]\r\ncom =\r\n", "com", "com", 0, kDefault},
      {"[com]\r\n= 3\r\n", "com", "", 0, kDefault},
      {"[com]\r\ncom 3\r\n", "com", "com", 0, kDefault},
      {"[com]\r\nlcom = 1\r\n", "com", "com", 0, kDefault},
      {"[com]\r\nlcom = 1\r\n", "other", "lcom", 0, kDefault},
      {"com = 3\r\n[com]\r\n", "com", "com", 0, kDefault},
      {"[com]\r\n; com = 3\r\n", "com", "com", 0, kDefault},
      {"[com]\r\n  ;com = 3\r\n", "com", "com", 0, kDefault},
      {"[com] x\r\ncom = 3\r\n", "com", "com", 0, kDefault},
      {"[lcom]\r\n[com] x\r\ncom = 3\r\n", "lcom", "com", 1, 3},
      {"[lcom]\r\n[com\r\ncom = 3\r\n", "lcom", "com", 1, 3},
      {"[lcom]\r\n[  ]\r\ncom = 3\r\n", "lcom", "com", 1, 3},
      {"[a]b] \r\ncom = 3\r\n", "a]b", "com", 1, 3},
      {"[com]\r\ncom = 1 = 2\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\nc om = 6\r\n", "com", "c om", 1, 6},
      // Line ends: LF, CR, NUL, LF CR, mixed, and no end on the last line.
      {"[com]\ncom = 3", "com", "com", 1, 3},
      {"[com]\rcom = 3\r", "com", "com", 1, 3},
      {"[com]\0com = 3\0"s, "com", "com", 1, 3},
      {"[com]\n\r\n\rcom = 3\n\r", "com", "com", 1, 3},
      {"[com]\r\r\n\ncom = 3", "com", "com", 1, 3},
      {"\r\n\r\n   \t\r\n[com]\r\n\r\ncom = 3\r\n", "com", "com", 1, 3},
      // A line keeps 255 characters: the "x" beyond them is dropped.
      {"[com]\r\n" + line255 + "x\r\n", "com", "com", 1, 7},
      {"[com]\r\n" + line255.substr(0, 254) + "x\r\n", "com", "com", -5021, kDefault},
      {"[com]\r\ncom = 1\r\n[other]\r\nx = 2\r\n", "other", "x", 1, 2},
  };
  for (const GetIntCase& c : cases) CheckGetInt(c);
}

TEST_F(IniReadTest, SplitValuesAreJoined) {
  const GetIntCase cases[] = {
      {"[s]\r\nn Line0001 = 12\r\nn Line0002 = 34\r\nn Line0003 = 5\r\n", "s", "n", 1, 12345},
      {"[s]\r\nn Line1 = 1\r\nn Line2 = 2\r\n", "s", "n", 1, 12},
      // Only the same tag with the next counter continues a run.
      {"[s]\r\nn Line1 = 1\r\nn Line7 = 2\r\n", "s", "n", 1, 1},
      {"[s]\r\nn Line1 = 1\r\nn Line7 = 2\r\n", "s", "n Line7", 1, 2},
      {"[s]\r\nn Line0001 = 1\r\nw Line0002 = 5\r\n", "s", "n", 1, 1},
      {"[s]\r\nn Line0001 = 1\r\nw Line0002 = 5\r\n", "s", "w Line0002", 1, 5},
      // An item without a counter ends the run; the later line stays as it is.
      {"[s]\r\nn Line0001 = 1\r\nm = 0\r\nn Line0002 = 2\r\n", "s", "n", 1, 1},
      {"[s]\r\nn Line0001 = 1\r\nm = 0\r\nn Line0002 = 2\r\n", "s", "n Line0002", 1, 2},
      // A run only starts at counter 1.
      {"[s]\r\nn Line0002 = 2\r\n", "s", "n", 0, kDefault},
      {"[s]\r\nn Line = 2\r\n", "s", "n", 0, kDefault},
      {"[s]\r\nn Line0001x = 2\r\n", "s", "n", 0, kDefault},
  };
  for (const GetIntCase& c : cases) CheckGetInt(c);
}

// Reading large files in blocks: a line that straddles two blocks stays whole.
TEST_F(IniReadTest, LinesAcrossReadBlocks) {
  std::string file = "[com]\r\n";
  for (int i = 0; file.size() < 5000; ++i) file += "tag" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
  file += "com = 31\r\n";
  for (std::size_t pad = 0; pad < 4; ++pad) {
    CheckGetInt({std::string(pad, '\n') + file, "com", "com", 1, 31});
    CheckGetInt({std::string(pad, '\n') + file, "com", "tag200", 1, 200});
  }
}

TEST_F(IniReadTest, ErrorCodes) {
  IniStore store = Ini_New(1);
  int value = kDefault;
  EXPECT_EQ(Ini_ReadFromFile(nullptr, dir_ / "x.ini"), -65);
  EXPECT_EQ(Ini_ReadFromFile(store, dir_ / "missing.ini"), -5001);
#ifdef _WIN32
  EXPECT_EQ(Ini_ReadFromFile(store, dir_.path()), -5001);  // a directory does not open
#else
  EXPECT_EQ(Ini_ReadFromFile(store, dir_.path()), -5002);  // a directory opens but cannot be read
#endif
  EXPECT_EQ(Ini_GetInt(nullptr, "com", "com", &value), -65);
  EXPECT_EQ(Ini_GetInt(store, nullptr, "com", &value), -65);
  EXPECT_EQ(Ini_GetInt(store, "com", "com", nullptr), -65);
  EXPECT_EQ(Ini_GetInt(store, "com", "com", &value), 0);
  EXPECT_EQ(value, kDefault);
  Ini_Dispose(store);
  Ini_Dispose(nullptr);
}

}  // namespace
