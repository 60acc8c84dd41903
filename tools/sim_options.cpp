#include "sim_options.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "sim/velt1_model.h"

namespace {

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

bool ParseNumber(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0';
}

// A whole number in [low, high]; the range is checked while the value is
// still a double, so nothing out of range (or NaN) is ever converted.
bool ParseWholeNumber(const std::string& text, int low, int high, int& value) {
  double number = 0;
  if (!ParseNumber(text, number) || !(number >= low && number <= high) || number != std::floor(number)) {
    return false;
  }
  value = static_cast<int>(number);
  return true;
}

bool ParseHex16(std::string text, std::uint16_t& value) {
  if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) text = text.substr(2);
  char* end = nullptr;
  const unsigned long parsed = std::strtoul(text.c_str(), &end, 16);
  if (text.empty() || *end != '\0' || parsed > 0xFFFF) return false;
  value = static_cast<std::uint16_t>(parsed);
  return true;
}

}  // namespace

const char* SimUsage() {
  return "Aufruf: velt1-sim [Optionen]\n"
         "Simuliert VELT-1-Geräte an einer seriellen Leitung (Pseudo-Terminal) und gibt\n"
         "den Gerätepfad (und die COM-Nummer) in einer Zeile aus. Läuft bis SIGINT/SIGTERM.\n"
         "\n"
         "  --com N              Link COMN im Ports-Ordner anlegen (VELT1_PORTS)\n"
         "  --velt1 A,B,...      VELT-1 an diesen Adressen (1..9, a..f; Vorgabe: 1)\n"
         "  --foreign A,B,...    Geräte anderer Art an diesen Adressen\n"
         "  --ident TEXT         Kennung der VELT-1 (Vorgabe QOR-VELT1-V1.07)\n"
         "  --status [A:]HEX     Statusbits setzen, z.B. 0300 oder 2:0100\n"
         "  --fault CMD[@A]:ART[:N]  die nächsten N Befehle CMD (* = alle) stören;\n"
         "                       ART: nak can silence wrongbyte cut echo err late gap slow drop;\n"
         "                       N: Anzahl oder * für immer (Vorgabe 1)\n"
         "  --random-faults SEED:RATE  zufällige Störungen mit dieser Rate (0..1)\n"
         "  --pace               Bytes im Takt einer 9600-Baud-Leitung (7-O-1)\n"
         "  --fifo N             mit --pace: Antworten in Stücken zu N Bytes, jedes Stück\n"
         "                       sobald sein letztes Byte angekommen wäre (Vorgabe 1)\n"
         "  --timeout SEKUNDEN   Timeout des Hosts für späte Antworten (Vorgabe 1.5)\n"
         "  --help               diese Hilfe\n";
}

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      options.help = true;
      continue;
    }
    if (option == "--pace") {
      options.pace = true;
      continue;
    }
    if (i + 1 >= argc) {
      error = option.rfind("--", 0) == 0 ? option + " braucht einen Wert" : "unbekannte Option " + option;
      return false;
    }
    const std::string value = argv[++i];
    bool ok = true;
    if (option == "--com") {
      ok = ParseWholeNumber(value, 1, 256, options.com);
    } else if (option == "--velt1") {
      ok = ParseAddressList(value, options.velt1Addresses);
    } else if (option == "--foreign") {
      ok = ParseAddressList(value, options.foreignAddresses);
    } else if (option == "--ident") {
      ok = sim::Velt1Model::ValidIdentification(value);
      options.identification = value;
    } else if (option == "--status") {
      const std::size_t colon = value.find(':');
      char address = 0;
      std::string bits = value;
      if (colon != std::string::npos) {
        ok = colon == 1 && sim::IsDeviceAddress(value[0]);
        address = value[0];
        bits = value.substr(colon + 1);
      }
      std::uint16_t word = 0;
      ok = ok && ParseHex16(bits, word);
      options.statusBits.emplace_back(address, word);
    } else if (option == "--fault") {
      std::string reason;
      const auto rule = sim::ParseFaultRule(value, reason);
      if (!rule) {
        error = "--fault " + value + ": " + reason;
        return false;
      }
      options.faults.push_back(*rule);
    } else if (option == "--random-faults") {
      const std::size_t colon = value.find(':');
      double seed = 0;
      ok = colon != std::string::npos && ParseNumber(value.substr(0, colon), seed) && seed >= 0 &&
           seed <= 4294967295.0 && seed == std::floor(seed) &&
           ParseNumber(value.substr(colon + 1), options.randomRate) && options.randomRate >= 0 &&
           options.randomRate <= 1;
      options.randomFaults = true;
      if (ok) options.randomSeed = static_cast<std::uint32_t>(seed);
    } else if (option == "--fifo") {
      ok = ParseWholeNumber(value, 1, 4096, options.fifo);
    } else if (option == "--timeout") {
      ok = ParseNumber(value, options.hostTimeout) && options.hostTimeout > 0 && options.hostTimeout <= 60;
    } else {
      error = "unbekannte Option " + option;
      return false;
    }
    if (!ok) {
      error = "ungültiger Wert für " + option + ": " + value;
      return false;
    }
  }
  if (options.velt1Addresses.empty() && options.foreignAddresses.empty()) {
    options.velt1Addresses.push_back('1');
  }
  for (const auto& [address, bits] : options.statusBits) {
    if (address != 0 && std::find(options.velt1Addresses.begin(), options.velt1Addresses.end(), address) ==
                            options.velt1Addresses.end()) {
      error = std::string("--status: kein VELT-1 an Adresse ") + address;
      return false;
    }
  }
  for (char a : options.velt1Addresses) {
    for (char b : options.foreignAddresses) {
      if (a == b) {
        error = std::string("Adresse ") + a + " ist doppelt belegt";
        return false;
      }
    }
  }
  return true;
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
