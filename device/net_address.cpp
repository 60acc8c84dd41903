#include "device/net_address.h"

namespace rs232 {
namespace {

constexpr std::string_view kRfc2217 = "rfc2217://";
constexpr std::string_view kTcp = "tcp://";

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool ValidPort(std::string_view port) {
  if (port.empty() || port.size() > 5 || port[0] == '0') return false;
  long value = 0;
  for (char c : port) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value <= 65535;
}

bool ValidHost(std::string_view host) {
  if (host.empty()) return false;
  for (char c : host) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                         c == '.' || c == '-' || c == '_' || c == ':';
    if (!allowed) return false;
  }
  return true;
}

}  // namespace

bool IsNetworkAddress(std::string_view text) {
  return StartsWith(text, kRfc2217) || StartsWith(text, kTcp);
}

bool ParseNetAddress(std::string_view text, NetAddress& address) {
  NetAddress parsed;
  parsed.rfc2217 = StartsWith(text, kRfc2217);
  if (!parsed.rfc2217 && !StartsWith(text, kTcp)) return false;
  std::string_view rest = text.substr(parsed.rfc2217 ? kRfc2217.size() : kTcp.size());
  const std::size_t colon = rest.rfind(':');
  if (colon == std::string_view::npos) return false;
  std::string_view host = rest.substr(0, colon);
  const std::string_view port = rest.substr(colon + 1);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);  // an IPv6 address
  } else if (host.find(':') != std::string_view::npos) {
    return false;  // an IPv6 address needs its brackets
  }
  if (!ValidHost(host) || !ValidPort(port)) return false;
  parsed.host = std::string(host);
  parsed.port = std::string(port);
  address = std::move(parsed);
  return true;
}

}  // namespace rs232
