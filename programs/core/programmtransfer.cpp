// Program transfers between the table and the device, built from the four
// device services.

#include "programs/core/programmtransfer.h"

#include <algorithm>

namespace {

struct Bereich {
  int erster;
  int letzter;
  int anzahl() const { return letzter - erster + 1; }
};

Bereich BereichFuer(int auswahl, TransferUmfang umfang) {
  if (umfang == TransferUmfang::Alle) return {0, PROGRAMM_NUMMER_MAX};
  return {auswahl, auswahl};
}

bool BereichGueltig(int auswahl, TransferUmfang umfang) {
  return umfang == TransferUmfang::Alle || (auswahl >= 0 && auswahl <= PROGRAMM_NUMMER_MAX);
}

void Melden(const TransferMelden& melden, int eintrag, int schritt, int anzahl) {
  if (melden) melden({eintrag, schritt, anzahl});
}

// A failed service may still have been carried out (only its answer got
// lost), so once a load or write was sent the device's working parameters may
// have changed: they get the saved ones back, in one attempt. Its own result
// counts for nothing; the first error is the one to report.
int Zurueckschreiben(ProgrammDienste& dienste, const Programm& gerettet, int ersterFehler) {
  dienste.ParameterSchreiben(gerettet);
  return ersterFehler;
}

}  // namespace

LeseErgebnis Programmtransfer_Lesen(ProgrammTabelle tabelle, int auswahl, TransferUmfang umfang,
                                    ProgrammDienste& dienste, const TransferMelden& melden) {
  LeseErgebnis ergebnis;
  if (!BereichGueltig(auswahl, umfang)) {
    ergebnis.code = PROGRAMMTRANSFER_FALSCHER_EINTRAG;
    return ergebnis;
  }
  const Bereich bereich = BereichFuer(auswahl, umfang);
  Programm gerettet{};
  if ((ergebnis.code = dienste.ParameterLesen(&gerettet)) != 0) return ergebnis;

  bool geladen = false;
  for (int i = bereich.erster; i <= bereich.letzter; ++i) {
    Melden(melden, i, i - bereich.erster + 1, bereich.anzahl());
    int code = 0;
    if (i != 0) {
      geladen = true;
      code = dienste.ProgrammLaden(i);
    }
    Programm gelesen{};
    if (code == 0) code = dienste.ParameterLesen(&gelesen);
    if (code != 0) {
      ergebnis.code = geladen ? Zurueckschreiben(dienste, gerettet, code) : code;
      return ergebnis;
    }
    tabelle[static_cast<std::size_t>(i)] = gelesen;
    ergebnis.gelesen[static_cast<std::size_t>(i)] = true;
  }
  ergebnis.code = dienste.ParameterSchreiben(gerettet);
  return ergebnis;
}

int Programmtransfer_Schreiben(ProgrammTabelleLesen tabelle, int auswahl, TransferUmfang umfang,
                               ProgrammDienste& dienste, const TransferMelden& melden) {
  if (!BereichGueltig(auswahl, umfang)) return PROGRAMMTRANSFER_FALSCHER_EINTRAG;
  const Bereich bereich = BereichFuer(auswahl, umfang);
  if (bereich.letzter == 0) {
    Melden(melden, 0, 1, 1);
    return dienste.ParameterSchreiben(tabelle[0]);
  }

  // "Alle" ends with entry 0 as the working parameters, so only a single
  // program needs the device's own saved first.
  const bool einzeln = umfang == TransferUmfang::Aktuelles;
  Programm gerettet{};
  if (einzeln) {
    if (const int code = dienste.ParameterLesen(&gerettet); code != 0) return code;
  }
  const int erster = std::max(bereich.erster, 1);
  for (int i = erster; i <= bereich.letzter; ++i) {
    Melden(melden, i, i - erster + 1, bereich.anzahl());
    int code = dienste.ParameterSchreiben(tabelle[static_cast<std::size_t>(i)]);
    if (code == 0) code = dienste.ParameterAlsProgrammSpeichern(i);
    if (code != 0) return einzeln ? Zurueckschreiben(dienste, gerettet, code) : code;
  }
  if (einzeln) return dienste.ParameterSchreiben(gerettet);
  Melden(melden, 0, bereich.anzahl(), bereich.anzahl());
  return dienste.ParameterSchreiben(tabelle[0]);
}
