#pragma once
// Runs the tools as a user would: velt1-sim in the background on its own
// ports folder, velt1ctl to completion with its output captured.

#include <sys/types.h>

#include <string>
#include <vector>

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

// A private ports folder that is removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

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
