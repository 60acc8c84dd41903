#pragma once
// Builders for the definition tables of velt1_gui_*.cpp, and the places that
// the three top-level panels share: the COM state picture, the "Com" LED and
// the error display sit at the same spot on each of them.

#include <string>
#include <vector>

#include "ui/definition.h"

namespace ui::gui {

// Bottom strip of the top-level panels (510 x 760).
inline constexpr Rect kStripPicture{446, 16, 56, 48};
inline constexpr Rect kStripComLed{462, 88, 16, 16};
inline constexpr Rect kStripFehlerLed{462, 144, 16, 16};
inline constexpr Rect kStripFehlerNummer{458, 216, 88, 24};
inline constexpr Rect kStripFehlerString{458, 312, 432, 24};
// The "Zurück zum Hauptfenster" button of the COM and status panels.
inline constexpr Rect kBackButton{400, 544, 200, 28};

// A panel with no controls yet: a dialog, or one of the three top-level panels,
// which share their size, the panel callback and a menu bar of their own.
PanelDef Panel(int id, const std::string& constant, const std::string& title, int height,
               int width);
PanelDef TopLevelPanel(int id, const std::string& constant, const std::string& title, int menuBar);

CtrlDef CommandButton(int id, const std::string& constant, const std::string& label, Rect rect,
                      const std::string& callback = "");
CtrlDef PictureButton(int id, const std::string& constant, Image image, Rect rect,
                      const std::string& callback);
CtrlDef ToggleButton(int id, const std::string& constant, const std::string& offText,
                     const std::string& onText, Rect rect, const std::string& callback);
CtrlDef Led(int id, const std::string& constant, const std::string& label, Rect rect,
            int initial = 0, LabelPos labelPos = LabelPos::Right);
CtrlDef Numeric(int id, const std::string& constant, const std::string& label, Rect rect,
                LabelPos labelPos, ValueType type, double initial, double minimum,
                double maximum, double increment, int precision, const std::string& callback = "");
CtrlDef StringCtrl(int id, const std::string& constant, const std::string& label, Rect rect,
                   LabelPos labelPos, bool onlyDisplays = false);
CtrlDef TextMessage(int id, const std::string& constant, const std::string& text, Rect rect);
CtrlDef Ring(int id, const std::string& constant, const std::string& label, Rect rect,
             LabelPos labelPos, ValueType type, std::vector<RingItem> items,
             const std::string& callback = "");
// The COM state picture: one image per value 0 (no port), 1..16 and 99.
CtrlDef ComPictureRing(int id, const std::string& constant, Rect rect);
CtrlDef Picture(int id, const std::string& constant, Image image, Rect rect);
CtrlDef Decoration(int id, const std::string& constant, Rect rect);
CtrlDef Timer(int id, const std::string& constant, const std::string& label, Rect rect,
              double interval, bool enabled, const std::string& callback);
// The error display: LED "Fehler", number (full int range), text; the number
// and the text only display.
CtrlDef FehlerLed(int id, const std::string& constant);
CtrlDef FehlerNummer(int id, const std::string& constant);
CtrlDef FehlerString(int id, const std::string& constant);

PanelDef ComPanel();
PanelDef InfoPanel();
PanelDef KalibPanel();
PanelDef MainPanel();
PanelDef RenamePanel();
PanelDef StatusPanel();
std::vector<MenuBarDef> MenuBars();

}  // namespace ui::gui
