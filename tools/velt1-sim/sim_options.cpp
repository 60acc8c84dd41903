#include "sim_options.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "cli_support.h"
#include "sim/velt1_model.h"

namespace {

// "1,2,a": device addresses, at least one.
bool ParseAddressList(const std::string& text, std::vector<char>& addresses) {
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t comma = std::min(text.find(',', from), text.size());
    const std::string item = text.substr(from, comma - from);
    if (item.size() != 1 || !sim::IsDeviceAddress(item[0])) return false;
    addresses.push_back(item[0]);
    from = comma + 1;
  }
  return !addresses.empty();
}

// "[A:]HEX": status bits for one VELT-1 (A) or all (address 0).
bool ParseStatus(const std::string& text, std::pair<char, std::uint16_t>& status) {
  std::string bits = text;
  status.first = 0;
  if (const std::size_t colon = text.find(':'); colon != std::string::npos) {
    if (colon != 1 || !sim::IsDeviceAddress(text[0])) return false;
    status.first = text[0];
    bits = text.substr(2);
  }
  if (bits.rfind("0x", 0) == 0 || bits.rfind("0X", 0) == 0) bits = bits.substr(2);
  long long word = 0;
  if (bits.empty() || bits[0] == '-' || !cli::ParseWhole(bits, 0, 0xFFFF, 16, word)) return false;
  status.second = static_cast<std::uint16_t>(word);
  return true;
}

// "SEED:RATE": a seed 0..4294967295 and a rate 0..1; checked as text and
// double before anything is converted to an integer.
bool ParseRandomFaults(const std::string& text, std::uint32_t& seed, double& rate) {
  const std::size_t colon = text.find(':');
  long long wholeSeed = 0;
  if (colon == std::string::npos || !cli::ParseWhole(text.substr(0, colon), 0, 4294967295LL, 10, wholeSeed)) {
    return false;
  }
  const std::string rateText = text.substr(colon + 1);
  char* end = nullptr;
  const double parsed = rateText.empty() ? NAN : std::strtod(rateText.c_str(), &end);
  if (rateText.empty() || *end != '\0' || !(parsed >= 0 && parsed <= 1)) return false;
  seed = static_cast<std::uint32_t>(wholeSeed);
  rate = parsed;
  return true;
}

CLI::Validator AddressList() {
  return cli::Checked("A,B", [](const std::string& text) -> std::string {
    std::vector<char> addresses;
    return ParseAddressList(text, addresses) ? "" : "Adressen 1..9, a..f mit Kommas erwartet, nicht " + text;
  });
}

// Options that simply fill a field once their text passed its check.
struct Given {
  std::string com, velt1, foreign, fifo, timeout, random;
  std::vector<std::string> status, faults;
};

void AddDeviceOptions(CLI::App& app, Given& given, SimOptions& options) {
  app.add_option("--com", given.com, "Link COMN im Ports-Ordner (VELT1_PORTS) anlegen\nBeispiel: velt1-sim --com 20")
      ->option_text("N (1..256)")
      ->check(cli::WholeNumber(1, 256));
  app.add_option("--velt1", given.velt1, "VELT-1 an diesen Adressen (Vorgabe: 1)\nBeispiel: velt1-sim --velt1 1,2")
      ->option_text("A,B,... (1..9, a..f)")
      ->check(AddressList());
  app.add_option("--foreign", given.foreign, "Geräte anderer Art an diesen Adressen\nBeispiel: velt1-sim --foreign 3")
      ->option_text("A,B,...")
      ->check(AddressList());
  app.add_option("--ident", options.identification,
                 "Kennung der VELT-1 (Vorgabe QOR-VELT1-V1.07)\nBeispiel: velt1-sim --ident QOR-VELT1-V2.00")
      ->option_text("TEXT")
      ->check(cli::Checked("TEXT", [](const std::string& text) -> std::string {
        return sim::Velt1Model::ValidIdentification(text) ? "" : "keine gültige Kennung: " + text;
      }));
  app.add_option("--status", given.status, "Statusbits setzen, für alle VELT-1 oder eines\nBeispiel: velt1-sim --status 2:0100")
      ->option_text("[A:]HEX")
      ->check(cli::Checked("HEX", [](const std::string& text) -> std::string {
        std::pair<char, std::uint16_t> status;
        return ParseStatus(text, status) ? "" : "[A:]HEX mit HEX 0..FFFF erwartet, nicht " + text;
      }));
}

void AddLineOptions(CLI::App& app, Given& given, SimOptions& options) {
  app.add_option("--fault", given.faults,
                 "die nächsten N Befehle CMD (* = alle) stören;\n"
                 "ART: nak can silence wrongbyte cut echo err late\n"
                 "gap slow drop; N: Anzahl oder * für immer (Vorgabe 1)\n"
                 "Beispiel: velt1-sim --fault Z1R@2:nak:3")
      ->option_text("CMD[@A]:ART[:N]")
      ->check(cli::Checked("REGEL", [](const std::string& text) -> std::string {
        std::string reason;
        return sim::ParseFaultRule(text, reason) ? "" : text + ": " + reason;
      }));
  app.add_option("--random-faults", given.random,
                 "zufällige Störungen mit dieser Rate (0..1),\nwiederholbar durch SEED\n"
                 "Beispiel: velt1-sim --random-faults 7:0.05")
      ->option_text("SEED:RATE")
      ->check(cli::Checked("SEED:RATE", [](const std::string& text) -> std::string {
        std::uint32_t seed = 0;
        double rate = 0;
        return ParseRandomFaults(text, seed, rate) ? "" : "SEED 0..4294967295 und RATE 0..1 erwartet, nicht " + text;
      }));
  app.add_flag("--pace", options.pace, "Bytes im Takt einer 9600-Baud-Leitung (7-O-1)\nBeispiel: velt1-sim --pace");
  app.add_option("--fifo", given.fifo,
                 "mit --pace: Antworten in Stücken zu N Bytes, jedes\n"
                 "Stück sobald sein letztes Byte angekommen wäre\n(Vorgabe 1)\nBeispiel: velt1-sim --pace --fifo 16")
      ->option_text("N (1..4096)")
      ->check(cli::WholeNumber(1, 4096));
  app.add_option("--timeout", given.timeout,
                 "Timeout des Hosts für späte Antworten\n(Vorgabe 1.5)\nBeispiel: velt1-sim --timeout 0.5")
      ->option_text("SEKUNDEN (bis 60)")
      ->check(cli::RealNumber(0, 60, true));
}

// Fills the options from the checked texts; what only shows in combination
// is a usage error.
std::string TakeOver(const Given& given, SimOptions& options) {
  long long whole = 0;
  if (!given.com.empty() && cli::ParseWhole(given.com, 1, 256, 10, whole)) options.com = static_cast<int>(whole);
  if (!given.fifo.empty() && cli::ParseWhole(given.fifo, 1, 4096, 10, whole)) options.fifo = static_cast<int>(whole);
  if (!given.timeout.empty()) options.hostTimeout = std::strtod(given.timeout.c_str(), nullptr);
  if (!given.velt1.empty()) ParseAddressList(given.velt1, options.velt1Addresses);
  if (!given.foreign.empty()) ParseAddressList(given.foreign, options.foreignAddresses);
  if (!given.random.empty()) {
    options.randomFaults = ParseRandomFaults(given.random, options.randomSeed, options.randomRate);
  }
  for (const std::string& text : given.status) {
    std::pair<char, std::uint16_t> status;
    if (ParseStatus(text, status)) options.statusBits.push_back(status);
  }
  for (const std::string& text : given.faults) {
    std::string reason;
    if (const auto rule = sim::ParseFaultRule(text, reason)) options.faults.push_back(*rule);
  }

  if (options.velt1Addresses.empty() && options.foreignAddresses.empty()) {
    options.velt1Addresses.push_back('1');
  }
  const auto& velt1 = options.velt1Addresses;
  for (const auto& [address, bits] : options.statusBits) {
    if (address != 0 && std::find(velt1.begin(), velt1.end(), address) == velt1.end()) {
      return std::string("--status: kein VELT-1 an Adresse ") + address;
    }
  }
  for (char a : velt1) {
    for (char b : options.foreignAddresses) {
      if (a == b) return std::string("Adresse ") + a + " ist doppelt belegt";
    }
  }
  return {};
}

}  // namespace

int ParseSimCommandLine(int argc, char** argv, SimOptions& options) {
  CLI::App app(
      "velt1-sim: simuliert VELT-1-Geräte an einer seriellen Leitung (Pseudo-Terminal) und gibt\n"
      "den Gerätepfad (und die COM-Nummer) in einer Zeile aus. Läuft bis SIGINT/SIGTERM.",
      "velt1-sim");
  cli::Prepare(app, VELT1_PROGRAM_VERSION, "velt1-sim --help");
  Given given;
  AddDeviceOptions(app, given, options);
  AddLineOptions(app, given, options);
  if (const int parsed = cli::Parse(app, argc, argv); parsed != cli::kGoOn) return parsed;
  if (const std::string error = TakeOver(given, options); !error.empty()) return cli::UsageError(app, error);
  return cli::kGoOn;
}

void SetUpBus(const SimOptions& options, sim::Bus& bus) {
  for (char address : options.velt1Addresses) {
    bus.attach(address, std::make_unique<sim::Velt1Model>(options.identification));
  }
  for (char address : options.foreignAddresses) bus.addForeign(address);
  for (const auto& [address, bits] : options.statusBits) {
    for (char a : options.velt1Addresses) {
      if (address == 0 || address == a) bus.velt1(a)->setStatusBits(bits);
    }
  }
  for (const auto& rule : options.faults) bus.faults().add(rule);
  if (options.randomFaults) bus.faults().setRandom(options.randomSeed, options.randomRate);
}
