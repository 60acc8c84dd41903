// velt1ctl against velt1-sim over a real pseudo-terminal, the way a user runs
// them: the simulator registers COM 20 in a private ports folder, velt1ctl
// opens it by number, and what comes out is checked to the byte.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <regex>

#include "tests/kit/process.h"

namespace {

using namespace kit;

const std::string kCom = "20";

class CtlAgainstSim : public ::testing::Test {
 protected:
  void start(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--com", kCom});
    sim = std::make_unique<SimProcess>(arguments, ports.path());
    ASSERT_EQ(sim->firstLine().substr(0, 9), "/dev/pts/") << sim->firstLine();
  }
  ToolRun ctl(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--com", kCom});
    return RunTool(VELT1CTL_PATH, arguments, ports.path());
  }
  // A command that must succeed; its standard output.
  std::string ok(const std::vector<std::string>& arguments) {
    const ToolRun run = ctl(arguments);
    EXPECT_EQ(run.exitCode, 0) << arguments.back() << ": " << run.err;
    EXPECT_EQ(run.err, "") << arguments.back();
    return run.out;
  }

  TempFolder ports;
  std::unique_ptr<SimProcess> sim;
};

TEST_F(CtlAgainstSim, ReadsTheIdentification) {
  start({});
  EXPECT_EQ(sim->firstLine(), sim->firstLine().substr(0, sim->firstLine().find(' ')) + " COM20");
  EXPECT_EQ(ok({"id"}), "QOR-VELT1-V1.07\n");
  EXPECT_EQ(ok({"--address", "1", "id"}), "QOR-VELT1-V1.07\n");
  // Options may follow the command as well.
  EXPECT_EQ(RunTool(VELT1CTL_PATH, {"id", "--com", kCom}, ports.path()).out, "QOR-VELT1-V1.07\n");
}

// Pacing changes when bytes arrive, never which.
TEST_F(CtlAgainstSim, PacedLineCarriesTheSameBytes) {
  for (const char* fifo : {"1", "16"}) {
    start({"--pace", "--fifo", fifo});
    EXPECT_EQ(ok({"id"}), "QOR-VELT1-V1.07\n") << fifo;
    EXPECT_EQ(ok({"mem-read", "0", "12"}),
              "0000: 00 00 00 00 00 00 00 00 00 00 00 00              ............\n") << fifo;
    sim->terminate();
  }
}

TEST_F(CtlAgainstSim, ScanFindsTwoVelt1AndAForeignDevice) {
  start({"--velt1", "1,2", "--foreign", "3"});
  EXPECT_EQ(ok({"scan", "1", "4"}),
            "1: QOR-VELT1-V1.07 (VELT-1)\n"
            "2: QOR-VELT1-V1.07 (VELT-1)\n"
            "3: FOREIGN-DEVICE-1 (kein VELT-1)\n"
            "4: nichts gefunden\n");
  // FIRST and LAST are numbers, not their first characters.
  EXPECT_EQ(ok({"scan", "3", "03"}), "3: FOREIGN-DEVICE-1 (kein VELT-1)\n");
}

struct KeywordValue {
  const char* keyword;
  const char* value;
  const char* readBack;
};

const KeywordValue kKeywords[] = {
    {"programmname", "Nockenwelle 4", "Nockenwelle 4\n"},
    {"pruefspannungsquelle", "2", "2\n"},
    {"pruefspannung", "12.5", "12.5\n"},
    {"anzahlzaehne", "58", "58\n"},
    {"sensorkanaele", "1", "1\n"},
    {"toleranzhigh", "0.75", "0.8\n"},
    {"toleranzlow", "0", "0\n"},
    {"toleranzphase", "45", "45\n"},
    {"schwellwertsteigendeflanke", "40", "40\n"},
    {"schwellwertfallendeflanke", "60", "60\n"},
    {"totzeitvorsteigend", "5", "5\n"},
    {"totzeitnachsteigend", "25", "25\n"},
    {"totzeitvorfallend", "7", "7\n"},
    {"totzeitnachfallend", "30", "30\n"},
};

TEST_F(CtlAgainstSim, SetAndGetEveryKeyword) {
  start({});
  for (const auto& entry : kKeywords) {
    EXPECT_EQ(ok({"set", entry.keyword, entry.value}), "") << entry.keyword;
    EXPECT_EQ(ok({"get", entry.keyword}), entry.readBack) << entry.keyword;
  }
  // A name that looks like an option follows "--".
  EXPECT_EQ(ok({"set", "programmname", "--", "-A-"}), "");
  EXPECT_EQ(ok({"get", "programmname"}), "-A-\n");
}

TEST_F(CtlAgainstSim, StartAndStopShowInTheStatusWord) {
  start({"--status", "0200"});
  EXPECT_EQ(ok({"start"}), "");
  EXPECT_EQ(ok({"get", "status"}),
            "0x0201\nMessung aktiv: ein\nRemotebetrieb: aus\nSpeicherfehler: aus\n"
            "Prüfspannungsfehler: ein\n");
  EXPECT_EQ(ok({"stop"}), "");
  EXPECT_EQ(ok({"get", "status"}),
            "0x0200\nMessung aktiv: aus\nRemotebetrieb: aus\nSpeicherfehler: aus\n"
            "Prüfspannungsfehler: ein\n");
  // Every hexadecimal form the help names; bit 0 is the measurement, which
  // start and stop set.
  for (const auto& [status, word] : {std::pair{"FFFF", "0xFFFE\n"}, {"1:B", "0x000A\n"}, {"0xB", "0x000A\n"}}) {
    sim.reset();
    start({"--status", status});
    EXPECT_EQ(ok({"get", "status"}).substr(0, 7), word) << status;
  }
}

// A CR inside a name must not end the frame and run the rest as a command.
TEST_F(CtlAgainstSim, NameWithAControlCharacterStaysOneCommand) {
  start({});
  EXPECT_EQ(ok({"set", "programmname", "a\r#1DF1"}), "");
  EXPECT_EQ(ok({"get", "programmname"}), "a #1DF1\n");
  EXPECT_EQ(ok({"get", "status"}).substr(0, 7), "0x0000\n");
}

TEST_F(CtlAgainstSim, StoresAndLoadsAProgram) {
  start({});
  ok({"set", "programmname", "Kurbelwelle"});
  ok({"set", "anzahlzaehne", "36"});
  EXPECT_EQ(ok({"store", "5"}), "");
  EXPECT_EQ(ok({"load", "1"}), "");
  EXPECT_EQ(ok({"get", "programmname"}), "Programm 1\n");
  EXPECT_EQ(ok({"get", "anzahlzaehne"}), "60\n");
  EXPECT_EQ(ok({"load", "5"}), "");
  EXPECT_EQ(ok({"get", "programmname"}), "Kurbelwelle\n");
  EXPECT_EQ(ok({"get", "anzahlzaehne"}), "36\n");
}

TEST_F(CtlAgainstSim, WritesAndReadsBackMemory) {
  start({});
  EXPECT_EQ(ok({"mem-write", "0x1a0", "48656C6C6F2C2056454C542D3121"}), "");
  EXPECT_EQ(ok({"mem-read", "0x19e", "20"}),
            "019E: 00 00 48 65 6C 6C 6F 2C 20 56 45 4C 54 2D 31 21  ..Hello, VELT-1!\n"
            "01AE: 00 00 00 00                                      ....\n");
}

TEST_F(CtlAgainstSim, TraceShowsEveryByteWithATimeStamp) {
  start({});
  const ToolRun id = ctl({"--trace", "id"});
  EXPECT_EQ(id.exitCode, 0);
  EXPECT_EQ(id.out, "QOR-VELT1-V1.07\n");
  const std::regex idTrace(
      "\\[ *[0-9]+\\.[0-9]{6}\\] -> 23 31 49 44 52 0D  #1IDR\\.\n"
      "\\[ *[0-9]+\\.[0-9]{6}\\] <- 06  \\.\n"
      "\\[ *[0-9]+\\.[0-9]{6}\\] <- 23 31 51 4F 52 2D 56 45 4C 54 31 2D 56 31 2E 30 37 0D  "
      "#1QOR-VELT1-V1\\.07\\.\n");
  EXPECT_TRUE(std::regex_match(id.err, idTrace)) << id.err;

  const ToolRun set = ctl({"--trace", "set", "pruefspannung", "12.5"});
  EXPECT_EQ(set.exitCode, 0);
  EXPECT_NE(set.err.find("] -> 23 31 56 31 57 31 32 2E 35 0D  #1V1W12.5.\n"), std::string::npos) << set.err;
  const ToolRun mem = ctl({"--trace", "mem-write", "0", "616263"});
  EXPECT_EQ(mem.exitCode, 0);
  EXPECT_NE(mem.err.find("#1BDW4000000036162630127."), std::string::npos) << mem.err;
  EXPECT_NE(ctl({"--trace", "get", "status"}).err.find("#1S1R0000."), std::string::npos);
}

struct Failure {
  std::vector<std::string> simArguments;
  std::vector<std::string> command;
  int exitCode;
  std::string err;
};

TEST_F(CtlAgainstSim, ReportsFailuresWithTheirNumberAndMessage) {
  const Failure failures[] = {
      {{}, {"set", "anzahlzaehne", "126"}, 1, "Fehler #500066: Parameter außerhalb der Grenzwerte\n"},
      {{}, {"set", "Anzahlzaehne", "12"}, 1, "Fehler #401115: Unzulässiger Parameter\n"},
      {{}, {"load", "17"}, 1, "Fehler #401053: Unzulässiger Parameter\n"},
      {{}, {"--address", "&", "id"}, 1, "Fehler #400006: Unzulässige Geräteadresse\n"},
      {{"--fault", "IDR:echo"}, {"id"}, 1, "Fehler #404015: Fehlerhafte Antwort vom Gerät\n"},
      {{"--fault", "Z1R:nak"}, {"get", "anzahlzaehne"}, 1,
       "Fehler #402206: Fehlermeldung (NAK) vom Gerät erhalten\n"},
      {{"--fault", "S1R:err"}, {"get", "status"}, 1, "Fehler #409212: Gerät meldet Parameterfehler\n"},
      {{"--fault", "DF1:can"}, {"start"}, 1,
       "Fehler #405040: Befehlsausführung momentan nicht möglich (CAN erhalten)\n"},
      {{}, {"--address", "5", "id"}, 1, "Fehler #403012: Keine Antwort vom Gerät\n"},
      // The answer comes after 1.7 s, past velt1ctl's time-out of 1.5 s.
      {{"--timeout", "3.4", "--fault", "IDR:slow"}, {"id"}, 1, "Fehler #403012: Keine Antwort vom Gerät\n"},
  };
  for (const auto& failure : failures) {
    start(failure.simArguments);
    const ToolRun run = ctl(failure.command);
    EXPECT_EQ(run.exitCode, failure.exitCode) << failure.command.back();
    EXPECT_EQ(run.out, "") << failure.command.back();
    EXPECT_EQ(run.err, failure.err) << failure.command.back();
    sim->terminate();
  }
}

// An answer after 1.3 s is still inside velt1ctl's time-out of 1.5 s.
TEST_F(CtlAgainstSim, AnswerAfterOnePointThreeSecondsArrivesInTime) {
  start({"--timeout", "2.6", "--fault", "IDR:slow"});
  EXPECT_EQ(ok({"id"}), "QOR-VELT1-V1.07\n");
}

// A late reply reaches the port after velt1ctl has given up; the next run's
// flush throws it away. A dropped line comes back as a new pseudo-terminal
// behind the same COM number, like an adapter plugged in again.
TEST_F(CtlAgainstSim, LateReplyAndDroppedLineLeaveTheNextRunClean) {
  start({"--fault", "IDR:late", "--fault", "Z1R:drop"});
  const ToolRun late = ctl({"id"});
  EXPECT_EQ(late.exitCode, 1);
  EXPECT_EQ(late.err, "Fehler #403012: Keine Antwort vom Gerät\n");
  // The line hangs up under this read: while the frame drains or while the
  // driver waits for the acknowledge, whichever the scheduler makes first.
  const ToolRun dropped = ctl({"get", "anzahlzaehne"});
  EXPECT_EQ(dropped.exitCode, 1);
  EXPECT_TRUE(dropped.err == "Fehler #403208: Keine Antwort vom Gerät\n" ||
              dropped.err == "Fehler #101204: Fehler beim schreiben auf die serielle Schnittstelle\n")
      << dropped.err;
  EXPECT_EQ(ok({"id"}), "QOR-VELT1-V1.07\n");
  EXPECT_EQ(ok({"get", "anzahlzaehne"}), "60\n");
}

// Paced, a reply that comes after the host's time-out must not hold up the
// answer to the next command; that command's flush throws the old reply away.
TEST_F(CtlAgainstSim, PacedLateReplyDoesNotHoldUpTheNextAnswer) {
  start({"--pace", "--fault", "Z1R:late", "--fault", "M1R:gap"});
  const struct {
    const char* keyword;
    int exitCode;
    const char* out;
  } reads[] = {
      {"anzahlzaehne", 1, ""},  {"sensorkanaele", 0, "2\n"},
      {"pruefspannungsquelle", 1, ""}, {"toleranzphase", 0, "10\n"},
  };
  for (const auto& read : reads) {
    const ToolRun run = ctl({"get", read.keyword});
    EXPECT_EQ(run.exitCode, read.exitCode) << read.keyword << ": " << run.err;
    EXPECT_EQ(run.out, read.out) << read.keyword;
  }
}

TEST_F(CtlAgainstSim, OpensADevicePathAndListsThePorts) {
  start({});
  const std::string path = sim->firstLine().substr(0, sim->firstLine().find(' '));
  const ToolRun byPath = RunTool(VELT1CTL_PATH, {"--device", path, "get", "programmname"}, "/nonexistent");
  EXPECT_EQ(byPath.exitCode, 0) << byPath.err;
  EXPECT_EQ(byPath.out, "Arbeitsparameter\n");
  std::ofstream(ports.path() + "/COM41") << "rfc2217://bench7:2217\n";
  EXPECT_NE(ok({"ports"}).find("COM20  " + ports.path() + "/COM20\nCOM41  rfc2217://bench7:2217\n"),
            std::string::npos);
}

TEST_F(CtlAgainstSim, UsageErrorsExitWithTwo) {
  const auto run = [&](std::vector<std::string> arguments) {
    return RunTool(VELT1CTL_PATH, arguments, ports.path());
  };
  EXPECT_EQ(run({"--help"}).exitCode, 0);
  EXPECT_NE(run({"--help"}).out.find("mem-write ADRESSE HEX"), std::string::npos);
  EXPECT_EQ(run({}).exitCode, 2);
  EXPECT_EQ(run({"--com", "20", "fly"}).exitCode, 2);
  EXPECT_EQ(run({"--com", "20", "set", "anzahlzaehne"}).exitCode, 2);
  EXPECT_EQ(run({"--com", "20", "set", "anzahlzaehne", "zehn"}).exitCode, 2);
  EXPECT_EQ(run({"--com", "0", "id"}).exitCode, 2);
  EXPECT_EQ(run({"id"}).exitCode, 2);
  EXPECT_EQ(run({"--com", "20", "mem-write", "0", "ABC"}).exitCode, 2);
  // No simulator: the port cannot be opened, and the message says which device is missing.
  const ToolRun closed = run({"--com", "21", "id"});
  EXPECT_EQ(closed.exitCode, 1);
  EXPECT_EQ(closed.err,
            "Fehler #100003: Fehler beim öffnen der seriellen Schnittstelle\n"
            "COM 21 (/dev/ttyS20): kein Gerät vorhanden.\n");
}

// Numbers outside their ranges are refused before anything is allocated for
// them or sent; a number that does not fit an int is never cut to one.
TEST_F(CtlAgainstSim, OutOfRangeNumbersAreRefusedBeforeAnythingIsSent) {
  start({});
  const std::vector<std::vector<std::string>> commands = {
      {"mem-read", "0x10", "4294967617"}, {"mem-read", "0x10", "0"},
      {"mem-read", "0x10", "0x10000"},    {"mem-read", "-1", "4"},
      {"mem-read", "0x10000", "4"},       {"mem-read", "4294967296", "4"},
      {"mem-write", "0x10000", "61"},     {"mem-write", "-1", "61"},
      {"mem-write", "0xFFFF", "6162"},    {"mem-write", "0", ""},
      {"load", "4294967297"},             {"store", "-4294967295"},
  };
  for (const auto& command : commands) {
    const ToolRun run = ctl(command);
    EXPECT_EQ(run.exitCode, 2) << command[0] << " " << command[1] << ": " << run.err;
    EXPECT_EQ(run.out, "") << command[1];
  }
  EXPECT_EQ(RunTool(VELT1CTL_PATH, {"--com", "4294967316", "id"}, ports.path()).exitCode, 2);
  std::string err;
  EXPECT_EQ(sim->terminate(&err), 0);
  EXPECT_EQ(err, "velt1-sim: 0 Frames empfangen\n");
}

// Out-of-range and non-finite values are refused while they are still
// checked as text or as a double, never converted first.
TEST_F(CtlAgainstSim, SimulatorRefusesOutOfRangeOptionValues) {
  const std::vector<std::vector<std::string>> options = {
      {"--com", "1e300"},         {"--com", "nan"},           {"--com", "20.5"},
      {"--com", "257"},           {"--fifo", "nan"},          {"--fifo", "1e300"},
      {"--fifo", "0"},            {"--random-faults", "-1:0"}, {"--random-faults", "1e300:0.5"},
      {"--random-faults", "1:nan"}, {"--random-faults", "1.5:0"}, {"--timeout", "nan"},
  };
  for (const auto& option : options) {
    const ToolRun run = RunTool(VELT1_SIM_PATH, option, ports.path());
    EXPECT_EQ(run.exitCode, 2) << option[0] << " " << option[1] << ": " << run.err;
    EXPECT_EQ(run.err.rfind("velt1-sim: ", 0), 0u) << run.err;
    EXPECT_EQ(run.out, "") << option[1];
  }
}

// Output over a file-size limit fails the run; it does not end the program
// by SIGXFSZ.
TEST_F(CtlAgainstSim, OutputOverTheFileSizeLimitIsAFailureNotASignal) {
  const std::string out = ports.path() + "/out.txt";
  EXPECT_EQ(RunToolIntoLimitedFile(VELT1CTL_PATH, {"--help"}, out, 16), 1);
  EXPECT_EQ(RunToolIntoLimitedFile(VELT1_SIM_PATH, {"--help"}, out, 16), 1);
  EXPECT_EQ(RunToolIntoLimitedFile(VELT1CTL_PATH, {"--help"}, out, 1 << 20), 0);
}

TEST_F(CtlAgainstSim, SimulatorShutsDownCleanlyAndLeavesNoLink) {
  start({});
  const auto link = std::filesystem::path(ports.path()) / "COM20";
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  ok({"id"});
  ok({"id"});  // the host closed and opened the port again
  std::string err;
  EXPECT_EQ(sim->terminate(&err), 0);
  EXPECT_EQ(err, "velt1-sim: 2 Frames empfangen\n");
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

// Closing the terminal ends the simulator as cleanly as Ctrl-C; one that was
// killed leaves its link behind, and the next one takes the COM number over.
TEST_F(CtlAgainstSim, SimulatorCleansUpAfterHangUpAndAfterAKilledOne) {
  const auto link = std::filesystem::path(ports.path()) / "COM20";
  start({});
  EXPECT_EQ(sim->terminate(nullptr, SIGHUP), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
  start({});
  EXPECT_EQ(sim->terminate(nullptr, SIGKILL), -1);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  start({});
  EXPECT_EQ(ok({"id"}), "QOR-VELT1-V1.07\n");
}

TEST_F(CtlAgainstSim, SimulatorRefusesATakenComNumber) {
  start({});
  const ToolRun second = RunTool(VELT1_SIM_PATH, {"--com", kCom}, ports.path());
  EXPECT_EQ(second.exitCode, 1);
  EXPECT_NE(second.err.find("COM20"), std::string::npos) << second.err;
  EXPECT_EQ(ok({"id"}), "QOR-VELT1-V1.07\n");  // the first one still serves
}

}  // namespace
