#include "ctl_cli.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "cli_support.h"
#include "ctl_dateien.h"
#include "ctl_portbefehle.h"
#include "ctl_satzbefehle.h"
#include "device/qorvelt1.h"
#include "device/qorvelt1_zahlen.h"
#include "number_list.h"

namespace {

constexpr long long kLastMemoryAddress = 0xFFFF;
constexpr long long kMaxReadSize = 0xFFFF;  // four hexadecimal digits in the frame

// The arguments as given; each passed its check before it is converted here.
struct Arguments {
  std::string com, address = "1", first, last, program, keyword, value, start, size, hex;
  std::string file, out, a, b, entries;
  std::vector<std::string> devices;
  bool json = false;
  bool filePerPort = false;  // read-all: several ports need "{com}" in the file name
};

// In the base its check used: "020" is 20 for --com, 0x10 for an address.
int Whole(const std::string& text, int base) {
  long long value = 0;
  cli::ParseWhole(text, INT_MIN, INT_MAX, base, value);
  return static_cast<int>(value);
}

bool ParseHexBytes(const std::string& text, std::vector<unsigned char>& bytes) {
  if (text.empty() || text.size() % 2 != 0 || text.size() > 2 * (kLastMemoryAddress + 1)) return false;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = qorvelt1::HexZiffer(text[i]);
    const int low = qorvelt1::HexZiffer(text[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<unsigned char>(high * 16 + low));
  }
  return true;
}

// The driver's addresses of the writing commands; a reading command refuses '&' itself.
bool IsBusAddress(const std::string& text) {
  return text.size() == 1 && QORVELT1_SchreibadresseGueltig(text[0]);
}

const char kKeywords[] =
    "programmname, pruefspannungsquelle, pruefspannung, anzahlzaehne,\n"
    "sensorkanaele, toleranzhigh, toleranzlow, toleranzphase,\n"
    "schwellwertsteigendeflanke, schwellwertfallendeflanke, totzeitvorsteigend,\n"
    "totzeitnachsteigend, totzeitvorfallend, totzeitnachfallend, status (nur get)";

CLI::App* Command(CLI::App& app, const std::string& name, const std::string& what,
                  const std::string& example) {
  return app.add_subcommand(name, what + "\nBeispiel: velt1ctl " + example);
}

void AddJson(CLI::App* command, CtlInvocation& invocation, const std::string& what = "das Ergebnis") {
  command->add_flag("--json", invocation.json, what + " als JSON, ein Objekt je\nSchnittstelle");
}

void AddOptions(CLI::App& app, Arguments& given, CtlInvocation& invocation) {
  auto* com = app.add_option("--com", given.com,
                             "serielle Schnittstelle COM N der Portzuordnung\n(Ordner in VELT1_PORTS; "
                             "eine Datei COMN darin mit\nrfc2217://HOST:PORT oder tcp://HOST:PORT macht\n"
                             "COM N zur Leitung eines Geräteservers im Netz);\nmehrere (20,21 oder 20-39) für id, "
                             "read-all,\nwrite-all und diff, alle zugleich\n"
                             "Beispiel: velt1ctl --com 20 id")
                  ->option_text("N,M-K (1..256)")
                  ->check(cli::NumberList(1, 256));
  app.add_option("--device", given.devices,
                 "Gerätedatei oder Netzadresse direkt statt --com\n(rfc2217://HOST:PORT, tcp://HOST:PORT); "
                 "mehrmals\ngenannt wie mehrere Schnittstellen\n"
                 "Beispiel: velt1ctl --device /dev/ttyUSB0 id")
      ->option_text("PFAD|ADRESSE")
      ->allow_extra_args(false)
      ->excludes(com);
  app.add_option("--address", given.address,
                 "Busadresse (Vorgabe 1); & erreicht alle Geräte,\nnur mit schreibenden Befehlen\n"
                 "Beispiel: velt1ctl --com 20 --address 2 id")
      ->option_text("A (1..9, a..f, &)")
      ->check(cli::Checked("A", [](const std::string& text) {
        return IsBusAddress(text) ? "" : "Busadresse 1..9, a..f oder & erwartet, nicht " + text;
      }));
  app.add_flag("--trace", invocation.trace,
               "jedes gesendete und empfangene Byte mit\nZeitstempel auf stderr\n"
               "Beispiel: velt1ctl --com 20 --trace get status");
}

void AddDeviceCommands(CLI::App& app, Arguments& given, CtlInvocation& invocation) {
  Command(app, "ports", "die Schnittstellen der Portzuordnung", "ports")->callback([&invocation] {
    invocation.needsPort = false;
    invocation.run = [](const CtlContext&) { return CtlPorts(); };
  });
  auto* id = Command(app, "id", "Kennung des Geräts lesen", "--com 20-22 id");
  AddJson(id, invocation);
  id->callback([&invocation] { invocation.portBefehl = CtlIdBefehl(); });
  auto* scan = Command(app, "scan", "Adressen 1..9, oder ERSTE bis LETZTE, nach\nGeräten absuchen",
                       "--com 20 scan 1 4");
  scan->add_option("ERSTE", given.first, "erste Adresse")->option_text("1..9")->check(cli::WholeNumber(1, 9));
  scan->add_option("LETZTE", given.last, "letzte Adresse")->option_text("1..9")->check(cli::WholeNumber(1, 9));
  scan->callback([&given, &invocation] {
    if (given.first.empty() != given.last.empty()) throw CLI::ValidationError("scan: ERSTE und LETZTE angeben, oder keine");
    // The numbers, not their first characters: "06" is address 6.
    const char first = static_cast<char>('0' + (given.first.empty() ? 1 : Whole(given.first, 10)));
    const char last = static_cast<char>('0' + (given.last.empty() ? 9 : Whole(given.last, 10)));
    if (first > last) throw CLI::ValidationError("scan: ERSTE darf nicht nach LETZTE kommen");
    invocation.run = [first, last](const CtlContext& context) { return CtlScan(context, first, last); };
  });
  Command(app, "start", "Messung starten", "--com 20 start")->callback([&invocation] {
    invocation.run = [](const CtlContext& context) {
      return QORVELT1_DeviceFunction(context.port, context.address, "start");
    };
  });
  Command(app, "stop", "Messung stoppen", "--com 20 --address '&' stop")->callback([&invocation] {
    invocation.run = [](const CtlContext& context) {
      return QORVELT1_DeviceFunction(context.port, context.address, "stopp");
    };
  });
  for (const bool store : {false, true}) {
    auto* command = store ? Command(app, "store", "Arbeitsparameter als Programm N speichern", "--com 20 store 5")
                          : Command(app, "load", "Programm N in die Arbeitsparameter laden", "--com 20 load 5");
    command->add_option("N", given.program, "Programmnummer; das Gerät nimmt 1..16")
        ->required()
        ->option_text("1..16")
        ->check(cli::WholeNumber(INT_MIN, INT_MAX));
    command->callback([&given, &invocation, store] {
      const int program = Whole(given.program, 10);
      invocation.run = [program, store](const CtlContext& context) {
        return store ? QORVELT1_ProgrammSpeichern(context.port, context.address, program)
                     : QORVELT1_ProgrammLaden(context.port, context.address, program);
      };
    });
  }
}

void AddParameterCommands(CLI::App& app, Arguments& given, CtlInvocation& invocation) {
  auto* get = Command(app, "get", "Parameter oder Statuswort lesen", "--com 20 get anzahlzaehne");
  get->add_option("SCHLUESSEL", given.keyword, kKeywords)->required()->option_text(" ");
  get->callback([&given, &invocation] {
    invocation.run = [keyword = given.keyword](const CtlContext& context) { return CtlGet(context, keyword); };
  });

  auto* set = Command(app, "set", "Parameter schreiben", "--com 20 set anzahlzaehne 58");
  set->add_option("SCHLUESSEL", given.keyword, kKeywords)->required()->option_text(" ");
  set->add_option("WERT", given.value, "der Name bei programmname, sonst eine Zahl")
      ->required()
      ->option_text(" ");
  set->callback([&given, &invocation] {
    const std::string keyword = given.keyword;
    if (keyword == "programmname") {
      invocation.run = [name = given.value](const CtlContext& context) {
        return QORVELT1_ParameterSchreiben(context.port, context.address, "programmname", 0, 0, name.c_str());
      };
      return;
    }
    // Range and keyword are the driver's to check; here only that it is a number.
    char* end = nullptr;
    const double value = std::strtod(given.value.c_str(), &end);
    if (given.value.empty() || *end != '\0') throw CLI::ValidationError("set: " + given.value + " ist keine Zahl");
    invocation.run = [keyword, value](const CtlContext& context) {
      return QORVELT1_ParameterSchreiben(context.port, context.address, keyword.c_str(), value, 0, nullptr);
    };
  });
}

void AddMemoryCommands(CLI::App& app, Arguments& given, CtlInvocation& invocation) {
  const auto addStart = [&given](CLI::App* command) {
    command->add_option("ADRESSE", given.start, "Startadresse, dezimal oder 0x...")
        ->required()
        ->option_text("0..0xFFFF")
        ->check(cli::WholeNumber(0, kLastMemoryAddress, 0));
  };
  auto* read = Command(app, "mem-read", "Speicher (Typ 4) lesen, Ausgabe als Hexdump", "--com 20 mem-read 0x100 32");
  addStart(read);
  read->add_option("GROESSE", given.size, "Anzahl Bytes, dezimal oder 0x...")
      ->required()
      ->option_text("1..0xFFFF")
      ->check(cli::WholeNumber(1, kMaxReadSize, 0));
  read->callback([&given, &invocation] {
    const int start = Whole(given.start, 0);
    const int size = Whole(given.size, 0);
    invocation.run = [start, size](const CtlContext& context) { return CtlMemRead(context, start, size); };
  });

  auto* write = Command(app, "mem-write", "Speicher (Typ 4) schreiben", "--com 20 mem-write 0x100 616263");
  addStart(write);
  write->add_option("HEX", given.hex, "die Bytes als Hexziffern, zwei je Byte")
      ->required()
      ->option_text("z.B. 616263")
      ->check(cli::Checked("HEX", [](const std::string& text) {
        std::vector<unsigned char> bytes;
        return ParseHexBytes(text, bytes) ? "" : "Bytes als Hexziffern erwartet (z.B. 616263), nicht " + text;
      }));
  write->callback([&given, &invocation] {
    const int start = Whole(given.start, 0);
    std::vector<unsigned char> data;
    ParseHexBytes(given.hex, data);
    // A block past the end would be refused after the first frames were written.
    if (static_cast<long long>(data.size()) > kLastMemoryAddress + 1 - start) {
      throw CLI::ValidationError("mem-write: die Daten reichen über das Speicherende 0xFFFF");
    }
    invocation.run = [start, data](const CtlContext& context) { return CtlMemWrite(context, start, data); };
  });
}

CLI::Validator ProgramSetFile() {
  return cli::Checked("DATEI", [](const std::string& text) -> std::string {
    return FormatFuer(text) == SatzFormat::Unbekannt ? "Datei mit Endung .vlt oder .json erwartet, nicht " + text
                                                      : "";
  });
}

void AddFile(CLI::App* command, std::string& file, const std::string& name, const std::string& what) {
  command->add_option(name, file, what)->required()->option_text("*.vlt|*.json")->check(ProgramSetFile());
}

void AddDiff(CLI::App& app, Arguments& given, CtlInvocation& invocation) {
  auto* diff = Command(app, "diff",
                       "zwei Programmsätze Feld für Feld vergleichen, Datei\noder Gerät (device); "
                       "Exit-Status 3 bei\nUnterschieden",
                       "--com 20 diff device golden.vlt");
  const auto side = cli::Checked("A|B", [](const std::string& text) -> std::string {
    if (text == CTL_GERAET || FormatFuer(text) != SatzFormat::Unbekannt) return "";
    return std::string(CTL_GERAET) + " oder Datei mit Endung .vlt oder .json erwartet, nicht " + text;
  });
  diff->add_option("A", given.a, "Datei oder device")->required()->option_text(" ")->check(side);
  diff->add_option("B", given.b, "Datei oder device")->required()->option_text(" ")->check(side);
  diff->add_option("--entries", given.entries, "nur diese Einträge (0 = A), z.B. 1-16 oder 0,5")
      ->option_text("LISTE (0..16)")
      ->check(cli::NumberList(0, PROGRAMM_ANZAHL - 1));
  AddJson(diff, invocation, "die Unterschiede");
  diff->callback([&given, &invocation] {
    if (given.a == CTL_GERAET && given.b == CTL_GERAET) {
      throw CLI::ValidationError("diff: nur eine Seite darf device sein");
    }
    std::vector<int> entries;
    for (int i = 0; i < PROGRAMM_ANZAHL; ++i) entries.push_back(i);
    if (!given.entries.empty()) cli::ParseNumberList(given.entries, 0, PROGRAMM_ANZAHL - 1, entries);
    invocation.needsPort = given.a == CTL_GERAET || given.b == CTL_GERAET;
    invocation.portBefehl = CtlDiffBefehl(given.a, given.b, entries);
  });
}

void AddProgramSetCommands(CLI::App& app, Arguments& given, CtlInvocation& invocation) {
  for (const bool read : {true, false}) {
    auto* all = read ? Command(app, "read-all", "Arbeitsparameter und Programme 1..16 in DATEI lesen",
                               "--com 20-21 read-all satz-{com}.vlt")
                     : Command(app, "write-all", "Programme 1..16 und die Arbeitsparameter aus DATEI\nschreiben",
                               "--com 20,21,22 write-all satz.vlt");
    AddFile(all, given.file, "DATEI", read ? "Parameterdatei (oder JSON); {com} wird die\nSchnittstelle"
                                           : "Parameterdatei (oder JSON)");
    AddJson(all, invocation);
    all->callback([&given, &invocation, read] {
      given.filePerPort = read;
      invocation.portBefehl = read ? CtlReadAllBefehl(given.file) : CtlWriteAllBefehl(given.file);
    });
    auto* one = read ? Command(app, "read-program", "Eintrag N (0 = A) in DATEI lesen; die übrigen\nEinträge bleiben",
                               "--com 20 read-program 5 satz.vlt")
                     : Command(app, "write-program", "Eintrag N (0 = A) aus DATEI schreiben",
                               "--com 20 write-program 5 satz.vlt");
    one->add_option("N", given.program, "Eintrag, 0 für die Arbeitsparameter (A)")
        ->required()
        ->option_text("0..16")
        ->check(cli::WholeNumber(0, 16));
    AddFile(one, given.file, "DATEI", "Parameterdatei (oder JSON)");
    one->callback([&given, &invocation, read] {
      invocation.run = [entry = Whole(given.program, 10), file = given.file, read](const CtlContext& context) {
        return read ? CtlReadProgram(context, entry, file) : CtlWriteProgram(context, entry, file);
      };
    });
  }

  auto* show = Command(app, "show", "die 17 Einträge einer Datei als Tabelle", "show satz.vlt --json");
  AddFile(show, given.file, "DATEI", "Parameterdatei (oder JSON)");
  show->add_flag("--json", given.json, "als JSON statt als Tabelle");
  show->callback([&given, &invocation] {
    invocation.needsPort = false;
    invocation.run = [file = given.file, json = given.json](const CtlContext&) { return CtlShow(file, json); };
  });

  auto* convert = Command(app, "convert", "zwischen .vlt und .json umwandeln, nach den\nEndungen",
                          "convert satz.vlt satz.json");
  AddFile(convert, given.file, "EIN", "die gelesene Datei");
  AddFile(convert, given.out, "AUS", "die geschriebene Datei");
  convert->callback([&given, &invocation] {
    invocation.needsPort = false;
    invocation.run = [in = given.file, out = given.out](const CtlContext&) { return CtlConvert(in, out); };
  });
  AddDiff(app, given, invocation);
}

// The ports of --com or --device, and what several of them allow.
int TakePorts(const CLI::App& app, const Arguments& given, CtlInvocation& invocation) {
  std::vector<int> ports;
  if (!given.com.empty()) cli::ParseNumberList(given.com, 1, 256, ports);
  for (const int port : ports) invocation.ziele.push_back({port, ""});
  for (const std::string& device : given.devices) {
    if (std::count(given.devices.begin(), given.devices.end(), device) > 1) {
      return cli::UsageError(app, "--device " + device + " ist doppelt genannt");
    }
    invocation.ziele.push_back({0, device});
  }
  if (invocation.ziele.empty()) return cli::UsageError(app, "--com N oder --device PFAD fehlt");
  invocation.context.port = invocation.ziele.front().port;
  if (invocation.ziele.size() == 1) return cli::kGoOn;
  if (!invocation.portBefehl) {
    return cli::UsageError(app, "mehrere Schnittstellen nur mit id, read-all, write-all und diff");
  }
  if (invocation.trace) return cli::UsageError(app, "--trace nur mit einer Schnittstelle");
  if (given.filePerPort) {
    std::vector<std::string> files;
    for (const CtlPortZiel& ziel : invocation.ziele) {
      const std::string file = CtlDateiFuerPort(given.file, ziel);
      if (std::find(files.begin(), files.end(), file) != files.end()) {
        return cli::UsageError(app, "read-all: mit mehreren Schnittstellen braucht DATEI " +
                                        std::string(CTL_PORT_PLATZHALTER) + " (eine Datei je Schnittstelle), " +
                                        "nicht " + file);
      }
      files.push_back(file);
    }
  }
  return cli::kGoOn;
}

}  // namespace

int ParseCtlCommandLine(int argc, char** argv, CtlInvocation& invocation) {
  CLI::App app("velt1ctl: der VELT-1-Treiber auf der Kommandozeile, für Skripte und Service.",
               "velt1ctl");
  cli::Prepare(app, VELT1_PROGRAM_VERSION, "velt1ctl mem-read --help (die Hilfe zu einem Befehl)");
  app.fallthrough();  // options may also follow the command
  Arguments given;
  AddOptions(app, given, invocation);
  AddDeviceCommands(app, given, invocation);
  AddParameterCommands(app, given, invocation);
  AddMemoryCommands(app, given, invocation);
  AddProgramSetCommands(app, given, invocation);
  app.require_subcommand(0, 1);
  app.footer(
      "Exit-Status: 0 erfolgreich, 1 Fehler von Gerät, Schnittstelle oder Datei (Meldung\nauf stderr), "
      "2 falscher Aufruf, 3 diff fand Unterschiede; mit mehreren\nSchnittstellen der schlimmste (1 vor 3).");

  const int parsed = cli::Parse(app, argc, argv);
  if (parsed != cli::kGoOn) return parsed;
  invocation.context.address = given.address[0];
  if (!invocation.needsPort) return cli::kGoOn;
  return TakePorts(app, given, invocation);
}
