#include "TCustomIniFile.h"

#include "TStringList.h"

TAWO_IMPLEMENT_CLASS(TCustomIniFile)

int TCustomIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue) {
  AnsiString text = ReadString(section, ident, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
  return StrToIntDef(text, defaultValue);
}

void TCustomIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int value) {
  WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const AnsiString& section, const AnsiString& ident, double defaultValue) {
  const AnsiString text = ReadString(section, ident, "");
  return static_cast<double>(StrToFloatDef(text, defaultValue));
}

void TCustomIniFile::WriteFloat(const AnsiString& section, const AnsiString& ident, double value) {
  WriteString(section, ident, FloatToStr(value));
}

bool TCustomIniFile::SectionExists(const AnsiString& section) {
  TStringList names;
  ReadSection(section, names);
  return names.Count() > 0;
}

bool TCustomIniFile::ValueExists(const AnsiString& section, const AnsiString& ident) {
  TStringList names;
  ReadSection(section, names);
  return names.IndexOf(Trim(ident)) >= 0;
}
