#include "ui/globals.h"

int gSprache = 1;
std::string gPaneltitle;

const char* UiDateiname() {
  // An English copy of the definition would carry the same identifiers; the
  // program itself only ever runs in German.
  return gSprache == 2 ? "DAX2BSteuerungGui_en.uir" : "VELT1SteuerungGui.uir";
}
