// The program transfers through the device services against the simulated
// VELT-1: the services in the order of each answer and selection, checked
// frame by frame on the line, and a fault at every service call of the long
// transfers.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

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
using Tabelle = std::array<Programm, PROGRAMM_ANZAHL>;

constexpr int kPort = 12;
constexpr char kAdresse = '1';
const std::vector<std::string> kBefehle = {"N1", "M1", "V1", "Z1", "M2", "L1", "L2",
                                          "L3", "V2", "V3", "T1", "T2", "T3", "T4"};

std::string Nummeriert(const char* text, int nummer) { return text + std::to_string(nummer); }

// The host's frames without their CR. A record transfer (14 frames of the
// keyword commands in order) becomes "lesen" or "schreiben <name>"; anything
// else stays as its frame.
std::vector<std::string> Vorgaenge(const std::string& geschrieben) {
  const std::vector<std::string> frames = kit::Frames(geschrieben);
  auto satzAb = [&](std::size_t start, char art) {
    if (start + kBefehle.size() > frames.size()) return false;
    for (std::size_t i = 0; i < kBefehle.size(); ++i) {
      const std::string kopf = std::string("#1") + kBefehle[i] + art;
      if (frames[start + i].rfind(kopf, 0) != 0 || (art == 'R' && frames[start + i] != kopf)) return false;
    }
    return true;
  };
  std::vector<std::string> vorgaenge;
  for (std::size_t p = 0; p < frames.size();) {
    if (satzAb(p, 'R')) {
      vorgaenge.push_back("lesen");
      p += kBefehle.size();
    } else if (satzAb(p, 'W')) {
      vorgaenge.push_back("schreiben " + frames[p].substr(5));
      p += kBefehle.size();
    } else {
      vorgaenge.push_back(frames[p++]);
    }
  }
  return vorgaenge;
}

class ProgrammtransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DaxCom_SitzungSetzen({[this] { return PortFuerAufruf(); }, [] { return kAdresse; }});
    Neu();
  }
  void TearDown() override { DaxCom_HooksEntfernen(); }

  // A fresh device, table and line.
  void Neu() {
    geraet_ = &peer_->bus().addVelt1(kAdresse);
    geraet_->working() = kArbeit;
    for (int n = 1; n <= PROGRAMM_NUMMER_MAX; ++n) geraet_->program(n) = GeraetProgramm(n);
    for (int i = 0; i < PROGRAMM_ANZAHL; ++i) tabelle_[i] = TabellenEintrag(i);
    peer_->bus().faults().clear();
    channel_->clearWritten();
    aufrufe_ = 0;
    fehlerBei_.clear();
  }
  // Service calls counted from 0 in the order they are made.
  void FehlerBeiAufruf(int aufruf) { fehlerBei_.insert(aufruf); }
  // Every service asks the session for its port first: a call chosen to fail
  // gets the bus's NAK for its first frame there.
  int PortFuerAufruf() {
    if (fehlerBei_.count(aufrufe_++) != 0) peer_->bus().faults().add({"", 0, sim::FaultKind::Nak, 1});
    return kPort;
  }

  static Programm GeraetProgramm(int n) { return KeptRecord(Nummeriert("Geraet ", n), 60 + n); }
  static Programm TabellenEintrag(int i) {
    return i == 0 ? KeptRecord("Tabelle A", 40) : KeptRecord(Nummeriert("Welle ", i), 20 + i);
  }

  const Programm kArbeit = KeptRecord("Arbeit", 100);
  std::shared_ptr<sim::SimChannelPeer> peer_ = std::make_shared<sim::SimChannelPeer>(1.5);
  kit::ChannelPort channel_{kPort, peer_};
  sim::Velt1Model* geraet_ = nullptr;
  Tabelle tabelle_{};
  Geraetedienste dienste_;
  int aufrufe_ = 0;
  std::set<int> fehlerBei_;
};

enum class Richtung { Lesen, Schreiben };

struct Transfer {
  const char* name;
  Richtung richtung;
  int auswahl;
  TransferUmfang umfang;
};

int Ausfuehren(const Transfer& transfer, Tabelle& tabelle, ProgrammDienste& dienste,
               LeseErgebnis* lesen = nullptr, std::string* fortschritt = nullptr) {
  const TransferMelden melden = [&](const TransferFortschritt& f) {
    if (fortschritt != nullptr) {
      *fortschritt += std::to_string(f.eintrag) + ":" + std::to_string(f.schritt) + "/" + std::to_string(f.anzahl) + " ";
    }
  };
  if (transfer.richtung == Richtung::Schreiben) {
    return Programmtransfer_Schreiben(tabelle, transfer.auswahl, transfer.umfang, dienste, melden);
  }
  const LeseErgebnis ergebnis = Programmtransfer_Lesen(tabelle, transfer.auswahl, transfer.umfang, dienste, melden);
  if (lesen != nullptr) *lesen = ergebnis;
  return ergebnis.code;
}

std::vector<std::string> AlleLesen() {
  std::vector<std::string> vorgaenge = {"lesen", "lesen"};
  for (int n = 1; n <= PROGRAMM_NUMMER_MAX; ++n) {
    vorgaenge.push_back(Nummeriert("#1PNS", n));
    vorgaenge.push_back("lesen");
  }
  vorgaenge.push_back("schreiben Arbeit");
  return vorgaenge;
}

std::vector<std::string> AlleSchreiben() {
  std::vector<std::string> vorgaenge;
  for (int n = 1; n <= PROGRAMM_NUMMER_MAX; ++n) {
    vorgaenge.push_back(Nummeriert("schreiben Welle ", n));
    vorgaenge.push_back(Nummeriert("#1PNP", n));
  }
  vorgaenge.push_back("schreiben Tabelle A");
  return vorgaenge;
}

std::string Fortschritt(std::vector<int> eintraege) {
  std::string text;
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    text += std::to_string(eintraege[i]) + ":" + std::to_string(i + 1) + "/" + std::to_string(eintraege.size()) + " ";
  }
  return text;
}

TEST_F(ProgrammtransferTest, EachAnswerAndSelectionSendsItsServicesInOrder) {
  std::vector<int> nullBisSechzehn, einsBisSechzehnDannNull;
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) nullBisSechzehn.push_back(i);
  for (int i = 1; i < PROGRAMM_ANZAHL; ++i) einsBisSechzehnDannNull.push_back(i);
  einsBisSechzehnDannNull.push_back(0);

  struct Fall {
    Transfer transfer;
    std::vector<std::string> vorgaenge;
    std::string fortschritt;
  };
  const Fall faelle[] = {
      {{"write A", Richtung::Schreiben, 0, TransferUmfang::Aktuelles}, {"schreiben Tabelle A"}, "0:1/1 "},
      {{"write 5", Richtung::Schreiben, 5, TransferUmfang::Aktuelles},
       {"lesen", "schreiben Welle 5", "#1PNP5", "schreiben Arbeit"}, "5:1/1 "},
      {{"write all", Richtung::Schreiben, 9, TransferUmfang::Alle}, AlleSchreiben(), Fortschritt(einsBisSechzehnDannNull)},
      {{"read A", Richtung::Lesen, 0, TransferUmfang::Aktuelles}, {"lesen", "lesen", "schreiben Arbeit"}, "0:1/1 "},
      {{"read 7", Richtung::Lesen, 7, TransferUmfang::Aktuelles},
       {"lesen", "#1PNS7", "lesen", "schreiben Arbeit"}, "7:1/1 "},
      {{"read all", Richtung::Lesen, 3, TransferUmfang::Alle}, AlleLesen(), Fortschritt(nullBisSechzehn)},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.transfer.name);
    Neu();
    LeseErgebnis lesen;
    std::string fortschritt;
    ASSERT_EQ(Ausfuehren(fall.transfer, tabelle_, dienste_, &lesen, &fortschritt), 0);
    EXPECT_EQ(Vorgaenge(channel_.written()), fall.vorgaenge);
    EXPECT_EQ(fortschritt, fall.fortschritt);

    const bool alle = fall.transfer.umfang == TransferUmfang::Alle;
    for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
      SCOPED_TRACE(i);
      const bool betroffen = alle || i == fall.transfer.auswahl;
      if (fall.transfer.richtung == Richtung::Lesen) {
        EXPECT_EQ(lesen.gelesen[i], betroffen);
        const Programm erwartet = !betroffen ? TabellenEintrag(i) : i == 0 ? kArbeit : GeraetProgramm(i);
        EXPECT_EQ(RecordText(tabelle_[i]), RecordText(erwartet));
      } else if (i > 0) {
        EXPECT_EQ(RecordText(geraet_->program(i)), RecordText(betroffen ? TabellenEintrag(i) : GeraetProgramm(i)));
      }
    }
    const bool arbeitNeu = fall.transfer.richtung == Richtung::Schreiben && (alle || fall.transfer.auswahl == 0);
    EXPECT_EQ(RecordText(geraet_->working()), RecordText(arbeitNeu ? TabellenEintrag(0) : kArbeit));
  }
}

// Entry A alone is exactly one record on the line, values as the driver
// formats them.
TEST_F(ProgrammtransferTest, WritingEntryAAloneIsOneRecord) {
  ASSERT_EQ(Programmtransfer_Schreiben(tabelle_, 0, TransferUmfang::Aktuelles, dienste_), 0);
  const std::string erwartet =
      "#1N1WTabelle A\r#1M1W1\r#1V1W6.5\r#1Z1W50\r#1M2W2\r#1L1W1.5\r#1L2W0.5\r#1L3W10\r"
      "#1V2W50\r#1V3W40\r#1T1W1\r#1T2W60\r#1T3W2\r#1T4W30\r";
  EXPECT_EQ(channel_.written(), erwartet);
}

// A NAK at any service call: the transfer returns that call's code and stops;
// a transfer that saved the working parameters writes them back once when a
// load or write had been sent, so the device ends with its own again.
TEST_F(ProgrammtransferTest, AFaultAtEveryCallStopsThereAndRestoresAsDue) {
  struct Fall {
    Transfer transfer;
    int ersterZurueck;  // first call after which a failure writes the saved set back; -1: never
  };
  const Fall faelle[] = {
      {{"read all", Richtung::Lesen, 0, TransferUmfang::Alle}, 2},
      {{"write all", Richtung::Schreiben, 0, TransferUmfang::Alle}, -1},
      {{"write 5", Richtung::Schreiben, 5, TransferUmfang::Aktuelles}, 1},
  };
  for (const Fall& fall : faelle) {
    Neu();
    ASSERT_EQ(Ausfuehren(fall.transfer, tabelle_, dienste_), 0);
    const std::vector<std::string> gesund = Vorgaenge(channel_.written());
    const int letzter = static_cast<int>(gesund.size()) - 1;

    for (int k = 0; k <= letzter; ++k) {
      SCOPED_TRACE(std::string(fall.transfer.name) + " fault at call " + std::to_string(k) + ": " + gesund[k]);
      Neu();
      FehlerBeiAufruf(k);
      LeseErgebnis lesen;
      const int code = Ausfuehren(fall.transfer, tabelle_, dienste_, &lesen);

      const std::string& vorgang = gesund[k];
      const bool lesenVorgang = vorgang == "lesen";
      const bool schreibVorgang = vorgang.rfind("schreiben ", 0) == 0;
      EXPECT_EQ(code, lesenVorgang ? -402206 : schreibVorgang ? -402120 : vorgang.rfind("#1PNS", 0) == 0 ? -402057 : -402048);

      std::vector<std::string> erwartet(gesund.begin(), gesund.begin() + k);
      erwartet.push_back(lesenVorgang ? "#1N1R" : schreibVorgang ? "#1N1W" + vorgang.substr(10) : vorgang);
      const bool zurueck = fall.ersterZurueck >= 0 && k >= fall.ersterZurueck && k < letzter;
      if (zurueck) erwartet.push_back("schreiben Arbeit");
      EXPECT_EQ(Vorgaenge(channel_.written()), erwartet);

      if (fall.transfer.richtung == Richtung::Lesen) {
        // Entry e is read by call 2e + 1.
        for (int e = 0; e < PROGRAMM_ANZAHL; ++e) {
          const bool gelesen = 2 * e + 1 < k;
          EXPECT_EQ(lesen.gelesen[e], gelesen) << e;
          EXPECT_EQ(RecordText(tabelle_[e]), RecordText(!gelesen ? TabellenEintrag(e) : e == 0 ? kArbeit : GeraetProgramm(e))) << e;
        }
        // Only a failed write-back leaves the last loaded program in place.
        EXPECT_EQ(RecordText(geraet_->working()), RecordText(k == letzter ? GeraetProgramm(16) : kArbeit));
      } else if (fall.ersterZurueck >= 0 && k < letzter) {
        EXPECT_EQ(RecordText(geraet_->working()), RecordText(kArbeit));
      }
    }
  }
}

// When the write-back after a failure fails as well, the first error counts.
TEST_F(ProgrammtransferTest, AFailedWriteBackReportsTheFirstError) {
  FehlerBeiAufruf(2);  // PNS 1
  FehlerBeiAufruf(3);  // the write-back
  EXPECT_EQ(Programmtransfer_Lesen(tabelle_, 0, TransferUmfang::Alle, dienste_).code, -402057);
  EXPECT_EQ(Vorgaenge(channel_.written()),
            (std::vector<std::string>{"lesen", "lesen", "#1PNS1", "#1N1WArbeit"}));
}

TEST_F(ProgrammtransferTest, AnEntryOutsideTheTableSendsNothing) {
  for (const int auswahl : {-1, PROGRAMM_ANZAHL}) {
    EXPECT_EQ(Programmtransfer_Lesen(tabelle_, auswahl, TransferUmfang::Aktuelles, dienste_).code, -504601);
    EXPECT_EQ(Programmtransfer_Schreiben(tabelle_, auswahl, TransferUmfang::Aktuelles, dienste_), -504601);
  }
  EXPECT_TRUE(channel_->written().empty());
}

}  // namespace
