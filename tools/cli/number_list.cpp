#include "number_list.h"

#include <algorithm>
#include <sstream>

#include "cli_support.h"

namespace cli {

namespace {

std::string OutOfRange(int low, int high, const std::string& text) {
  return "Zahl " + std::to_string(low) + ".." + std::to_string(high) + " erwartet, nicht " + text;
}

}  // namespace

std::string ParseNumberList(const std::string& text, int low, int high, std::vector<int>& numbers) {
  std::vector<int> parsed;
  std::istringstream items(text);
  std::string item;
  // getline drops an empty last item, so a trailing comma is looked at here.
  if (text.empty() || text.back() == ',') return OutOfRange(low, high, "");
  while (std::getline(items, item, ',')) {
    // "20-39": the dash after the first character, so that "-1" stays one (wrong) number.
    const std::size_t dash = item.find('-', 1);
    const std::string first = item.substr(0, dash);
    const std::string last = dash == std::string::npos ? first : item.substr(dash + 1);
    long long from = 0;
    long long to = 0;
    if (!ParseWhole(first, low, high, 10, from)) return OutOfRange(low, high, first);
    if (!ParseWhole(last, low, high, 10, to)) return OutOfRange(low, high, last);
    if (from > to) return "Bereich " + item + " läuft rückwärts";
    for (long long n = from; n <= to; ++n) {
      if (std::find(parsed.begin(), parsed.end(), n) != parsed.end()) {
        return std::to_string(n) + " ist doppelt genannt";
      }
      parsed.push_back(static_cast<int>(n));
    }
  }
  numbers = std::move(parsed);
  return "";
}

CLI::Validator NumberList(int low, int high) {
  return CLI::Validator(
      [=](std::string& text) {
        std::vector<int> ignored;
        return ParseNumberList(text, low, high, ignored);
      },
      std::to_string(low) + ".." + std::to_string(high));
}

}  // namespace cli
