// The memory block commands of the VELT-1: "BDR" reads up to 0xFFFF bytes,
// "BDW" writes up to 64; both carry their data as hexadecimal digits and a
// 16-bit checksum.

#include <string_view>

#include "sim/velt1_model.h"
#include "sim/wire_numbers.h"

namespace sim {

namespace {

constexpr std::size_t kHeaderDigits = 9;  // memory type, start address, size
constexpr std::uint32_t kMaxWriteBytes = 64;

struct BlockHeader {
  std::uint32_t start = 0;
  std::uint32_t size = 0;
};

// Memory type, start and size; the block must lie inside the memory.
std::optional<BlockHeader> ParseHeader(std::string_view argument) {
  if (argument.size() < kHeaderDigits || argument[0] != '0' + kMemoryType) return std::nullopt;
  const auto start = ParseHexField(argument.substr(1, 4));
  const auto size = ParseHexField(argument.substr(5, 4));
  if (!start || !size || *start + *size > kMemoryBytes) return std::nullopt;
  return BlockHeader{*start, *size};
}

}  // namespace

std::uint16_t BlockChecksum(const std::uint8_t* data, std::size_t count) {
  std::uint32_t sum = 1;
  for (std::size_t i = 0; i < count; ++i) sum += data[i];
  return static_cast<std::uint16_t>(sum & 0xFFFFu);
}

Answer ReadMemoryBlock(const std::vector<std::uint8_t>& memory, const Frame& frame) {
  const auto header = ParseHeader(frame.argument);
  if (!header || frame.argument.size() != kHeaderDigits || header->size == 0) return Answer::Nak();
  const std::uint8_t* data = memory.data() + header->start;
  std::string reply = std::string("#") + frame.address + "BDR" + char('0' + kMemoryType) +
                      FormatHex(header->start, 4) + FormatHex(header->size, 4);
  reply.reserve(reply.size() + 2 * header->size + 5);
  for (std::uint32_t i = 0; i < header->size; ++i) reply += FormatHex(data[i], 2);
  reply += FormatHex(BlockChecksum(data, header->size), 4);
  reply += '\r';
  return Answer::Ack(std::move(reply));
}

Answer WriteMemoryBlock(std::vector<std::uint8_t>& memory, const Frame& frame) {
  const std::string_view argument = frame.argument;
  const auto header = ParseHeader(argument);
  if (!header || header->size > kMaxWriteBytes ||
      argument.size() != kHeaderDigits + 2 * header->size + 4) {
    return Answer::Nak();
  }
  std::vector<std::uint8_t> data(header->size);
  for (std::uint32_t i = 0; i < header->size; ++i) {
    const auto byte = ParseHexField(argument.substr(kHeaderDigits + 2 * i, 2));
    if (!byte) return Answer::Nak();
    data[i] = static_cast<std::uint8_t>(*byte);
  }
  const auto checksum = ParseHexField(argument.substr(kHeaderDigits + 2 * header->size, 4));
  if (!checksum || *checksum != BlockChecksum(data.data(), data.size())) return Answer::Nak();
  std::copy(data.begin(), data.end(), memory.begin() + header->start);
  return Answer::Ack();
}

}  // namespace sim
