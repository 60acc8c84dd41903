#pragma once
// One VELT-1: working parameters, sixteen stored programs, a status word, the
// started flag and 64 KiB of memory of type 4, driven by its command frames.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "device/programm.h"
#include "sim/device.h"

namespace sim {

constexpr int kProgramSlots = 16;
constexpr int kMemoryType = 4;
constexpr std::size_t kMemoryBytes = 0x10000;
// Status bits the device sets itself or that faults raise; the simulator's own
// statement of them (see velt1_parameters.h).
constexpr std::uint16_t kStatusMessungAktiv = 0x0001;
constexpr std::uint16_t kStatusRemotebetrieb = 0x0002;
constexpr std::uint16_t kStatusSpeicherfehler = 0x0100;
constexpr std::uint16_t kStatusPruefspannungsfehler = 0x0200;
// A name reply is '#', address, "N1R", the name and CR in at most 29 bytes.
constexpr std::size_t kMaxNameInReply = kMaxReplyBytes - 6;

class Velt1Model : public Device {
 public:
  static constexpr const char* kDefaultIdentification = "QOR-VELT1-V1.07";
  // The identification goes into a 29-byte reply behind '#' and the address and
  // is read as one word: 1 to 26 printable characters without blanks.
  static bool ValidIdentification(const std::string& identification);

  explicit Velt1Model(std::string identification = kDefaultIdentification);

  Answer handle(const Frame& frame) override;
  bool isVelt1() const override { return true; }

  Programm& working() { return working_; }
  Programm& program(int number) { return programs_.at(static_cast<std::size_t>(number - 1)); }
  bool started() const { return started_; }
  // Bit 0 follows start and stop; the other bits are set from outside.
  std::uint16_t status() const;
  void setStatusBits(std::uint16_t bits) { otherStatusBits_ = bits & ~kStatusMessungAktiv; }
  std::vector<std::uint8_t>& memory() { return memory_; }

 private:
  Answer writeParameter(const Frame& frame);
  Answer readParameter(const Frame& frame);
  Answer moveProgram(const Frame& frame);
  std::string replyFrame(const Frame& frame, const std::string& value) const;

  std::string identification_;
  Programm working_;
  std::array<Programm, kProgramSlots> programs_;
  bool started_ = false;
  std::uint16_t otherStatusBits_ = 0;
  std::vector<std::uint8_t> memory_;
};

// Memory block commands, argument as it follows "BDR"/"BDW" in the frame.
Answer ReadMemoryBlock(const std::vector<std::uint8_t>& memory, const Frame& frame);
Answer WriteMemoryBlock(std::vector<std::uint8_t>& memory, const Frame& frame);
// Start with 1, add every data byte, keep the low 16 bits.
std::uint16_t BlockChecksum(const std::uint8_t* data, std::size_t count);

}  // namespace sim
