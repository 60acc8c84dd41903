// velt1ctl with whole program sets: between simulated devices on real
// pseudo-terminals and parameter files, and between parameter files and
// JSON. Files are compared to the byte, frames to those of the transfer unit.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <regex>
#include <vector>
#include <sstream>

#include <nlohmann/json.hpp>

#include "ctl_dateien.h"
#include "device/qorvelt1.h"
#include "device/serial_channel.h"
#include "device/velt1com.h"
#include "process_support.h"
#include "programs/core/geraetedienste.h"
#include "programs/core/parameterdatei.h"
#include "programs/core/programmtransfer.h"
#include "tests/device/ser2net_support.h"
#include "sim/sim_channel_peer.h"
#include "support/ini_store.h"

namespace {

using Bytes = std::string;
using velt1test::Ser2net;

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A set whose every entry differs from the defaults and from the others, in
// values a device keeps exactly (one decimal for voltages, whole numbers else).
std::array<Programm, PROGRAMM_ANZAHL> DistinctSet() {
  std::array<Programm, PROGRAMM_ANZAHL> set{};
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    Programm& p = set[static_cast<std::size_t>(i)];
    std::snprintf(p.programmname, sizeof p.programmname, "Satz %d Welle", i);
    p.pruefspannungsquelle = 1 + i % 3;
    p.pruefspannung = 2.5 + i;
    p.anzahlzaehne = 30 + i;
    p.sensorkanaele = 1 + i % 2;
    p.toleranzhigh = 0.5 + i;
    p.toleranzlow = 0.2 + i;
    p.toleranzphase = 90 + i;
    p.schwellwertsteigendeflanke = 40 + i;
    p.schwellwertfallendeflanke = 60 + i;
    p.totzeitvorsteigend = 2 + i;
    p.totzeitnachsteigend = 200 + i;
    p.totzeitvorfallend = 3 + i;
    p.totzeitnachfallend = 300 + i;
  }
  return set;
}

Bytes FileBytes(const std::array<Programm, PROGRAMM_ANZAHL>& set) {
  const ParameterdateiBild image = Parameterdatei_Bauen(set);
  return {image.begin(), image.end()};
}

// The bytes of every "->" line of a --trace.
Bytes SentBytes(const std::string& trace) {
  Bytes sent;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t arrow = line.find("] -> ");
    if (arrow == std::string::npos) continue;
    std::istringstream hex(line.substr(arrow + 5, line.find("  ", arrow + 5) - arrow - 5));
    for (unsigned byte = 0; hex >> std::hex >> byte;) sent += static_cast<char>(byte);
  }
  return sent;
}

class ProgramSets : public ::testing::Test {
 protected:
  void SetUp() override { WriteFile(path("distinct.vlt"), FileBytes(DistinctSet())); }
  std::string path(const std::string& name) const { return ports.path() + "/" + name; }
  std::unique_ptr<SimProcess> start(const std::string& com, std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), {"--com", com});
    return std::make_unique<SimProcess>(arguments, ports.path());
  }
  ToolRun ctl(const std::vector<std::string>& arguments) { return RunTool(VELT1CTL_PATH, arguments, ports.path()); }
  void ok(const std::vector<std::string>& arguments) {
    const ToolRun run = ctl(arguments);
    EXPECT_EQ(run.exitCode, 0) << arguments[2] << ": " << run.err;
    EXPECT_EQ(run.err, "") << arguments[2];
  }

  TempFolder ports;
};

TEST_F(ProgramSets, ReadAllAndWriteAllCopyASetToAnotherDevice) {
  auto first = start("20");
  auto second = start("21");
  ok({"--com", "20", "write-all", path("distinct.vlt")});
  ok({"--com", "20", "read-all", path("first.vlt")});
  EXPECT_EQ(ReadFile(path("first.vlt")), FileBytes(DistinctSet()));
  ok({"--com", "21", "write-all", path("first.vlt")});
  ok({"--com", "21", "read-all", path("second.vlt")});
  EXPECT_EQ(ReadFile(path("second.vlt")), ReadFile(path("first.vlt")));

  // One entry into an existing file: only that entry changes.
  auto changed = DistinctSet();
  changed[7] = changed[2];
  WriteFile(path("one.vlt"), FileBytes(changed));
  ok({"--com", "21", "read-program", "7", path("one.vlt")});
  EXPECT_EQ(ReadFile(path("one.vlt")), FileBytes(DistinctSet()));
  // One entry written: program 4 of the device changes, its working parameters stay.
  changed = DistinctSet();
  changed[4] = changed[9];
  WriteFile(path("four.vlt"), FileBytes(changed));
  ok({"--com", "21", "write-program", "4", path("four.vlt")});
  ok({"--com", "21", "read-all", path("after.vlt")});
  EXPECT_EQ(ReadFile(path("after.vlt")), FileBytes(changed));
  // To every device at once: nobody answers '&', each frame must leave before the next flush.
  auto both = start("22", {"--velt1", "1,2", "--pace"});
  ok({"--com", "22", "--address", "&", "write-all", path("distinct.vlt")});
  for (const char* address : {"1", "2"}) {
    ok({"--com", "22", "--address", address, "read-all", path("back.vlt")});
    EXPECT_EQ(ReadFile(path("back.vlt")), FileBytes(DistinctSet())) << address;
  }
}

// A new file gets the defaults around the entry read.
TEST_F(ProgramSets, ReadProgramCreatesAFileWithTheDefaults) {
  auto sim = start("20");
  ok({"--com", "20", "write-all", path("distinct.vlt")});
  ok({"--com", "20", "read-program", "0", path("new.vlt")});
  const ToolRun show = ctl({"show", path("new.vlt")});
  EXPECT_EQ(show.exitCode, 0) << show.err;
  const std::string header =
      "Eintrag  programmname  pruefspannungsquelle  pruefspannung  anzahlzaehne  sensorkanaele  toleranzhigh"
      "  toleranzlow  toleranzphase  schwellwertsteigendeflanke  schwellwertfallendeflanke  totzeitvorsteigend"
      "  totzeitnachsteigend  totzeitvorfallend  totzeitnachfallend\n";
  EXPECT_EQ(show.out.substr(0, header.size()), header);
  std::vector<std::string> rows;
  std::istringstream lines(show.out);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_EQ(line.size(), header.size() - 1) << line;  // the numbers end under their keywords
    rows.push_back(line);
  }
  ASSERT_EQ(rows.size(), 18u);
  const auto words = [](const std::string& row) {
    std::istringstream in(row);
    return std::vector<std::string>(std::istream_iterator<std::string>(in), {});
  };
  using Words = std::vector<std::string>;
  EXPECT_EQ(words(rows[1]), (Words{"A", "Satz", "0", "Welle", "1", "2.5", "30", "1", "0.5", "0.2", "90", "40", "60",
                                   "2", "200", "3", "300"}));
  EXPECT_EQ(words(rows[2]), (Words{"1", "Programm", "1", "1", "2", "60", "2", "1", "1", "10", "50", "50", "1", "20",
                                   "1", "20"}));
  EXPECT_EQ(words(rows[17])[0], "16");
}

// velt1ctl runs the main panel's transfer unit: the same frames, byte for
// byte, as the unit on the device services of an in-process device.
TEST_F(ProgramSets, FramesAreTheTransferUnitsFrames) {
  const auto unitFrames = [](bool read) {
    constexpr int kPort = 7;
    auto peer = std::make_shared<sim::SimChannelPeer>();
    peer->bus().addVelt1('1');
    const auto channel = rs232::AttachChannel(kPort, peer);
    EXPECT_EQ(QORVELT1_Open(kPort, 9600), 0);
    DaxCom_SitzungSetzen({[] { return kPort; }, [] { return '1'; }});
    Geraetedienste services;
    auto set = DistinctSet();
    const int code = read ? Programmtransfer_Lesen(set, 0, TransferUmfang::Alle, services).code
                          : Programmtransfer_Schreiben(set, 0, TransferUmfang::Alle, services);
    EXPECT_EQ(code, 0);
    QORVELT1_Close(kPort);
    DaxCom_HooksEntfernen();
    rs232::DetachChannel(kPort);
    return Bytes(channel->written().begin(), channel->written().end());
  };
  auto sim = start("20");
  // Each transfer also through ser2net in front of the simulator's line:
  // reading over RFC 2217, writing over raw TCP.
  const std::string line = sim->firstLine().substr(0, sim->firstLine().find(' '));
  const auto overServer = [&](Ser2net::Mode mode, const char* command, const std::string& file) {
    Ser2net server(line, mode);
    return ctl({"--device", server.address(), "--trace", command, file});
  };
  const ToolRun read = ctl({"--com", "20", "--trace", "read-all", path("read.vlt")});
  const ToolRun netRead = overServer(Ser2net::Mode::Rfc2217, "read-all", path("net.vlt"));
  const ToolRun write = ctl({"--com", "20", "--trace", "write-all", path("distinct.vlt")});
  const ToolRun netWrite = overServer(Ser2net::Mode::Raw, "write-all", path("distinct.vlt"));
  EXPECT_EQ(read.exitCode, 0);
  EXPECT_EQ(write.exitCode, 0);
  const Bytes readFrames = SentBytes(read.err);
  const Bytes writeFrames = SentBytes(write.err);
  EXPECT_EQ(std::count(readFrames.begin(), readFrames.end(), '\r'), 282);
  EXPECT_EQ(std::count(writeFrames.begin(), writeFrames.end(), '\r'), 254);
  EXPECT_EQ(readFrames, unitFrames(true));
  EXPECT_EQ(writeFrames, unitFrames(false));

  EXPECT_EQ(netRead.exitCode + netWrite.exitCode, 0) << netRead.err << netWrite.err;
  EXPECT_EQ(SentBytes(netRead.err), readFrames);
  EXPECT_EQ(SentBytes(netWrite.err), writeFrames);
  EXPECT_EQ(ReadFile(path("net.vlt")), ReadFile(path("read.vlt")));
  std::string err;
  sim->terminate(&err);
  EXPECT_EQ(err, "velt1-sim: 1072 Frames empfangen\n");  // two reads and two writes arrived whole
}

TEST_F(ProgramSets, ConvertKeepsEveryByteAndNamesLatin1Characters) {
  auto set = DistinctSet();
  std::strcpy(set[3].programmname, "Pr\xFC" "fling \xDF\xB5 31 Zeichen lang...");
  set[5].toleranzlow = -0.0;
  set[6].pruefspannung = 2.1 + 0.2;  // no short decimal form
  WriteFile(path("latin1.vlt"), FileBytes(set));
  ok({"convert", path("latin1.vlt"), path("latin1.json")});
  ok({"convert", path("latin1.json"), path("back.vlt")});
  EXPECT_EQ(ReadFile(path("back.vlt")), FileBytes(set));
  const Bytes json = ReadFile(path("latin1.json"));
  const std::string head =
      "{\n  \"typ\": \"QORVELT1Steuerung\",\n  \"version\": 2,\n  \"programme\": [\n    {\n"
      "      \"eintrag\": \"A\",\n      \"programmname\": \"Satz 0 Welle\",\n      \"pruefspannungsquelle\": 1.0,\n";
  EXPECT_EQ(json.substr(0, head.size()), head);
  EXPECT_NE(json.find("\"pruefspannung\": 2.3000000000000003,"), std::string::npos);
  EXPECT_NE(json.find("\"programmname\": \"Prüfling ßµ 31 Zeichen lang...\""), std::string::npos);
  EXPECT_NE(json.find("\"toleranzlow\": -0.0,"), std::string::npos);
  const ToolRun show = ctl({"show", "--json", path("latin1.vlt")});
  EXPECT_EQ(show.out, json);
}

struct JsonCheck {
  const char* from;
  const char* to;
  const char* err;  // after "velt1ctl: <file>: "
  bool written;     // only a warning: the file is converted
};

// A JSON value the device does not take, or JSON that breaks a rule, is
// refused with entry and keyword named, and nothing is written; a value the
// device takes but the main panel cannot show is named in a warning.
TEST_F(ProgramSets, ConvertChecksJsonAgainstTheDeviceAndWarnsOutsideThePanel) {
  const JsonCheck checks[] = {
      {"\"anzahlzaehne\": 33.0", "\"anzahlzaehne\": 126", "Eintrag 3, anzahlzaehne: 126 liegt nicht in 1..125", false},
      {"\"pruefspannung\": 2.5", "\"pruefspannung\": 0.5", "Eintrag A, pruefspannung: 0.5 liegt nicht in 1..33", false},
      {"\"pruefspannung\": 2.5", "\"pruefspannung\": 1.5",
       "Warnung: Eintrag A, pruefspannung: 1.5 liegt nicht in 2..33 (Bereich der Hauptmaske)", true},
      {"\"sensorkanaele\": 2.0", "\"sensorkanaele\": 3",
       "Warnung: Eintrag 1, sensorkanaele: 3 liegt nicht in 1..2 (Bereich der Hauptmaske)", true},
      {"\"pruefspannungsquelle\": 3.0", "\"pruefspannungsquelle\": 2.5",
       "Warnung: Eintrag 2, pruefspannungsquelle: 2.5 ist nicht 1, 2 oder 3 (Bereich der Hauptmaske)", true},
      {"\"pruefspannungsquelle\": 3.0", "\"pruefspannungsquelle\": 5",
       "Warnung: Eintrag 2, pruefspannungsquelle: 5 ist nicht 1, 2 oder 3 (Bereich der Hauptmaske)", true},
      {"\"pruefspannungsquelle\": 3.0", "\"pruefspannungsquelle\": 34",
       "Eintrag 2, pruefspannungsquelle: 34 liegt nicht in 1..33", false},
      {"\"totzeitnachsteigend\": 216.0", "\"totzeitnachsteigend\": 19",
       "Eintrag 16, totzeitnachsteigend: 19 liegt nicht in 20..999", false},
      {"\"toleranzphase\": 95.0", "\"toleranzphase\": \"95\"", "Eintrag 5, toleranzphase: keine Zahl", false},
      {"\"toleranzphase\": 95.0", "\"toleranzfase\": 95.0", "Eintrag 5, toleranzphase: fehlt", false},
      {"\"totzeitvorfallend\": 4.0", "\"totzeitvorfallend\": 4.0, \"x\": 1", "Eintrag 1, x: unbekanntes Feld", false},
      {"\"eintrag\": \"7\"", "\"eintrag\": \"8\"", "Eintrag 7: eintrag muss \"7\" sein", false},
      {"\"Satz 9 Welle\"", "\"Satz 9 \\u20ac\"", "Eintrag 9, programmname: Name mit Zeichen außerhalb von Latin-1", false},
      {"\"version\": 2", "\"version\": 3", "version 2 fehlt", false},
      {"\"anzahlzaehne\": 33.0", "\"anzahlzaehne\": 1e309",
       "kein gültiges JSON: [json.exception.out_of_range.406] number overflow parsing '1e309'", false},
  };
  ok({"convert", path("distinct.vlt"), path("good.json")});
  const Bytes good = ReadFile(path("good.json"));
  for (const auto& check : checks) {
    Bytes bad = good;
    const std::size_t at = bad.find(check.from);
    ASSERT_NE(at, std::string::npos) << check.from;
    bad.replace(at, std::strlen(check.from), check.to);
    WriteFile(path("bad.json"), bad);
    std::filesystem::remove(path("bad.vlt"));
    const ToolRun run = ctl({"convert", path("bad.json"), path("bad.vlt")});
    EXPECT_EQ(run.exitCode, check.written ? 0 : 1) << check.to;
    EXPECT_EQ(run.err, "velt1ctl: " + path("bad.json") + ": " + check.err + "\n");
    EXPECT_EQ(std::filesystem::exists(path("bad.vlt")), check.written) << check.to;
  }
}

struct FailedTransfer {
  std::vector<std::string> simArguments;
  std::vector<std::string> command;  // "FILE" stands for the existing file
  std::string err;
};

// A failure exits with 1 and its code, and the existing file keeps its bytes.
TEST_F(ProgramSets, FailuresLeaveTheFileAsItWas) {
  const FailedTransfer failures[] = {
      {{"--fault", "PNS:nak"}, {"read-all", "FILE"}, "Fehler #402057: Fehlermeldung (NAK) vom Gerät erhalten\n"},
      {{"--fault", "T4R@1:silence"}, {"read-program", "3", "FILE"}, "Fehler #403208: Keine Antwort vom Gerät\n"},
      {{}, {"write-all", "missing.vlt"}, "Fehler #308403: Fehler beim Öffnen der Datei\n"},
      {{}, {"show", "short.vlt"}, "Fehler #304409: Fehler beim Lesen der Datei\n"},
      {{}, {"convert", "FILE", "/nonexistent/x.json"}, "Fehler #301401: Fehler beim Schreiben auf Datei\n"},
      {{}, {"show", "--json", "nan.vlt"}, "velt1ctl: DIR/nan.vlt: Eintrag 3, anzahlzaehne: kein endlicher Wert\n"},
  };
  WriteFile(path("short.vlt"), FileBytes(DistinctSet()).substr(0, 2351));
  auto nan = DistinctSet();
  nan[3].anzahlzaehne = std::nan("");
  WriteFile(path("nan.vlt"), FileBytes(nan));
  for (const auto& failure : failures) {
    auto sim = start("20", failure.simArguments);
    std::vector<std::string> command = {"--com", "20"};
    for (const std::string& argument : failure.command) {
      const bool file = argument.find('.') != std::string::npos && argument[0] != '/';
      command.push_back(argument == "FILE" ? path("distinct.vlt") : file ? path(argument) : argument);
    }
    const ToolRun run = ctl(command);
    EXPECT_EQ(run.exitCode, 1) << failure.command[0];
    EXPECT_EQ(run.err, std::regex_replace(failure.err, std::regex("DIR"), ports.path())) << failure.command[0];
    EXPECT_EQ(ReadFile(path("distinct.vlt")), FileBytes(DistinctSet())) << failure.command[0];
  }
}

// The INI file, the parameter file and the JSON are saved alike: a link leads to the file it names, which
// keeps its bits and group; what the user may not write is refused with the writer's code and stays as it was.
TEST_F(ProgramSets, EverySaveFollowsLinksAndRefusesWhatTheUserMayNotWrite) {
  ASSERT_NE(::geteuid(), 0u) << "run the suite as an ordinary user; scripts/test.sh does";
  const struct {
    std::function<int(const std::string&)> save;
    int results[3];  // saved, refused for the file, refused for its folder
  } writers[] = {
      {[](const std::string& file) {
         IniStore store = Ini_New(1);
         Ini_PutInt(store, "com", "com", 3);
         const int code = Ini_WriteToFile(store, file);
         Ini_Dispose(store);
         return code;
       }, {0, -95, -5004}},
      {[](const std::string& file) { return Parameterdatei_Speichern(file, DistinctSet()); }, {0, -301401, -301401}},
      {[](const std::string& file) { return ProgrammsatzSpeichern(file, DistinctSet()); }, {0, -301401, -301401}},
  };
  // `old FILE BITS` makes an old file that belongs to the user's second group.
  const std::string shell = "set -- $(id -G) && [ $# -gt 1 ] && G=$2 && old() { mkdir -p $(dirname $1) && "
                            "printf old >$1 && chmod $2 $1 && chgrp $G $1; } && cd ";
  const struct {
    std::string given, written;  // the name the writer gets, the file it leads to
    int result;
    std::string make;
  } places[] = {
      {"a.json", "real/f.json", 0, "old real/f.json 640 && ln -s $PWD/b.json a.json && ln -s real/f.json b.json"},
      {"a.json", "new/f.json", 0, "mkdir new && ln -s new/f.json a.json"},
      {"f.json", "f.json", 1, "old f.json 440"},
      {"a.json", "f.json", 1, "old f.json 440 && ln -s f.json a.json"},
      {"ro/f.json", "ro/f.json", 2, "old ro/f.json 640 && chmod 500 ro"},
  };
  for (const auto& writer : writers) {
    const TempFolder plain;
    ASSERT_EQ(writer.save(plain.path() + "/f.json"), 0);
    for (const auto& place : places) {
      SCOPED_TRACE("writer " + std::to_string(&writer - writers) + ": " + place.given + " -> " + place.written);
      const TempFolder dir;
      const std::string file = dir.path() + "/" + place.written;
      ASSERT_EQ(std::system((shell + dir.path() + " && " + place.make).c_str()), 0) << "needs a second group";
      struct stat before {}, after {};
      ::stat(file.c_str(), &before);
      EXPECT_EQ(writer.save(dir.path() + "/" + place.given), writer.results[place.result]);
      EXPECT_EQ(ReadFile(file), place.result == 0 ? ReadFile(plain.path() + "/f.json") : "old");
      ::stat(file.c_str(), &after);
      EXPECT_TRUE(before.st_mode == 0 || (after.st_mode == before.st_mode && after.st_gid == before.st_gid));
      EXPECT_EQ(std::filesystem::is_symlink(dir.path() + "/" + place.given), place.given != place.written);
      const std::string rest = "chmod -R u+w " + dir.path() + " && ! find " + dir.path() + " -name '*$$*' | grep .";
      EXPECT_EQ(std::system(rest.c_str()), 0) << "a temporary file is left";
    }
  }
}

// diff names each field that differs with both values, as the file stores them.
TEST_F(ProgramSets, DiffNamesWhatChangedOnTheDevice) {
  auto sim = start("20");
  ok({"--com", "20", "write-all", path("distinct.vlt")});
  EXPECT_EQ(ctl({"--com", "20", "diff", "device", path("distinct.vlt")}).out, "0 Unterschiede\n");
  for (const auto& step : {std::vector<std::string>{"load", "5"}, {"set", "anzahlzaehne", "58"}, {"store", "5"}}) {
    std::vector<std::string> command = {"--com", "20"};
    command.insert(command.end(), step.begin(), step.end());
    ok(command);
  }
  const ToolRun all = ctl({"--com", "20", "diff", "device", path("distinct.vlt")});
  EXPECT_EQ(all.exitCode, 3);
  // Entry A now holds program 5: its name and all thirteen values differ.
  EXPECT_NE(all.out.find("Eintrag A programmname: \"Satz 5 Welle\" ≠ \"Satz 0 Welle\"\nEintrag A pruefspannungsquelle: 3 ≠ 1\n"),
            std::string::npos);
  EXPECT_NE(all.out.find("Eintrag A anzahlzaehne: 58 ≠ 30\n"), std::string::npos);
  EXPECT_NE(all.out.find("\nEintrag 5 anzahlzaehne: 58 ≠ 35\n15 Unterschiede\n"), std::string::npos);
  const ToolRun programs = ctl({"--com", "20", "diff", "device", path("distinct.vlt"), "--entries", "1-16"});
  EXPECT_EQ(programs.exitCode, 3);
  EXPECT_EQ(programs.out, "Eintrag 5 anzahlzaehne: 58 ≠ 35\n1 Unterschied\n");

  // Two files: bits count, and a difference the main panel rounds away is named as such.
  auto a = DistinctSet(), b = DistinctSet();
  a[6].toleranzlow = 0.0;
  b[6].toleranzlow = -0.0;
  b[3].pruefspannung = std::nextafter(a[3].pruefspannung, 6.0);
  WriteFile(path("a.vlt"), FileBytes(a));
  WriteFile(path("b.vlt"), FileBytes(b));
  const ToolRun files = ctl({"diff", path("a.vlt"), path("b.vlt")});
  EXPECT_EQ(files.exitCode, 3);
  EXPECT_EQ(files.out,
            "Eintrag 3 pruefspannung: 5.5 ≠ 5.500000000000001 (die Hauptmaske zeigt beide als 5.5)\n"
            "Eintrag 6 toleranzlow: 0 ≠ -0\n2 Unterschiede\n");
  const auto json = nlohmann::json::parse(ctl({"diff", path("a.vlt"), path("b.vlt"), "--json"}).out);
  EXPECT_EQ(json["unterschiede"][0]["hauptmaske_gleich"], true);
  EXPECT_EQ(json["anzahl"], 2);
}

// Several ports at once: a port that fails stops none of the others and
// gets no file; the exit status is the worst of the ports.
TEST_F(ProgramSets, SeveralPortsAtOnce) {
  auto first = start("20");
  auto second = start("21");
  auto faulty = start("22", {"--fault", "N1W@1:nak", "--fault", "PNS@1:nak"});
  const ToolRun write = ctl({"--com", "20,21,22", "write-all", path("distinct.vlt")});
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_EQ(write.out,
            "COM 20: in Ordnung\nCOM 21: in Ordnung\nZusammenfassung: 3 Schnittstellen, 2 in Ordnung, 1 Fehler (COM 22)\n");
  EXPECT_EQ(write.err, "COM 22: Fehler #402120: Fehlermeldung (NAK) vom Gerät erhalten\n");
  const ToolRun read = ctl({"--com", "20-22", "read-all", path("bank-{com}.vlt")});
  EXPECT_EQ(read.exitCode, 1);
  EXPECT_EQ(read.err, "COM 22: Fehler #402057: Fehlermeldung (NAK) vom Gerät erhalten\n");
  EXPECT_EQ(ReadFile(path("bank-20.vlt")), FileBytes(DistinctSet()));
  EXPECT_EQ(ReadFile(path("bank-21.vlt")), FileBytes(DistinctSet()));
  EXPECT_FALSE(std::filesystem::exists(path("bank-22.vlt")));
  const ToolRun diff = ctl({"--com", "20-22", "diff", "device", path("distinct.vlt"), "--json"});
  EXPECT_EQ(diff.exitCode, 3);
  const auto json = nlohmann::json::parse(diff.out);
  ASSERT_EQ(json.size(), 3u);
  EXPECT_EQ(json[1]["ergebnis"], "in Ordnung");
  EXPECT_EQ(json[2]["ergebnis"], "verschieden");
}

TEST_F(ProgramSets, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> commands = {
      {"--com", "20", "read-all", "satz.txt"}, {"--com", "20", "read-program", "17", "a.vlt"},
      {"--com", "20", "write-program", "-1", "a.vlt"}, {"--com", "20", "write-all"},
      {"convert", "a.vlt"}, {"show", "a.ini"},
  };
  for (const auto& command : commands) {
    const ToolRun run = ctl(command);
    EXPECT_EQ(run.exitCode, 2) << command[2];
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
