// The installation record: the key "\SOFTWARE\Welgato\TAWO" of the current user. Its presence
// alone means the product is installed; its three values are for the installed product.
// Every operation uses a registry accessor of its own, and a change is saved (one durable save
// of the hive) before the operation answers.
#pragma once

#include <System.h>

class InstallationRecord {
 public:
  static constexpr const char* kKey = "\\SOFTWARE\\Welgato\\TAWO";
  static constexpr const char* kParentKey = "\\SOFTWARE\\Welgato";
  static constexpr const char* kKeyName = "TAWO";
  static constexpr const char* kVersion = "1.48";

  // Creates the key (and its parents) and writes "Wersja", "cdPath" and "instPath". False when
  // the key cannot be created or the hive saved (a damaged or unwritable hive); a value that
  // cannot be written raises ERegistryException.
  static bool Write(const AnsiString& cdPath, const AnsiString& instPath);
  // Whether the key can be opened; its values are not looked at.
  static bool Test();
  // Deletes the key with everything under it and keeps "\SOFTWARE\Welgato". False when the
  // key is still there afterwards or the hive could not be saved.
  static bool Delete();
};
