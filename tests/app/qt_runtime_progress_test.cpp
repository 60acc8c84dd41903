// The progress display: a box inside the panel with a title, a text and a
// bar, named for assistive technology, with no button to press.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "app/qt/qt_runtime_testing.h"
#include "tests/kit/qt_runtime_fixture.h"

namespace kit {
namespace {

using ProgressTest = RuntimeTest;

QWidget* Find(int panel, const char* constant) {
  return qtui::PanelWidget(panel)->findChild<QWidget*>(QString::fromLatin1(constant));
}

TEST_F(ProgressTest, ShowsTitleTextAndStepsUntilDiscarded) {
  DisplayPanel(panel);
  const int dialog = CreateProgressDialog(panel, "Programme lesen", "Programm A: 1 von 17", 17);
  ASSERT_GT(dialog, 0);
  auto* title = qobject_cast<QLabel*>(Find(panel, "FORTSCHRITTSTITEL"));
  auto* text = qobject_cast<QLabel*>(Find(panel, "FORTSCHRITTSTEXT"));
  auto* bar = qobject_cast<QProgressBar*>(Find(panel, "FORTSCHRITTSBALKEN"));
  ASSERT_TRUE(title && text && bar);
  QWidget* box = bar->parentWidget();
  EXPECT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isWindow()) << "drawn inside the panel's window, which is on screen";
  EXPECT_TRUE(box->findChildren<QPushButton*>().isEmpty()) << "no cancel";
  EXPECT_EQ(title->text(), "Programme lesen");
  EXPECT_EQ(title->accessibleName(), "Programme lesen");

  ASSERT_EQ(UpdateProgressDialog(dialog, "Programm 4: 5 von 17", 5), 0);
  EXPECT_EQ(text->text(), "Programm 4: 5 von 17");
  EXPECT_EQ(bar->value(), 5);
  EXPECT_EQ(bar->maximum(), 17);
  for (QWidget* shown : {static_cast<QWidget*>(text), static_cast<QWidget*>(bar)})
    EXPECT_EQ(shown->accessibleName(), "Programm 4: 5 von 17");
  EXPECT_EQ(text->accessibleDescription(), "FORTSCHRITTSTEXT");
  EXPECT_EQ(bar->accessibleDescription(), "FORTSCHRITTSBALKEN");

  ASSERT_EQ(DiscardProgressDialog(dialog), 0);
  EXPECT_EQ(Find(panel, "FORTSCHRITTSBALKEN"), nullptr);
  EXPECT_EQ(UpdateProgressDialog(dialog, "x", 1), UIE_BAD_PANEL);
  EXPECT_EQ(DiscardProgressDialog(dialog), UIE_BAD_PANEL);
}

TEST_F(ProgressTest, BadPanelOrMaximumIsRefused) {
  EXPECT_EQ(CreateProgressDialog(9999, "t", "x", 3), UIE_BAD_PANEL);
  EXPECT_EQ(CreateProgressDialog(panel, "t", "x", 0), UIE_BAD_ATTRIBUTE);
}

}  // namespace
}  // namespace kit
