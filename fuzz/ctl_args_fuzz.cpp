// velt1ctl's command line on any arguments (the input split at NUL bytes):
// parsing never crashes, and a command it lets run has what it needs: ports
// in 1..256 or device paths, each once, several only for a command that takes
// them, and a valid bus address. Nothing is run.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_support.h"
#include "ctl_cli.h"

namespace {

constexpr std::size_t kMaxArguments = 24;

void Check(bool condition) {
  if (!condition) std::abort();
}

bool ValidAddress(char c) { return (c >= '1' && c <= '9') || (c >= 'a' && c <= 'f') || c == '&'; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Help texts and usage errors would flood the fuzzer's own output.
  std::freopen("/dev/null", "w", stdout);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words{"velt1ctl"};
  std::string word;
  for (std::size_t i = 0; i < size && words.size() < kMaxArguments; ++i) {
    if (data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word += static_cast<char>(data[i]);
    }
  }
  if (!word.empty() && words.size() < kMaxArguments) words.push_back(word);
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  CtlInvocation invocation;
  const int result = ParseCtlCommandLine(static_cast<int>(words.size()), argv.data(), invocation);
  if (result != cli::kGoOn) {
    Check(result == 0 || result == cli::kExitUsage);
    return 0;
  }
  Check(static_cast<bool>(invocation.run) != static_cast<bool>(invocation.portBefehl));
  if (invocation.needsPort) {
    Check(!invocation.ziele.empty());
    Check(invocation.ziele.size() == 1 || static_cast<bool>(invocation.portBefehl));
    for (const CtlPortZiel& ziel : invocation.ziele) {
      Check((ziel.port >= 1 && ziel.port <= 256) || !ziel.geraet.empty());
      Check(std::count_if(invocation.ziele.begin(), invocation.ziele.end(), [&](const CtlPortZiel& other) {
              return other.port == ziel.port && other.geraet == ziel.geraet;
            }) == 1);
    }
    Check(ValidAddress(invocation.context.address));
  }
  return 0;
}
