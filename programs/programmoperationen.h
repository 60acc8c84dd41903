#pragma once
// The transfers of whole programs between the table and the device, from the
// main panel's buttons: the question "aktuelles" / "alle" / "abbrechen", the
// progress box while all programs travel, and the outcome on the error
// displays.

// 0, the answer that cancelled, or the first error code.
int Prog_ProgrammeAufGeraetSchreiben();
int Prog_ProgrammeVonGeraetLesen();
