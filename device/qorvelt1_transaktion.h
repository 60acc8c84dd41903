#pragma once
// The command transaction that every device operation of the driver runs:
// flush, write the frame, wait for it to leave, read the acknowledge byte and,
// for reading commands, the reply frame. Internal to the driver.

#include <cstddef>
#include <string>
#include <string_view>

namespace qorvelt1 {

// Error code from message number and place number.
constexpr int Code(int meldung, int ort) { return meldung * 1000 - ort; }

constexpr char kAck = 0x06;
constexpr char kNak = 0x15;
constexpr char kCan = 0x18;
constexpr char kCr = 0x0D;

// Longest reply frame of the parameter and identification commands, CR included.
constexpr std::size_t kAntwortMax = 29;

// Place numbers of one operation's transaction. The write, acknowledge and
// answer checks use six consecutive places starting at `ersterOrt`: negative
// write result (also a failed drain), short write, NAK, CAN, no answer, other byte.
struct Orte {
  int ersterOrt;
  int kurzMeldung;   // message of the short write: -101 or -114
  int flushOrt = 0;  // 0: the flush's own code is returned; else message -112 at this place
};

// "#", address, command, argument, CR.
std::string Rahmen(char adresse, std::string_view befehl, std::string_view argument = {});

// Flushes, writes `frame`, waits for the drain and, unless the address is the
// common one, reads and classifies the acknowledge byte. 0 on ACK (for '&'
// once the frame has had its line time and the queue is empty), else the
// operation's error code.
int Senden(int port, char adresse, std::string_view frame, const Orte& orte);

// Reads a reply byte by byte until the byte just stored is CR or `grenze`
// bytes are stored. False when a byte read fails.
bool AntwortLesen(int port, std::size_t grenze, std::string& antwort);

}  // namespace qorvelt1
