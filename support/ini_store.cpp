#include "support/ini_store.h"

#include <algorithm>
#include <new>
#include <string>

#include "support/ini_integer.h"
#include "support/ini_model.h"

namespace {

IniSection* FindSection(IniStoreData& store, std::string_view name) {
  for (IniSection& section : store.sections) {
    if (ini::SameName(section.name, name)) return &section;
  }
  return nullptr;
}

const IniItem* FindItem(const IniSection& section, std::string_view tag) {
  for (const IniItem& item : section.items) {
    if (ini::SameName(item.tag, tag)) return &item;
  }
  return nullptr;
}

bool HasLineEnd(std::string_view name) { return name.find_first_of("\r\n") != name.npos; }

// A name the file can carry and give back unchanged: its header line "[name]"
// must not be cut by the reader.
bool WritableSectionName(std::string_view name) {
  return !name.empty() && !HasLineEnd(name) && name.size() + 2 <= ini::kMaxLineLength;
}

// A tag that reads back as itself on the line "tag = value". A tag ending in
// " Line" and digits would be taken for part of a split value.
bool WritableItem(std::string_view tag, std::string_view value) {
  return !tag.empty() && !HasLineEnd(tag) && tag.find('=') == tag.npos && tag.front() != ';' &&
         tag.front() != '[' && !ini::IsSplitValueTag(tag) &&
         tag.size() + 3 + value.size() <= ini::kMaxLineLength;
}

// Removes every item of the tag; returns where the first one stood, or the end.
std::size_t RemoveItems(IniSection& section, std::string_view tag) {
  auto& items = section.items;
  const auto ofTag = [&](const IniItem& item) { return ini::SameName(item.tag, tag); };
  const auto first = std::find_if(items.begin(), items.end(), ofTag);
  const std::size_t place = static_cast<std::size_t>(first - items.begin());
  items.erase(std::remove_if(first, items.end(), ofTag), items.end());
  return place;
}

void InsertItem(const IniStoreData& store, IniSection& section, IniItem item, std::size_t place) {
  auto& items = section.items;
  if (store.sorted) {
    place = static_cast<std::size_t>(
        std::upper_bound(items.begin(), items.end(), item,
                         [](const IniItem& a, const IniItem& b) {
                           return ini::CompareNames(a.tag, b.tag) < 0;
                         }) -
        items.begin());
  }
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(std::min(place, items.size())),
               std::move(item));
}

void InsertSection(IniStoreData& store, IniSection section) {
  auto& sections = store.sections;
  auto place = sections.end();
  if (store.sorted) {
    place = std::upper_bound(sections.begin(), sections.end(), section,
                             [](const IniSection& a, const IniSection& b) {
                               return ini::CompareNames(a.name, b.name) < 0;
                             });
  }
  sections.insert(place, std::move(section));
}

}  // namespace

IniStore Ini_New(int sorted) {
  IniStore store = new (std::nothrow) IniStoreData;
  if (store != nullptr) store->sorted = sorted != 0;
  return store;
}

void Ini_Dispose(IniStore store) { delete store; }

int Ini_GetInt(IniStore store, const char* section, const char* tag, int* value) {
  if (store == nullptr || section == nullptr || tag == nullptr || value == nullptr) {
    return INI_ERR_NO_STORE;
  }
  IniSection* found = FindSection(*store, section);
  if (found == nullptr) return 0;
  const IniItem* item = FindItem(*found, tag);
  if (item == nullptr || ini::Trim(item->value).empty()) return 0;
  return ini::ParseInteger(item->value, value) ? 1 : INI_ERR_NOT_INTEGER;
}

int Ini_PutInt(IniStore store, const char* section, const char* tag, int value) {
  if (store == nullptr || section == nullptr || tag == nullptr) return INI_ERR_NO_STORE;
  const std::string_view sectionName = ini::Trim(section);
  const std::string_view tagName = ini::Trim(tag);
  try {
    IniItem item{std::string(tagName), std::to_string(value), false};
    if (!WritableSectionName(sectionName) || !WritableItem(tagName, item.value)) {
      return INI_ERR_NO_STORE;
    }
    if (IniSection* found = FindSection(*store, sectionName)) {
      found->items.reserve(found->items.size() + 1);  // nothing is removed unless the insert succeeds
      const std::size_t place = RemoveItems(*found, tagName);
      InsertItem(*store, *found, std::move(item), place);
    } else {
      IniSection created{std::string(sectionName), {}};
      created.items.push_back(std::move(item));
      InsertSection(*store, std::move(created));
    }
    return 0;
  } catch (const std::bad_alloc&) {
    return INI_ERR_OUT_OF_MEMORY;
  }
}
