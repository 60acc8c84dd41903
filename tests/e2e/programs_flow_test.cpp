// The program table on the main panel, start to end, with a simulated VELT-1
// at address '1' on COM 20: the list and the parameter controls, editing and
// selecting, rename, copy and paste, transfers with their question boxes and
// progress, the parameter file with its dialogs, and the question before
// unsaved work is lost.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/funktionen.h"
#include "app/qt/qt_popup_responder.h"
#include "tests/kit/app.h"
#include "connection/com_main.h"
#include "connection/qor_com.h"
#include "connection/status_main.h"
#include "device/serial_channel.h"
#include "programs/dateifunktionen.h"
#include "programs/par_main.h"
#include "programs/core/parameterdatei_hook.h"
#include "programs/core/geraetedienste.h"
#include "programs/core/programmtransfer.h"
#include "programs/core/programmverwaltung.h"
#include "tests/kit/panels_fixture.h"
#include "tests/kit/records.h"
#include "sim/velt1_model.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

namespace fs = std::filesystem;
using kit::PopupKind;

constexpr int kPort = kit::kSimPort;

std::vector<std::string> ListLabels() {
  std::vector<std::string> labels;
  int count = 0;
  GetNumListItems(gMainPanel, MAINPANEL_PROGRAMMLISTE, &count);
  for (int i = 0; i < count; ++i) {
    std::string label;
    GetLabelFromIndex(gMainPanel, MAINPANEL_PROGRAMMLISTE, i, &label);
    labels.push_back(label);
  }
  return labels;
}

int Selected() {
  int value = -1;
  GetCtrlVal(gMainPanel, MAINPANEL_PROGRAMMLISTE, &value);
  return value;
}

// The thirteen parameter controls as shown.
std::vector<double> Shown() {
  std::vector<double> values;
  for (int control = MAINPANEL_PAR_PRUEFSPANNUNGSQUE; control <= MAINPANEL_PAR_TOTZEITNACHFALL;
       ++control) {
    double value = -1;
    GetCtrlVal(gMainPanel, control, &value);
    values.push_back(value);
  }
  return values;
}

std::string Title() {
  std::string title;
  GetPanelAttribute(gMainPanel, ATTR_TITLE, &title);
  return title;
}

int ErrorNumber(int panel) {
  const int control = panel == gMainPanel  ? MAINPANEL_FEHLERNUMMER
                      : panel == gComPanel ? COMPANEL_FEHLERNUMMER
                                           : STATUSPNL_FEHLERNUMMER;
  int value = -1;
  GetCtrlVal(panel, control, &value);
  return value;
}

void Select(int index) { qtui::UserCommitValue(gMainPanel, MAINPANEL_PROGRAMMLISTE, index); }
void Edit(int control, double value) { qtui::UserCommitValue(gMainPanel, control, value); }
void Choose(const char* menu, const char* item) {
  qtui::UserChooseMenuItem(gMainPanel, {menu, item});
}

const std::vector<double> kDefaults = {1, 2, 60, 2, 1, 1, 10, 50, 50, 1, 20, 1, 20};

// A device program with values of its own, all inside the panel's limits.
Programm DeviceProgram(int n, const std::string& name) {
  Programm p{};
  name.copy(p.programmname, name.size());
  p.pruefspannungsquelle = 1 + n % 3;
  p.pruefspannung = 3 + n;
  p.anzahlzaehne = 30 + n;
  p.sensorkanaele = 1 + n % 2;
  p.toleranzhigh = 0.5 + n;
  p.toleranzlow = 0.2 + n;
  p.toleranzphase = 5 + n;
  p.schwellwertsteigendeflanke = 40 + n;
  p.schwellwertfallendeflanke = 45 + n;
  p.totzeitvorsteigend = 2 + n;
  p.totzeitnachsteigend = 30 + n;
  p.totzeitvorfallend = 3 + n;
  p.totzeitnachfallend = 40 + n;
  return p;
}

class ProgramsFlow : public kit::SimBusTest {
 protected:
  void SetUp() override {
    bus().addVelt1('1');
    kit::WriteBytes(directory / INI_DATEINAME, "[com]\r\ncom = 20\r\nlcom = 0\r\nadresse = 49\r\n");
  }
  sim::Velt1Model& device() { return *bus().velt1('1'); }
  kit::ScriptedResponder& popups() { return runtime.popups(); }

  // Runs the program; `step` acts once the main panel is up and must end the
  // program itself (QuitUserInterface, or the ways of quitting under test).
  int Run(std::function<void()> step) { return kit::RunProgram(step); }
  int RunThenQuit(std::function<void()> step) {
    return Run([step] {
      step();
      QuitUserInterface(0);
    });
  }

  kit::WorkingDirectory directory;
};

TEST_F(ProgramsFlow, StartUpListValuesAndProgramNumberLimits) {
  ASSERT_EQ(RunThenQuit([&] {
              std::vector<std::string> labels = {"A - Arbeitsparameter"};
              for (int n = 1; n <= 16; ++n)
                labels.push_back(std::to_string(n) + " - Programm " + std::to_string(n));
              EXPECT_EQ(ListLabels(), labels);
              EXPECT_EQ(Selected(), 0);
              EXPECT_EQ(Shown(), kDefaults);
              EXPECT_EQ(Title(), "VELT-1 Steuerung - Unbenannt");
              EXPECT_EQ(gDatenGeaendert, 0);
              for (auto [typed, kept] : {std::pair{17, 16}, {0, 1}, {16, 16}}) {
                qtui::UserCommitValue(gMainPanel, MAINPANEL_PROGRAMMNUMMER, typed);
                int value = 0;
                GetCtrlVal(gMainPanel, MAINPANEL_PROGRAMMNUMMER, &value);
                EXPECT_EQ(value, kept);
              }
              channel->clearWritten();
              qtui::UserCommit(gMainPanel, MAINPANEL_PROGRAMMEINSTELLEN);
              EXPECT_EQ(std::string(channel->written().begin(), channel->written().end()),
                        "#1PNS16\r");
            }),
            0);
}

TEST_F(ProgramsFlow, EditSelectReturnRenameCopyAndPaste) {
  ASSERT_EQ(RunThenQuit([&] {
              // Selecting marks nothing; an edit goes with the entry left.
              Select(3);
              EXPECT_EQ(gDatenGeaendert, 0);
              Edit(MAINPANEL_PAR_ANZAHLZAEHNE, 77);
              EXPECT_EQ(gDatenGeaendert, 1);
              Select(5);
              EXPECT_EQ(Shown(), kDefaults);
              Select(3);
              EXPECT_EQ(Shown()[2], 77);

              // Rename: the old name offered, an umlaut and a tab become spaces.
              std::string offered;
              popups().answerUserEvent(RENAMEPNL_OK, [&](int popup) {
                GetCtrlVal(popup, RENAMEPNL_STRING, &offered);
                SetCtrlVal(popup, RENAMEPNL_STRING, "Prüf\tling");
              });
              Choose("Programm", "Umbenennen...");
              EXPECT_EQ(offered, "Programm 3");
              EXPECT_EQ(popups().last()->title, "Umbenennen");
              EXPECT_EQ(ListLabels()[3], "3 - Pr f ling");
              EXPECT_EQ(Shown()[2], 77) << "the edit stays on the panel and in the working copy";
              EXPECT_EQ(gProgAktuell.anzahlzaehne, 77);
              EXPECT_FALSE(qtui::IsPanelVisible(gRenamePanel));
              // The rename panel takes 25 characters.
              popups().answerUserEventWithTexts(
                  RENAMEPNL_OK, {{RENAMEPNL_STRING, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"}});
              Select(6);
              Choose("Programm", "Umbenennen...");
              EXPECT_EQ(ListLabels()[6], "6 - ABCDEFGHIJKLMNOPQRSTUVWXY");
              Select(3);
              // "Abbruch" changes nothing.
              AlsGespeichertSetzen();
              popups().answerUserEventWithTexts(RENAMEPNL_ABBRUCH, {{RENAMEPNL_STRING, "Neu"}});
              Choose("Programm", "Umbenennen...");
              EXPECT_EQ(ListLabels()[3], "3 - Pr f ling");
              EXPECT_EQ(gDatenGeaendert, 0);
              // Name bytes from a file made elsewhere show as Latin-1; OK
              // without a change keeps them.
              std::strcpy(gProg[8].programmname, "Gr\xF6\xDF" "e");
              Select(8);
              Prog_ListeAktualisieren();
              EXPECT_EQ(ListLabels()[8], "8 - Größe");
              popups().answerUserEvent(RENAMEPNL_OK, [&](int popup) { GetCtrlVal(popup, RENAMEPNL_STRING, &offered); });
              Choose("Programm", "Umbenennen...");
              EXPECT_EQ(offered, "Größe");
              EXPECT_STREQ(gProg[8].programmname, "Gr\xF6\xDF" "e");

              // Copy 2 with an edit, paste into 9: name and values of 2.
              Select(2);
              Edit(MAINPANEL_PAR_TOLERANZPHASE, 33);
              AlsGespeichertSetzen();
              Choose("Programm", "Kopieren");
              EXPECT_EQ(gDatenGeaendert, 0);
              Select(9);
              Choose("Programm", "Einfügen");
              EXPECT_EQ(ListLabels()[9], "9 - Programm 2");
              EXPECT_EQ(Shown()[6], 33);
              EXPECT_EQ(gDatenGeaendert, 1);

              // "Neu" asks nothing; paste without a copy gives the defaults.
              Choose("Datei", "Neu");
              EXPECT_EQ(gDatenGeaendert, 0);
              EXPECT_EQ(Selected(), 0);
              Select(4);
              Choose("Programm", "Einfügen");
              EXPECT_EQ(ListLabels()[4], "4 - ");
              EXPECT_EQ(Shown(), kDefaults);
            }),
            0);
  EXPECT_EQ(popups().unscriptedCount(), 0);
}

// The rename popup on the screen: typing commits the text field, which the
// wait passes over; OK ends it.
TEST_F(ProgramsFlow, RenameThroughThePopupOnScreen) {
  ASSERT_EQ(RunThenQuit([&] {
              auto previous = ui::SetPopupResponder(std::make_shared<qtui::QtPopupResponder>());
              bool shown = false;
              QTimer::singleShot(0, [&] {
                shown = qtui::IsPanelVisible(gRenamePanel);
                qtui::UserCommitText(gRenamePanel, RENAMEPNL_STRING, "Größe\x7f");
                QTimer::singleShot(0, [] { qtui::UserCommit(gRenamePanel, RENAMEPNL_OK); });
              });
              Select(1);
              Choose("Programm", "Umbenennen...");
              ui::SetPopupResponder(previous);
              EXPECT_TRUE(shown);
              EXPECT_FALSE(qtui::IsPanelVisible(gRenamePanel));
              EXPECT_EQ(ListLabels()[1], "1 - Gr  e ");
            }),
            0);
}

TEST_F(ProgramsFlow, TransferQuestionsAndCancel) {
  struct Row {
    int button;
    const char* title;
    const char* text;
  } rows[] = {
      {MAINPANEL_PROGLESEN, "Programme vom Gerät lesen",
       "Nur aktuell ausgewähltes oder alle Programme lesen?"},
      {MAINPANEL_PROGSCHREIBEN, "Programme zum Gerät schreiben",
       "Nur aktuell ausgewähltes oder alle Programme schreiben?"},
  };
  ASSERT_EQ(RunThenQuit([&] {
              for (const Row& row : rows) {
                channel->clearWritten();
                popups().answerGeneric(3);
                qtui::UserCommit(gMainPanel, row.button);
                const kit::ShownPopup& box = *popups().last();
                EXPECT_EQ(box.title, row.title);
                EXPECT_EQ(box.text, row.text);
                EXPECT_EQ(box.buttons, (std::vector<std::string>{"aktuelles", "alle", "abbrechen"}));
                EXPECT_EQ(std::vector<int>({box.focusButton, box.enterButton, box.escapeButton}),
                          std::vector<int>({1, 2, 3}));
                EXPECT_TRUE(channel->written().empty());
              }
            }),
            0);
}

// "aktuelles": the panel's edits go to the device, what comes back to the panel.
TEST_F(ProgramsFlow, CurrentProgramTransfersUseThePanel) {
  device().working() = DeviceProgram(0, "Arbeit");
  device().program(7) = DeviceProgram(7, "Sieben");
  ASSERT_EQ(RunThenQuit([&] {
              Select(5);
              Edit(MAINPANEL_PAR_ANZAHLZAEHNE, 55);
              popups().answerGeneric(1);
              qtui::UserCommit(gMainPanel, MAINPANEL_PROGSCHREIBEN);
              EXPECT_EQ(device().program(5).anzahlzaehne, 55);
              EXPECT_EQ(std::string(device().program(5).programmname), "Programm 5");
              EXPECT_EQ(kit::RecordText(device().working()),
                        kit::RecordText(DeviceProgram(0, "Arbeit")));

              Select(7);
              popups().answerGeneric(1);
              qtui::UserCommit(gMainPanel, MAINPANEL_PROGLESEN);
              EXPECT_EQ(ListLabels()[7], "7 - Sieben");
              EXPECT_EQ(Shown()[2], 37);
              EXPECT_EQ(ListLabels()[0], "A - Arbeitsparameter") << "only the selected entry";
              EXPECT_EQ(ErrorNumber(gMainPanel), 0);
            }),
            0);
  EXPECT_EQ(popups().unscriptedCount(), 0);
}

TEST_F(ProgramsFlow, ReadAllSaveNewLoadCompareWriteAll) {
  for (int n = 1; n <= 16; ++n) device().program(n) = DeviceProgram(n, "Geraet " + std::to_string(n));
  device().working() = DeviceProgram(0, "Arbeit");
  const fs::path file = directory / "satz.vlt";
  std::vector<std::vector<int>> progress;
  ASSERT_EQ(RunThenQuit([&] {
              Select(7);
              // Status polling on, with a tick due at every step of the transfer.
              qtui::UserCommit(gStatusPanel, STATUSPNL_DAXSTATUSABFRAGE);
              SetCtrlAttribute(gStatusPanel, STATUSPNL_STATUSTIMER, ATTR_INTERVAL, 0.001);
              sim->onFrame = [&] {
                QWidget* panel = qtui::PanelWidget(gMainPanel);
                auto* bar = panel->findChild<QProgressBar*>("FORTSCHRITTSBALKEN");
                if (bar == nullptr || !bar->isVisible()) return;
                auto label = [panel](const char* name) {
                  return panel->findChild<QLabel*>(name)->text().toStdString();
                };
                const int step = bar->value();
                if (progress.empty() || progress.back()[0] != step) QThread::msleep(2);
                EXPECT_EQ(label("FORTSCHRITTSTITEL"), "Programme vom Gerät lesen");
                EXPECT_EQ(label("FORTSCHRITTSTEXT"),
                          "Programm " + (step == 1 ? std::string("A") : std::to_string(step - 1)) +
                              ": " + std::to_string(step) + " von 17");
                if (progress.empty() || progress.back()[0] != step)
                  progress.push_back({step, bar->maximum()});
              };
              popups().answerGeneric(2);
              channel->clearWritten();
              qtui::UserCommit(gMainPanel, MAINPANEL_PROGLESEN);
              sim->onFrame = nullptr;
              // The panel sends exactly the transfer unit's frames, which
              // velt1ctl read-all sends too (tests/tools), and no status poll.
              const std::string panelFrames(channel->written().begin(), channel->written().end());
              qtui::UserCommit(gStatusPanel, STATUSPNL_DAXSTATUSABFRAGE);
              channel->clearWritten();
              Geraetedienste dienste;
              std::array<Programm, PROGRAMM_ANZAHL> tabelle{};
              EXPECT_EQ(Programmtransfer_Lesen(tabelle, 7, TransferUmfang::Alle, dienste).code, 0);
              EXPECT_EQ(std::string(channel->written().begin(), channel->written().end()), panelFrames);
              EXPECT_EQ(std::count(panelFrames.begin(), panelFrames.end(), '\r'), 282);
              EXPECT_EQ(qtui::PanelWidget(gMainPanel)->findChild<QProgressBar*>(), nullptr)
                  << "the progress ends with the transfer";
              EXPECT_EQ(ErrorNumber(gMainPanel), 0);
              EXPECT_EQ(ListLabels()[0], "A - Arbeit");
              EXPECT_EQ(ListLabels()[16], "16 - Geraet 16");
              EXPECT_EQ(Selected(), 7);
              EXPECT_EQ(Shown()[2], 37);
              EXPECT_EQ(kit::RecordText(device().working()),
                        kit::RecordText(DeviceProgram(0, "Arbeit")));
              EXPECT_EQ(gDatenGeaendert, 0) << "a transfer changes no flag";

              // "Speichern" on the untitled table opens the save dialog.
              popups().answerFile(VAL_NEW_FILE_SELECTED, file.string());
              qtui::UserCommit(gMainPanel, MAINPANEL_SPEICHERN);
              const ui::FileSelectRequest& saved = popups().last()->file;
              EXPECT_EQ(saved.title, "Speichern");
              EXPECT_EQ(saved.defaultDirectory, "");
              EXPECT_EQ(saved.defaultFileSpec, "*.vlt");
              EXPECT_EQ(saved.buttonLabel, VAL_SAVE_BUTTON);
              EXPECT_TRUE(saved.restrictExtension && saved.allowCancel && saved.allowMakeDirectory);
              EXPECT_EQ(Title(), "VELT-1 Steuerung - satz.vlt");
              EXPECT_EQ(fs::file_size(file), 2352u);
              std::vector<std::string> before;
              for (const Programm& p : gProg) before.push_back(kit::RecordText(p));

              Choose("Datei", "Neu");
              EXPECT_EQ(Title(), "VELT-1 Steuerung - Unbenannt");
              EXPECT_EQ(ListLabels()[16], "16 - Programm 16");
              Select(7);
              popups().answerFile(VAL_EXISTING_FILE_SELECTED, file.string());
              qtui::UserCommit(gMainPanel, MAINPANEL_LADEN);
              const ui::FileSelectRequest& loaded = popups().last()->file;
              EXPECT_EQ(loaded.title, "Öffnen");
              EXPECT_EQ(loaded.buttonLabel, VAL_LOAD_BUTTON);
              EXPECT_FALSE(loaded.allowMakeDirectory);
              std::vector<std::string> after;
              for (const Programm& p : gProg) after.push_back(kit::RecordText(p));
              EXPECT_EQ(after, before);
              EXPECT_EQ(Shown()[2], 37);
              EXPECT_EQ(ListLabels()[7], "7 - Geraet 7");
              EXPECT_EQ(Title(), "VELT-1 Steuerung - satz.vlt");

              // "Speichern" now writes without a dialog; "Speichern unter..."
              // opens in the file's folder.
              Edit(MAINPANEL_PAR_ANZAHLZAEHNE, 99);
              const std::size_t shown = popups().shown().size();
              Choose("Datei", "Speichern");
              EXPECT_EQ(popups().shown().size(), shown);
              EXPECT_EQ(gDatenGeaendert, 0);
              Choose("Datei", "Speichern unter...");
              EXPECT_EQ(popups().last()->file.defaultDirectory, directory.path() + "/");

              // Write all: programs 1..16, then entry 0 as working parameters.
              // A close request during it asks its question after it.
              for (int n = 1; n <= 16; ++n) device().program(n) = Programm{};
              Edit(MAINPANEL_PAR_TOLERANZPHASE, 34);
              QTimer::singleShot(0, [] { qtui::UserClosePanel(gMainPanel); });
              popups().answerGeneric(2);
              popups().answerGeneric(3);
              qtui::UserCommit(gMainPanel, MAINPANEL_PROGSCHREIBEN);
              EXPECT_EQ(popups().last()->title, "Programme zum Gerät schreiben");
              QApplication::processEvents();
              EXPECT_EQ(popups().last()->title, "Datei speichern");
              EXPECT_EQ(kit::RecordText(device().program(7)), kit::RecordText(gProg[7]));
              EXPECT_EQ(device().program(7).anzahlzaehne, 99);
              EXPECT_EQ(kit::RecordText(device().working()), kit::RecordText(gProg[0]));
            }),
            0);
  ASSERT_EQ(progress.size(), 17u);
  EXPECT_EQ(progress.front(), (std::vector<int>{1, 17}));
  EXPECT_EQ(progress.back(), (std::vector<int>{17, 17}));
  EXPECT_EQ(popups().unscriptedCount(), 1) << "only the cancelled 'Speichern unter...'";
}

// Under Xvfb (a ctest of its own): the question answered on the screen is
// gone from it during the transfer's steps; the panel shows where it stood.
TEST_F(ProgramsFlow, QuestionGoneFromTheRealScreenDuringTransfer) {
  QRect box;
  std::vector<double> differs;  // screen against panel where the box stood
  ASSERT_EQ(RunThenQuit([&] {
              auto previous = ui::SetPopupResponder(std::make_shared<qtui::QtPopupResponder>());
              qtui::UserAnswerNextMessageBox([&](const QRect& where) {
                box = where;
                differs.push_back(qtui::ScreenDiffersFromPanel(gMainPanel, box));
              });
              sim->onFrame = [&] {
                auto* bar = qtui::PanelWidget(gMainPanel)->findChild<QProgressBar*>();
                if (bar == nullptr || bar->value() < static_cast<int>(differs.size())) return;
                differs.push_back(qtui::ScreenDiffersFromPanel(gMainPanel, box));
                // A line slower than the simulator leaves the window system time.
                if (differs.back() > 0.01) QThread::msleep(50);
              };
              qtui::UserCommit(gMainPanel, MAINPANEL_PROGLESEN);
              ui::SetPopupResponder(previous);
            }),
            0);
  ASSERT_EQ(differs.size(), 18u);
  EXPECT_GT(differs.front(), 0.3) << "the question was on screen";
  EXPECT_LT(differs.back(), 0.01) << "the panel shows where it stood";
}

TEST_F(ProgramsFlow, FailedReadRefreshesLabelsAndKeepsTheEdits) {
  device().working() = DeviceProgram(0, "Arbeit");
  bus().faults().add({"PNS", 0, sim::FaultKind::Nak, 1});
  ASSERT_EQ(RunThenQuit([&] {
              Select(3);
              Edit(MAINPANEL_PAR_ANZAHLZAEHNE, 77);
              popups().answerGeneric(2);
              qtui::UserCommit(gMainPanel, MAINPANEL_PROGLESEN);
              const int code = ErrorNumber(gMainPanel);
              EXPECT_NE(code, 0) << "the failure stays on the displays after the write-back";
              EXPECT_EQ(ErrorNumber(gComPanel), code);
              EXPECT_EQ(ErrorNumber(gStatusPanel), code);
              EXPECT_EQ(ListLabels()[0], "A - Arbeit");
              EXPECT_EQ(ListLabels()[3], "3 - Programm 3");
              EXPECT_EQ(Shown()[2], 77);
              EXPECT_EQ(gProgAktuell.anzahlzaehne, 77);
            }),
            0);
}

TEST_F(ProgramsFlow, LoadErrorsInABoxCancelSilent) {
  std::string version1 = std::string("QORVELT1Steuerung") + std::string(2335, '\0');
  version1[32] = 1;
  struct Row {
    std::string bytes;
    const char* title;
    const char* text;
  } rows[] = {
      {"", "Fehler #304405", "Fehler beim Lesen der Datei"},
      {std::string(35, 'x'), "Fehler #304405", "Fehler beim Lesen der Datei"},
      {std::string("QORVELT1Fremd") + std::string(2339, '\0'), "Fehler #302406",
       "Die Datei ist nicht vom richtigen Typ"},
      {version1, "Fehler #303407",
       "Die Datei hat die falsche Versionsnummer\nerwartet: V 2\ngefunden: V 1"},
  };
  ASSERT_EQ(RunThenQuit([&] {
              Select(2);
              Edit(MAINPANEL_PAR_ANZAHLZAEHNE, 70);
              for (const Row& row : rows) {
                const fs::path file = directory / "kaputt.vlt";
                kit::WriteBytes(file, row.bytes);
                popups().answerFile(VAL_EXISTING_FILE_SELECTED, file.string());
                Choose("Datei", "Laden...");
                EXPECT_EQ(popups().last()->kind, PopupKind::Message);
                EXPECT_EQ(popups().last()->title, row.title);
                EXPECT_EQ(popups().last()->text, row.text);
              }
              popups().answerFile(VAL_EXISTING_FILE_SELECTED, (directory / "fehlt.vlt").string());
              Choose("Datei", "Laden...");
              EXPECT_EQ(popups().last()->title, "Fehler #308403");
              const std::size_t shown = popups().shown().size();
              Choose("Datei", "Laden...");  // cancelled: no box
              EXPECT_EQ(popups().shown().size(), shown + 1);
              EXPECT_EQ(popups().last()->kind, PopupKind::FileSelect);
              EXPECT_EQ(Title(), "VELT-1 Steuerung - Unbenannt");
              EXPECT_EQ(gDateiname, "Unbenannt");
              EXPECT_EQ(gDatenGeaendert, 1);
              EXPECT_EQ(Shown()[2], 70);
              EXPECT_EQ(ListLabels()[2], "2 - Programm 2");
            }),
            0);
}

int FailReplace(const fs::path&, const fs::path&) { return 1; }

TEST_F(ProgramsFlow, FailedSaveKeepsTheOldFileNameAndFlag) {
  const fs::path file = directory / "alt.vlt";
  ASSERT_EQ(RunThenQuit([&] {
              popups().answerFile(VAL_NEW_FILE_SELECTED, file.string());
              Choose("Datei", "Speichern unter...");
              const std::string old = kit::ReadBytes(file);
              Edit(MAINPANEL_PAR_ANZAHLZAEHNE, 70);

              Parameterdatei_SetVorErsetzenHook(FailReplace);
              Choose("Datei", "Speichern");
              Parameterdatei_SetVorErsetzenHook(nullptr);
              EXPECT_EQ(popups().last()->title, "Fehler #301402");
              EXPECT_EQ(kit::ReadBytes(file), old);

              popups().answerFile(VAL_NEW_FILE_SELECTED, (directory / "fehlt" / "x.vlt").string());
              Choose("Datei", "Speichern unter...");
              EXPECT_EQ(popups().last()->title, "Fehler #301401");
              EXPECT_EQ(gDatenGeaendert, 1);
              EXPECT_EQ(gDateiname, file.string());
              EXPECT_EQ(Title(), "VELT-1 Steuerung - alt.vlt");
              for (const auto& entry : fs::directory_iterator(directory.path()))
                EXPECT_NE(entry.path().extension(), ".TMP")
                    << entry.path() << ": no temporary is left";
            }),
            0);
}

// The save question from "Beenden" and from each window's close box: "Abbrechen"
// stays, "Nein" quits without saving, "Ja" saves and quits, and "Ja" with a
// cancelled save dialog stays without an error box.
TEST_F(ProgramsFlow, SaveQuestionBeforeQuitting) {
  enum class Way { Beenden, BeendenCom, BeendenStatus, CloseMain, CloseCom, CloseStatus };
  for (Way way : {Way::Beenden, Way::BeendenCom, Way::BeendenStatus, Way::CloseMain,
                  Way::CloseCom, Way::CloseStatus}) {
    SCOPED_TRACE(static_cast<int>(way));
    const fs::path file = directory / "beenden.vlt";
    fs::remove(file);
    popups().clear();
    auto quit = [way] {
      if (way == Way::Beenden) Choose("Datei", "Beenden");
      if (way == Way::BeendenCom) qtui::UserChooseMenuItem(gComPanel, {"Datei", "Beenden"});
      if (way == Way::BeendenStatus) qtui::UserChooseMenuItem(gStatusPanel, {"Datei", "Beenden"});
      if (way == Way::CloseMain) qtui::UserClosePanel(gMainPanel);
      if (way == Way::CloseCom) qtui::UserClosePanel(gComPanel);
      if (way == Way::CloseStatus) qtui::UserClosePanel(gStatusPanel);
    };
    int stillRunning = 0;
    ASSERT_EQ(Run([&] {
                Edit(MAINPANEL_PAR_ANZAHLZAEHNE, 61);
                popups().answerGeneric(3);
                quit();
                popups().answerGeneric(1);  // "Ja", then the save dialog cancelled
                quit();
                stillRunning = qtui::IsPanelVisible(gMainPanel) ? 2 : 0;
                popups().answerGeneric(2);
                quit();
              }),
              0);
    EXPECT_EQ(stillRunning, 2);
    ASSERT_EQ(popups().shown().size(), 4u);
    const kit::ShownPopup& box = popups().shown()[0];
    EXPECT_EQ(box.title, "Datei speichern");
    EXPECT_EQ(box.text, "Möchten Sie die Änderungen in Unbenannt speichern?");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"Ja", "Nein", "Abbrechen"}));
    EXPECT_EQ(std::vector<int>({box.focusButton, box.enterButton, box.escapeButton}),
              std::vector<int>({1, 1, 3}));
    EXPECT_EQ(popups().shown()[2].kind, PopupKind::FileSelect);
    EXPECT_FALSE(fs::exists(file));

    popups().clear();
    ASSERT_EQ(Run([&] {
                Edit(MAINPANEL_PAR_ANZAHLZAEHNE, 62);
                popups().answerGeneric(1);
                popups().answerFile(VAL_NEW_FILE_SELECTED, file.string());
                quit();
              }),
              0);
    EXPECT_EQ(fs::file_size(file), 2352u);
    EXPECT_EQ(popups().unscriptedCount(), 0);
  }
}

}  // namespace
