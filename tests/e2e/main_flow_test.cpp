// The whole program, start to end, as `velt1-steuerung` runs it: started in a
// working directory, quit through "Datei"/"Beenden" once the main panel is up.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "app/funktionen.h"
#include "tests/kit/app.h"
#include "programs/par_main.h"

namespace {

namespace fs = std::filesystem;

// Runs the program until the script chooses "Beenden"; its exit code.
int RunUntilBeenden() {
  return kit::RunProgram([] { qtui::UserChooseMenuItem(ParMain_GetMainpanel(), {"Datei", "Beenden"}); });
}

TEST(MainFlow, FirstStartWritesTheConfigurationFileIntoTheWorkingDirectory) {
  kit::WorkingDirectory directory;
  kit::Runtime runtime;
  ASSERT_FALSE(fs::exists(directory / INI_DATEINAME));

  EXPECT_EQ(RunUntilBeenden(), 0);

  ASSERT_EQ(runtime.popups().shown().size(), 1u);
  EXPECT_EQ(runtime.popups().shown()[0].title, "Fehler #802285");
  EXPECT_TRUE(fs::is_regular_file(directory / INI_DATEINAME));
}

TEST(MainFlow, ConfigurationFileFollowsTheWorkingDirectory) {
  kit::Runtime runtime;
  kit::WorkingDirectory first;
  EXPECT_EQ(RunUntilBeenden(), 0);
  ASSERT_TRUE(fs::exists(first / INI_DATEINAME));
  const std::string ersterOrdner = "; erster Ordner\r\n[com]\r\ncom = 0\r\nlcom = 7\r\nadresse = 38\r\n";
  kit::WriteBytes(first / INI_DATEINAME, ersterOrdner);

  {
    // Started elsewhere: no file there yet, so the box shows again and the
    // file is written there; the first folder's file is not touched.
    kit::WorkingDirectory second;
    runtime.popups().clear();
    EXPECT_EQ(RunUntilBeenden(), 0);
    ASSERT_EQ(runtime.popups().shown().size(), 1u);
    EXPECT_EQ(runtime.popups().shown()[0].title, "Fehler #802285");
    EXPECT_TRUE(fs::is_regular_file(second / INI_DATEINAME));
    EXPECT_EQ(kit::ReadBytes(first / INI_DATEINAME), ersterOrdner);
  }

  // Back in the first folder the file is found and read: no box, and it is
  // written anew at the end, with what was read.
  runtime.popups().clear();
  EXPECT_EQ(RunUntilBeenden(), 0);
  EXPECT_TRUE(runtime.popups().shown().empty());
  EXPECT_EQ(kit::ReadBytes(first / INI_DATEINAME),
            "[com]\r\nadresse = 38\r\ncom = 0\r\nlcom = 7\r\n\r\n");
}

// Over a file-size limit the configuration write must fail with its code,
// not end the program by SIGXFSZ halfway through the file.
TEST(MainFlow, FileSizeLimitDoesNotEndTheProgram) {
  kit::WorkingDirectory directory;
  kit::Runtime runtime;
  std::signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(RunUntilBeenden(), 0);
  struct sigaction current {};
  ::sigaction(SIGXFSZ, nullptr, &current);
  EXPECT_EQ(current.sa_handler, SIG_IGN);
}

}  // namespace
