// What assistive technology does with a panel's controls goes the way of the
// operator's hand, and what it reads of LEDs, rings and the COM picture is
// what the screen shows.

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <functional>

#include "app/qt/qt_runtime_testing.h"
#include "tests/kit/qt_runtime_fixture.h"

namespace kit {
namespace {

using AccessibilityTest = RuntimeTest;

QAccessibleInterface* Accessible(int panel, int control) {
  return QAccessible::queryAccessibleInterface(qtui::ControlWidget(panel, control));
}

void HideList(int panel, int control) {
  if (auto* combo = qobject_cast<QComboBox*>(qtui::ControlWidget(panel, control)))
    combo->hidePopup();
}

// What the operator or the tool left behind: the callback's events, the value,
// and what assistive technology reads of the control.
struct Outcome {
  std::vector<Event> events;
  double value;
  std::string name;
  bool checked;
  bool operator==(const Outcome&) const = default;
};

Outcome Observe(int panel, int control) {
  Outcome outcome{Events(), -1, "", false};
  GetCtrlVal(panel, control, &outcome.value);
  QAccessibleInterface* accessible = Accessible(panel, control);
  outcome.name = accessible->text(QAccessible::Name).toStdString();
  outcome.checked = accessible->state().checked;
  return outcome;
}

TEST_F(AccessibilityTest, AssistiveActionsReachTheCallbackAsTheOperatorsHandDoes) {
  struct Case {
    const char* what;
    int control;
    std::function<void(QAccessibleInterface*)> tool;
    std::function<void()> hand;
  };
  const auto action = [](const QString& name) {
    return [name](QAccessibleInterface* accessible) {
      ASSERT_TRUE(accessible->actionInterface()->actionNames().contains(name));
      accessible->actionInterface()->doAction(name);
    };
  };
  const auto click = [this](int control) {
    return [this, control] { qtui::UserClick(panel, control); };
  };
  using A = QAccessibleActionInterface;
  const Case cases[] = {
      {"button pressed", BUTTON, action(A::pressAction()), click(BUTTON)},
      {"picture button pressed", LOAD, action(A::pressAction()), click(LOAD)},
      {"toggle toggled", TOGGLE, action(A::toggleAction()), click(TOGGLE)},
      {"toggle pressed", TOGGLE, action(A::pressAction()), click(TOGGLE)},
      {"ring's list opened", ADDRESS, action(A::showMenuAction()), click(ADDRESS)},
      {"ring's next item", ADDRESS, action(A::scrollDownAction()),
       [this] { qtui::UserCommitIndex(panel, ADDRESS, 1); }},
      {"picture ring pressed", COMRING, action(A::pressAction()), click(COMRING)},
      {"numeric set beyond its limit", COUNT,
       [](QAccessibleInterface* a) { a->valueInterface()->setCurrentValue(500); },
       [this] { qtui::UserCommitValue(panel, COUNT, 500); }},
      {"numeric set", NUMERIC,
       [](QAccessibleInterface* a) { a->valueInterface()->setCurrentValue(7.5); },
       [this] { qtui::UserCommitValue(panel, NUMERIC, 7.5); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    double before = 0;
    GetCtrlVal(panel, c.control, &before);
    Events().clear();
    c.hand();
    HideList(panel, c.control);
    const Outcome byHand = Observe(panel, c.control);
    ASSERT_FALSE(byHand.events.empty());

    SetCtrlVal(panel, c.control, before);
    Events().clear();
    c.tool(Accessible(panel, c.control));
    HideList(panel, c.control);
    EXPECT_EQ(Observe(panel, c.control), byHand);
    SetCtrlVal(panel, c.control, before);
  }

  // The status toggle's case in full: switched on, it says so everywhere.
  Events().clear();
  Accessible(panel, TOGGLE)->actionInterface()->doAction(A::toggleAction());
  const std::vector<Event> clickAndCommit = {{panel, TOGGLE, EVENT_LEFT_CLICK, nullptr, 253, 110},
                                             {panel, TOGGLE, EVENT_COMMIT, nullptr, 0, 0}};
  EXPECT_EQ(Observe(panel, TOGGLE),
            (Outcome{clickAndCommit, 1, "Statusabfrage ausschalten", true}));

  // A text put in by assistive technology commits when the field is left, as
  // typing does.
  Events().clear();
  Accessible(panel, NAME)->editableTextInterface()->replaceText(0, 3, "xyz");
  emit static_cast<QLineEdit*>(qtui::ControlWidget(panel, NAME))->editingFinished();
  EXPECT_EQ(Events(), (std::vector<Event>{{panel, NAME, EVENT_COMMIT, nullptr, 0, 0}}));
  std::string text;
  GetCtrlVal(panel, NAME, &text);
  EXPECT_EQ(text, "xyz");

  // A dimmed control takes no action from assistive technology either.
  SetCtrlAttribute(panel, BUTTON, ATTR_DIMMED, 1);
  Events().clear();
  Accessible(panel, BUTTON)->actionInterface()->doAction(A::pressAction());
  EXPECT_TRUE(Events().empty());
}

TEST_F(AccessibilityTest, LedsRingsAndThePictureRingTellWhatTheyShow) {
  struct Case {
    const char* what;
    int control;
    std::function<void()> change;
    bool checked;
    double value;
    const char* text;
  } cases[] = {
      {"LED off", LED, [this] { SetCtrlVal(panel, LED, 0); }, false, 0, "aus"},
      {"LED on", LED, [this] { SetCtrlVal(panel, LED, 1); }, true, 1, "an, grün"},
      {"LED on in red", LED, [this] { SetCtrlAttribute(panel, LED, ATTR_ON_COLOR, 0xFF0000); },
       true, 1, "an, rot"},
      {"no port", COMRING, [this] { SetCtrlVal(panel, COMRING, 0); }, false, 0, "nicht geöffnet"},
      {"COM 5", COMRING, [this] { SetCtrlVal(panel, COMRING, 5); }, false, 5, "5"},
      {"a port above 16", COMRING, [this] { SetCtrlVal(panel, COMRING, 99); }, false, 99, ">16"},
      {"ring's item", ADDRESS, [this] { SetCtrlVal(panel, ADDRESS, '5'); }, false, 0, "5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.change();
    QAccessibleInterface* accessible = Accessible(panel, c.control);
    EXPECT_EQ(accessible->state().checked, c.checked);
    EXPECT_EQ(accessible->state().checkable, c.control == LED);
    EXPECT_EQ(accessible->text(QAccessible::Value).toStdString(), c.text);
    QAccessibleTextInterface* text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()).toStdString(), c.text);
    // The picture ring's port as a number, which only shows: assistive
    // technology cannot set it.
    QAccessibleValueInterface* value = accessible->valueInterface();
    ASSERT_EQ(value != nullptr, c.control == COMRING);
    if (!value) continue;
    EXPECT_EQ(value->currentValue().toDouble(), c.value);
    value->setCurrentValue(3);
    EXPECT_EQ(value->currentValue().toDouble(), c.value);
  }
  EXPECT_EQ(Accessible(panel, LED)->text(QAccessible::Name), "Lampe");
  EXPECT_EQ(Accessible(panel, COMRING)->text(QAccessible::Name), "COM");
}

}  // namespace
}  // namespace kit
