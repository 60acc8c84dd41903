#pragma once
// A seam in Parameterdatei_Speichern for tests of its failure path.

#include <filesystem>

// Called when the temporary file is complete on disk (still held open), just
// before it replaces the target. A non-zero result fails the save at that
// point, as a failed rename would. nullptr (the default) removes the hook.
using ParameterdateiVorErsetzenHook = int (*)(const std::filesystem::path& tempDatei,
                                              const std::filesystem::path& ziel);
void Parameterdatei_SetVorErsetzenHook(ParameterdateiVorErsetzenHook hook);
