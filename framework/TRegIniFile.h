// Unit Registry: TRegIniFile, ini-style access to a registry key: sections are its subkeys
// (the section '' is the key itself) and idents their values.
#pragma once

#include "TRegistry.h"

#include <functional>

class TRegIniFile : public TRegistry {
  TAWO_CLASS(TRegIniFile, TRegistry)

 public:
  // Opens (creating) `fileName` below HKEY_CURRENT_USER.
  explicit TRegIniFile(AnsiString fileName, REGSAM access = KEY_ALL_ACCESS);

  const AnsiString& FileName() const { return FFileName; }

  // The default when the section or the value is missing.
  AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue);
  // Creates the section when needed.
  void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value);
  // Reads a number stored as text or as an integer value; written as text.
  int ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue);
  void WriteInteger(const AnsiString& section, const AnsiString& ident, int value);
  bool ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue);
  // Written as "1" or "0".
  void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);

  // Replace the list's contents with the value names, the section names, or name=value.
  void ReadSection(const AnsiString& section, TStrings& strings);
  void ReadSections(TStrings& strings);
  void ReadSectionValues(const AnsiString& section, TStrings& strings);
  // Deletes the section's key with everything below it.
  void EraseSection(const AnsiString& section);
  using TRegistry::DeleteKey;
  // Deletes one value of a section.
  void DeleteKey(const AnsiString& section, const AnsiString& ident);

  // Runs `work` with the section's key as the current key, then restores the base key.
  // False (and `work` not run) when the section is missing and `create` is false, or cannot
  // be created.
  bool WithSection(const AnsiString& section, bool create, const std::function<void()>& work);

 private:
  AnsiString FFileName;
};
