// The three menu bars. IDs within a bar run from 2 in the order shown, depth
// first; menus, submenus and separators take an ID each. The "Fenster" menus
// stay empty here: the window list fills them at run time.

#include "ui/velt1_gui.h"
#include "ui/velt1_gui_build.h"

namespace ui::gui {

namespace {

MenuDef Entry(int id, const char* constant, MenuKind kind, const char* label, int parent,
              const char* callback = "", bool checked = false) {
  return {id, constant, kind, label, parent, callback, checked};
}

constexpr const char* kBeenden = "Menu_Datei_Beenden";

// "Datei" with "Beenden", and "Fenster": the bars of the COM and status panels.
MenuBarDef SmallBar(int id, const char* constant) {
  return {id, constant,
          {
              Entry(2, "DATEI", MenuKind::Menu, "Datei", 0),
              Entry(3, "DATEI_BEENDEN", MenuKind::Item, "Beenden", 2, kBeenden),
              Entry(4, "FENSTER", MenuKind::Menu, "Fenster", 0),
          }};
}

MenuBarDef MainBar() {
  constexpr const char* kDatei = "Menu_Main_Datei";
  constexpr const char* kProgramm = "Menu_Main_Programm";
  constexpr const char* kSprache = "Menu_Main_Sprache";
  return {MENUMAIN, "MENUMAIN", {
      Entry(MENUMAIN_DATEI, "DATEI", MenuKind::Menu, "Datei", 0),
      Entry(MENUMAIN_DATEI_NEU, "DATEI_NEU", MenuKind::Item, "Neu", MENUMAIN_DATEI, kDatei),
      Entry(MENUMAIN_DATEI_LADEN, "DATEI_LADEN", MenuKind::Item, "Laden...", MENUMAIN_DATEI,
            kDatei),
      Entry(MENUMAIN_DATEI_SPEICHERN, "DATEI_SPEICHERN", MenuKind::Item, "Speichern",
            MENUMAIN_DATEI, kDatei),
      Entry(MENUMAIN_DATEI_SPEICHERNUNTER, "DATEI_SPEICHERNUNTER", MenuKind::Item,
            "Speichern unter...", MENUMAIN_DATEI, kDatei),
      Entry(MENUMAIN_DATEI_SEPARATOR, "DATEI_SEPARATOR", MenuKind::Separator, "",
            MENUMAIN_DATEI),
      Entry(MENUMAIN_DATEI_BEENDEN, "DATEI_BEENDEN", MenuKind::Item, "Beenden", MENUMAIN_DATEI,
            kBeenden),
      Entry(MENUMAIN_PROGRAMM, "PROGRAMM", MenuKind::Menu, "Programm", 0),
      Entry(MENUMAIN_PROGRAMM_UMBENENNEN, "PROGRAMM_UMBENENNEN", MenuKind::Item,
            "Umbenennen...", MENUMAIN_PROGRAMM, kProgramm),
      Entry(MENUMAIN_PROGRAMM_COPY, "PROGRAMM_COPY", MenuKind::Item, "Kopieren",
            MENUMAIN_PROGRAMM, kProgramm),
      Entry(MENUMAIN_PROGRAMM_PASTE, "PROGRAMM_PASTE", MenuKind::Item, "Einfügen",
            MENUMAIN_PROGRAMM, kProgramm),
      Entry(MENUMAIN_FENSTER, "FENSTER", MenuKind::Menu, "Fenster", 0),
      Entry(MENUMAIN_OPTIONEN, "OPTIONEN", MenuKind::Menu, "Optionen", 0),
      Entry(MENUMAIN_OPTIONEN_SPRACHE, "OPTIONEN_SPRACHE", MenuKind::Item, "Sprache",
            MENUMAIN_OPTIONEN),
      // The submenu hangs off the item "Sprache" that opens it.
      Entry(MENUMAIN_OPTIONEN_SPRACHE_SUBMENU, "OPTIONEN_SPRACHE_SUBMENU", MenuKind::Submenu, "",
            MENUMAIN_OPTIONEN_SPRACHE),
      Entry(MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_DEUTSCH, "OPTIONEN_SPRACHE_SUBMENU_DEUTSCH",
            MenuKind::Item, "Deutsch", MENUMAIN_OPTIONEN_SPRACHE_SUBMENU, kSprache, true),
      Entry(MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_ENGLISCH, "OPTIONEN_SPRACHE_SUBMENU_ENGLISCH",
            MenuKind::Item, "English", MENUMAIN_OPTIONEN_SPRACHE_SUBMENU, kSprache),
      Entry(MENUMAIN_HILFE, "HILFE", MenuKind::Menu, "Hilfe", 0),
      Entry(MENUMAIN_HILFE_INFO, "HILFE_INFO", MenuKind::Item, "Info", MENUMAIN_HILFE,
            "Menu_Main_Info"),
  }};
}

}  // namespace

std::vector<MenuBarDef> MenuBars() {
  return {SmallBar(MENUCOM, "MENUCOM"), MainBar(), SmallBar(MENUSTATUS, "MENUSTATUS")};
}

}  // namespace ui::gui
