#include "ctl_portbefehle.h"

#include "ctl_dateien.h"
#include "ctl_diff.h"
#include "ctl_satzbefehle.h"
#include "device/qorvelt1.h"

namespace {

bool IstGeraet(const std::string& seite) { return seite == CTL_GERAET; }

// A file side of diff, read once; the device side stays empty.
int Laden(const std::string& seite, Programmsatz& satz) {
  return IstGeraet(seite) ? 0 : ProgrammsatzLaden(seite, satz);
}

}  // namespace

std::string CtlDateiFuerPort(const std::string& muster, const CtlPortZiel& ziel) {
  std::string datei = muster;
  const std::string platzhalter = CTL_PORT_PLATZHALTER;
  for (std::size_t at = datei.find(platzhalter); at != std::string::npos; at = datei.find(platzhalter, at)) {
    datei.replace(at, platzhalter.size(), ziel.kurzname());
  }
  return datei;
}

CtlPortBefehl CtlIdBefehl() {
  return [](CtlPortAuftrag& auftrag) {
    auftrag = [](const CtlContext& context, const CtlPortZiel&, const TransferMelden&) {
      CtlPortErgebnis ergebnis;
      char kennung[32] = {};
      ergebnis.code = QORVELT1_IDLesen(context.port, context.address, kennung);
      if (ergebnis.code == 0) {
        ergebnis.zeilen = {kennung};
        ergebnis.json["kennung"] = kennung;
      }
      return ergebnis;
    };
    return 0;
  };
}

CtlPortBefehl CtlReadAllBefehl(const std::string& datei) {
  return [datei](CtlPortAuftrag& auftrag) {
    auftrag = [datei](const CtlContext& context, const CtlPortZiel& ziel, const TransferMelden& melden) {
      CtlPortErgebnis ergebnis;
      const std::string pfad = CtlDateiFuerPort(datei, ziel);
      Programmsatz satz = DefaultProgrammsatz();
      ergebnis.code = CtlSatzLesen(context, 0, TransferUmfang::Alle, satz, melden);
      if (ergebnis.code == 0) ergebnis.code = ProgrammsatzSpeichern(pfad, satz);
      ergebnis.json["datei"] = pfad;
      return ergebnis;
    };
    return 0;
  };
}

CtlPortBefehl CtlWriteAllBefehl(const std::string& datei) {
  return [datei](CtlPortAuftrag& auftrag) {
    Programmsatz satz{};
    if (const int code = ProgrammsatzLaden(datei, satz); code != 0) return code;
    auftrag = [satz](const CtlContext& context, const CtlPortZiel&, const TransferMelden& melden) {
      CtlPortErgebnis ergebnis;
      ergebnis.code = CtlSatzSchreiben(context, 0, TransferUmfang::Alle, satz, melden);
      return ergebnis;
    };
    return 0;
  };
}

CtlPortBefehl CtlDiffBefehl(const std::string& a, const std::string& b, const std::vector<int>& eintraege) {
  return [a, b, eintraege](CtlPortAuftrag& auftrag) {
    Programmsatz satzA{};
    Programmsatz satzB{};
    if (const int code = Laden(a, satzA); code != 0) return code;
    if (const int code = Laden(b, satzB); code != 0) return code;
    auftrag = [=](const CtlContext& context, const CtlPortZiel&, const TransferMelden& melden) {
      CtlPortErgebnis ergebnis;
      Programmsatz geraet = DefaultProgrammsatz();
      if (IstGeraet(a) || IstGeraet(b)) {
        ergebnis.code = CtlSatzLesen(context, 0, TransferUmfang::Alle, geraet, melden);
        if (ergebnis.code != 0) return ergebnis;
      }
      const auto unterschiede =
          SaetzeVergleichen(IstGeraet(a) ? geraet : satzA, IstGeraet(b) ? geraet : satzB, eintraege);
      ergebnis.verschieden = !unterschiede.empty();
      ergebnis.zeilen = UnterschiedeAlsText(unterschiede);
      ergebnis.json = UnterschiedeAlsJson(unterschiede);
      return ergebnis;
    };
    return 0;
  };
}
