// Raw memory blocks: read and write with hexadecimal data and a 16-bit checksum.

#include <new>
#include <string>

#include "device/qorvelt1.h"
#include "device/qorvelt1_transaktion.h"
#include "device/qorvelt1_zahlen.h"

using namespace qorvelt1;

namespace {

constexpr int kSpeichertyp = 4;
constexpr int kAdresseMax = 0xFFFF;
// The size field has four hexadecimal digits, so 0xFFFF is the largest block
// a read can ask for.
constexpr int kLeseGroesseMax = 0xFFFF;
constexpr int kSchreibGroesseMax = 64;

// Start at 1, add every data byte, keep the low 16 bits.
struct Pruefsumme {
  unsigned summe = 1;
  void add(unsigned char byte) { summe = (summe + byte) & 0xFFFFu; }
};

// "#", address, command, memory type digit, start address and size in four hex digits each.
std::string Kopf(char adresse, const char* befehl, int startadresse, int groesse) {
  std::string kopf = "#";
  kopf += adresse;
  kopf += befehl;
  kopf += static_cast<char>('0' + kSpeichertyp);
  HexAnhaengen(kopf, static_cast<unsigned>(startadresse), 4);
  HexAnhaengen(kopf, static_cast<unsigned>(groesse), 4);
  return kopf;
}

// Four hexadecimal digits at `text`, either case; -1 when one is no digit.
int Hex4(const char* text) {
  int wert = 0;
  for (int i = 0; i < 4; ++i) {
    const int ziffer = HexZiffer(text[i]);
    if (ziffer < 0) return -1;
    wert = wert * 16 + ziffer;
  }
  return wert;
}

}  // namespace

int QORORM1_SpeicherLesen(int port, char adresse, int speichertyp, int startadresse, int groesse,
                          unsigned char* daten) {
  if (!QORVELT1_EinzeladresseGueltig(adresse)) return Code(-400, 219);
  if (startadresse < 0 || startadresse > kAdresseMax) return Code(-894, 220);
  if (groesse < 1 || groesse > kLeseGroesseMax) return Code(-895, 221);
  if (speichertyp != kSpeichertyp) return Code(-896, 222);

  std::string frame = Kopf(adresse, "BDR", startadresse, groesse);
  frame += kCr;
  const int ergebnis = Senden(port, adresse, frame, {.ersterOrt = 224, .kurzMeldung = -114});
  if (ergebnis != 0) return ergebnis;

  const std::size_t soll = 2 * static_cast<std::size_t>(groesse) + 19;
  std::string antwort;
  try {
    antwort.reserve(soll + 1);
  } catch (const std::bad_alloc&) {
    return Code(-600, 230);
  }
  if (!AntwortLesen(port, soll, antwort)) return Code(-404, 231);
  // Length first: no data is decoded from a reply of the wrong size.
  if (antwort.back() != kCr) return Code(-404, 232);
  if (antwort.size() != soll) return Code(-404, 233);

  const std::string erwartet = Kopf(adresse, "BDR", startadresse, groesse);
  const char* kopf = antwort.data();
  const bool kopfPasst = kopf[0] == '#' && kopf[1] == adresse && kopf[2] == 'B' && kopf[3] == 'D' &&
                         kopf[4] == 'R' && kopf[5] == erwartet[5] &&
                         Hex4(kopf + 6) == startadresse && Hex4(kopf + 10) == groesse;
  if (!kopfPasst) return Code(-404, 234);

  Pruefsumme pruefsumme;
  const char* feld = antwort.data() + 14;
  for (int i = 0; i < groesse; ++i, feld += 2) {
    const int hoch = HexZiffer(feld[0]);
    if (hoch < 0) return Code(-404, 235);
    const int tief = HexZiffer(feld[1]);
    if (tief < 0) return Code(-404, 236);
    daten[i] = static_cast<unsigned char>(hoch * 16 + tief);
    pruefsumme.add(daten[i]);
  }
  unsigned empfangen = 0;
  for (int i = 0; i < 4; ++i) {
    const int ziffer = HexZiffer(feld[i]);
    if (ziffer < 0) return Code(-404, 237 + i);
    empfangen = empfangen * 16 + static_cast<unsigned>(ziffer);
  }
  return empfangen == pruefsumme.summe ? 0 : Code(-406, 241);
}

int QORORM1_SpeicherSchreiben(int port, char adresse, int speichertyp, int startadresse,
                              int groesse, const unsigned char* daten) {
  if (!QORVELT1_SchreibadresseGueltig(adresse)) return Code(-400, 242);
  if (startadresse < 0 || startadresse > kAdresseMax) return Code(-894, 243);
  if (groesse < 0 || groesse > kSchreibGroesseMax) return Code(-895, 244);
  if (speichertyp != kSpeichertyp) return Code(-896, 245);

  std::string frame = Kopf(adresse, "BDW", startadresse, groesse);
  Pruefsumme pruefsumme;
  for (int i = 0; i < groesse; ++i) {
    HexAnhaengen(frame, daten[i], 2);
    pruefsumme.add(daten[i]);
  }
  HexAnhaengen(frame, pruefsumme.summe, 4);
  frame += kCr;
  return Senden(port, adresse, frame, {.ersterOrt = 249, .kurzMeldung = -101});
}
