// The command lines of velt1ctl and velt1-sim: help, version and usage
// errors, checked to the byte without a device.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "process_support.h"

namespace {

struct UsageCase {
  const char* program;
  std::vector<std::string> arguments;
  std::string line;  // what went wrong, without the program's name
};

TEST(CommandLine, UsageErrorPrintsTheOneLineThatWentWrong) {
  const std::string ctl = VELT1CTL_PATH, sim = VELT1_SIM_PATH;
  const UsageCase cases[] = {
      {VELT1CTL_PATH, {}, "kein Befehl angegeben"},
      {VELT1CTL_PATH, {"--com", "20", "sett", "a", "b"}, "unbekannter Befehl sett (meinten Sie set?)"},
      {VELT1CTL_PATH, {"--com", "20", "mem-raed", "0", "4"}, "unbekannter Befehl mem-raed (meinten Sie mem-read?)"},
      {VELT1CTL_PATH, {"--com", "300", "id"}, "--com: Zahl 1..256 erwartet, nicht 300"},
      {VELT1CTL_PATH, {"--com", "20", "mem-read", "0x10", "4294967617"},
       "GROESSE: Zahl 1..0xFFFF erwartet, nicht 4294967617"},
      {VELT1CTL_PATH, {"--com", "20", "mem-write", "0x10000", "61"},
       "ADRESSE: Zahl 0..0xFFFF erwartet, nicht 0x10000"},
      {VELT1CTL_PATH, {"--com", "20", "--address", "A", "id"},
       "--address: Busadresse 1..9, a..f oder & erwartet, nicht A"},
      {VELT1CTL_PATH, {"--com", "20", "--device", "/dev/null", "id"},
       "--com und --device schließen einander aus"},
      {VELT1CTL_PATH, {"id"}, "--com N oder --device PFAD fehlt"},
      {VELT1CTL_PATH, {"--com", "20", "set", "anzahlzaehne"}, "WERT fehlt"},
      {VELT1CTL_PATH, {"--com", "20", "scan", "5", "2"}, "scan: ERSTE darf nicht nach LETZTE kommen"},
      {VELT1CTL_PATH, {"--com", "20", "scan", "06", "4"}, "scan: ERSTE darf nicht nach LETZTE kommen"},
      {VELT1CTL_PATH, {"--com", "20", "--bogus", "id"}, "unbekannte Option --bogus"},
      {VELT1CTL_PATH, {"--com", "20", "id", "extra"}, "unerwartetes Argument extra"},
      {VELT1CTL_PATH, {"--com"}, "--com braucht einen Wert"},
      {VELT1CTL_PATH, {"--com", "20-300", "id"}, "--com: Zahl 1..256 erwartet, nicht 300"},
      {VELT1CTL_PATH, {"--com", "20,21-23,22", "id"}, "--com: 22 ist doppelt genannt"},
      {VELT1CTL_PATH, {"--com", "20", "--com", "21", "id"}, "--com nur einmal angeben"},
      {VELT1CTL_PATH, {"--device", "/dev/a", "--device", "/dev/a", "id"}, "--device /dev/a ist doppelt genannt"},
      {VELT1CTL_PATH, {"--com", "20-22", "get", "status"},
       "mehrere Schnittstellen nur mit id, read-all, write-all und diff"},
      {VELT1CTL_PATH, {"--com", "20,21", "--trace", "id"}, "--trace nur mit einer Schnittstelle"},
      {VELT1CTL_PATH, {"--com", "20,21", "read-all", "a.vlt"},
       "read-all: mit mehreren Schnittstellen braucht DATEI {com} (eine Datei je Schnittstelle), nicht a.vlt"},
      {VELT1CTL_PATH, {"diff", "device", "device"}, "diff: nur eine Seite darf device sein"},
      {VELT1CTL_PATH, {"diff", "a.vlt", "b.vlt", "--entries", "9-2"}, "--entries: Bereich 9-2 läuft rückwärts"},
      {VELT1_SIM_PATH, {"--fifo", "nan"}, "--fifo: Zahl 1..4096 erwartet, nicht nan"},
      {VELT1_SIM_PATH, {"--timeout", "0"}, "--timeout: Zahl über 0 bis 60 erwartet, nicht 0"},
      {VELT1_SIM_PATH, {"--status", "5:0100"}, "--status: kein VELT-1 an Adresse 5"},
      {VELT1_SIM_PATH, {"--random-faults", "-1:0"},
       "--random-faults: SEED 0..4294967295 und RATE 0..1 erwartet, nicht -1:0"},
  };
  TempFolder ports;
  for (const UsageCase& c : cases) {
    const std::string name = c.program == ctl ? "velt1ctl" : "velt1-sim";
    const ToolRun run = RunTool(c.program, c.arguments, ports.path());
    EXPECT_EQ(run.exitCode, 2) << c.line;
    EXPECT_EQ(run.out, "") << c.line;
    EXPECT_EQ(run.err, name + ": " + c.line + "\nMehr dazu: " + name + " --help\n");
  }
}

// Every entry of the help (an option or a command) and its description,
// keyed by the entry's first word.
std::map<std::string, std::string> HelpEntries(const std::string& help) {
  std::map<std::string, std::string> entries;
  std::istringstream lines(help);
  std::string line, current;
  while (std::getline(lines, line)) {
    if (line.rfind("  ", 0) != 0) {
      current.clear();
    } else if (line[2] != ' ') {
      std::istringstream words(line);
      words >> current;
      current = current.substr(current.find(',') + 1);  // "-h,--help"
      entries[current] = line;
    } else if (!current.empty()) {
      entries[current] += "\n" + line;
    }
  }
  return entries;
}

TEST(CommandLine, HelpListsEveryCommandAndOptionWithAnExample) {
  const struct {
    const char* program;
    const char* name;
    std::set<std::string> entries;
  } programs[] = {
      {VELT1CTL_PATH, "velt1ctl",
       {"--help", "--version", "--com", "--device", "--address", "--trace", "ports", "id", "scan", "start",
        "stop", "load", "store", "get", "set", "mem-read", "mem-write", "read-all", "write-all", "read-program",
        "write-program", "show", "convert", "diff"}},
      {VELT1_SIM_PATH, "velt1-sim",
       {"--help", "--version", "--com", "--velt1", "--foreign", "--ident", "--status", "--fault",
        "--random-faults", "--pace", "--fifo", "--timeout"}},
  };
  TempFolder ports;
  for (const auto& program : programs) {
    const ToolRun help = RunTool(program.program, {"--help"}, ports.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    const auto entries = HelpEntries(help.out);
    std::set<std::string> listed;
    for (const auto& [name, text] : entries) {
      listed.insert(name);
      EXPECT_NE(text.find(std::string("Beispiel: ") + program.name), std::string::npos) << text;
    }
    EXPECT_EQ(listed, program.entries);
  }
  // Each command has a help of its own, with its example.
  for (const char* command : {"scan", "load", "set", "mem-read", "mem-write", "read-program"}) {
    const ToolRun help = RunTool(VELT1CTL_PATH, {command, "--help"}, ports.path());
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_NE(help.out.find(std::string("Beispiel: velt1ctl --com 20 ") + command), std::string::npos)
        << help.out;
  }
}

TEST(CommandLine, VersionIsTheProjectVersion) {
  TempFolder ports;
  const ToolRun ctl = RunTool(VELT1CTL_PATH, {"--version"}, ports.path());
  EXPECT_EQ(ctl.exitCode, 0);
  EXPECT_EQ(ctl.out, "velt1ctl " VELT1_PROGRAM_VERSION "\n");
  EXPECT_EQ(RunTool(VELT1_SIM_PATH, {"--version"}, ports.path()).out, "velt1-sim " VELT1_PROGRAM_VERSION "\n");
}

}  // namespace
