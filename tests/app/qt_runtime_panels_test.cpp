// Loading and discarding panels, their window attributes, the active panel,
// and panel pictures.

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "app/qt/qt_runtime_testing.h"
#include "tests/kit/qt_runtime_fixture.h"

namespace kit {
namespace {

using PanelsTest = RuntimeTest;

TEST_F(PanelsTest, LoadRefusesWhatIsNotDefined) {
  EXPECT_EQ(LoadPanel(0, "other.uir", TESTPANEL), UIE_BAD_RESOURCE);
  EXPECT_EQ(LoadPanel(0, kFile, 99), UIE_BAD_RESOURCE);
  EXPECT_EQ(LoadPanel(panel + 1000, kFile, CHILD), UIE_BAD_PANEL);
  const int second = LoadPanel(0, kFile, TESTPANEL);
  EXPECT_GT(second, child);
  EXPECT_NE(GetPanelMenuBar(second), GetPanelMenuBar(panel));
  EXPECT_EQ(DiscardPanel(second), 0);
  EXPECT_EQ(DiscardPanel(second), UIE_BAD_PANEL);
}

TEST_F(PanelsTest, ClientAreaHasThePanelSizeAndColour) {
  int width = 0, height = 0, colour = 0;
  EXPECT_EQ(GetPanelAttribute(panel, ATTR_WIDTH, &width), 0);
  EXPECT_EQ(GetPanelAttribute(panel, ATTR_HEIGHT, &height), 0);
  EXPECT_EQ(GetPanelAttribute(panel, ATTR_BACKCOLOR, &colour), 0);
  EXPECT_EQ(width, 400);
  EXPECT_EQ(height, 300);
  EXPECT_EQ(colour, 0xECE9D8);
  QWidget* window = qtui::PanelWidget(panel);
  EXPECT_EQ(window->width(), 400);
  EXPECT_GT(window->height(), 300);  // the menu bar stands above the client area
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(236, 233, 216));
}

TEST_F(PanelsTest, AttributesReadBackAsSet) {
  struct Case {
    int attribute;
    int value;
  } cases[] = {{ATTR_TOP, 40},          {ATTR_LEFT, 25},          {ATTR_WIDTH, 500},
               {ATTR_HEIGHT, 320},      {ATTR_WINDOW_ZOOM, VAL_MAXIMIZE},
               {ATTR_WINDOW_ZOOM, VAL_MINIMIZE}, {ATTR_WINDOW_ZOOM, VAL_NO_ZOOM},
               {ATTR_VISIBLE, 1},       {ATTR_VISIBLE, 0},        {ATTR_HAS_TASKBAR_BUTTON, 0},
               {ATTR_HAS_TASKBAR_BUTTON, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(SetPanelAttribute(panel, c.attribute, c.value), 0) << c.attribute;
    int value = -1;
    EXPECT_EQ(GetPanelAttribute(panel, c.attribute, &value), 0);
    EXPECT_EQ(value, c.value) << c.attribute;
  }
  EXPECT_EQ(qtui::PanelWidget(panel)->geometry().topLeft(), QPoint(25, 40));
  EXPECT_EQ(SetPanelAttribute(panel, ATTR_WIDTH, 0), UIE_BAD_ATTRIBUTE);
  EXPECT_EQ(SetPanelAttribute(panel, ATTR_WINDOW_ZOOM, 3), UIE_BAD_ATTRIBUTE);
  EXPECT_EQ(SetPanelAttribute(panel, ATTR_TITLE, std::string("VELT-1 Steuerung")), 0);
  std::string title;
  EXPECT_EQ(GetPanelAttribute(panel, ATTR_TITLE, &title), 0);
  EXPECT_EQ(title, "VELT-1 Steuerung");
  EXPECT_EQ(qtui::PanelWidget(panel)->windowTitle(), "VELT-1 Steuerung");
}

TEST_F(PanelsTest, OnlyTopLevelPanelsHaveTaskbarButtons) {
  int top = -1, sub = -1;
  EXPECT_EQ(GetPanelAttribute(panel, ATTR_HAS_TASKBAR_BUTTON, &top), 0);
  EXPECT_EQ(GetPanelAttribute(child, ATTR_HAS_TASKBAR_BUTTON, &sub), 0);
  EXPECT_EQ(top, 1);
  EXPECT_EQ(sub, 0);
  EXPECT_TRUE(qtui::PanelWidget(panel)->isWindow());
  EXPECT_EQ(qtui::PanelWidget(child)->parentWidget(), qtui::PanelWidget(panel));
  EXPECT_EQ(SetPanelAttribute(child, ATTR_HAS_TASKBAR_BUTTON, 1), UIE_BAD_ATTRIBUTE);
}

TEST_F(PanelsTest, ActivePanelIsTheLastShown) {
  const int other = LoadPanel(0, kFile, TESTPANEL);
  EXPECT_EQ(DisplayPanel(panel), 0);
  EXPECT_EQ(DisplayPanel(other), 0);
  EXPECT_EQ(GetActivePanel(), other);
  EXPECT_EQ(HidePanel(other), 0);
  EXPECT_EQ(GetActivePanel(), panel);
  EXPECT_FALSE(qtui::IsPanelVisible(other));
  DiscardPanel(other);
}

TEST_F(PanelsTest, DiscardTakesTheChildrenAlong) {
  EXPECT_EQ(DiscardPanel(panel), 0);
  EXPECT_EQ(DisplayPanel(child), UIE_BAD_PANEL);
  EXPECT_EQ(qtui::PanelWidget(child), nullptr);
  panel = 0;
}

TEST_F(PanelsTest, PictureOfAHiddenPanelHasItsSize) {
  QTemporaryDir dir;
  const std::string plain = (dir.path() + "/panel.png").toStdString();
  const std::string withBar = (dir.path() + "/panel_menu.png").toStdString();
  ASSERT_TRUE(qtui::SavePanelImage(panel, plain, false));
  ASSERT_TRUE(qtui::SavePanelImage(panel, withBar, true));
  const QImage image(QString::fromStdString(plain));
  EXPECT_EQ(image.size(), QSize(400, 300));
  EXPECT_EQ(image.pixelColor(399, 150), QColor(236, 233, 216));
  EXPECT_GT(QImage(QString::fromStdString(withBar)).height(), 300);
  EXPECT_FALSE(qtui::SavePanelImage(panel + 1000, plain, false));
  EXPECT_TRUE(qtui::SaveMenuImage(GetPanelMenuBar(panel), DATEI, (dir.path() + "/datei.png").toStdString()));
}

}  // namespace
}  // namespace kit
