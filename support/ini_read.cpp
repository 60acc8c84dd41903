// Reading a settings file into the store.

#include <cstdio>
#include <memory>
#include <new>
#include <optional>

#include "support/file_replace.h"
#include "support/ini_model.h"

namespace {

constexpr std::size_t kBlockSize = 2048;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Turns the bytes of a file into sections. Lines end at CR, LF or NUL; CR LF
// and LF CR count as one line end, CR CR and LF LF as two.
class FileParser {
 public:
  void AddBytes(const char* data, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) AddByte(data[i]);
  }

  void Finish() { EndLine(); }

  std::vector<IniSection>& sections() { return sections_; }

 private:
  void AddByte(char c) {
    if (c == '\r' || c == '\n') {
      if (c == pairPartner_) {  // second half of CR LF or LF CR
        pairPartner_ = 0;
        return;
      }
      EndLine();
      pairPartner_ = c == '\r' ? '\n' : '\r';
      return;
    }
    pairPartner_ = 0;
    if (c == '\0') {
      EndLine();
    } else if (line_.size() < ini::kMaxLineLength) {
      line_.push_back(c);  // the rest of an overlong line is dropped
    }
  }

  void EndLine() {
    ParseLine(line_);
    line_.clear();
  }

  void ParseLine(std::string_view line) {
    const std::string_view text = ini::Trim(line);
    if (text.empty() || text.front() == ';') return;
    if (text.front() == '[') {
      ParseHeader(text);
    } else {
      ParseItem(text);
    }
  }

  // "[name]"; ignored without "]", with text after it, or with an empty name.
  void ParseHeader(std::string_view text) {
    const std::size_t close = text.rfind(']');
    if (close == text.npos || close + 1 != text.size()) return;
    const std::string_view name = ini::Trim(text.substr(1, close - 1));
    if (name.empty()) return;
    sections_.push_back(IniSection{std::string(name), {}});
  }

  void ParseItem(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == text.npos || sections_.empty()) return;
    const std::string_view tag = ini::Trim(text.substr(0, equals));
    std::string_view value = ini::Trim(text.substr(equals + 1));
    if (tag.empty() || value.empty()) return;
    bool quoted = false;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
      quoted = true;
    }
    sections_.back().items.push_back(IniItem{std::string(tag), std::string(value), quoted});
  }

  std::vector<IniSection> sections_;
  std::string line_;
  char pairPartner_ = 0;  // the character that would complete a CR LF / LF CR pair
};

// A tag "<base> Line<digits>" of a value split over several lines: the
// counter's value (capped) and the base tag.
struct LineCounter {
  unsigned value;
  std::string_view base;
};

std::optional<LineCounter> SplitTag(std::string_view tag) {
  const std::size_t marker = tag.rfind(" Line");
  if (marker == tag.npos) return std::nullopt;
  const std::string_view digits = tag.substr(marker + 5);
  if (digits.empty()) return std::nullopt;
  unsigned value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value > 1000000 ? value : value * 10 + static_cast<unsigned>(c - '0');
  }
  return LineCounter{value, tag.substr(0, marker)};
}

// Joins each run "<tag> Line0001", "<tag> Line0002", ... back into one item.
// Only the same base tag with the next counter continues a run, so an item of
// another tag that happens to end in " Line<digits>" keeps its own place.
void JoinSplitValues(IniSection& section) {
  std::vector<IniItem> joined;
  joined.reserve(section.items.size());
  auto& items = section.items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto counter = SplitTag(items[i].tag);
    if (!counter || counter->value != 1) {
      joined.push_back(std::move(items[i]));
      continue;
    }
    IniItem run{std::string(counter->base), std::move(items[i].value), items[i].quoted};
    unsigned last = 1;
    while (i + 1 < items.size()) {
      const auto next = SplitTag(items[i + 1].tag);
      if (!next || next->base != run.tag || next->value != last + 1) break;
      ++i;
      ++last;
      run.value += items[i].value;
      // Unquoted values are written with quotes only on lines that need them.
      run.quoted = run.quoted && items[i].quoted;
    }
    joined.push_back(std::move(run));
  }
  items = std::move(joined);
}

}  // namespace

namespace ini {

bool IsSplitValueTag(std::string_view tag) { return SplitTag(tag).has_value(); }

std::vector<IniSection> ParseFileBytes(std::string_view bytes) {
  FileParser parser;
  parser.AddBytes(bytes.data(), bytes.size());
  parser.Finish();
  for (IniSection& section : parser.sections()) JoinSplitValues(section);
  return std::move(parser.sections());
}

}  // namespace ini

int Ini_ReadFromFile(IniStore store, const std::filesystem::path& path) {
  if (store == nullptr) return INI_ERR_NO_STORE;
  try {
    std::unique_ptr<std::FILE, FileCloser> file(file_replace::OpenFile(path, "rb"));
    if (!file) return INI_ERR_CANNOT_OPEN;

    std::string bytes;
    char block[kBlockSize];
    std::size_t count;
    while ((count = std::fread(block, 1, sizeof block, file.get())) > 0) bytes.append(block, count);
    if (std::ferror(file.get())) return INI_ERR_READ;

    std::vector<IniSection> read = ini::ParseFileBytes(bytes);
    // Reserve first: once the sections are moved in, nothing can fail.
    store->sections.reserve(store->sections.size() + read.size());
    for (IniSection& section : read) store->sections.push_back(std::move(section));
    if (store->sorted) ini::SortStore(*store);
    return 0;
  } catch (const std::bad_alloc&) {
    return INI_ERR_OUT_OF_MEMORY;
  }
}
