#pragma once
// Identifiers of the user-interface definition "VELT1SteuerungGui.uir": panel
// resource IDs, control IDs (panel + "_" + control) and menu bar, menu and
// item IDs (bar + "_" + menu + "_" + item). Code addresses every panel,
// control and menu item through these names only.

// ---- panels ----------------------------------------------------------------
constexpr int COMPANEL = 1;
constexpr int INFOPANEL = 2;
constexpr int KALIBPANEL = 3;
constexpr int MAINPANEL = 4;
constexpr int RENAMEPNL = 5;
constexpr int STATUSPNL = 6;

// ---- COMPANEL: COM settings -------------------------------------------------
constexpr int COMPANEL_ADRESSE = 2;
constexpr int COMPANEL_COMPORT = 3;
constexpr int COMPANEL_SCANN = 4;
constexpr int COMPANEL_IDLESEN = 5;
constexpr int COMPANEL_ZURUECK = 6;
constexpr int COMPANEL_COMPICTURERING = 7;
constexpr int COMPANEL_FEHLERLED = 8;
constexpr int COMPANEL_FEHLERSTRING = 9;
constexpr int COMPANEL_FEHLERNUMMER = 10;
constexpr int COMPANEL_LED1 = 11;
constexpr int COMPANEL_LED2 = 12;
constexpr int COMPANEL_LED3 = 13;
constexpr int COMPANEL_LED4 = 14;
constexpr int COMPANEL_LED5 = 15;
constexpr int COMPANEL_LED6 = 16;
constexpr int COMPANEL_LED7 = 17;
constexpr int COMPANEL_LED8 = 18;
constexpr int COMPANEL_LED9 = 19;
constexpr int COMPANEL_ID = 20;
constexpr int COMPANEL_SCANNTEXT = 21;

// ---- INFOPANEL -----------------------------------------------------------------
constexpr int INFOPANEL_PICTURE = 2;
constexpr int INFOPANEL_OK = 3;
constexpr int INFOPANEL_TEXTMSG = 4;
constexpr int INFOPANEL_TEXTMSG_2 = 5;
constexpr int INFOPANEL_VERSION = 6;
constexpr int INFOPANEL_DATUM = 7;
constexpr int INFOPANEL_PROGRAMMNAME = 8;

// ---- KALIBPANEL: calibration (loaded, never shown) -----------------------------
constexpr int KALIBPANEL_ABBRUCH = 2;
constexpr int KALIBPANEL_UEBERNEHMEN = 3;
constexpr int KALIBPANEL_WERKSKALIBRIERUNG = 4;
constexpr int KALIBPANEL_IST2 = 5;
constexpr int KALIBPANEL_SOLL2 = 6;
constexpr int KALIBPANEL_DECORATION_3 = 7;
constexpr int KALIBPANEL_IST1 = 8;
constexpr int KALIBPANEL_SOLL1 = 9;
constexpr int KALIBPANEL_DECORATION_2 = 10;
constexpr int KALIBPANEL_TEXTMSG = 11;
constexpr int KALIBPANEL_TEXTMSG_2 = 12;
constexpr int KALIBPANEL_TEXTMSG_3 = 13;

// ---- MAINPANEL -----------------------------------------------------------------
constexpr int MAINPANEL_LADEN = 2;
constexpr int MAINPANEL_SPEICHERN = 3;
constexpr int MAINPANEL_PROGRAMMLISTE = 4;
constexpr int MAINPANEL_PROGLESEN = 5;
constexpr int MAINPANEL_PROGSCHREIBEN = 6;
constexpr int MAINPANEL_PROGRAMMNUMMER = 7;
constexpr int MAINPANEL_PROGRAMMEINSTELLEN = 8;
constexpr int MAINPANEL_PROGRAMMSPEICHERN = 9;
constexpr int MAINPANEL_START = 10;
constexpr int MAINPANEL_STOPP = 11;
constexpr int MAINPANEL_PAR_PRUEFSPANNUNGSQUE = 12;
constexpr int MAINPANEL_PAR_PRUEFSPANNUNG = 13;
constexpr int MAINPANEL_PAR_ANZAHLZAEHNE = 14;
constexpr int MAINPANEL_PAR_SENSORKANAELE = 15;
constexpr int MAINPANEL_PAR_TOLERANZHIGH = 16;
constexpr int MAINPANEL_PAR_TOLERANZLOW = 17;
constexpr int MAINPANEL_PAR_TOLERANZPHASE = 18;
constexpr int MAINPANEL_PAR_SCHWELLWERTSTEIG = 19;
constexpr int MAINPANEL_PAR_SCHWELLWERTFALL = 20;
constexpr int MAINPANEL_PAR_TOTZEITVORSTEIG = 21;
constexpr int MAINPANEL_PAR_TOTZEITNACHSTEIG = 22;
constexpr int MAINPANEL_PAR_TOTZEITVORFALL = 23;
constexpr int MAINPANEL_PAR_TOTZEITNACHFALL = 24;
constexpr int MAINPANEL_COMPICTURERING = 25;
constexpr int MAINPANEL_COMAKTIVLED = 26;
constexpr int MAINPANEL_FEHLERLED = 27;
constexpr int MAINPANEL_FEHLERSTRING = 28;
constexpr int MAINPANEL_FEHLERNUMMER = 29;
constexpr int MAINPANEL_DECORATION_2 = 30;
constexpr int MAINPANEL_DECORATION = 31;
constexpr int MAINPANEL_TEXTMSG = 32;
constexpr int MAINPANEL_PICTURE = 33;
constexpr int MAINPANEL_TEXT_GERAETSTEUERN = 34;

// ---- RENAMEPNL: rename popup, read through user events ---------------------------
constexpr int RENAMEPNL_STRING = 2;
constexpr int RENAMEPNL_ABBRUCH = 3;
constexpr int RENAMEPNL_OK = 4;

// ---- STATUSPNL -----------------------------------------------------------------
constexpr int STATUSPNL_TEXT_GERAETSTATUS = 2;
constexpr int STATUSPNL_STATUSLED1 = 3;
constexpr int STATUSPNL_STATUSLED9 = 4;
constexpr int STATUSPNL_STATUSLED10 = 5;
constexpr int STATUSPNL_DAXSTATUSABFRAGE = 6;
constexpr int STATUSPNL_ZURUECK = 7;
constexpr int STATUSPNL_COMPICTURERING = 8;
constexpr int STATUSPNL_FEHLERLED = 9;
constexpr int STATUSPNL_FEHLERSTRING = 10;
constexpr int STATUSPNL_FEHLERNUMMER = 11;
constexpr int STATUSPNL_COMAKTIVLED = 12;
constexpr int STATUSPNL_STATUSLED2 = 13;
constexpr int STATUSPNL_STATUSTIMER = 14;

// ---- menu bars -------------------------------------------------------------------
constexpr int MENUCOM = 1;
constexpr int MENUMAIN = 2;
constexpr int MENUSTATUS = 3;

// MENUCOM
constexpr int MENUCOM_DATEI = 2;
constexpr int MENUCOM_DATEI_BEENDEN = 3;
constexpr int MENUCOM_FENSTER = 4;

// MENUMAIN
constexpr int MENUMAIN_DATEI = 2;
constexpr int MENUMAIN_DATEI_NEU = 3;
constexpr int MENUMAIN_DATEI_LADEN = 4;
constexpr int MENUMAIN_DATEI_SPEICHERN = 5;
constexpr int MENUMAIN_DATEI_SPEICHERNUNTER = 6;
constexpr int MENUMAIN_DATEI_SEPARATOR = 7;
constexpr int MENUMAIN_DATEI_BEENDEN = 8;
constexpr int MENUMAIN_PROGRAMM = 9;
constexpr int MENUMAIN_PROGRAMM_UMBENENNEN = 10;
constexpr int MENUMAIN_PROGRAMM_COPY = 11;
constexpr int MENUMAIN_PROGRAMM_PASTE = 12;
constexpr int MENUMAIN_FENSTER = 13;
constexpr int MENUMAIN_OPTIONEN = 14;
constexpr int MENUMAIN_OPTIONEN_SPRACHE = 15;
constexpr int MENUMAIN_OPTIONEN_SPRACHE_SUBMENU = 16;
constexpr int MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_DEUTSCH = 17;
constexpr int MENUMAIN_OPTIONEN_SPRACHE_SUBMENU_ENGLISCH = 18;
constexpr int MENUMAIN_HILFE = 19;
constexpr int MENUMAIN_HILFE_INFO = 20;

// MENUSTATUS
constexpr int MENUSTATUS_DATEI = 2;
constexpr int MENUSTATUS_DATEI_BEENDEN = 3;
constexpr int MENUSTATUS_FENSTER = 4;
