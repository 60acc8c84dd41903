#pragma once
// Programmanzeige: the program table on the main panel: the program list,
// the thirteen parameter controls bound to the working copy, and the title
// that names the parameter file. The main panel hands itself over while it
// loads; from then on the table shows its changes here.

// Shows the table on `panel` from now on; 0 stops showing it.
void Prog_AnzeigeAnbinden(int panel);

// Commit of any of the thirteen parameter controls: reads all of them.
int Callback_AllgemeineAenderung(int panel, int control, int event, void* callbackData,
                                 int eventData1, int eventData2);
// Commit of the program list: selects the entry chosen.
int Callback_Programmliste(int panel, int control, int event, void* callbackData,
                           int eventData1, int eventData2);
