#pragma once
// The simulator's end of the line: a pseudo-terminal whose slave is the port
// the host opens, and the COMn link in the ports folder that names it.

#include <filesystem>
#include <string>

class PtyLine {
 public:
  PtyLine() = default;
  PtyLine(const PtyLine&) = delete;
  PtyLine& operator=(const PtyLine&) = delete;
  ~PtyLine() { close(); }

  // Opens a fresh pseudo-terminal in raw mode. The simulator keeps a slave
  // descriptor of its own, so the master never sees a hang-up when the host
  // closes the port, and the host can open and close it as often as it likes.
  bool open(std::string& error);
  void close();
  int master() const { return master_; }
  const std::string& slavePath() const { return slavePath_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
};

// A link COMn in the ports folder pointing at the pseudo-terminal.
class ComLink {
 public:
  ComLink() = default;
  ComLink(const ComLink&) = delete;
  ComLink& operator=(const ComLink&) = delete;
  ~ComLink() { remove(); }

  // Refuses a link that points at a device that is still there: another
  // simulator or a user's port has the number. A dangling link is replaced.
  bool create(int com, const std::string& target, std::string& error);
  // Points the link at another device in one step (rename over it).
  bool repoint(const std::string& target, std::string& error);
  // Removes the link if it still points at our device.
  void remove();

 private:
  std::filesystem::path path_;
  std::string target_;
};
