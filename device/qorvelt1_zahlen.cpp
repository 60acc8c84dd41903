#include "device/qorvelt1_zahlen.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace qorvelt1 {

namespace {
bool IstZiffer(char zeichen) { return zeichen >= '0' && zeichen <= '9'; }
}  // namespace

std::string GanzzahlText(double wert) {
  // llround turns -0.4 into 0, so no "-0" reaches the line.
  return std::to_string(std::llround(wert));
}

std::string ZehntelText(double wert) {
  const long long zehntel = std::llround(wert * 10.0);
  const long long betrag = zehntel < 0 ? -zehntel : zehntel;
  std::string text = zehntel < 0 ? "-" : "";
  text += std::to_string(betrag / 10);
  text += '.';
  text += static_cast<char>('0' + betrag % 10);
  return text;
}

bool RealLesen(std::string_view text, double& wert) {
  std::size_t pos = 0;
  bool negativ = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negativ = text[pos++] == '-';
  const std::size_t anfang = pos;
  std::size_t ziffern = 0;
  while (pos < text.size() && IstZiffer(text[pos])) ++pos, ++ziffern;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IstZiffer(text[pos])) ++pos, ++ziffern;
  }
  if (ziffern == 0) return false;
  double betrag = 0.0;
  const auto [ende, fehler] =
      std::from_chars(text.data() + anfang, text.data() + pos, betrag, std::chars_format::fixed);
  if (fehler != std::errc() || ende != text.data() + pos) return false;
  wert = negativ ? -betrag : betrag;
  return true;
}

bool HexLesen(std::string_view text, int& wert) {
  long long summe = 0;
  std::size_t pos = 0;
  for (; pos < text.size() && HexZiffer(text[pos]) >= 0; ++pos) {
    summe = summe * 16 + HexZiffer(text[pos]);
    if (summe > INT_MAX) return false;
  }
  if (pos == 0) return false;
  wert = static_cast<int>(summe);
  return true;
}

int HexZiffer(char zeichen) {
  if (zeichen >= '0' && zeichen <= '9') return zeichen - '0';
  if (zeichen >= 'a' && zeichen <= 'f') return zeichen - 'a' + 10;
  if (zeichen >= 'A' && zeichen <= 'F') return zeichen - 'A' + 10;
  return -1;
}

void HexAnhaengen(std::string& ziel, unsigned wert, int stellen) {
  static constexpr char kZiffern[] = "0123456789ABCDEF";
  for (int stelle = stellen - 1; stelle >= 0; --stelle) {
    ziel += kZiffern[(wert >> (4 * stelle)) & 0xFu];
  }
}

}  // namespace qorvelt1
