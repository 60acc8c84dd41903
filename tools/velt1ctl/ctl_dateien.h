#pragma once
// Program sets on disk for velt1ctl: a parameter file (".vlt", the desktop
// program's format) or JSON text (".json"), chosen by the extension. Both are
// replaced atomically; a failed load leaves the set untouched.
//
// The result is 0, a parameter file code (its message says what failed), or
// QOR_FEHLER_STILL after a message of its own on standard error.

#include <filesystem>

#include "ctl_programmsatz.h"

enum class SatzFormat { Vlt, Json, Unbekannt };
SatzFormat FormatFuer(const std::filesystem::path& pfad);

int ProgrammsatzLaden(const std::filesystem::path& pfad, Programmsatz& satz);
int ProgrammsatzSpeichern(const std::filesystem::path& pfad, const Programmsatz& satz);
