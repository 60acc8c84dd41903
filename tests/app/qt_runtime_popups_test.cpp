// Message boxes, file dialogs and user events go through the responder; a
// script answers them in tests and nothing waits for a person.

#include <QTimer>
#include <QWidget>

#include "app/qt/qt_popup_responder.h"
#include "app/qt/qt_runtime_testing.h"
#include "tests/kit/qt_runtime_fixture.h"
#include "tests/kit/scripted_responder.h"

namespace kit {
namespace {

using PopupsTest = RuntimeTest;

TEST_F(PopupsTest, MessageBoxesAreShownAndAnswered) {
  kit::ScopedScriptedResponder script;
  script->answerGeneric(2);
  EXPECT_EQ(MessagePopup("Fehler", "Datei nicht gefunden"), 0);
  EXPECT_EQ(GenericMessagePopup("Frage", "Speichern?", "__Ja", "__Nein", "Abbrechen", 1, 1, 3), 2);
  // Nobody scripted the next answer: the escape button, or the first button.
  EXPECT_EQ(GenericMessagePopup("Frage", "Speichern?", "__Ja", "__Nein", "Abbrechen", 1, 1, 3), 3);
  EXPECT_EQ(GenericMessagePopup("Frage", "Weiter?", "OK", "", "", 0, 0, 0), 1);

  const auto& shown = script->shown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].kind, PopupKind::Message);
  EXPECT_EQ(shown[0].title, "Fehler");
  EXPECT_EQ(shown[0].text, "Datei nicht gefunden");
  EXPECT_EQ(shown[1].buttons, (std::vector<std::string>{"__Ja", "__Nein", "Abbrechen"}));
  EXPECT_EQ(shown[1].escapeButton, 3);
  EXPECT_TRUE(shown[1].scripted);
  EXPECT_FALSE(shown[2].scripted);
  EXPECT_EQ(script->unscriptedCount(), 2);
}

TEST_F(PopupsTest, MalformedMessageBoxesAreRefused) {
  kit::ScopedScriptedResponder script;
  EXPECT_EQ(GenericMessagePopup("t", "m", "", "", "", 0, 0, 0), UIE_BAD_ATTRIBUTE);
  EXPECT_EQ(GenericMessagePopup("t", "m", "OK", "", "", 4, 0, 0), UIE_BAD_ATTRIBUTE);
  EXPECT_TRUE(script->shown().empty());
}

TEST_F(PopupsTest, FileDialogsAnswerFromTheScript) {
  kit::ScopedScriptedResponder script;
  script->answerFile(VAL_NEW_FILE_SELECTED, "/tmp/neu.vlt");
  std::string path = "old";
  EXPECT_EQ(FileSelectPopup("", "*.vlt", "*.vlt", "Speichern", VAL_SAVE_BUTTON, 0, 1, 1, 1, &path),
            VAL_NEW_FILE_SELECTED);
  EXPECT_EQ(path, "/tmp/neu.vlt");
  EXPECT_EQ(FileSelectPopup("", "*.vlt", "*.vlt", "Öffnen", VAL_LOAD_BUTTON, 0, 1, 1, 0, &path),
            VAL_NO_FILE_SELECTED);
  EXPECT_EQ(path, "");
  ASSERT_EQ(script->shown().size(), 2u);
  const ui::FileSelectRequest& request = script->shown()[1].file;
  EXPECT_EQ(request.title, "Öffnen");
  EXPECT_EQ(request.buttonLabel, VAL_LOAD_BUTTON);
  EXPECT_TRUE(request.restrictExtension);
  EXPECT_FALSE(request.allowMakeDirectory);
  EXPECT_EQ(FileSelectPopup("", "*.vlt", "", "x", 7, 0, 0, 1, 0, &path), UIE_BAD_ATTRIBUTE);
  EXPECT_EQ(FileSelectPopup("", "*.vlt", "", "x", 0, 0, 0, 1, 0, nullptr), UIE_BAD_ATTRIBUTE);
}

TEST_F(PopupsTest, UserEventOnAPopupFromTheScript) {
  kit::ScopedScriptedResponder script;
  script->answerUserEventWithTexts(CHILD_OK, {{CHILD_STRING, "Neuer Name"}});
  EXPECT_EQ(InstallPopup(child), 0);
  EXPECT_TRUE(qtui::IsPanelVisible(child));
  EXPECT_EQ(qtui::PanelWidget(child)->windowModality(), Qt::ApplicationModal);
  int eventPanel = 0, control = 0;
  EXPECT_EQ(GetUserEvent(1, &eventPanel, &control), EVENT_COMMIT);
  EXPECT_EQ(eventPanel, child);
  EXPECT_EQ(control, CHILD_OK);
  std::string name;
  EXPECT_EQ(GetCtrlVal(child, CHILD_STRING, &name), 0);
  EXPECT_EQ(name, "Neuer Name");
  // The script is empty: no event, at once.
  EXPECT_EQ(GetUserEvent(1, &eventPanel, &control), EVENT_NONE);
  EXPECT_EQ(script->last()->popupPanel, child);
  EXPECT_FALSE(script->last()->scripted);
  EXPECT_EQ(RemovePopup(0), 0);
  EXPECT_FALSE(qtui::IsPanelVisible(child));
}

TEST_F(PopupsTest, ScreenResponderWaitsForTheNextCommit) {
  const auto previous = ui::SetPopupResponder(std::make_shared<qtui::QtPopupResponder>());
  EXPECT_EQ(InstallPopup(child), 0);
  const int popup = child;
  QTimer::singleShot(0, [popup] {
    qtui::UserCommitText(popup, CHILD_STRING, "Programm 2");
    qtui::UserCommit(popup, CHILD_ABBRUCH);
  });
  int eventPanel = 0, control = 0;
  EXPECT_EQ(GetUserEvent(1, &eventPanel, &control), EVENT_COMMIT);
  EXPECT_EQ(eventPanel, child);
  EXPECT_EQ(control, CHILD_STRING);  // the first commit ends the wait
  EXPECT_EQ(GetUserEvent(0, &eventPanel, &control), EVENT_NONE);
  RemovePopup(1);
  ui::SetPopupResponder(previous);
}

}  // namespace
}  // namespace kit
