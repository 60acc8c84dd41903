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
    case ui::CtrlKind::Picture:
      return QStringLiteral("VELT-1");  // the wordmark it shows
    case ui::CtrlKind::PictureRing:
      return QStringLiteral("COM");  // the word above the port
    case ui::CtrlKind::Decoration:
      return {};
    default:
      return widget->window()->windowTitle();
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
       [&] {
         SetCtrlAttribute(main, MAINPANEL_PROGLESEN, ATTR_LABEL_TEXT,
                          std::string("vom VELT-1 lesen"));
       },
       main, MAINPANEL_PROGLESEN, "vom VELT-1 lesen"},
      {"label",
       [&] {
         SetCtrlAttribute(main, MAINPANEL_PROGRAMMNUMMER, ATTR_LABEL_TEXT, std::string("Nr."));
       },
       main, MAINPANEL_PROGRAMMNUMMER, "Nr."},
      {"text message", [&] { SetCtrlVal(main, MAINPANEL_TEXT_GERAETSTEUERN, "VELT-1 steuern"); },
       main, MAINPANEL_TEXT_GERAETSTEUERN, "VELT-1 steuern"},
      {"toggle switched on", [&] { SetCtrlVal(status, STATUSPNL_DAXSTATUSABFRAGE, 1); }, status,
       STATUSPNL_DAXSTATUSABFRAGE, "Statusabfrage ausschalten"},
      {"toggle's on text",
       [&] {
         SetCtrlAttribute(status, STATUSPNL_DAXSTATUSABFRAGE, ATTR_ON_TEXT, std::string("Aus"));
       },
       status, STATUSPNL_DAXSTATUSABFRAGE, "Aus"},
      {"error text",
       [&] { SetCtrlVal(com, COMPANEL_FEHLERSTRING, "Schnittstelle nicht geöffnet"); }, com,
       COMPANEL_FEHLERSTRING, "Schnittstelle nicht geöffnet"},
      {"error number", [&] { SetCtrlVal(com, COMPANEL_FEHLERNUMMER, 122350); }, com,
       COMPANEL_FEHLERNUMMER, "122350"},
      {"picture button's tooltip",
       [&] {
         SetCtrlAttribute(main, MAINPANEL_LADEN, ATTR_TOOLTIP_TEXT, std::string("Parameter laden"));
       },
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
  } cases[] = {{main, MAINPANEL_FEHLERNUMMER},
               {main, MAINPANEL_FEHLERSTRING},
               {status, STATUSPNL_FEHLERNUMMER},
               {status, STATUSPNL_FEHLERSTRING},
               {com, COMPANEL_FEHLERNUMMER},
               {com, COMPANEL_FEHLERSTRING},
               {com, COMPANEL_ID}};
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
    auto* spin = qobject_cast<QAbstractSpinBox*>(widget);
    const auto shown = [&] {
      return spin ? spin->text() : qobject_cast<QLineEdit*>(widget)->text();
    };
    const QString before = shown();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    EXPECT_TRUE(accessible->state().readOnly);
    EXPECT_TRUE(!spin || spin->buttonSymbols() == QAbstractSpinBox::NoButtons) << "no spin arrows";

    // Neither the operator's keys nor assistive technology change it.
    EXPECT_EQ(spin ? qtui::UserCommitValue(c.panel, c.control, 7)
                   : qtui::UserCommitText(c.panel, c.control, "x"),
              UIE_BAD_ATTRIBUTE);
    for (int key : {Qt::Key_9, Qt::Key_A, Qt::Key_Up, Qt::Key_Return})
      qtui::UserKeyPress(c.panel, c.control, key);
    accessible->setText(QAccessible::Value, "7");
    EXPECT_EQ(accessible->editableTextInterface(), nullptr);
    EXPECT_EQ(accessible->valueInterface(), nullptr);
    EXPECT_EQ(shown(), before);

    // The program does.
    EXPECT_EQ(spin ? SetCtrlVal(c.panel, c.control, -122350)
                   : SetCtrlVal(c.panel, c.control, "Gerät antwortet nicht"),
              0);
    EXPECT_EQ(shown(), spin ? "-122350" : "Gerät antwortet nicht");
    EXPECT_EQ(commits, 0);
  }
  for (int panel : {com, status, main}) DiscardPanel(panel);
}

}  // namespace
