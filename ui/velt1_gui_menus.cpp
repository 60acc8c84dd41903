// The three menu bars. IDs within a bar run from 2 in the order shown, depth
// first; menus, submenus and separators take an ID each. The "Fenster" menus
// stay empty here: the window list fills them at run time.

#include "ui/velt1_gui.h"
#include "ui/velt1_gui_build.h"

namespace ui::gui {

namespace {

MenuDef Menu(int id, const char* constant, const char* label) {
  return {id, constant, MenuKind::Menu, label, 0};
}

MenuDef Item(int id, const char* constant, const char* label, int parent, const char* callback = "",
             bool checked = false) {
  return {id, constant, MenuKind::Item, label, parent, callback, checked};
}

constexpr const char* kBeenden = "Menu_Datei_Beenden";

// "Datei" with "Beenden", and "Fenster": the bars of the COM and status panels.
MenuBarDef SmallBar(int id, const char* constant) {
  return {id, constant, {
      Menu(2, "DATEI", "Datei"),
      Item(3, "DATEI_BEENDEN", "Beenden", 2, kBeenden),
      Menu(4, "FENSTER", "Fenster"),
  }};
}

MenuBarDef MainBar() {
  constexpr const char* kDatei = "Menu_Main_Datei";
  constexpr const char* kProgramm = "Menu_Main_Programm";
  constexpr const char* kSprache = "Menu_Main_Sprache";
  return {MENUMAIN, "MENUMAIN", {
      Menu(MENUMAIN_DATEI, "DATEI", "Datei"),
      Item(MENUMAIN_DATEI_NEU, "DATEI_NEU", "Neu", MENUMAIN_DATEI, kDatei),
      Item(MENUMAIN_DATEI_LADEN, "DATEI_LADEN", "Laden...", MENUMAIN_DATEI, kDatei),
      Item(MENUMAIN_DATEI_SPEICHERN, "DATEI_SPEICHERN", "Speichern", MENUMAIN_DATEI, kDatei),
      Item(MENUMAIN_DATEI_SPEICHERNUNTER, "DATEI_SPEICHERNUNTER", "Speichern unter...",
           MENUMAIN_DATEI, kDatei),
      {MENUMAIN_DATEI_SEPARATOR, "DATEI_SEPARATOR", MenuKind::Separator, "", MENUMAIN_DATEI},
      Item(MENUMAIN_DATEI_BEENDEN, "DATEI_BEENDEN", "Beenden", MENUMAIN_DATEI, kBeenden),
      Menu(MENUMAIN_PROGRAMM, "PROGRAMM", "Programm"),
      Item(MENUMAIN_PROGRAMM_UMBENENNEN, "PROGRAMM_UMBENENNEN", "Umbenennen...",
           MENUMAIN_PROGRAMM, kProgramm),
      Item(MENUMAIN_PROGRAMM_COPY, "PROGRAMM_COPY", "Kopieren", MENUMAIN_PROGRAMM, kProgramm),
      Item(MENUMAIN_PROGRAMM_PASTE, "PROGRAMM_PASTE", "Einfügen", MENUMAIN_PROGRAMM, kProgramm),
      Menu(MENUMAIN_FENSTER, "FENSTER", "Fenster"),
      Menu(MENUMAIN_OPTIONEN, "OPTIONEN", "Optionen"),
      Item(MENUMAIN_OPTIONEN_SPRACHE, "OPTIONEN_SPRACHE", "Sprache", MENUMAIN_OPTIONEN),
      // The submenu hangs off the item "Sprache" that opens it.
      {MENUMAIN_OPTIONEN_SPRACHE_SUBMENU, "OPTIONEN_SPRACHE_SUBMENU", MenuKind::Submenu, "",
       MENUMAIN_OPTIONEN_SPRACHE},
      Item(MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_DEUTSCH, "OPTIONEN_SPRACHE_SUBMENU_DEUTSCH", "Deutsch",
           MENUMAIN_OPTIONEN_SPRACHE_SUBMENU, kSprache, true),
      Item(MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_ENGLISCH, "OPTIONEN_SPRACHE_SUBMENU_ENGLISCH",
           "English", MENUMAIN_OPTIONEN_SPRACHE_SUBMENU, kSprache),
      Menu(MENUMAIN_HILFE, "HILFE", "Hilfe"),
      Item(MENUMAIN_HILFE_INFO, "HILFE_INFO", "Info", MENUMAIN_HILFE, "Menu_Main_Info"),
  }};
}

}  // namespace

std::vector<MenuBarDef> MenuBars() {
  return {SmallBar(MENUCOM, "MENUCOM"), MainBar(), SmallBar(MENUSTATUS, "MENUSTATUS")};
}

}  // namespace ui::gui
