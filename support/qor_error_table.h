#pragma once
// The message table of QOR_errorV3: one German and one English text per
// message number. The table is shared by several device families, so it holds
// far more entries than this program raises.

namespace qor_error {

struct Meldung {
  int nummer;           // message number, -1034 .. 0
  const char* englisch;
  const char* deutsch;
};

// The entry of a message number, or nullptr when the table has none.
const Meldung* MeldungSuchen(int nummer);

}  // namespace qor_error
