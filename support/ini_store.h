#pragma once
// The INI store: an in-memory copy of a settings file made of sections
// ("[com]") whose lines pair a tag with a value ("com = 3").
//
// A store lives for one load or save: Ini_New, then Ini_ReadFromFile and
// Ini_GetInt, or Ini_PutInt and Ini_WriteToFile, then Ini_Dispose.
// Section names and tags are compared without regard to letter case and to
// surrounding whitespace. Single-threaded; a store is never shared.

#include <filesystem>

struct IniStoreData;
using IniStore = IniStoreData*;

// Error codes of the store.
enum {
  INI_ERR_OUT_OF_MEMORY = -12,
  INI_ERR_NO_STORE = -65,          // null store, or no (valid) section or tag given
  INI_ERR_FILE_INFO = -91,         // the file's information could not be read
  INI_ERR_FILE_IO = -93,           // other file input/output error
  INI_ERR_ACCESS_DENIED = -95,     // the target cannot be written
  INI_ERR_CANNOT_OPEN = -5001,     // the file cannot be opened for reading
  INI_ERR_READ = -5002,            // read error while reading the file
  INI_ERR_NO_TEMP_NAME = -5003,    // ini$$0.TMP .. ini$$999.TMP are all held or no files
  INI_ERR_TEMP_CREATE = -5004,     // the temporary file cannot be created
  INI_ERR_NOT_INTEGER = -5021,     // the value is not a valid integer
};

// A new empty store; sorted != 0 keeps sections and items in ascending order
// of their upper-cased names. nullptr when memory ran out.
IniStore Ini_New(int sorted);

// Frees the store and everything in it; nullptr is allowed.
void Ini_Dispose(IniStore store);

// Reads a file and adds its sections to the store. 0, or -65, -5001, -5002,
// -12; on failure the store is left as it was.
int Ini_ReadFromFile(IniStore store, const std::filesystem::path& path);

// 1: the value is an integer and is stored in *value. 0: section or tag
// missing, or the value is blank. -5021: not an integer. In both cases *value
// is untouched. -65: no store, section, tag or out parameter.
int Ini_GetInt(IniStore store, const char* section, const char* tag, int* value);

// Sets tag in section to the decimal value, replacing every item of that tag
// there; creates the section when needed. 0, -12 or -65 (also for names that
// the file cannot give back unchanged: empty, with a line break, a tag with
// "=" or ending in " Line" and digits, a line longer than 255 characters).
int Ini_PutInt(IniStore store, const char* section, const char* tag, int value);

// Replaces the file with the store's contents (support/save_file.h): a
// temporary "ini$$N.TMP" is written beside it, flushed to disk and renamed
// over the file in one step; a link leads to the file it names.
// 0, or -65 (also when an item read from a file could not be read back
// unchanged, such as a line the reader would cut), -95, -91, -93, -5003,
// -5004, -12. On failure the old file is left byte for byte and no temporary
// file remains. A temporary file that a writer killed mid-save left behind is
// taken over, and after a successful write no such file remains; one that
// another writer still holds is left to it.
int Ini_WriteToFile(IniStore store, const std::filesystem::path& path);
