#include "TRegIniFile.h"

#include "TStringList.h"

using enum TRegDataType;

TAWO_IMPLEMENT_CLASS(TRegIniFile)

TRegIniFile::TRegIniFile(AnsiString fileName, REGSAM access) : TRegistry(access), FFileName(std::move(fileName)) {
  OpenKey(FFileName, true);
}

bool TRegIniFile::WithSection(const AnsiString& section, bool create, const std::function<void()>& work) {
  if (section.empty()) {
    work();
    return true;
  }
  HKEY key = nullptr;
  const LONG result = create ? RegCreateKeyExA(GetBaseKey(true), section.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                               Access(), nullptr, &key, nullptr)
                             : RegOpenKeyExA(GetBaseKey(true), section.c_str(), 0, Access(), &key);
  if (result != ERROR_SUCCESS) return false;
  // Restores the base key even when `work` raises.
  struct Restore {
    TRegIniFile& self;
    HKEY base;
    HKEY section;
    ~Restore() {
      self.SetCurrentKey(base);
      RegCloseKey(section);
    }
  } restore{*this, CurrentKey(), key};
  SetCurrentKey(key);
  work();
  return true;
}

AnsiString TRegIniFile::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) {
  AnsiString result = defaultValue;
  WithSection(section, false, [&] {
    if (ValueExists(ident)) result = TRegistry::ReadString(ident);
  });
  return result;
}

void TRegIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
  if (!WithSection(section, true, [&] { TRegistry::WriteString(ident, value); })) {
    throw ERegistryException(Format(SRegSetDataFailed, {ident}));
  }
}

int TRegIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue) {
  int result = defaultValue;
  WithSection(section, false, [&] {
    if (!ValueExists(ident)) return;
    result = GetDataType(ident) == rdString ? StrToIntDef(TRegistry::ReadString(ident), defaultValue)
                                            : TRegistry::ReadInteger(ident);
  });
  return result;
}

void TRegIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int value) {
  WriteString(section, ident, IntToStr(value));
}

bool TRegIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

void TRegIniFile::ReadSection(const AnsiString& section, TStrings& strings) {
  strings.Clear();
  WithSection(section, false, [&] { GetValueNames(strings); });
}

void TRegIniFile::ReadSections(TStrings& strings) { GetKeyNames(strings); }

void TRegIniFile::ReadSectionValues(const AnsiString& section, TStrings& strings) {
  TStringList pairs;
  WithSection(section, false, [&] {
    TStringList names;
    GetValueNames(names);
    for (int i = 0; i < names.Count(); ++i) {
      const AnsiString name = names.Strings(i);
      const AnsiString value = GetDataType(name) == rdInteger ? IntToStr(TRegistry::ReadInteger(name))
                                                              : TRegistry::ReadString(name);
      pairs.Add(name + "=" + value);
    }
  });
  strings.BeginUpdate();
  strings.Clear();
  strings.AddStrings(pairs);
  strings.EndUpdate();
}

void TRegIniFile::EraseSection(const AnsiString& section) { TRegistry::DeleteKey(section); }

void TRegIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
  WithSection(section, false, [&] { DeleteValue(ident); });
}
