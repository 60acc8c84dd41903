// Every panel of the program as assistive technology reads it: each control
// is called by the text the operator sees and described by its constant
// name; the displays of the error strip and the identification take no
// input from the operator, only from the program.

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string>

#include "app/qt/qt_runtime.h"
#include "app/qt/qt_runtime_testing.h"
#include "ui/definition.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

constexpr const char* kFile = "VELT1SteuerungGui.uir";

// "&OK" -> "OK", "A && B" -> "A & B": a caption as it reads.
QString Readable(QString text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i] == QLatin1Char('&')) text.remove(i, 1);
  return text;
}

// What the operator sees that names the control, read off the screen: the
// caption of a button (its tooltip when it shows a picture), the text of a
// text message, the label beside a control, what a display shows, and
// otherwise the window's title.
QString SeenText(QWidget* widget, const ui::CtrlDef& def) {
  if (auto* button = qobject_cast<QPushButton*>(widget))
    return button->text().isEmpty() ? button->toolTip() : Readable(button->text());
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  for (QLabel* label : widget->parentWidget()->findChildren<QLabel*>())
    if (label->buddy() == widget) return Readable(label->text());
  if (def.indicator) {
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) return spin->text();
    return qobject_cast<QLineEdit*>(widget)->text();
  }
  switch (def.kind) {
    case ui::CtrlKind::Picture: return QStringLiteral("VELT-1");     // the wordmark it shows
    case ui::CtrlKind::PictureRing: return QStringLiteral("COM");    // the word above the port
    case ui::CtrlKind::Decoration: return {};
    default: return widget->window()->windowTitle();
  }
}

QAccessibleInterface* Accessible(int panel, int control) {
  QWidget* widget = qtui::ControlWidget(panel, control);
  return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

TEST(Velt1GuiAccessibility, EveryControlIsCalledByWhatTheOperatorSeesAndDescribedByItsConstant) {
  const ui::Definition& gui = ui::Velt1Gui();
  qtui::RegisterDefinition(gui);
  for (const ui::PanelDef& def : gui.panels) {
    SCOPED_TRACE(def.constant);
    const int panel = LoadPanel(0, kFile, def.id);
    ASSERT_GT(panel, 0);
    for (const ui::CtrlDef& control : def.controls) {
      if (control.kind == ui::CtrlKind::Timer) continue;  // nothing on screen
      SCOPED_TRACE(control.constant);
      QAccessibleInterface* accessible = Accessible(panel, control.id);
      ASSERT_NE(accessible, nullptr);
      const QString name = accessible->text(QAccessible::Name);
      EXPECT_EQ(name, SeenText(qtui::ControlWidget(panel, control.id), control));
      // Only a frame, and a display that shows nothing yet, go without a name.
      EXPECT_EQ(name.isEmpty(), control.kind == ui::CtrlKind::Decoration ||
                                    (control.indicator && control.label.empty() &&
                                     control.kind == ui::CtrlKind::String));
      EXPECT_FALSE(name.contains(QLatin1String("__")));
      EXPECT_EQ(accessible->text(QAccessible::Description).toStdString(), control.constant);
    }
    DiscardPanel(panel);
  }
}

TEST(Velt1GuiAccessibility, NamesFollowWhatTheProgramChanges) {
  qtui::RegisterDefinition(ui::Velt1Gui());
  const int main = LoadPanel(0, kFile, MAINPANEL);
  const int status = LoadPanel(0, kFile, STATUSPNL);
  const int com = LoadPanel(0, kFile, COMPANEL);
  struct Case {
    const char* what;
    std::function<void()> change;
    int panel, control;
    const char* name;
  } cases[] = {
      {"button caption",
       [&] { SetCtrlAttribute(main, MAINPANEL_PROGLESEN, ATTR_LABEL_TEXT, std::string("vom VELT-1 lesen")); },
       main, MAINPANEL_PROGLESEN, "vom VELT-1 lesen"},
      {"label", [&] { SetCtrlAttribute(main, MAINPANEL_PROGRAMMNUMMER, ATTR_LABEL_TEXT, std::string("Nr.")); },
       main, MAINPANEL_PROGRAMMNUMMER, "Nr."},
      {"text message", [&] { SetCtrlVal(main, MAINPANEL_TEXT_GERAETSTEUERN, "VELT-1 steuern"); },
       main, MAINPANEL_TEXT_GERAETSTEUERN, "VELT-1 steuern"},
      {"toggle switched on", [&] { SetCtrlVal(status, STATUSPNL_DAXSTATUSABFRAGE, 1); },
       status, STATUSPNL_DAXSTATUSABFRAGE, "Statusabfrage ausschalten"},
      {"toggle's on text", [&] { SetCtrlAttribute(status, STATUSPNL_DAXSTATUSABFRAGE, ATTR_ON_TEXT, std::string("Aus")); },
       status, STATUSPNL_DAXSTATUSABFRAGE, "Aus"},
      {"error text", [&] { SetCtrlVal(com, COMPANEL_FEHLERSTRING, "Schnittstelle nicht geöffnet"); },
       com, COMPANEL_FEHLERSTRING, "Schnittstelle nicht geöffnet"},
      {"error number", [&] { SetCtrlVal(com, COMPANEL_FEHLERNUMMER, 122350); },
       com, COMPANEL_FEHLERNUMMER, "122350"},
      {"picture button's tooltip", [&] { SetCtrlAttribute(main, MAINPANEL_LADEN, ATTR_TOOLTIP_TEXT, std::string("Parameter laden")); },
       main, MAINPANEL_LADEN, "Parameter laden"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.change();
    QAccessibleInterface* accessible = Accessible(c.panel, c.control);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), c.name);
  }
  for (int panel : {com, status, main}) DiscardPanel(panel);
}

TEST(Velt1GuiAccessibility, DisplaysRefuseTheOperatorButShowWhatTheProgramSets) {
  qtui::RegisterDefinition(ui::Velt1Gui());
  const int main = LoadPanel(0, kFile, MAINPANEL);
  const int status = LoadPanel(0, kFile, STATUSPNL);
  const int com = LoadPanel(0, kFile, COMPANEL);
  struct Case {
    int panel, control;
    bool number;
  } cases[] = {
      {main, MAINPANEL_FEHLERNUMMER, true},     {main, MAINPANEL_FEHLERSTRING, false},
      {status, STATUSPNL_FEHLERNUMMER, true},   {status, STATUSPNL_FEHLERSTRING, false},
      {com, COMPANEL_FEHLERNUMMER, true},       {com, COMPANEL_FEHLERSTRING, false},
      {com, COMPANEL_ID, false},
  };
  static int commits = 0;
  const auto count = [](int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) ++commits;
    return 0;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    commits = 0;
    InstallCtrlCallback(c.panel, c.control, count, nullptr);
    QWidget* widget = qtui::ControlWidget(c.panel, c.control);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    EXPECT_TRUE(accessible->state().readOnly);
    if (c.number) {
      auto* spin = qobject_cast<QAbstractSpinBox*>(widget);
      ASSERT_NE(spin, nullptr);
      EXPECT_EQ(spin->buttonSymbols(), QAbstractSpinBox::NoButtons) << "no spin arrows";
      EXPECT_EQ(qtui::UserCommitValue(c.panel, c.control, 7), UIE_BAD_ATTRIBUTE);
      for (int key : {Qt::Key_Up, Qt::Key_PageUp, Qt::Key_9, Qt::Key_Return})
        qtui::UserKeyPress(c.panel, c.control, key);
      if (QAccessibleValueInterface* value = accessible->valueInterface()) value->setCurrentValue(5);
      if (QAccessibleActionInterface* actions = accessible->actionInterface())
        for (const QString& action : actions->actionNames()) actions->doAction(action);
      int shown = -1;
      GetCtrlVal(c.panel, c.control, &shown);
      EXPECT_EQ(shown, 0);
      EXPECT_EQ(spin->text(), "0");
      EXPECT_EQ(SetCtrlVal(c.panel, c.control, -122350), 0);
      GetCtrlVal(c.panel, c.control, &shown);
      EXPECT_EQ(shown, -122350);
      EXPECT_EQ(spin->text(), "-122350");
    } else {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      ASSERT_NE(edit, nullptr);
      EXPECT_EQ(qtui::UserCommitText(c.panel, c.control, "getippt"), UIE_BAD_ATTRIBUTE);
      for (int key : {Qt::Key_A, Qt::Key_B, Qt::Key_Return}) qtui::UserKeyPress(c.panel, c.control, key);
      if (QAccessibleEditableTextInterface* editable = accessible->editableTextInterface())
        editable->insertText(0, "x");
      accessible->setText(QAccessible::Value, "y");
      std::string shown;
      GetCtrlVal(c.panel, c.control, &shown);
      EXPECT_EQ(shown, "");
      EXPECT_EQ(SetCtrlVal(c.panel, c.control, "Gerät antwortet nicht"), 0);
      GetCtrlVal(c.panel, c.control, &shown);
      EXPECT_EQ(shown, "Gerät antwortet nicht");
      EXPECT_EQ(edit->text(), "Gerät antwortet nicht");
    }
    EXPECT_EQ(commits, 0);
  }
  for (int panel : {com, status, main}) DiscardPanel(panel);
}

}  // namespace
