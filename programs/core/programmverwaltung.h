#pragma once
// Programmverwaltung: the program table and all the program keeps about it:
// the seventeen entries (entry 0 the device's working parameters "A", entries
// 1 to 16 its stored programs), the selected entry and its working copy bound
// to the main panel's thirteen parameter controls, the program clipboard, the
// parameter file the table belongs to and whether it has changes no file holds.
//
// The working copy enters the table only when another entry is selected, on
// copy, before a write to the device and before a file is saved; the table
// entry enters the working copy on reset, rename, paste, read and file load.
//
// The module knows no panel: the main panel installs a display (ProgAnzeige),
// and every operation here that changes what is shown updates it.

#include <string>

#include "programs/core/programmtabelle.h"

extern Programm gProg[PROGRAMM_ANZAHL];
extern int gProgIndex;
extern Programm gProgAktuell;
extern Programm gProgZwischenablage;
// The current parameter file: a full path, or the placeholder "Unbenannt".
extern std::string gDateiname;
// 1 while there are changes that no file holds.
extern unsigned char gDatenGeaendert;

// What shows the table: the program list, the parameter controls, the title.
class ProgAnzeige {
 public:
  virtual ~ProgAnzeige() = default;
  // All 17 list labels from the table's names, the list set to gProgIndex.
  virtual void Liste() = 0;
  // The working copy on the parameter controls.
  virtual void Aktuell() = 0;
  // "VELT-1 Steuerung - <file name without folder>".
  virtual void Titel() = 0;
};
// The display to update from now on; nullptr: none.
void Prog_AnzeigeSetzen(ProgAnzeige* anzeige);

// ---- the table -------------------------------------------------------------
// Table, selection, clipboard and working copy back to "Neu" (shown), no
// unsaved changes, file name "Unbenannt"; 0.
int Prog_Initialisieren();
int Prog_AktuellInTabelle(int index);
int Prog_TabelleInAktuell(int index);
// Keeps the edits of the entry left, then shows the new one; 0.
int Prog_Auswaehlen(int index);
// The display's list, and its parameter controls.
void Prog_ListeAktualisieren();
void Prog_AktuellAnzeigen();
// 0 = the record may be kept, written or saved; it accepts every record.
int Prog_Plausibilitaetspruefung(const Programm* programm);
// The selected entry takes the name typed into the rename popup; 0.
int Prog_Umbenennen(const std::string& eingabe);
void Prog_Copy();
int Prog_Paste();
// Around the parameter file: the loaded table onto the display; the working
// copy into the table before it is written.
int ProgrammverwaltungNachDateiLaden();
int ProgrammverwaltungVorDateiSpeichern();

// ---- the table's parameter file ----------------------------------------------
int AlsGespeichertSetzen();
int DatenAlsGeaendertMarkieren();
// gDateiname = the placeholder of the current language; 0.
int DateinameZuruecksetzen();
// The display's title; 0.
int PaneltitelAktualisieren();
// Whether the table has no file yet (either language's placeholder).
bool DateiUnbenannt();
std::string DateinameOhneOrdner();
// The file now holds the table: it names the title and nothing is unsaved.
void DateiUebernehmen(const std::string& pfad);
