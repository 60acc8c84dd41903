#pragma once
// A pseudo-terminal whose slave is linked as COMn in a temporary ports folder
// (VELT1_PORTS), so that the port layer opens it as that port. The test holds
// the master end and plays the device.

#include <string>

#include "tests/kit/ports_folder.h"

namespace kit {

class PtyPort {
 public:
  // Links COM<port> to a new pty; further ports can be linked to the same pty.
  explicit PtyPort(int port);
  ~PtyPort();
  PtyPort(const PtyPort&) = delete;
  PtyPort& operator=(const PtyPort&) = delete;

  void linkAlso(int port);
  const std::string& slavePath() const { return slave_; }
  int master() const { return master_; }
  // Writes all bytes to the master end; false on failure.
  bool writeMaster(const std::string& bytes);
  // Reads what the master end receives within the time in seconds.
  std::string readMaster(std::size_t count, double seconds);
  // The device goes away: the slave end sees a hang-up.
  void closeMaster();

 private:
  PortsFolder ports_;
  int master_ = -1;
  std::string slave_;
};

}  // namespace kit
