#pragma once
// Command line of velt1-sim: the devices on the bus, faults, pacing, the COM
// number to register and the host time-out assumed for late replies.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/bus.h"
#include "sim/faults.h"

struct SimOptions {
  std::vector<char> velt1Addresses;
  std::vector<char> foreignAddresses;
  std::string identification = "QOR-VELT1-V1.07";
  std::vector<sim::FaultRule> faults;
  bool randomFaults = false;
  std::uint32_t randomSeed = 0;
  double randomRate = 0.0;
  std::vector<std::pair<char, std::uint16_t>> statusBits;  // address 0: every VELT-1
  int com = 0;               // 0: no link in the ports folder
  bool pace = false;
  int fifo = 1;              // bytes the host's receive FIFO gathers when paced
  double hostTimeout = 1.5;  // seconds
};

// Parses argv into `options`: cli::kGoOn when the simulator should run,
// otherwise the exit code after the help, the version or a usage error was
// printed.
int ParseSimCommandLine(int argc, char** argv, SimOptions& options);

// Puts the devices, faults and status bits of the options on the bus.
void SetUpBus(const SimOptions& options, sim::Bus& bus);
