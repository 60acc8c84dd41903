#pragma once
// Runs the tools as a user would: velt1-sim in the background on its own
// ports folder (a TempFolder), velt1ctl to completion with its output
// captured; and a piece of a test in a child process.

#include <sys/types.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "tests/kit/files.h"

namespace kit {

struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the program with VELT1_PORTS set to `portsFolder` and waits for it.
ToolRun RunTool(const std::string& program, const std::vector<std::string>& arguments,
                const std::string& portsFolder);

// Runs the program with standard output into `outFile`, under a file-size
// limit of `limitBytes`; its exit code, or minus the signal that ended it.
int RunToolIntoLimitedFile(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& outFile, long limitBytes);

class SimProcess {
 public:
  // Starts velt1-sim and waits (at most a few seconds) for its first line.
  SimProcess(const std::vector<std::string>& arguments, const std::string& portsFolder);
  ~SimProcess();
  const std::string& firstLine() const { return firstLine_; }
  // Sends the signal (SIGTERM unless told), then the exit status (-1 when it
  // had to be killed or died of the signal) and its stderr.
  int terminate(std::string* err = nullptr, int signal = 15 /* SIGTERM */);

 private:
  pid_t pid_ = -1;
  int outFd_ = -1;
  int errFd_ = -1;
  std::string firstLine_;
};

// Waits up to `seconds` for the child to end and kills it when it has not:
// its wait status, or -1 when it had to be killed.
int AwaitOrKill(pid_t pid, double seconds);

// What InChildProcess returns when the child gave no result.
constexpr int kNoChildResult = INT_MIN;

// Runs `probe` in a child process and returns its result: for limits that
// must not stay with the test process.
int InChildProcess(const std::function<int()>& probe);

}  // namespace kit
