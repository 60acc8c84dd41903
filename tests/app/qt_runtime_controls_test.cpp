// Control values, limits, ring items and attributes of panels loaded from a
// definition.

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <climits>

#include "app/qt/qt_runtime_testing.h"
#include "tests/kit/qt_runtime_fixture.h"

namespace kit {
namespace {

using ControlsTest = RuntimeTest;

TEST_F(ControlsTest, LoadedControlsTellTheirDefinition) {
  struct Case {
    int control;
    ui::CtrlKind kind;
    ui::ValueType type;
    const char* constant;
    const char* callback;
  } cases[] = {
      {BUTTON, ui::CtrlKind::CommandButton, ui::ValueType::None, "BUTTON", "Test_Ctrl"},
      {LED, ui::CtrlKind::Led, ui::ValueType::Int, "LED", ""},
      {NUMERIC, ui::CtrlKind::Numeric, ui::ValueType::Double, "NUMERIC", "Test_Ctrl"},
      {ADDRESS, ui::CtrlKind::Ring, ui::ValueType::Char, "ADDRESS", "Test_Ctrl"},
      {COMRING, ui::CtrlKind::PictureRing, ui::ValueType::Int, "COMRING", "Test_Ctrl"},
      {TIMER, ui::CtrlKind::Timer, ui::ValueType::None, "TIMER", "Test_Ctrl"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.constant);
    int kind = -1, type = -1;
    std::string constant, callback;
    EXPECT_EQ(GetCtrlAttribute(panel, c.control, ATTR_CTRL_KIND, &kind), 0);
    EXPECT_EQ(GetCtrlAttribute(panel, c.control, ATTR_DATA_TYPE, &type), 0);
    EXPECT_EQ(GetCtrlAttribute(panel, c.control, ATTR_CONSTANT_NAME, &constant), 0);
    EXPECT_EQ(GetCtrlAttribute(panel, c.control, ATTR_CALLBACK_NAME, &callback), 0);
    EXPECT_EQ(kind, static_cast<int>(c.kind));
    EXPECT_EQ(type, static_cast<int>(c.type));
    EXPECT_EQ(constant, c.constant);
    EXPECT_EQ(callback, c.callback);
  }
  EXPECT_EQ(SetCtrlAttribute(panel, LED, ATTR_CONSTANT_NAME, std::string("X")), UIE_BAD_ATTRIBUTE);
}

TEST_F(ControlsTest, InitialValuesComeFromTheDefinition) {
  struct Case {
    int control;
    double value;
  } cases[] = {{NUMERIC, 5.0}, {COUNT, 60}, {FEHLERNUMMER, 0}, {LED, 0},  {ADDRESS, '1'},
               {SOURCE, 1.0},  {PORTS, 0},  {TOGGLE, 0},       {COMRING, 0}};
  for (const auto& c : cases) {
    double value = -1;
    EXPECT_EQ(GetCtrlVal(panel, c.control, &value), 0) << c.control;
    EXPECT_EQ(value, c.value) << c.control;
  }
  std::string text;
  EXPECT_EQ(GetCtrlVal(panel, NAME, &text), 0);
  EXPECT_EQ(text, "abc");
  EXPECT_EQ(GetCtrlVal(panel, MESSAGE, &text), 0);
  EXPECT_EQ(text, "Zeile 1\nZeile 2");
  EXPECT_EQ(static_cast<QLabel*>(qtui::ControlWidget(panel, MESSAGE))->text(), "Zeile 1\nZeile 2");
}

TEST_F(ControlsTest, NumericsKeepToTheirLimits) {
  struct Case {
    int control;
    double set;
    double expected;
  } cases[] = {
      {NUMERIC, 40, 33},       {NUMERIC, 1, 2},   {NUMERIC, 7.25, 7.25}, {COUNT, 200, 125},
      {COUNT, 0, 1},           {COUNT, 16.4, 16}, {FEHLERNUMMER, -802285, -802285},
      {FEHLERNUMMER, INT_MIN, INT_MIN},           {FEHLERNUMMER, INT_MAX, INT_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SetCtrlVal(panel, c.control, c.set), 0);
    double value = 0;
    EXPECT_EQ(GetCtrlVal(panel, c.control, &value), 0);
    EXPECT_EQ(value, c.expected) << c.control << " set to " << c.set;
  }
}

TEST_F(ControlsTest, LoweringTheMaximumClampsTheValue) {
  EXPECT_EQ(SetCtrlAttribute(panel, COUNT, ATTR_MAX_VALUE, 16), 0);
  int value = 0, maximum = 0, minimum = 0;
  EXPECT_EQ(GetCtrlVal(panel, COUNT, &value), 0);
  EXPECT_EQ(GetCtrlAttribute(panel, COUNT, ATTR_MAX_VALUE, &maximum), 0);
  EXPECT_EQ(GetCtrlAttribute(panel, COUNT, ATTR_MIN_VALUE, &minimum), 0);
  EXPECT_EQ(value, 16);
  EXPECT_EQ(maximum, 16);
  EXPECT_EQ(minimum, 1);
  int precision = -1;
  EXPECT_EQ(GetCtrlAttribute(panel, NUMERIC, ATTR_PRECISION, &precision), 0);
  EXPECT_EQ(precision, 1);
  EXPECT_EQ(SetCtrlAttribute(panel, LED, ATTR_MAX_VALUE, 3), UIE_BAD_ATTRIBUTE);
}

TEST_F(ControlsTest, RingsSelectByValue) {
  struct Case {
    int control;
    double value;
    int result;
    int index;
    const char* label;
  } cases[] = {
      {ADDRESS, '7', 0, 6, "7"},    {ADDRESS, '&', 0, 9, "alle"},  {ADDRESS, 'x', UIE_BAD_INDEX, 9, "alle"},
      {SOURCE, 3.0, 0, 2, "15V"},   {SOURCE, 2.5, UIE_BAD_INDEX, 2, "15V"},
      {COMRING, 99, 0, 17, "99"},   {COMRING, 16, 0, 16, "16"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(SetCtrlVal(panel, c.control, c.value), c.result);
    int index = -1;
    std::string label;
    EXPECT_EQ(GetCtrlIndex(panel, c.control, &index), 0);
    EXPECT_EQ(index, c.index);
    EXPECT_EQ(GetLabelFromIndex(panel, c.control, index, &label), 0);
    EXPECT_EQ(label, c.label);
  }
  int address = 0;
  EXPECT_EQ(GetCtrlVal(panel, ADDRESS, &address), 0);
  EXPECT_EQ(address, '&');
}

TEST_F(ControlsTest, IndexAndValueLookUps) {
  int index = 0, value = 0;
  double number = 0;
  EXPECT_EQ(GetIndexFromValue(panel, ADDRESS, &index, int{'&'}), 0);
  EXPECT_EQ(index, 9);
  EXPECT_EQ(GetIndexFromValue(panel, SOURCE, &index, 2.0), 0);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(GetIndexFromValue(panel, SOURCE, &index, 4.0), UIE_BAD_INDEX);
  EXPECT_EQ(index, -1);
  EXPECT_EQ(GetValueFromIndex(panel, ADDRESS, 4, &value), 0);
  EXPECT_EQ(value, '5');
  EXPECT_EQ(GetValueFromIndex(panel, SOURCE, 2, &number), 0);
  EXPECT_EQ(number, 3.0);
  EXPECT_EQ(GetValueFromIndex(panel, SOURCE, 3, &number), UIE_BAD_INDEX);
  EXPECT_EQ(SetCtrlIndex(panel, SOURCE, -1), UIE_BAD_INDEX);
  EXPECT_EQ(GetIndexFromValue(panel, NUMERIC, &index, 5), UIE_BAD_ATTRIBUTE);
}

TEST_F(ControlsTest, RingIsRefilledAtRunTime) {
  auto* combo = static_cast<QComboBox*>(qtui::ControlWidget(panel, PORTS));
  int count = -1, index = 0, value = 0;
  EXPECT_EQ(ClearListCtrl(panel, PORTS), 0);
  EXPECT_EQ(GetNumListItems(panel, PORTS, &count), 0);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(GetCtrlVal(panel, PORTS, &value), UIE_BAD_INDEX);
  EXPECT_EQ(GetCtrlIndex(panel, PORTS, &index), 0);
  EXPECT_EQ(index, -1);

  EXPECT_EQ(InsertListItem(panel, PORTS, -1, "COM1", 1), 0);
  EXPECT_EQ(InsertListItem(panel, PORTS, -1, "COM3", 3), 0);
  EXPECT_EQ(InsertListItem(panel, PORTS, 0, "nicht geöffnet", 0), 0);
  EXPECT_EQ(InsertListItem(panel, PORTS, 5, "COM9", 9), UIE_BAD_INDEX);
  // The item shown stays the one shown before the insertion.
  EXPECT_EQ(GetCtrlVal(panel, PORTS, &value), 0);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(SetCtrlVal(panel, PORTS, 3), 0);
  EXPECT_EQ(ReplaceListItem(panel, PORTS, 2, "COM4", 4), 0);
  EXPECT_EQ(GetCtrlVal(panel, PORTS, &value), 0);
  EXPECT_EQ(value, 4);
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(0), QString::fromUtf8("nicht geöffnet"));
  EXPECT_EQ(combo->currentText(), "COM4");
}

QRgb CentrePixel(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  return image.pixel(image.width() / 2, image.height() / 2);
}

TEST_F(ControlsTest, LedShowsStateColourAndDimming) {
  QWidget* led = qtui::ControlWidget(panel, LED);
  EXPECT_EQ(SetCtrlAttribute(panel, LED, ATTR_ON_COLOR, 0xFF0000), 0);
  int colour = 0;
  EXPECT_EQ(GetCtrlAttribute(panel, LED, ATTR_ON_COLOR, &colour), 0);
  EXPECT_EQ(colour, 0xFF0000);

  EXPECT_EQ(SetCtrlVal(panel, LED, 1), 0);
  const QColor on(CentrePixel(led));
  EXPECT_GT(on.red(), 200);
  EXPECT_LT(on.green(), on.red() / 2);

  EXPECT_EQ(SetCtrlVal(panel, LED, 0), 0);
  const QColor off(CentrePixel(led));
  EXPECT_LT(off.red(), on.red() / 2);

  EXPECT_EQ(SetCtrlAttribute(panel, LED, ATTR_DIMMED, 1), 0);
  int dimmed = 0;
  EXPECT_EQ(GetCtrlAttribute(panel, LED, ATTR_DIMMED, &dimmed), 0);
  EXPECT_EQ(dimmed, 1);
  const QColor grey(CentrePixel(led));
  EXPECT_EQ(grey.red(), grey.green());
  EXPECT_EQ(grey.green(), grey.blue());
}

TEST_F(ControlsTest, ToggleShowsTheTextOfItsState) {
  auto* button = static_cast<QPushButton*>(qtui::ControlWidget(panel, TOGGLE));
  EXPECT_EQ(button->text(), "Statusabfrage einschalten");
  EXPECT_EQ(SetCtrlVal(panel, TOGGLE, 1), 0);
  EXPECT_EQ(button->text(), "Statusabfrage ausschalten");
  EXPECT_TRUE(button->isChecked());
  EXPECT_EQ(SetCtrlAttribute(panel, TOGGLE, ATTR_ON_TEXT, std::string("Aus")), 0);
  EXPECT_EQ(button->text(), "Aus");
  std::string off;
  EXPECT_EQ(GetCtrlAttribute(panel, TOGGLE, ATTR_OFF_TEXT, &off), 0);
  EXPECT_EQ(off, "Statusabfrage einschalten");
}

TEST_F(ControlsTest, TooltipIsShownAndReadBack) {
  EXPECT_EQ(SetCtrlAttribute(panel, NAME, ATTR_TOOLTIP_TEXT, std::string("/dev/ttyUSB0")), 0);
  EXPECT_EQ(qtui::ControlWidget(panel, NAME)->toolTip(), "/dev/ttyUSB0");
  std::string tip;
  EXPECT_EQ(GetCtrlAttribute(panel, NAME, ATTR_TOOLTIP_TEXT, &tip), 0);
  EXPECT_EQ(tip, "/dev/ttyUSB0");
}

TEST_F(ControlsTest, StringsKeepToTheirMaximumLength) {
  EXPECT_EQ(SetCtrlAttribute(panel, NAME, ATTR_MAX_ENTRY_LENGTH, 5), 0);
  EXPECT_EQ(SetCtrlVal(panel, NAME, "abcdefgh"), 0);
  std::string text;
  EXPECT_EQ(GetCtrlVal(panel, NAME, &text), 0);
  EXPECT_EQ(text, "abcde");
  EXPECT_EQ(qtui::UserCommitText(panel, NAME, "Programm 1"), 0);
  EXPECT_EQ(GetCtrlVal(panel, NAME, &text), 0);
  EXPECT_EQ(text, "Progr");
}

TEST_F(ControlsTest, LabelsShowShortcutsAndStandBesideTheirBox) {
  EXPECT_EQ(static_cast<QPushButton*>(qtui::ControlWidget(panel, BUTTON))->text(), "&OK");
  QWidget* led = qtui::ControlWidget(panel, LED);
  auto labels = led->parentWidget()->findChildren<QLabel*>();
  auto found = std::find_if(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "Lampe"; });
  ASSERT_NE(found, labels.end());
  EXPECT_GT((*found)->x(), led->geometry().right());
  EXPECT_EQ(SetCtrlAttribute(panel, LED, ATTR_LABEL_TEXT, std::string("Com")), 0);
  EXPECT_EQ((*found)->text(), "Com");
}

TEST_F(ControlsTest, WrongAddressesAndTypesAreRefused) {
  int value = 0;
  std::string text;
  struct Case {
    int result;
    int expected;
  } cases[] = {
      {SetCtrlVal(panel + 1000, LED, 1), UIE_BAD_PANEL},
      {SetCtrlVal(panel, 99, 1), UIE_BAD_CONTROL},
      {SetCtrlVal(panel, BUTTON, 1), UIE_BAD_ATTRIBUTE},
      {SetCtrlVal(panel, LED, "an"), UIE_BAD_ATTRIBUTE},
      {GetCtrlVal(panel, NAME, &value), UIE_BAD_ATTRIBUTE},
      {GetCtrlVal(panel, LED, &text), UIE_BAD_ATTRIBUTE},
      {SetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, 0.0), UIE_BAD_ATTRIBUTE},
      {SetCtrlAttribute(panel, NAME, ATTR_ON_COLOR, 1), UIE_BAD_ATTRIBUTE},
      {ClearListCtrl(panel, NUMERIC), UIE_BAD_ATTRIBUTE},
      {SetCtrlVal(panel, MESSAGE, static_cast<const char*>(nullptr)), UIE_BAD_ATTRIBUTE},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].result, cases[i].expected) << i;
}

}  // namespace
}  // namespace kit
