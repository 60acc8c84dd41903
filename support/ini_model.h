#pragma once
// The store's contents and the rules for comparing names, shared by the
// store's reading, writing and access functions.

#include <string>
#include <string_view>
#include <vector>

#include "support/ini_store.h"

struct IniItem {
  std::string tag;
  std::string value;
  bool quoted = false;  // read with surrounding double quotes, written with them
  bool operator==(const IniItem&) const = default;
};

struct IniSection {
  std::string name;
  std::vector<IniItem> items;
  bool operator==(const IniSection&) const = default;
};

struct IniStoreData {
  bool sorted = false;
  std::vector<IniSection> sections;
};

namespace ini {

// The reader keeps this many characters of a line and drops the rest.
constexpr std::size_t kMaxLineLength = 255;

// The sections of a file's bytes in file order, split values joined.
std::vector<IniSection> ParseFileBytes(std::string_view bytes);

// A tag ending in " Line" and digits marks one line of a split value.
bool IsSplitValueTag(std::string_view tag);

// Blank, tab, vertical tab and form feed: the whitespace that can stand
// inside a line.
bool IsBlank(char c);
std::string_view Trim(std::string_view text);

// Names compare after trimming, character by character through an upper-case
// mapping.
int CompareNames(std::string_view a, std::string_view b);
bool SameName(std::string_view a, std::string_view b);

// Stable sort of the sections by name and of each section's items by tag.
void SortStore(IniStoreData& store);

}  // namespace ini
