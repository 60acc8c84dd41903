#include "ctl_fortschritt.h"

#include <unistd.h>

#include <cstdio>

#include "ctl_programmsatz.h"

CtlFortschritt::CtlFortschritt(std::vector<CtlPortZiel> ziele)
    : ziele_(std::move(ziele)), aktiv_(isatty(fileno(stderr)) != 0), zustand_(ziele_.size(), "-") {}

CtlFortschritt::~CtlFortschritt() {
  if (aktiv_ && breite_ > 0) std::fprintf(stderr, "\n");
}

TransferMelden CtlFortschritt::melden(std::size_t index) {
  if (!aktiv_) return {};
  return [this, index](const TransferFortschritt& f) {
    if (ziele_.size() == 1) {
      std::lock_guard<std::mutex> lock(mutex_);
      breite_ = 1;
      std::fprintf(stderr, "\rEintrag %-2s (%d von %d)", Prog_EintragName(f.eintrag).c_str(), f.schritt, f.anzahl);
      std::fflush(stderr);
      return;
    }
    setzen(index, std::to_string(f.schritt) + "/" + std::to_string(f.anzahl));
  };
}

void CtlFortschritt::beendet(std::size_t index, bool gelungen) {
  if (aktiv_ && ziele_.size() > 1) setzen(index, gelungen ? "fertig" : "Fehler");
}

void CtlFortschritt::setzen(std::size_t index, std::string zustand) {
  std::lock_guard<std::mutex> lock(mutex_);
  zustand_[index] = std::move(zustand);
  std::string text = zeile();
  const std::size_t breite = text.size();
  if (breite < breite_) text.append(breite_ - breite, ' ');
  breite_ = breite;
  std::fprintf(stderr, "\r%s", text.c_str());
  std::fflush(stderr);
}

std::string CtlFortschritt::zeile() const {
  std::string text;
  for (std::size_t i = 0; i < ziele_.size();) {
    // Neighbouring COM numbers in the same state share one entry.
    std::size_t bis = i;
    while (bis + 1 < ziele_.size() && ziele_[bis + 1].geraet.empty() && ziele_[i].geraet.empty() &&
           ziele_[bis + 1].port == ziele_[bis].port + 1 && zustand_[bis + 1] == zustand_[i]) {
      ++bis;
    }
    // Appended piece by piece: "x" + text trips a false -Wrestrict of GCC 12 at -O3.
    if (!text.empty()) text += "  ";
    text += ziele_[i].name();
    if (bis > i) text.append("-").append(std::to_string(ziele_[bis].port));
    text.append(": ").append(zustand_[i]);
    i = bis + 1;
  }
  return text;
}
