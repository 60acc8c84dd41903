// Whole program transfers through the device services against the simulated
// VELT-1, with every fault the simulator knows injected at every frame of the
// transfer: the failing service's exact code, no frame after it but the one
// write-back the transfer owes, at most one time-out per service, the table
// and the device as the transfer leaves them, and a healthy transfer on the
// same line right after.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "device/serial_channel.h"
#include "device/velt1com.h"
#include "programs/core/geraetedienste.h"
#include "programs/core/programmtransfer.h"
#include "sim/sim_channel_peer.h"
#include "sim/velt1_model.h"
#include "tests/kit/channel_port.h"
#include "tests/kit/records.h"
#include "tests/kit/wire.h"

namespace {

using kit::KeptRecord;
using kit::RecordText;
using sim::FaultKind;
using Tabelle = std::array<Programm, PROGRAMM_ANZAHL>;

constexpr int kPort = 14;
constexpr char kAdresse = '1';
constexpr double kTimeout = 1.5;
constexpr std::size_t kRahmenProSatz = 14;

constexpr FaultKind kArten[] = {FaultKind::Nak,  FaultKind::Can,       FaultKind::Silence,
                                FaultKind::WrongByte, FaultKind::Cut, FaultKind::WrongEcho,
                                FaultKind::Err,  FaultKind::Late,      FaultKind::Gap,
                                FaultKind::Slow, FaultKind::Drop};

// The simulated bus behind the line; frame number `ziel` of a run (counted
// from 0) gets the fault.
class FehlerBeiRahmen : public rs232::ChannelPeer {
 public:
  void received(const std::uint8_t* data, std::size_t count, rs232::Channel& channel) override {
    if (rahmen_++ == ziel_ && count >= 5) {
      sim_.bus().faults().add({std::string(data + 2, data + 5), 0, art_, 1});
    }
    sim_.received(data, count, channel);
  }
  void Setzen(int ziel, FaultKind art) {
    ziel_ = ziel;
    art_ = art;
    rahmen_ = 0;
  }
  sim::Bus& bus() { return sim_.bus(); }

 private:
  sim::SimChannelPeer sim_{kTimeout};
  int ziel_ = -1;
  FaultKind art_ = FaultKind::Nak;
  int rahmen_ = 0;
};

// The device services as the program runs them, each call timed on the
// line's virtual clock and noted with the frames it sent.
class GemesseneDienste : public ProgrammDienste {
 public:
  explicit GemesseneDienste(const kit::ChannelPort& kanal) : kanal_(kanal) {}

  int ParameterLesen(Programm* ziel) override {
    return Messen('L', [&] { return dienste_.ParameterLesen(ziel); });
  }
  int ParameterSchreiben(const Programm& quelle) override {
    return Messen('S', [&] { return dienste_.ParameterSchreiben(quelle); });
  }
  int ProgrammLaden(int nummer) override {
    return Messen('P', [&] { return dienste_.ProgrammLaden(nummer); });
  }
  int ParameterAlsProgrammSpeichern(int nummer) override {
    return Messen('A', [&] { return dienste_.ParameterAlsProgrammSpeichern(nummer); });
  }

  // One letter per call: L read, S write, P load, A store.
  std::string arten;
  // The call that sent each frame.
  std::vector<int> dienstVonRahmen;
  double laengsterAufruf = 0.0;

 private:
  template <typename Aufruf>
  int Messen(char art, Aufruf aufruf) {
    const double start = kanal_->now();
    const std::size_t vorher = Rahmenzahl();
    const int code = aufruf();
    laengsterAufruf = std::max(laengsterAufruf, kanal_->now() - start);
    dienstVonRahmen.insert(dienstVonRahmen.end(), Rahmenzahl() - vorher, static_cast<int>(arten.size()));
    arten += art;
    return code;
  }
  std::size_t Rahmenzahl() const {
    const auto& bytes = kanal_->written();
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r'));
  }

  const kit::ChannelPort& kanal_;
  Geraetedienste dienste_;
};

// The code of the service whose frame got the fault, from the driver's
// places per command; 0 when the transfer goes on: a slow answer is still in
// time, and "err" is a name like any other.
int ErwarteterCode(const std::string& befehl, FaultKind art) {
  struct Zeile {
    int nak, can, keineAntwort, anderesByte, antwortKaputt, echo, err, leitungWeg;
  };
  constexpr Zeile kLesen{-402206, -405207, -403208, -404209, -404210, -404211, -409212, -101204};
  constexpr Zeile kSchreiben{-402120, -405121, -403122, -404123, 0, 0, 0, -101118};
  constexpr Zeile kLaden{-402057, -405058, -403059, -404060, 0, 0, 0, -101055};
  constexpr Zeile kSpeichern{-402048, -405049, -403050, -404051, 0, 0, 0, -101046};
  const Zeile& z = befehl == "PNS" ? kLaden : befehl == "PNP" ? kSpeichern : befehl[2] == 'R' ? kLesen : kSchreiben;
  switch (art) {
    case FaultKind::Nak: return z.nak;
    case FaultKind::Can: return z.can;
    case FaultKind::Silence:
    case FaultKind::Late: return z.keineAntwort;  // the answer comes after the host gave up
    case FaultKind::WrongByte: return z.anderesByte;
    case FaultKind::Cut:
    case FaultKind::Gap: return z.antwortKaputt;  // the reply's end does not come in time
    case FaultKind::WrongEcho: return z.echo;
    case FaultKind::Err: return befehl == "N1R" ? 0 : z.err;
    case FaultKind::Slow: return 0;
    case FaultKind::Drop: return z.leitungWeg;  // the frame cannot be seen to leave
  }
  return 1;
}

Tabelle Saetze(const std::string& name, int basis) {
  Tabelle saetze{};
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) saetze[static_cast<std::size_t>(i)] = KeptRecord(name + std::to_string(i), basis + i);
  return saetze;
}
const Tabelle kGeraet = Saetze("Geraet ", 60);  // entry n: the device's program n
const Tabelle kTabelle = Saetze("Welle ", 20);
const Programm& GeraetProgramm(int n) { return kGeraet[static_cast<std::size_t>(n)]; }
const Programm& TabellenEintrag(int i) { return kTabelle[static_cast<std::size_t>(i)]; }
Programm MitName(Programm satz, const char* name) {
  std::snprintf(satz.programmname, sizeof satz.programmname, "%s", name);
  return satz;
}
const Programm kArbeit = KeptRecord("Arbeit", 100);

// Names as texts, values bit for bit; the text form only for the message.
void GleicherSatz(const Programm& ist, const Programm& soll, int nummer) {
  constexpr std::size_t kWerte = sizeof(Programm::programmname);
  if (std::strcmp(ist.programmname, soll.programmname) != 0 ||
      std::memcmp(reinterpret_cast<const char*>(&ist) + kWerte, reinterpret_cast<const char*>(&soll) + kWerte,
                  sizeof(Programm) - kWerte) != 0) {
    ADD_FAILURE() << nummer << ": " << RecordText(ist) << " instead of " << RecordText(soll);
  }
}

struct Transfer {
  const char* name;
  bool lesen;
  int auswahl;
  TransferUmfang umfang;
  int ersterZurueck;  // first call whose failure makes the transfer write the saved set back; -1: none
  int faelle;         // (fault, frame) cases that apply
};

void PrintTo(const Transfer& transfer, std::ostream* out) { *out << transfer.name; }

// The transfers after a fault: one program, read or written.
const Transfer kEinesLesen{"read_program_7", true, 7, TransferUmfang::Aktuelles, 1, 413};
const Transfer kEinesSchreiben{"write_program_5", false, 5, TransferUmfang::Aktuelles, 1, 357};

class TransferFehlermatrix : public ::testing::TestWithParam<Transfer> {
 protected:
  void SetUp() override {
    DaxCom_SitzungSetzen({[] { return kPort; }, [] { return kAdresse; }});
    DaxCom_ComLedSetzen(DAXCOM_LED_HAUPTPANEL, [this](int on) { ledAn_ = on; });
  }
  void TearDown() override { DaxCom_HooksEntfernen(); }

  // A fresh device and table; the line as the last run left it unless it was dropped.
  void Neu(int ziel = -1, FaultKind art = FaultKind::Nak) {
    if (kanal_->dropped()) kanal_.reconnect();
    geraet_->working() = kArbeit;
    for (int n = 1; n <= PROGRAMM_NUMMER_MAX; ++n) geraet_->program(n) = GeraetProgramm(n);
    for (int i = 0; i < PROGRAMM_ANZAHL; ++i) tabelle_[i] = TabellenEintrag(i);
    kanal_->clearWritten();
    peer_->bus().faults().clear();
    peer_->Setzen(ziel, art);
    dienste_ = std::make_unique<GemesseneDienste>(kanal_);
  }

  LeseErgebnis Ausfuehren(const Transfer& t) {
    if (t.lesen) return Programmtransfer_Lesen(tabelle_, t.auswahl, t.umfang, *dienste_);
    LeseErgebnis ergebnis;
    ergebnis.code = Programmtransfer_Schreiben(tabelle_, t.auswahl, t.umfang, *dienste_);
    return ergebnis;
  }

  std::string Geschrieben() const { return kanal_.written(); }

  std::shared_ptr<FehlerBeiRahmen> peer_ = std::make_shared<FehlerBeiRahmen>();
  sim::Velt1Model* geraet_ = &peer_->bus().addVelt1(kAdresse);
  kit::ChannelPort kanal_{kPort, peer_};
  Tabelle tabelle_{};
  std::unique_ptr<GemesseneDienste> dienste_;
  int ledAn_ = 0;
};

TEST_P(TransferFehlermatrix, EveryFaultAtEveryFrameEndsAsTheTransferRulesSay) {
  const Transfer& t = GetParam();
  // The transfer after each fault: one program in the same direction.
  const Transfer& danach = t.lesen ? kEinesLesen : kEinesSchreiben;
  Neu();
  ASSERT_EQ(Ausfuehren(danach).code, 0);
  const std::string danachGesund = Geschrieben();
  Neu();
  ASSERT_EQ(Ausfuehren(t).code, 0);
  const std::string gesundBytes = Geschrieben();
  const std::vector<std::string> gesund = kit::Frames(gesundBytes);
  std::vector<std::size_t> rahmenEnde;  // behind each frame's CR
  for (std::size_t b = 0; b < gesundBytes.size(); ++b) {
    if (gesundBytes[b] == '\r') rahmenEnde.push_back(b + 1);
  }
  const std::vector<int> dienstVonRahmen = dienste_->dienstVonRahmen;
  const std::string arten = dienste_->arten;
  const int letzter = static_cast<int>(arten.size()) - 1;
  // The last call writes the saved working parameters back (or, writing all, entry 0).
  const std::size_t letzterSatz = rahmenEnde[rahmenEnde.size() - kRahmenProSatz - 1];
  const int ersterEintrag = t.umfang == TransferUmfang::Alle ? 0 : t.auswahl;
  // Call 0 saves the working parameters; every later read fills one entry.
  const int eintragLesungen = static_cast<int>(std::count(arten.begin() + 1, arten.end(), 'L'));

  int faelle = 0;
  for (std::size_t k = 0; k < gesund.size(); ++k) {
    const std::string befehl = gesund[k].substr(2, 3);
    for (const FaultKind art : kArten) {
      if (!sim::FaultApplies(art, befehl)) continue;
      ++faelle;
      SCOPED_TRACE(std::string(sim::FaultKindName(art)) + " at frame " + std::to_string(k) + " " + gesund[k]);
      Neu(static_cast<int>(k), art);
      const LeseErgebnis ergebnis = Ausfuehren(t);
      const int erwartet = ErwarteterCode(befehl, art);
      const int dienst = dienstVonRahmen[k];
      const bool errAlsName = art == FaultKind::Err && erwartet == 0;
      const bool weg = art == FaultKind::Drop;
      EXPECT_EQ(ergebnis.code, erwartet);
      EXPECT_LE(dienste_->laengsterAufruf, kTimeout + 1e-9);
      EXPECT_EQ(ledAn_, 0);

      // The line: up to the faulty frame, then only the write-back the
      // transfer owes, which a dropped line cannot carry.
      std::string rahmen = gesundBytes;
      const bool zurueck = t.ersterZurueck >= 0 && dienst >= t.ersterZurueck && dienst < letzter;
      if (erwartet != 0) {
        rahmen.resize(rahmenEnde[k]);
        if (zurueck && !weg) rahmen += gesundBytes.substr(letzterSatz);
      } else if (errAlsName && dienst == 0) {
        // The saved set comes back under the name it was read with.
        rahmen.replace(letzterSatz, gesund[gesund.size() - kRahmenProSatz].size(), "#1N1Werr");
      }
      EXPECT_EQ(Geschrieben(), rahmen);

      // The table: a read fills the entries read before the failing call.
      const int gelesenVorher = static_cast<int>(std::count(arten.begin() + 1, arten.begin() + std::max(dienst, 1), 'L'));
      for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
        const bool gelesen = t.lesen && i >= ersterEintrag &&
                             i < ersterEintrag + (erwartet == 0 ? eintragLesungen : gelesenVorher);
        Programm soll = !gelesen ? TabellenEintrag(i) : i == 0 ? kArbeit : GeraetProgramm(i);
        if (gelesen && errAlsName && dienst > 0 && i == ersterEintrag + gelesenVorher) soll = MitName(soll, "err");
        EXPECT_EQ(ergebnis.gelesen[static_cast<std::size_t>(i)], gelesen) << i;
        GleicherSatz(tabelle_[static_cast<std::size_t>(i)], soll, i);
      }

      // The device: programs stored before the failing call hold the table's,
      // those after it their own; the saved working parameters are back
      // wherever the transfer writes them back.
      for (std::size_t r = 0; r < gesund.size(); ++r) {
        if (gesund[r].compare(2, 3, "PNP") != 0 || dienstVonRahmen[r] == dienst) continue;
        const int n = std::stoi(gesund[r].substr(5));
        const bool gespeichert = erwartet == 0 || dienstVonRahmen[r] < dienst;
        GleicherSatz(geraet_->program(n), gespeichert ? TabellenEintrag(n) : GeraetProgramm(n), n);
      }
      const bool arbeitZurueck = t.lesen || t.umfang == TransferUmfang::Aktuelles;
      if (!weg && arbeitZurueck && (erwartet == 0 || dienst < letzter)) {
        GleicherSatz(geraet_->working(), errAlsName && dienst == 0 ? MitName(kArbeit, "err") : kArbeit, 0);
      }

      // The next transfer on the healthy line goes through as if nothing had
      // been: what the fault left on the line is flushed away.
      Neu();
      EXPECT_EQ(Ausfuehren(danach).code, 0);
      EXPECT_EQ(Geschrieben(), danachGesund);
      EXPECT_EQ(dienste_->laengsterAufruf, 0.0);
      if (HasFailure()) return;
    }
  }
  EXPECT_EQ(faelle, t.faelle);
}

INSTANTIATE_TEST_SUITE_P(
    Transfers, TransferFehlermatrix,
    ::testing::Values(Transfer{"read_all", true, 3, TransferUmfang::Alle, 2, 2982}, kEinesLesen,
                      Transfer{"write_all", false, 3, TransferUmfang::Alle, -1, 1778}, kEinesSchreiben),
    [](const ::testing::TestParamInfo<Transfer>& fall) { return std::string(fall.param.name); });

}  // namespace
