#pragma once
// Protocol driver of the VELT-1: one command transaction per call on an open
// COM port. Every function returns an error code (0 = success, else message
// number × 1000 - place number); it keeps no state between calls and never
// retries. The first argument is the COM port number, the second (where there
// is one) the bus address character: '1'..'9' or 'a'..'f' for one device,
// '&' for all devices (writing commands only, no answer awaited).

// ---- the line ---------------------------------------------------------------
// 9600 baud, 7 data bits, odd parity, 1 stop bit: QORVELT1_Open takes no other
// speed. Every byte awaited from a device gets the time-out.
constexpr int QORVELT1_BAUD = 9600;
constexpr double QORVELT1_ZEITLIMIT_SEKUNDEN = 1.5;

// ---- bus addresses ----------------------------------------------------------
constexpr char QORVELT1_SAMMELADRESSE = '&';
// '1'..'9' and 'a'..'f': one device.
bool QORVELT1_EinzeladresseGueltig(char adresse);
// One device or the common address: the set of the writing commands.
bool QORVELT1_SchreibadresseGueltig(char adresse);
// The program's session and the COM panel's address ring keep to '1'..'9' and
// the common address, in the ring's order.
constexpr const char* QORVELT1_SITZUNGSADRESSEN = "123456789&";
bool QORVELT1_SitzungsadresseGueltig(char adresse);

// ---- identification -----------------------------------------------------------
// A VELT-1 names itself with this prefix; a device of another kind does not.
constexpr const char* QORVELT1_KENNUNG = "QOR-VELT1-";
bool QORVELT1_IstVelt1(const char* id);

// Port functions.
int QORVELT1_Open(int port, int baud);
int QORVELT1_Close(int port);
int QORVELT1_Timeout(int port, double seconds);
int QORVELT1_PufferLeeren(int port);

// Identification ("IDR"); `id` holds at least 27 bytes.
int QORVELT1_IDLesen(int port, char adresse, char* id);
// "start" sends "DF1", "stopp" sends "DF2".
int QORVELT1_DeviceFunction(int port, char adresse, const char* funktion);
// Working parameters into program slot n ("PNP"), slot n into the working parameters ("PNS").
int QORVELT1_ProgrammSpeichern(int port, char adresse, int programm);
int QORVELT1_ProgrammLaden(int port, char adresse, int programm);

// One parameter by keyword (the field names of Programm, and "status" for reading).
// `ganzzahl` is not used by any keyword of this device; `name` only by "programmname".
int QORVELT1_ParameterSchreiben(int port, char adresse, const char* keyword, double wert,
                                int ganzzahl, const char* name);
// Whether the device takes `wert` for the numeric keyword, as the write checks
// it: within 0.0001 of the device's limits in PROGRAMM_WERTE. False for any
// other keyword.
bool QORVELT1_ParameterZulaessig(const char* keyword, double wert);
// Writes only the output that belongs to the keyword: `wert` for the numeric
// parameters, `status` for "status", `name` (at least 26 bytes) for "programmname".
int QORVELT1_ParameterLesen(int port, char adresse, const char* keyword, double* wert,
                            int* status, char* name);

// Raw memory blocks ("BDR"/"BDW") with their 16-bit checksum. Memory type 4 only.
int QORORM1_SpeicherLesen(int port, char adresse, int speichertyp, int startadresse,
                          int groesse, unsigned char* daten);
int QORORM1_SpeicherSchreiben(int port, char adresse, int speichertyp, int startadresse,
                              int groesse, const unsigned char* daten);
