#pragma once
// Progress of velt1ctl's transfers on standard error, when a person watches
// (a terminal); piped or redirected, nothing. One port: "Eintrag 5 (6 von 17)"
// rewritten in place. Several: one line with every port's step, ports in the
// same state run together ("COM 20-35: 6/17  COM 36: Fehler").

#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

#include "ctl_mehrere_ports.h"

class CtlFortschritt {
 public:
  explicit CtlFortschritt(std::vector<CtlPortZiel> ziele);
  CtlFortschritt(const CtlFortschritt&) = delete;
  CtlFortschritt& operator=(const CtlFortschritt&) = delete;
  ~CtlFortschritt();  // ends the line

  // For the port's transfer; safe to call from the port's own thread.
  TransferMelden melden(std::size_t index);
  void beendet(std::size_t index, bool gelungen);

 private:
  void setzen(std::size_t index, std::string zustand);
  std::string zeile() const;

  const std::vector<CtlPortZiel> ziele_;
  const bool aktiv_;
  std::mutex mutex_;
  std::vector<std::string> zustand_;
  std::size_t breite_ = 0;  // of the line shown, to blank what a shorter one leaves
};
