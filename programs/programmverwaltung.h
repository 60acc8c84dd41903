#pragma once
// Programmverwaltung: the table of seventeen programs (entry 0 the device's
// working parameters "A", entries 1 to 16 its stored programs), the selected
// entry and its working copy bound to the main panel's thirteen parameter
// controls, the program clipboard, and the operations on whole programs.
//
// The working copy enters the table only when another entry is selected, on
// copy, before a write to the device and before a file is saved; the table
// entry enters the working copy on reset, rename, paste, read and file load.

#include <string>

#include "programs/core/programmtabelle.h"

extern Programm gProg[PROGRAMM_ANZAHL];
extern int gProgIndex;
extern Programm gProgAktuell;
extern Programm gProgZwischenablage;

// ---- the table -------------------------------------------------------------
// Table, selection, clipboard, list and parameter controls back to the
// defaults; no unsaved changes, file name "Unbenannt"; 0.
int Prog_Initialisieren();
int Prog_AktuellInTabelle(int index);
int Prog_TabelleInAktuell(int index);
// The thirteen parameter controls from / into the working copy.
void Prog_AktuellAnzeigen();
void Prog_AktuellEinlesen();
// Keeps the edits of the entry left, then shows the new one; 0.
int Prog_Auswaehlen(int index);
// All 17 list labels from the table's names, the list set to gProgIndex.
void Prog_ListeAktualisieren();
int Prog_ListeAuswahlSetzen();
// 0 = the record may be kept, written or saved; it accepts every record.
int Prog_Plausibilitaetspruefung(const Programm* programm);

// Commit of any of the thirteen parameter controls: reads all of them.
int Callback_AllgemeineAenderung(int panel, int control, int event, void* callbackData,
                                 int eventData1, int eventData2);
// Commit of the program list: selects the entry chosen.
int Callback_Programmliste(int panel, int control, int event, void* callbackData,
                           int eventData1, int eventData2);

// ---- operations on whole programs ----------------------------------------
// Ask "aktuelles" / "alle" / "abbrechen" and transfer; 0, the answer that
// cancelled, or the first error code (also shown on the error displays).
int Prog_ProgrammeAufGeraetSchreiben();
int Prog_ProgrammeVonGeraetLesen();
// The selected entry's name through the rename popup; 0, or 1 when cancelled.
int Prog_Umbenennen();
void Prog_Copy();
int Prog_Paste();
// Around the parameter file: the loaded table onto list and panel; the
// working copy into the table before it is written.
int ProgrammverwaltungNachDateiLaden();
int ProgrammverwaltungVorDateiSpeichern();
