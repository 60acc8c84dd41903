#pragma once
// The parameter file ("*.vlt"): the whole program table in 2352 bytes.
//
//   offset  0  32 bytes  type text "QORVELT1Steuerung" and NUL, zeros after it
//   offset 32   4 bytes  version, signed 32-bit little-endian: 2
//   offset 36   4 bytes  zeros, read as nothing
//   offset 40  17 records of 136 bytes (entry 0, then programs 1 to 16): the
//              name field of 32 bytes, then thirteen little-endian binary64
//
// Readers take the first 2352 bytes and ignore what follows.

#include <array>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <span>

#include "programs/core/programmtabelle.h"
#include "support/save_file.h"

constexpr std::size_t PARAMETERDATEI_GROESSE = 2352;
constexpr int PARAMETERDATEI_VERSION = 2;
constexpr const char* PARAMETERDATEI_TYP = "QORVELT1Steuerung";

// Codes of saving and loading (message classes -301, -302, -303, -304, -308).
constexpr int PARAMETERDATEI_NICHT_ERSTELLBAR = -301401;  // file or its temporary
constexpr int PARAMETERDATEI_SCHREIBFEHLER = -301402;     // write, flush or replace
constexpr int PARAMETERDATEI_FEHLT = -308403;
constexpr int PARAMETERDATEI_NICHT_LESBAR = -308404;
constexpr int PARAMETERDATEI_KOPF_ZU_KURZ = -304405;      // fewer than 36 bytes
constexpr int PARAMETERDATEI_FALSCHER_TYP = -302406;
constexpr int PARAMETERDATEI_FALSCHE_VERSION = -303407;
constexpr int PARAMETERDATEI_ZU_KURZ = -304409;           // fewer than 2352 bytes

using ParameterdateiBild = std::array<unsigned char, PARAMETERDATEI_GROESSE>;

// The file's bytes for the table. A name is written up to its NUL (at most 31
// characters) and padded with zeros.
ParameterdateiBild Parameterdatei_Bauen(ProgrammTabelleLesen tabelle);

// Checks a file's bytes in the order the loader reports them (header length,
// type text, version, length) and only when all pass copies the 17 records
// into the table; otherwise the table is untouched. A name field without a
// NUL gives its first 31 characters. A wrong version leaves the lines
// "erwartet: V 2" / "gefunden: V n" (in English with gSprache 2) as the
// message module's user string for the next message.
int Parameterdatei_Einlesen(std::span<const unsigned char> bytes, ProgrammTabelle tabelle);

// Writes the table to the file (support/save_file.h): a temporary file
// beside it is written, flushed to disk and renamed over it, so a failure
// leaves the old file byte for byte and no temporary behind. A link leads to
// the file it names; a replaced file keeps its owner, group and permission
// bits as far as the process may; a file the user may not write is refused
// (-301401), and so is a name whose folder takes no temporary file. -301402
// when writing or the rename failed.
int Parameterdatei_Speichern(const std::filesystem::path& pfad, ProgrammTabelleLesen tabelle);

// Reads and checks the file; the table changes only when it returns 0.
int Parameterdatei_Laden(const std::filesystem::path& pfad, ProgrammTabelle tabelle);

// What velt1ctl's JSON shares with the parameter file: opening for reading
// with the loader's codes (-308403 no file, -308404 no regular file or it
// does not open), and the codes of the save routine's outcome.
int Parameterdatei_Oeffnen(const std::filesystem::path& pfad, std::FILE*& datei);
int Parameterdatei_Speichercode(file_replace::SaveResult ergebnis);
