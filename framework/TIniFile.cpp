#include "TIniFile.h"

#include "TStringList.h"

#include <windows.h>

#include <cstring>
#include <vector>

TAWO_IMPLEMENT_CLASS(TIniFile)

AnsiString TIniFile::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) {
  char buffer[2048];
  const DWORD length = GetPrivateProfileStringA(section.c_str(), ident.c_str(), defaultValue.c_str(), buffer,
                                                sizeof buffer, FileName().c_str());
  return AnsiString(buffer, length);
}

void TIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
  if (!WritePrivateProfileStringA(section.c_str(), ident.c_str(), value.c_str(), FileName().c_str())) WriteError();
}

void TIniFile::ReadNames(const char* section, TStrings& strings) {
  // The list is cut (and reported as size - 2) when it does not fit: grow until it does.
  std::vector<char> buffer(16384);
  DWORD length = 0;
  while (true) {
    length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                      FileName().c_str());
    if (length + 2 < buffer.size() || buffer.size() >= (1u << 26)) break;
    buffer.resize(buffer.size() * 4);
  }
  strings.BeginUpdate();
  strings.Clear();
  for (const char* name = buffer.data(); name < buffer.data() + length && *name; name += std::strlen(name) + 1) {
    strings.Add(name);
  }
  strings.EndUpdate();
}

void TIniFile::ReadSection(const AnsiString& section, TStrings& strings) { ReadNames(section.c_str(), strings); }

void TIniFile::ReadSections(TStrings& strings) { ReadNames(nullptr, strings); }

void TIniFile::ReadSectionValues(const AnsiString& section, TStrings& strings) {
  TStringList names;
  ReadSection(section, names);
  strings.BeginUpdate();
  strings.Clear();
  for (int i = 0; i < names.Count(); ++i) strings.Add(names.Strings(i) + "=" + ReadString(section, names.Strings(i), ""));
  strings.EndUpdate();
}

void TIniFile::EraseSection(const AnsiString& section) {
  if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, FileName().c_str())) WriteError();
}

void TIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
  WritePrivateProfileStringA(section.c_str(), ident.c_str(), nullptr, FileName().c_str());
}

void TIniFile::UpdateFile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, FileName().c_str()); }

void TIniFile::WriteError() const { throw EIniFileException(Format(SIniFileWriteError, {FileName()})); }
