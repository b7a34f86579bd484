#include "LMDRegIniFile.h"

TAWO_IMPLEMENT_CLASS(TLMDRegIniFile)

// The base opens the current user's root (an empty path); the real root and key follow.
TLMDRegIniFile::TLMDRegIniFile(HKEY rootKey, const AnsiString& path, bool forWriting)
    : TRegIniFile("", forWriting ? KEY_ALL_ACCESS : KEY_READ) {
  SetLazyWrite(true);
  CloseKey();
  SetRootKey(rootKey);
  if (!OpenKey(path, forWriting) && forWriting) throw ERegistryException(Format(SRegCreateFailed, {path}));
}

AnsiString TLMDRegIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                      const AnsiString& defaultValue) {
  return KeyOpen() ? TRegIniFile::ReadString(section, ident, defaultValue) : defaultValue;
}

int TLMDRegIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue) {
  return KeyOpen() ? TRegIniFile::ReadInteger(section, ident, defaultValue) : defaultValue;
}

bool TLMDRegIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue) {
  return KeyOpen() ? TRegIniFile::ReadBool(section, ident, defaultValue) : defaultValue;
}

void TLMDRegIniFile::ReadSection(const AnsiString& section, TStrings& strings) {
  if (KeyOpen()) TRegIniFile::ReadSection(section, strings);
  else strings.Clear();
}

void TLMDRegIniFile::ReadSections(TStrings& strings) {
  if (KeyOpen()) TRegIniFile::ReadSections(strings);
  else strings.Clear();
}

void TLMDRegIniFile::ReadSectionValues(const AnsiString& section, TStrings& strings) {
  if (KeyOpen()) TRegIniFile::ReadSectionValues(section, strings);
  else strings.Clear();
}
