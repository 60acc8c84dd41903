// velt1ctl: the VELT-1 driver on the command line, for scripts and service
// work. Exit status 0 on success, 1 when the device or port failed (the
// message on standard error as "Fehler #<n>: <Text>"), 2 on wrong usage.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ctl_commands.h"
#include "ctl_device_path_posix.h"
#include "ctl_trace.h"
#include "device/qorvelt1.h"
#include "support/file_replace.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kBaud = 9600;
constexpr double kTimeoutSeconds = 1.5;

const char kUsage[] =
    "Aufruf: velt1ctl [--com N | --device PFAD] [--address A] [--trace] BEFEHL [ARGUMENTE]\n"
    "\n"
    "  --com N          serielle Schnittstelle COM N (Portzuordnung, VELT1_PORTS)\n"
    "  --device PFAD    Gerätedatei direkt, z.B. /dev/ttyUSB0 oder /dev/pts/4\n"
    "  --address A      Busadresse 1..9, a..f oder & (alle, nur schreibende Befehle); Vorgabe 1\n"
    "  --trace          jedes gesendete und empfangene Byte mit Zeitstempel auf stderr\n"
    "  --help           diese Hilfe\n"
    "\n"
    "Befehle:\n"
    "  ports                     die Schnittstellen der Portzuordnung\n"
    "  id                        Kennung des Geräts lesen\n"
    "  scan [ERSTE LETZTE]       Adressen 1..9 (oder ERSTE..LETZTE) nach Geräten absuchen\n"
    "  start | stop              Messung starten oder stoppen\n"
    "  load N | store N          Programm N (1..16) laden bzw. Arbeitsparameter als N speichern\n"
    "  get SCHLUESSEL            Parameter lesen (programmname, pruefspannungsquelle,\n"
    "                            pruefspannung, anzahlzaehne, sensorkanaele, toleranzhigh,\n"
    "                            toleranzlow, toleranzphase, schwellwertsteigendeflanke,\n"
    "                            schwellwertfallendeflanke, totzeitvorsteigend,\n"
    "                            totzeitnachsteigend, totzeitvorfallend, totzeitnachfallend,\n"
    "                            status)\n"
    "  set SCHLUESSEL WERT       Parameter schreiben\n"
    "  mem-read ADRESSE GROESSE  Speicher (Typ 4) lesen, Ausgabe als Hexdump\n"
    "  mem-write ADRESSE HEX     Speicher schreiben, HEX z.B. 616263\n"
    "Zahlen für ADRESSE und GROESSE dezimal oder mit 0x hexadezimal.\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "velt1ctl: %s\n\n%s", message.c_str(), kUsage);
  return kExitUsage;
}

int Fail(int code) {
  std::fprintf(stderr, "%s\n", CtlErrorText(code).c_str());
  return kExitFailure;
}

int Run(int argc, char** argv) {
  CtlContext context;
  std::string devicePath;
  bool trace = false;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (option == "--trace") {
      trace = true;
      continue;
    }
    if (option.rfind("--", 0) != 0) break;
    if (i + 1 >= argc) return UsageError(option + " braucht einen Wert");
    const std::string value = argv[++i];
    if (option == "--com") {
      char* end = nullptr;
      const long port = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || port < 1 || port > 256) {
        return UsageError("--com: Portnummer 1..256 erwartet");
      }
      context.port = static_cast<int>(port);
    } else if (option == "--device") {
      devicePath = value;
    } else if (option == "--address") {
      if (value.size() != 1) return UsageError("--address: ein Zeichen erwartet");
      context.address = value[0];
    } else {
      return UsageError("unbekannte Option " + option);
    }
  }
  if (i >= argc) return UsageError("kein Befehl");
  const std::string command = argv[i];
  if (!IsCtlCommand(command)) return UsageError("unbekannter Befehl " + command);
  const std::vector<std::string> arguments(argv + i + 1, argv + argc);
  if (const std::string error = CtlArgumentError(command, arguments); !error.empty()) {
    return UsageError(error);
  }

  PrivatePort privatePort;
  std::unique_ptr<ByteTrace> byteTrace;
  if (CtlCommandNeedsPort(command)) {
    if (!devicePath.empty() && context.port != 0) return UsageError("--com oder --device, nicht beides");
    if (!devicePath.empty()) {
      std::string error;
      context.port = privatePort.create(devicePath, error);
      if (context.port == 0) {
        std::fprintf(stderr, "velt1ctl: %s\n", error.c_str());
        return kExitFailure;
      }
    }
    if (context.port == 0) return UsageError("--com N oder --device PFAD fehlt");
    if (trace) {
      byteTrace = std::make_unique<ByteTrace>(stderr);
      InstallTrace(*byteTrace);
    }
    int code = QORVELT1_Open(context.port, kBaud);
    if (code == 0) code = QORVELT1_Timeout(context.port, kTimeoutSeconds);
    if (code != 0) return Fail(code);
  }
  const CtlResult result = RunCtlCommand(context, command, arguments);
  if (CtlCommandNeedsPort(command)) QORVELT1_Close(context.port);
  if (byteTrace) byteTrace->flush();
  if (!result.usage.empty()) return UsageError(result.usage);
  return result.code == 0 ? 0 : Fail(result.code);
}

// Output that could not be written (a full disk, a file-size limit) makes
// the run a failure, never a success.
int CheckOutput(int exitCode) {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return exitCode;
  std::fprintf(stderr, "velt1ctl: Ausgabe konnte nicht geschrieben werden\n");
  return exitCode == 0 ? kExitFailure : exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  // Output to a file over the size limit fails instead of ending the program.
  file_replace::KeepRunningAtFileSizeLimit();
  return CheckOutput(Run(argc, argv));
}
