#pragma once
// Qor_Com: the program's one device session (open COM port, last COM port,
// bus address), the list of serial ports, and the controls that show them on
// every panel. Panels hand their controls over while they load; from then on
// this module keeps all copies in step: the COM state pictures, the port and
// address rings, the error display of each panel, and the device search on
// the COM panel (ID read and scan of the bus addresses).
//
// Single-threaded: everything runs on the user-interface thread.

// Capacities of the control tables.
constexpr int MAX_PICTURERINGCONTROLS = 10;
constexpr int MAX_FEHLERCONTROLS = 10;
constexpr int MAX_ADRESSLEDS = 15;

// Codes of this module.
constexpr int QORCOM_FEHLER_LASTCOMPORT = -110302;   // last port outside 0..256
constexpr int QORCOM_FEHLER_COMPORT = -110303;       // port outside 0..256
constexpr int QORCOM_FEHLER_ID_NICHT_OFFEN = -122304;
constexpr int QORCOM_FEHLER_SCAN_NICHT_OFFEN = -122305;
constexpr int QORCOM_FEHLER_ADRESSE = -400301;       // not '1'..'9' or '&'

// ---- session -----------------------------------------------------------------
// Makes `port` the open port (0 closes): the old port is closed first, and a
// port that fails to open leaves the session closed. Returns the driver's code.
int QorCom_Open(int port);
int QorCom_Close();
int QorCom_ComPortGet();
int QorCom_LastComPortGet();
int QorCom_LastComPortSet(int port);
int QorCom_AdresseSet(char adresse);
int QorCom_AdresseGet();
// Closes an open port, or reopens the last one.
int QorCom_ComPortUmschalten();
// Rebuilds the port ring's list from the system's ports; closes the session
// when its port is no longer there.
void QorCom_ComPortListeFuellen(int panel, int control);

// ---- controls ------------------------------------------------------------------
void QorCom_RegisterComControl(int panel, int control);
void QorCom_RegisterAdressControl(int panel, int control);
void QorCom_RegisterPictureringControl(int panel, int control);
void QorCom_RegisterFehlerControls(int panel, int led, int text, int number);
void QorCom_RegisterIdReadButton(int panel, int control);
void QorCom_RegisterIdTextdisplay(int panel, int control);
void QorCom_RegisterAdressLeds(int panel, int control);
void QorCom_RegisterScanButton(int panel, int control);
void QorCom_RegisterScanStringControl(int panel, int control);

// The port ring and every COM state picture (0, 1..16, 99 above 16).
void QorCom_ComPortAnzeigen(int port);
// Every error display: LED, message text and the number -code; 0 clears.
void QorCom_FehlermeldungSet(int code);
// 1 German, 2 English; other values are ignored.
void QorCom_SpracheSetzen(int sprache);

// Connects the device services to this session and its error display.
void QorCom_DienstAnbinden();
// Forgets every registered control and ends the session, so that panels
// loaded afresh in the same process start from the beginning.
void QorCom_Freigeben();

// ---- device search ---------------------------------------------------------------
int QorCom_IdLesen();
int QorCom_Scan();

// ---- callbacks --------------------------------------------------------------------
int Callback_ComPortEinstellen(int panel, int control, int event, void* callbackData,
                               int eventData1, int eventData2);
int Callback_ComPortUmschalten(int panel, int control, int event, void* callbackData,
                               int eventData1, int eventData2);
int Callback_ComPortAdresse(int panel, int control, int event, void* callbackData,
                            int eventData1, int eventData2);
int Callback_IdLesen(int panel, int control, int event, void* callbackData, int eventData1,
                     int eventData2);
int Callback_Scan(int panel, int control, int event, void* callbackData, int eventData1,
                  int eventData2);
