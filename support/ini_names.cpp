#include <algorithm>

#include "support/ini_model.h"

namespace ini {
namespace {

unsigned char Upper(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

int CompareNames(std::string_view a, std::string_view b) {
  a = Trim(a);
  b = Trim(b);
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char ua = Upper(a[i]);
    const unsigned char ub = Upper(b[i]);
    if (ua != ub) return ua < ub ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameName(std::string_view a, std::string_view b) { return CompareNames(a, b) == 0; }

void SortStore(IniStoreData& store) {
  std::stable_sort(store.sections.begin(), store.sections.end(),
                   [](const IniSection& a, const IniSection& b) {
                     return CompareNames(a.name, b.name) < 0;
                   });
  for (IniSection& section : store.sections) {
    std::stable_sort(section.items.begin(), section.items.end(),
                     [](const IniItem& a, const IniItem& b) {
                       return CompareNames(a.tag, b.tag) < 0;
                     });
  }
}

}  // namespace ini
