// The runtime of programs without a screen (command line tools, core tests):
// popups go to the installed responder or to standard error; everything that
// needs windows fails with UIE_NO_RUNTIME.

#include <cstdio>

#include "ui/popup_responder.h"
#include "ui/runtime.h"

constexpr int kNo = UIE_NO_RUNTIME;

int LoadPanel(int, const std::string&, int) { return kNo; }
int DiscardPanel(int) { return kNo; }
int DisplayPanel(int) { return kNo; }
int HidePanel(int) { return kNo; }
int GetActivePanel() { return kNo; }
int SetPanelAttribute(int, int, int) { return kNo; }
int SetPanelAttribute(int, int, const std::string&) { return kNo; }
int GetPanelAttribute(int, int, int*) { return kNo; }
int GetPanelAttribute(int, int, std::string*) { return kNo; }

int SetCtrlVal(int, int, int) { return kNo; }
int SetCtrlVal(int, int, double) { return kNo; }
int SetCtrlVal(int, int, const std::string&) { return kNo; }
int SetCtrlVal(int, int, const char*) { return kNo; }
int GetCtrlVal(int, int, int*) { return kNo; }
int GetCtrlVal(int, int, double*) { return kNo; }
int GetCtrlVal(int, int, std::string*) { return kNo; }
int SetCtrlAttribute(int, int, int, int) { return kNo; }
int SetCtrlAttribute(int, int, int, double) { return kNo; }
int SetCtrlAttribute(int, int, int, const std::string&) { return kNo; }
int GetCtrlAttribute(int, int, int, int*) { return kNo; }
int GetCtrlAttribute(int, int, int, double*) { return kNo; }
int GetCtrlAttribute(int, int, int, std::string*) { return kNo; }
int InstallCtrlCallback(int, int, CtrlCallbackPtr, void*) { return kNo; }

int ClearListCtrl(int, int) { return kNo; }
int InsertListItem(int, int, int, const std::string&, int) { return kNo; }
int InsertListItem(int, int, int, const std::string&, double) { return kNo; }
int ReplaceListItem(int, int, int, const std::string&, int) { return kNo; }
int GetNumListItems(int, int, int*) { return kNo; }
int GetIndexFromValue(int, int, int*, int) { return kNo; }
int GetIndexFromValue(int, int, int*, double) { return kNo; }
int GetValueFromIndex(int, int, int, int*) { return kNo; }
int GetValueFromIndex(int, int, int, double*) { return kNo; }
int GetLabelFromIndex(int, int, int, std::string*) { return kNo; }
int GetCtrlIndex(int, int, int*) { return kNo; }
int SetCtrlIndex(int, int, int) { return kNo; }

int GetPanelMenuBar(int) { return kNo; }
int NewMenuItem(int, int, const std::string&, int, int, MenuCallbackPtr, void*) { return kNo; }
int DiscardMenu(int, int) { return kNo; }
int SetMenuBarAttribute(int, int, int, int) { return kNo; }
int SetMenuBarAttribute(int, int, int, const std::string&) { return kNo; }
int SetMenuBarCallback(int, int, MenuCallbackPtr, void*) { return kNo; }
int GetMenuBarAttribute(int, int, int, int*) { return kNo; }
int GetMenuBarAttribute(int, int, int, std::string*) { return kNo; }

int RunUserInterface() { return kNo; }
int QuitUserInterface(int) { return kNo; }
int SetSystemAttribute(int, int) { return kNo; }
// No screen to keep up to date.
int ProcessDrawEvents() { return 0; }

int MessagePopup(const std::string& title, const std::string& message) {
  if (auto responder = ui::CurrentPopupResponder())
    responder->messagePopup(title, message);
  else
    std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
  return 0;
}

int GenericMessagePopup(const std::string& title, const std::string& message,
                        const std::string& button1, const std::string& button2,
                        const std::string& button3, int focusButton, int enterButton,
                        int escapeButton) {
  ui::GenericPopupRequest request{title, message, {button1, button2, button3},
                                  focusButton, enterButton, escapeButton};
  if (auto responder = ui::CurrentPopupResponder()) return responder->genericMessagePopup(request);
  // Nobody can answer: take the way out the box offers.
  std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
  return escapeButton > 0 ? escapeButton : 1;
}

int FileSelectPopup(const std::string& defaultDirectory, const std::string& defaultFileSpec,
                    const std::string& fileTypeList, const std::string& title, int buttonLabel,
                    int restrictDirectory, int restrictExtension, int allowCancel,
                    int allowMakeDirectory, std::string* path) {
  auto responder = ui::CurrentPopupResponder();
  if (!responder) return VAL_NO_FILE_SELECTED;
  ui::FileSelectRequest request{defaultDirectory,       defaultFileSpec,        fileTypeList,
                                title,                  buttonLabel,            restrictDirectory != 0,
                                restrictExtension != 0, allowCancel != 0,       allowMakeDirectory != 0};
  return responder->fileSelectPopup(request, path);
}

int CreateProgressDialog(int, const std::string&, const std::string&, int) { return kNo; }
int UpdateProgressDialog(int, const std::string&, int) { return kNo; }
int DiscardProgressDialog(int) { return kNo; }

int InstallPopup(int) { return kNo; }
int RemovePopup(int) { return kNo; }
int GetUserEvent(int, int*, int*) { return kNo; }
