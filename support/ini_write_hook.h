#pragma once
// A seam in Ini_WriteToFile for tests of its failure path.

#include <filesystem>

// Called when the temporary file is complete on disk (still held open), just before
// it replaces the target. A non-zero result fails the write at that point,
// as a failed rename would. nullptr (the default) removes the hook.
using IniBeforeReplaceHook = int (*)(const std::filesystem::path& tempFile,
                                     const std::filesystem::path& target);
void Ini_SetBeforeReplaceHook(IniBeforeReplaceHook hook);
