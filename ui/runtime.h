#pragma once
// The user-interface runtime: panels, controls, menus, popups, timers and the
// event loop, addressed by panel handles and numeric control IDs. Panel
// modules are written against these functions only and never see a toolkit.
//
// The functions are bound at link time: the program links the Qt
// implementation (app/), programs without a screen link the console one
// (ui/console_runtime.cpp), whose popups write to standard error and whose
// other operations fail with UIE_NO_RUNTIME.
//
// Results: 0 or a positive handle/ID/count on success, a negative UIE_ code
// on failure.

#include <memory>
#include <string>

// ---- results -------------------------------------------------------------
enum {
  UIE_NO_RUNTIME = -1,
  UIE_BAD_PANEL = -2,       // no such panel handle
  UIE_BAD_CONTROL = -3,     // no such control on the panel
  UIE_BAD_RESOURCE = -4,    // no such file or panel resource ID
  UIE_BAD_ATTRIBUTE = -5,   // attribute or value type does not fit the control
  UIE_BAD_INDEX = -6,       // list index out of range, value not in the list
  UIE_BAD_MENU = -7,        // no such menu bar, menu or item
};

// ---- events --------------------------------------------------------------
enum {
  EVENT_NONE = 0,
  EVENT_COMMIT = 1,
  EVENT_LEFT_CLICK = 2,
  EVENT_LEFT_DOUBLE_CLICK = 3,
  EVENT_KEYPRESS = 4,
  EVENT_TIMER_TICK = 5,
  EVENT_CLOSE = 6,
};

// ---- callbacks -----------------------------------------------------------
using CtrlCallbackPtr = int (*)(int panel, int control, int event, void* callbackData,
                                int eventData1, int eventData2);
using PanelCallbackPtr = int (*)(int panel, int event, void* callbackData, int eventData1,
                                 int eventData2);
using MenuCallbackPtr = void (*)(int menuBar, int menuItem, void* callbackData, int panel);

// Callbacks named in the panel definitions are found by name when a panel or
// menu bar is loaded; modules register theirs before they load a panel.
void RegisterCtrlCallback(const std::string& name, CtrlCallbackPtr callback);
void RegisterPanelCallback(const std::string& name, PanelCallbackPtr callback);
void RegisterMenuCallback(const std::string& name, MenuCallbackPtr callback);

// ---- attributes ----------------------------------------------------------
enum {
  // controls
  ATTR_DIMMED = 1,             // int 0/1 (also menu items)
  ATTR_LABEL_TEXT = 2,         // text
  ATTR_MAX_VALUE = 3,          // int or double, as the control's value type
  ATTR_MIN_VALUE = 4,
  ATTR_INCR_VALUE = 5,
  ATTR_PRECISION = 6,          // int, decimals shown
  ATTR_MAX_ENTRY_LENGTH = 7,   // int, string controls
  ATTR_ON_COLOR = 8,           // int 0xRRGGBB, LEDs
  ATTR_ENABLED = 9,            // int 0/1, timers
  ATTR_INTERVAL = 10,          // double seconds, timers
  ATTR_VISIBLE = 11,           // int 0/1, controls and panels
  ATTR_ON_TEXT = 12,           // text, toggle buttons
  ATTR_OFF_TEXT = 13,
  ATTR_CALLBACK_NAME = 14,     // text, read only: the callback named in the definition
  ATTR_CONSTANT_NAME = 15,     // text, read only: "PROGRAMMLISTE"
  ATTR_CTRL_KIND = 16,         // int ui::CtrlKind, read only
  ATTR_DATA_TYPE = 17,         // int ui::ValueType, read only
  ATTR_TOOLTIP_TEXT = 18,      // text shown when the pointer rests on the control
  // panels
  ATTR_TITLE = 30,             // text
  ATTR_TOP = 31,               // int pixels
  ATTR_LEFT = 32,
  ATTR_WIDTH = 33,
  ATTR_HEIGHT = 34,
  ATTR_WINDOW_ZOOM = 35,       // VAL_NO_ZOOM, VAL_MINIMIZE, VAL_MAXIMIZE
  ATTR_HAS_TASKBAR_BUTTON = 36,// int 0/1
  ATTR_BACKCOLOR = 37,         // int 0xRRGGBB
  // menu bars
  ATTR_CHECKED = 50,           // int 0/1
  ATTR_ITEM_NAME = 51,         // text
  // system
  ATTR_TASKBAR_BUTTON_VISIBLE = 70,  // int 0/1: the runtime's own application button
};

enum { VAL_NO_ZOOM = 0, VAL_MINIMIZE = 1, VAL_MAXIMIZE = 2 };

// ---- panels --------------------------------------------------------------
// Loads a panel from a definition file by its resource ID: a top-level window
// when parentPanel is 0, else a child of that panel. Returns a handle > 0.
int LoadPanel(int parentPanel, const std::string& file, int resourceId);
int DiscardPanel(int panel);
int DisplayPanel(int panel);
int HidePanel(int panel);
int GetActivePanel();

int SetPanelAttribute(int panel, int attribute, int value);
int SetPanelAttribute(int panel, int attribute, const std::string& value);
int GetPanelAttribute(int panel, int attribute, int* value);
int GetPanelAttribute(int panel, int attribute, std::string* value);

// ---- controls ------------------------------------------------------------
// Values are int (also LEDs, toggles, int rings and the char rings, whose
// values are character codes), double or text, as the control's type says.
int SetCtrlVal(int panel, int control, int value);
int SetCtrlVal(int panel, int control, double value);
int SetCtrlVal(int panel, int control, const std::string& value);
int SetCtrlVal(int panel, int control, const char* value);
int GetCtrlVal(int panel, int control, int* value);
int GetCtrlVal(int panel, int control, double* value);
int GetCtrlVal(int panel, int control, std::string* value);

int SetCtrlAttribute(int panel, int control, int attribute, int value);
int SetCtrlAttribute(int panel, int control, int attribute, double value);
int SetCtrlAttribute(int panel, int control, int attribute, const std::string& value);
int GetCtrlAttribute(int panel, int control, int attribute, int* value);
int GetCtrlAttribute(int panel, int control, int attribute, double* value);
int GetCtrlAttribute(int panel, int control, int attribute, std::string* value);

int InstallCtrlCallback(int panel, int control, CtrlCallbackPtr callback, void* callbackData);

// ---- list controls (rings) -------------------------------------------------
// index -1 appends.
int ClearListCtrl(int panel, int control);
int InsertListItem(int panel, int control, int index, const std::string& label, int value);
int InsertListItem(int panel, int control, int index, const std::string& label, double value);
int ReplaceListItem(int panel, int control, int index, const std::string& label, int value);
int GetNumListItems(int panel, int control, int* count);
int GetIndexFromValue(int panel, int control, int* index, int value);
int GetIndexFromValue(int panel, int control, int* index, double value);
int GetValueFromIndex(int panel, int control, int index, int* value);
int GetValueFromIndex(int panel, int control, int index, double* value);
int GetLabelFromIndex(int panel, int control, int index, std::string* label);
int GetCtrlIndex(int panel, int control, int* index);
int SetCtrlIndex(int panel, int control, int index);

// ---- menus ---------------------------------------------------------------
int GetPanelMenuBar(int panel);
// Appends an item (beforeItem -1) to a menu; returns the new item's ID.
int NewMenuItem(int menuBar, int menu, const std::string& label, int beforeItem, int shortcutKey,
                MenuCallbackPtr callback, void* callbackData);
// Removes a whole menu, with its items and submenus, from the bar.
int DiscardMenu(int menuBar, int menu);
int SetMenuBarAttribute(int menuBar, int menuOrItem, int attribute, int value);
int SetMenuBarAttribute(int menuBar, int menuOrItem, int attribute, const std::string& value);
int SetMenuBarCallback(int menuBar, int item, MenuCallbackPtr callback, void* callbackData);
int GetMenuBarAttribute(int menuBar, int menuOrItem, int attribute, int* value);
int GetMenuBarAttribute(int menuBar, int menuOrItem, int attribute, std::string* value);

// ---- event loop ----------------------------------------------------------
// Runs until a callback calls QuitUserInterface; returns its code.
int RunUserInterface();
int QuitUserInterface(int code);
int SetSystemAttribute(int attribute, int value);
// Lets the screen catch up while a long operation holds the event loop, at
// each of its steps: the windows paint and answer the window system (expose,
// move, the window manager's check that the program is alive), but nothing
// reaches the program's callbacks, so they never nest. Input waits until the
// operation has returned; a commit, menu choice or close request that arises
// meanwhile is delivered after it; a timer tick that falls into it is
// dropped (the timer ticks again at its interval).
int ProcessDrawEvents();

// ---- modal popups --------------------------------------------------------
// All popups go through the installed responder (ui/popup_responder.h): real
// dialogs in the program, a script in tests.
int MessagePopup(const std::string& title, const std::string& message);
// Returns the chosen button, 1 to 3. An empty label leaves its button out.
// focusButton, enterButton and escapeButton are button numbers (0 = none).
int GenericMessagePopup(const std::string& title, const std::string& message,
                        const std::string& button1, const std::string& button2,
                        const std::string& button3, int focusButton, int enterButton,
                        int escapeButton);

enum { VAL_NO_FILE_SELECTED = 0, VAL_EXISTING_FILE_SELECTED = 1, VAL_NEW_FILE_SELECTED = 2 };
enum { VAL_OK_BUTTON = 0, VAL_SAVE_BUTTON = 1, VAL_SELECT_BUTTON = 2, VAL_LOAD_BUTTON = 3 };
// Returns VAL_NO_FILE_SELECTED (cancelled), VAL_EXISTING_FILE_SELECTED,
// VAL_NEW_FILE_SELECTED, or a negative UIE_ code; the chosen path in *path.
int FileSelectPopup(const std::string& defaultDirectory, const std::string& defaultFileSpec,
                    const std::string& fileTypeList, const std::string& title, int buttonLabel,
                    int restrictDirectory, int restrictExtension, int allowCancel,
                    int allowMakeDirectory, std::string* path);

// Shows a panel as a modal popup / removes the topmost popup.
int InstallPopup(int panel);
int RemovePopup(int allPopups);
// Waits for the next commit on a popup (the interface keeps running) and
// returns EVENT_COMMIT with its panel and control.
int GetUserEvent(int wait, int* panel, int* control);

// ---- progress display ------------------------------------------------------
// A box in the middle of parentPanel that shows how far a long operation has
// come while it holds the event loop: a title, a text and a bar of `maximum`
// steps. It has no cancel button and takes no input; every update draws it
// at once, without running the event loop. Returns a handle > 0.
int CreateProgressDialog(int parentPanel, const std::string& title, const std::string& text,
                         int maximum);
int UpdateProgressDialog(int dialog, const std::string& text, int value);
int DiscardProgressDialog(int dialog);

// ---- paths ---------------------------------------------------------------
int SplitPath(const std::string& path, std::string* drive, std::string* directory,
              std::string* fileName);
