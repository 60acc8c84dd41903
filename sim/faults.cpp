#include "sim/faults.h"

#include <cstdlib>

#include "sim/frame.h"

namespace sim {

namespace {

struct KindName {
  FaultKind kind;
  const char* name;
};

constexpr KindName kKindNames[] = {
    {FaultKind::Nak, "nak"},           {FaultKind::Can, "can"},
    {FaultKind::Silence, "silence"},   {FaultKind::WrongByte, "wrongbyte"},
    {FaultKind::Cut, "cut"},           {FaultKind::WrongEcho, "echo"},
    {FaultKind::Err, "err"},           {FaultKind::Late, "late"},
    {FaultKind::Gap, "gap"},           {FaultKind::Slow, "slow"},
    {FaultKind::Drop, "drop"},
};

bool HasReplyFrame(const std::string& command) { return command.size() == 3 && command[2] == 'R'; }

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

}  // namespace

const char* FaultKindName(FaultKind kind) {
  for (const auto& entry : kKindNames) {
    if (entry.kind == kind) return entry.name;
  }
  return "?";
}

std::optional<FaultKind> FaultKindFromName(const std::string& name) {
  for (const auto& entry : kKindNames) {
    if (name == entry.name) return entry.kind;
  }
  return std::nullopt;
}

bool FaultApplies(FaultKind kind, const std::string& command) {
  switch (kind) {
    case FaultKind::Cut:
    case FaultKind::WrongEcho:
    case FaultKind::Gap:
      return HasReplyFrame(command);
    case FaultKind::Err:
      return HasReplyFrame(command) && command != "IDR" && command != "BDR";
    default:
      return true;
  }
}

std::optional<FaultRule> ParseFaultRule(const std::string& text, std::string& error) {
  const auto parts = Split(text, ':');
  if (parts.size() < 2 || parts.size() > 3) {
    error = "expected CMD[@ADDR]:KIND[:COUNT]";
    return std::nullopt;
  }
  FaultRule rule;
  const auto target = Split(parts[0], '@');
  if (target.size() > 2 || (target[0] != "*" && target[0].size() != 3)) {
    error = "command must be three characters or *";
    return std::nullopt;
  }
  if (target[0] != "*") rule.command = target[0];
  if (target.size() == 2) {
    if (target[1].size() != 1 || !IsDeviceAddress(target[1][0])) {
      error = "address must be 1..9 or a..f";
      return std::nullopt;
    }
    rule.address = target[1][0];
  }
  const auto kind = FaultKindFromName(parts[1]);
  if (!kind) {
    error = "unknown fault " + parts[1];
    return std::nullopt;
  }
  rule.kind = *kind;
  if (!rule.command.empty() && !FaultApplies(rule.kind, rule.command)) {
    error = std::string("fault ") + parts[1] + " does not apply to " + rule.command;
    return std::nullopt;
  }
  if (parts.size() == 3) {
    if (parts[2] == "*") {
      rule.count = -1;
    } else {
      char* end = nullptr;
      const long count = std::strtol(parts[2].c_str(), &end, 10);
      if (parts[2].empty() || *end != '\0' || count < 1 || count > 1000000) {
        error = "count must be a positive number or *";
        return std::nullopt;
      }
      rule.count = static_cast<int>(count);
    }
  }
  return rule;
}

void FaultPlan::setRandom(std::uint32_t seed, double rate) {
  random_.seed(seed);
  randomRate_ = rate;
}

void FaultPlan::clear() {
  rules_.clear();
  randomRate_ = 0.0;
}

std::optional<FaultKind> FaultPlan::take(char address, const std::string& command) {
  for (auto it = rules_.begin(); it != rules_.end(); ++it) {
    if (!it->command.empty() && it->command != command) continue;
    if (it->address != 0 && it->address != address) continue;
    if (!FaultApplies(it->kind, command)) continue;
    const FaultKind kind = it->kind;
    if (it->count > 0 && --it->count == 0) rules_.erase(it);
    return kind;
  }
  if (randomRate_ <= 0.0) return std::nullopt;
  // Raw draws of mt19937 are the same on every platform; the library's
  // distributions are not, and a seed must replay the same soak run.
  const double draw = static_cast<double>(random_()) / 4294967296.0;
  if (draw >= randomRate_) return std::nullopt;
  std::vector<FaultKind> candidates;
  for (const auto& entry : kKindNames) {
    if (entry.kind != FaultKind::Drop && FaultApplies(entry.kind, command)) {
      candidates.push_back(entry.kind);
    }
  }
  return candidates[random_() % candidates.size()];
}

}  // namespace sim
