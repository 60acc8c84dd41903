#include "support/qor_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "ui/popup_responder.h"

namespace {

constexpr int kDeutsch = 1;
constexpr int kEnglisch = 2;
const std::string kUnbekanntDe = "Ein unbekannter Fehler ist aufgetreten";
const std::string kUnbekanntEn = "A unknown error occured";

struct ShownBox {
  std::string title;
  std::string message;
};

// Records the error boxes instead of showing them.
class RecordingResponder : public ui::PopupResponder {
 public:
  void messagePopup(const std::string& title, const std::string& message) override {
    shown.push_back({title, message});
  }
  int genericMessagePopup(const ui::GenericPopupRequest&) override { return 1; }
  int fileSelectPopup(const ui::FileSelectRequest&, std::string*) override { return 0; }
  int userEvent(int, int*, int*) override { return 0; }

  std::vector<ShownBox> shown;
};

class QorErrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QOR_Fehlersprache(kDeutsch);
    QOR_Fehleruserstring("");
    previous_ = ui::SetPopupResponder(responder_);
  }
  void TearDown() override {
    ui::SetPopupResponder(previous_);
    QOR_Fehlersprache(kDeutsch);
    QOR_Fehleruserstring("");
  }

  std::string Meldung(int sprache, int code) {
    QOR_Fehlersprache(sprache);
    return QOR_Fehlermeldung(code);
  }

  std::shared_ptr<RecordingResponder> responder_ = std::make_shared<RecordingResponder>();
  std::shared_ptr<ui::PopupResponder> previous_;
};

struct TextCase {
  int nummer;
  const char* englisch;
  const char* deutsch;
};

// The messages this program raises, with their exact texts in both languages.
const TextCase kProgrammMeldungen[] = {
    {0, "No error", "Es ist kein Fehler aufgetreten"},
    {-6, "", ""},
    {-100, "Error opening com-port", "Fehler beim öffnen der seriellen Schnittstelle"},
    {-101, "Error writing to COM Port", "Fehler beim schreiben auf die serielle Schnittstelle"},
    {-103, "Error closing com-port", "Fehler beim schliesen der seriellen Schnittstelle"},
    {-110, "Invalid com-port number", "Ungültige COM-Port Nummer"},
    {-111, "Unable to set com-port timeout", "Konnte kein Timeout für die serielle Schnittstelle setzten"},
    {-112, "Error flushing read- or writebuffer for com-port", "Fehler beim Leeren des Schreib- oder Leesepuffers der seriellen Schnittstelle"},
    {-114, "Was not able to write any or all characters to a com-port", "Keine oder nicht alle Zeichen konnten auf die serielle Schnittstelle geschrieben werden"},
    {-122, "COM-port not open", "Serielle Schnittstelle ist nicht geöffnet"},
    {-123, "Error flushing writebuffer of com-port", "Fehler beim Leeren des Schreibpuffers der seriellen Schnittstelle"},
    {-124, "Error flushing readbuffer of com-port", "Fehler beim Leeren des Lesepuffers der seriellen Schnittstelle"},
    {-125, "Invalid Baudrate", "Unzulässige Baudrate"},
    {-202, "Error formating values", "Fehler beim Formatieren der Werte"},
    {-301, "Error writing to file", "Fehler beim Schreiben auf Datei"},
    {-302, "Wrong filetype", "Die Datei ist nicht vom richtigen Typ"},
    {-303, "Wrong fileversion", "Die Datei hat die falsche Versionsnummer"},
    {-304, "Error reading from file", "Fehler beim Lesen der Datei"},
    {-308, "Error opening file", "Fehler beim Öffnen der Datei"},
    {-400, "invalid deviceaddress", "Unzulässige Geräteadresse"},
    {-401, "invalid parameter", "Unzulässiger Parameter"},
    {-402, "Errormessage (NAK) received from device", "Fehlermeldung (NAK) vom Gerät erhalten"},
    {-403, "No answer from device", "Keine Antwort vom Gerät"},
    {-404, "Wrong answer from device", "Fehlerhafte Antwort vom Gerät"},
    {-405, "Command not possible at the moment (CAN received)", "Befehlsausführung momentan nicht möglich (CAN erhalten)"},
    {-406, "Checksumm error at transmission", "Checksummenfehler bei der Übertragung"},
    {-409, "Device reports error in parameter", "Gerät meldet Parameterfehler"},
    {-500, "Parameter out of limits", "Parameter außerhalb der Grenzwerte"},
    {-504, "Wrong parameter", "Falscher Parameter"},
    {-600, "Error allocating memory", "Speicherreservierung fehlgeschlagen"},
    {-800, "Error writing to INI-File", "Fehler beim schreiben in die INI-Datei"},
    {-801, "Error reading from INI-File", "Fehler beim lesen der INI-Datei"},
    {-802, "INI-File not found", "INI-Datei nicht gefunden"},
    {-894, "Invalid startingadress.", "Ungültige Startadresse."},
    {-895, "Invalid memorysize.", "Ungültige Speichergröße."},
    {-896, "Invalid memorytype.", "Ungültiger Speichertyp."},
    // Texts of other device families, spot checks.
    {-1034, "Balance did not answer.\nWeight did possibly not stabilize.",
     "Die Waage hat nicht geantwortet.\nDas Gewicht hat sich möglicherweise nicht stabilisiert."},
    {-408, "Checksumm missing", "Fehlende Checksumme"},
    {-407, "Readcommands are not possible with common adress",
     "Lesebefehl ist mit Sammeladresse nicht möglich"},
    {-116, "No or unexpected answer form serial device",
     "Keine oder falsche Antwort vom vom seriellem Gerät"},
    {-102, "Error reading from COM Port", "Fehler beim lesen von der seriellen Schnittstelle"},
    {-9, "", ""},
    {-7, "Unexpected error", "Ein unerwarteter Fehler ist aufgetreten"},
    {-4, "Aborted by user", "Abbruch durch Benutzer"},
    {-3, "Timeout reached", "Timeout erreicht"},
    {-2, "A error occured", "Ein Fehler ist aufgetreten"},
};

TEST_F(QorErrorTest, TextsInBothLanguages) {
  for (const TextCase& c : kProgrammMeldungen) {
    SCOPED_TRACE(c.nummer);
    // Any place number selects the same text.
    EXPECT_EQ(Meldung(kEnglisch, c.nummer * 1000 - 15), c.englisch);
    EXPECT_EQ(Meldung(kDeutsch, c.nummer * 1000 - 15), c.deutsch);
  }
}

TEST_F(QorErrorTest, MessageNumberIsCodeTruncatedTowardZero) {
  struct Case {
    int code;
    int sprache;
    std::string text;
  };
  const Case cases[] = {
      {0, kEnglisch, "No error"},
      {0, kDeutsch, "Es ist kein Fehler aufgetreten"},
      {-999, kDeutsch, "Es ist kein Fehler aufgetreten"},
      {999, kEnglisch, "No error"},
      {-1000, kEnglisch, kUnbekanntEn},  // message -1 has no entry
      {-1999, kDeutsch, kUnbekanntDe},
      {-2000, kEnglisch, "A error occured"},
      {-404015, kEnglisch, "Wrong answer from device"},
      {-404254, kEnglisch, "Wrong answer from device"},
      {-6000, kDeutsch, ""},
      {-6999, kEnglisch, ""},
      {5000, kDeutsch, kUnbekanntDe},
      {-1035000, kEnglisch, kUnbekanntEn},
      {-1009000, kDeutsch, kUnbekanntDe},  // a gap in the table
      {INT_MIN, kDeutsch, kUnbekanntDe},
      {INT_MAX, kEnglisch, kUnbekanntEn},
      {-802285, 0, "INI-Datei nicht gefunden"},  // any selector but 2 is German
      {-801286, 3, "Fehler beim lesen der INI-Datei"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(Meldung(c.sprache, c.code), c.text);
  }
}

TEST_F(QorErrorTest, TableHoldsAllEntries) {
  int entries = 0;
  for (int nummer = -1100; nummer <= 0; ++nummer) {
    const std::string englisch = Meldung(kEnglisch, nummer * 1000);
    const std::string deutsch = Meldung(kDeutsch, nummer * 1000);
    if (englisch == kUnbekanntEn) {
      EXPECT_EQ(deutsch, kUnbekanntDe) << nummer;
      continue;
    }
    ++entries;
    SCOPED_TRACE(nummer);
    EXPECT_GE(nummer, -1034);
    const bool leer = nummer == -6 || nummer == -9;
    EXPECT_EQ(englisch.empty(), leer);
    EXPECT_EQ(deutsch.empty(), leer);
    // Line breaks stand in the same places of a text in both languages.
    EXPECT_EQ(std::count(englisch.begin(), englisch.end(), '\n'),
              std::count(deutsch.begin(), deutsch.end(), '\n'));
  }
  EXPECT_EQ(entries, 171);
}

TEST_F(QorErrorTest, UserStringIsAppendedOnce) {
  QOR_Fehleruserstring("erwartet: V 2\ngefunden: V 1");
  EXPECT_STREQ(QOR_Fehlermeldung(-303407),
               "Die Datei hat die falsche Versionsnummer\nerwartet: V 2\ngefunden: V 1");
  EXPECT_STREQ(QOR_Fehlermeldung(-303407), "Die Datei hat die falsche Versionsnummer");

  // German appends even to "no error" and to the empty silent text.
  QOR_Fehleruserstring("X");
  EXPECT_STREQ(QOR_Fehlermeldung(0), "Es ist kein Fehler aufgetreten\nX");
  QOR_Fehleruserstring("Y");
  EXPECT_STREQ(QOR_Fehlermeldung(-6000), "\nY");
  EXPECT_STREQ(QOR_Fehlermeldung(-6000), "");
}

TEST_F(QorErrorTest, EnglishNoErrorKeepsUserStringPending) {
  QOR_Fehlersprache(kEnglisch);
  QOR_Fehleruserstring("expected: V 2\nfound: V 1");
  EXPECT_STREQ(QOR_Fehlermeldung(0), "No error");
  EXPECT_STREQ(QOR_Fehlermeldung(999), "No error");
  EXPECT_STREQ(QOR_Fehlermeldung(-303407), "Wrong fileversion\nexpected: V 2\nfound: V 1");
  EXPECT_STREQ(QOR_Fehlermeldung(-303407), "Wrong fileversion");
}

TEST_F(QorErrorTest, OverlongUserStringIsCut) {
  QOR_Fehleruserstring(std::string(1000, 'x').c_str());
  const std::string message = QOR_Fehlermeldung(-303407);
  EXPECT_EQ(message, "Die Datei hat die falsche Versionsnummer\n" + std::string(299, 'x'));

  // A cut never splits a character: 299 bytes would end inside an "ä".
  std::string umlauts;
  for (int i = 0; i < 200; ++i) umlauts += "ä";
  QOR_Fehleruserstring(umlauts.c_str());
  EXPECT_EQ(std::string(QOR_Fehlermeldung(0)), "Es ist kein Fehler aufgetreten\n" + umlauts.substr(0, 298));

  QOR_Fehleruserstring(nullptr);
  EXPECT_STREQ(QOR_Fehlermeldung(0), "Es ist kein Fehler aufgetreten");
}

TEST_F(QorErrorTest, PopupTitlesAndSilence) {
  struct Case {
    int sprache;
    int code;
    const char* titel;  // nullptr = QOR_Fehlerpopup
    std::string expectedTitle;  // empty = nothing shown
    std::string expectedMessage;
  };
  const Case cases[] = {
      {kDeutsch, -404015, nullptr, "Fehler #404015", "Fehlerhafte Antwort vom Gerät"},
      {kEnglisch, -404015, nullptr, "Error #404015", "Wrong answer from device"},
      {kDeutsch, -802285, nullptr, "Fehler #802285", "INI-Datei nicht gefunden"},
      {kDeutsch, 5000, nullptr, "Fehler #-5000", kUnbekanntDe},
      {kDeutsch, INT_MIN, nullptr, "Fehler #2147483648", kUnbekanntDe},
      {kEnglisch, INT_MAX, nullptr, "Error #-2147483647", kUnbekanntEn},
      {kDeutsch, -7000, nullptr, "Fehler #7000", "Ein unerwarteter Fehler ist aufgetreten"},
      {kDeutsch, -5999, nullptr, "Fehler #5999", "Zeit- oder Datumsfunktion fehlgeschlagen"},
      {kDeutsch, -6000, nullptr, "", ""},
      {kEnglisch, -6999, nullptr, "", ""},
      {kDeutsch, -301401, "Datei", "Datei #301401", "Fehler beim Schreiben auf Datei"},
      {kEnglisch, -301401, "Datei", "Datei #301401", "Error writing to file"},
      {kDeutsch, INT_MIN, "Datei", "Datei #2147483648", kUnbekanntDe},
      {kDeutsch, -6500, "Datei", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    responder_->shown.clear();
    QOR_Fehlersprache(c.sprache);
    if (c.titel == nullptr) {
      QOR_Fehlerpopup(c.code);
    } else {
      QOR_Fehlerpopup2(c.code, c.titel);
    }
    if (c.expectedTitle.empty()) {
      EXPECT_TRUE(responder_->shown.empty());
    } else {
      ASSERT_EQ(responder_->shown.size(), 1u);
      EXPECT_EQ(responder_->shown[0].title, c.expectedTitle);
      EXPECT_EQ(responder_->shown[0].message, c.expectedMessage);
    }
  }
}

TEST_F(QorErrorTest, PopupConsumesUserStringButSilentCodeDoesNot) {
  QOR_Fehleruserstring("erwartet: V 2\ngefunden: V 1");
  QOR_Fehlerpopup(-6000);
  QOR_Fehlerpopup(-303407);
  ASSERT_EQ(responder_->shown.size(), 1u);
  EXPECT_EQ(responder_->shown[0].message,
            "Die Datei hat die falsche Versionsnummer\nerwartet: V 2\ngefunden: V 1");
  EXPECT_STREQ(QOR_Fehlermeldung(-303407), "Die Datei hat die falsche Versionsnummer");
}

TEST_F(QorErrorTest, LongPopupTitleIsCutToFit) {
  const std::string longTitle(300, 'T');
  QOR_Fehlerpopup2(INT_MIN, longTitle.c_str());
  QOR_Fehlerpopup2(-404015, nullptr);
  ASSERT_EQ(responder_->shown.size(), 2u);
  EXPECT_EQ(responder_->shown[0].title, std::string(87, 'T') + " #2147483648");
  EXPECT_EQ(responder_->shown[1].title, " #404015");
}

}  // namespace
