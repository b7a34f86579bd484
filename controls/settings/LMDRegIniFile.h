// Unit LMDIniCtrl: TLMDRegIniFile, the registry storage of the settings component: one key
// below any root, sections as its subkeys, opened either to read or to write.
#pragma once

#include <TRegIniFile.h>

class TLMDRegIniFile : public TRegIniFile {
  TAWO_CLASS(TLMDRegIniFile, TRegIniFile)

 public:
  // Reading opens an existing key with KEY_READ; a missing key then reads as empty. Writing
  // opens the key with KEY_ALL_ACCESS, creating it, and raises ERegistryException when it
  // cannot.
  TLMDRegIniFile(HKEY rootKey, const AnsiString& path, bool forWriting);

  bool KeyOpen() const { return CurrentKey() != nullptr; }

  // Without an open key these give the default or an empty list, never the root key's data.
  AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue);
  int ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue);
  bool ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue);
  void ReadSection(const AnsiString& section, TStrings& strings);
  void ReadSections(TStrings& strings);
  void ReadSectionValues(const AnsiString& section, TStrings& strings);
};
