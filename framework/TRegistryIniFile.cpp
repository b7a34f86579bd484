#include "TRegistryIniFile.h"

using enum TRegDataType;

TAWO_IMPLEMENT_CLASS(TRegistryIniFile)

TRegistryIniFile::TRegistryIniFile(const AnsiString& fileName, REGSAM access)
    : TCustomIniFile(fileName), FRegIniFile(fileName, access) {}

AnsiString TRegistryIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                        const AnsiString& defaultValue) {
  return FRegIniFile.ReadString(section, ident, defaultValue);
}

void TRegistryIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
  FRegIniFile.WriteString(section, ident, value);
}

int TRegistryIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue) {
  return FRegIniFile.ReadInteger(section, ident, defaultValue);
}

void TRegistryIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int value) {
  const bool written = FRegIniFile.WithSection(section, true, [&] {
    if (FRegIniFile.GetDataType(ident) == rdString) FRegIniFile.TRegistry::WriteString(ident, IntToStr(value));
    else FRegIniFile.TRegistry::WriteInteger(ident, value);
  });
  if (!written) throw ERegistryException(Format(SRegSetDataFailed, {ident}));
}

void TRegistryIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value) {
  WriteInteger(section, ident, value ? 1 : 0);
}

void TRegistryIniFile::ReadSection(const AnsiString& section, TStrings& strings) {
  FRegIniFile.ReadSection(section, strings);
}

void TRegistryIniFile::ReadSections(TStrings& strings) { FRegIniFile.ReadSections(strings); }

void TRegistryIniFile::ReadSectionValues(const AnsiString& section, TStrings& strings) {
  FRegIniFile.ReadSectionValues(section, strings);
}

void TRegistryIniFile::EraseSection(const AnsiString& section) { FRegIniFile.EraseSection(section); }

void TRegistryIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
  FRegIniFile.DeleteKey(section, ident);
}
