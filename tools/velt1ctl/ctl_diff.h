#pragma once
// Two program sets compared field by field as the parameter file stores
// them: a name as its bytes up to the NUL, a value as its binary64 bits, so
// -0 differs from 0 and a difference the main panel rounds away still counts
// (and is named as such).

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "ctl_programmsatz.h"

struct SatzUnterschied {
  int eintrag;
  std::string feld;       // the keyword; "programmname" for the name
  nlohmann::ordered_json a, b;    // the name as text, a value as its number
  std::string panelText;  // values only: the main panel shows both as this; "" when it tells them apart
};

// The differences within the entries named (0 = A .. 16), entry by entry,
// the fields of each in transfer order.
std::vector<SatzUnterschied> SaetzeVergleichen(const Programmsatz& a, const Programmsatz& b,
                                               const std::vector<int>& eintraege);

// "Eintrag 5 anzahlzaehne: 60 ≠ 58" for each difference, then the count as
// the last line ("1 Unterschied", "0 Unterschiede").
std::vector<std::string> UnterschiedeAlsText(const std::vector<SatzUnterschied>& unterschiede);
// {"unterschiede": [{"eintrag": "5", "feld": "anzahlzaehne", "a": 60.0, "b": 58.0,
//   "hauptmaske_gleich": false}, ...], "anzahl": 1}
nlohmann::ordered_json UnterschiedeAlsJson(const std::vector<SatzUnterschied>& unterschiede);
