// Unit Registry: TRegistryIniFile, the generic ini interface over a TRegIniFile, so settings
// code can use the registry or a file alike. Integers are kept as integer values unless the
// existing value is text.
#pragma once

#include "TCustomIniFile.h"
#include "TRegIniFile.h"

class TRegistryIniFile : public TCustomIniFile {
  TAWO_CLASS(TRegistryIniFile, TCustomIniFile)

 public:
  explicit TRegistryIniFile(const AnsiString& fileName, REGSAM access = KEY_ALL_ACCESS);

  TRegIniFile& RegIniFile() { return FRegIniFile; }

  AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) override;
  void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) override;
  int ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue) override;
  void WriteInteger(const AnsiString& section, const AnsiString& ident, int value) override;
  void WriteBool(const AnsiString& section, const AnsiString& ident, bool value) override;
  void ReadSection(const AnsiString& section, TStrings& strings) override;
  void ReadSections(TStrings& strings) override;
  void ReadSectionValues(const AnsiString& section, TStrings& strings) override;
  void EraseSection(const AnsiString& section) override;
  void DeleteKey(const AnsiString& section, const AnsiString& ident) override;
  // Registry writes are stored when they are made; nothing is pending.
  void UpdateFile() override {}

 private:
  TRegIniFile FRegIniFile;
};
