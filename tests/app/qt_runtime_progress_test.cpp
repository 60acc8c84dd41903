// The progress display: a tool window over a panel with a text and a bar,
// named for assistive technology, without a close box or any input.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "app/qt/qt_runtime_testing.h"
#include "qt_runtime_fixture_support.h"

namespace rttest {
namespace {

using ProgressTest = RuntimeTest;

TEST_F(ProgressTest, ShowsTextAndStepsUntilDiscarded) {
  const int dialog = CreateProgressDialog(panel, "Programme lesen", "Programm A: 1 von 17", 17);
  ASSERT_GT(dialog, 0);
  QWidget* window = qtui::PanelWidget(panel)->findChild<QProgressBar*>()->window();
  ASSERT_NE(window, qtui::PanelWidget(panel));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Programme lesen");
  EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
  EXPECT_TRUE(window->findChildren<QPushButton*>().isEmpty()) << "no cancel";

  ASSERT_EQ(UpdateProgressDialog(dialog, "Programm 4: 5 von 17", 5), 0);
  auto* label = window->findChild<QLabel*>();
  auto* bar = window->findChild<QProgressBar*>();
  EXPECT_EQ(label->text(), "Programm 4: 5 von 17");
  EXPECT_EQ(bar->value(), 5);
  EXPECT_EQ(bar->maximum(), 17);
  for (QWidget* shown : {static_cast<QWidget*>(label), static_cast<QWidget*>(bar)})
    EXPECT_EQ(shown->accessibleName(), "Programm 4: 5 von 17");
  EXPECT_EQ(label->accessibleDescription(), "FORTSCHRITTSTEXT");
  EXPECT_EQ(bar->accessibleDescription(), "FORTSCHRITTSBALKEN");

  ASSERT_EQ(DiscardProgressDialog(dialog), 0);
  EXPECT_EQ(qtui::PanelWidget(panel)->findChild<QProgressBar*>(), nullptr);
  EXPECT_EQ(UpdateProgressDialog(dialog, "x", 1), UIE_BAD_PANEL);
  EXPECT_EQ(DiscardProgressDialog(dialog), UIE_BAD_PANEL);
}

TEST_F(ProgressTest, BadPanelOrMaximumIsRefused) {
  EXPECT_EQ(CreateProgressDialog(9999, "t", "x", 3), UIE_BAD_PANEL);
  EXPECT_EQ(CreateProgressDialog(panel, "t", "x", 0), UIE_BAD_ATTRIBUTE);
}

}  // namespace
}  // namespace rttest
