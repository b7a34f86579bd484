// Unit LMDIniCtrl: TLMDIniCtrl, the settings component that keeps named values in sections of
// an ini file or of a registry key, and the routines that save and load an object's published
// properties.
#pragma once

#include <LMDCustomComponent.h>
#include <LMDProcs.h>

#include <TCustomIniFile.h>
#include <TFont.h>

#include <windows.h>

TAWO_ENUM(TLMDIniTarget, itIniFile, itRegistry, itAuto)
TAWO_ENUM(TLMDRegRootKey, rpClassesRoot, rpCurrentUser, rpLocalMachine, rpUsers, rpCurrentConfig, rpDynData)

// The section used when none is given and none was used before.
inline constexpr const char* IDS_COMMON = "Common";
// The registry section that means the values of the key itself.
inline constexpr const char* IDS_ROOT = "#ROOT";

// The predefined key of a root (its low 7 bits count); 0 for anything else.
HKEY LMDGetRootKey(TLMDRegRootKey root);

// Writes the object's stored, writable published properties that differ from their defaults
// (ordinals), are not 0 (floats) or are not empty (strings) under their names.
void LMDSaveObjectProperties(TCustomIniFile& storage, const AnsiString& section, TObject& object);
// Sets every writable ordinal, float and string property from the storage; a missing value,
// or one outside the property's range, leaves the property as it is.
void LMDLoadObjectProperties(TCustomIniFile& storage, const AnsiString& section, TObject& object);

class TLMDIniCtrl : public TLMDCustomComponent {
  TAWO_CLASS(TLMDIniCtrl, TLMDCustomComponent)

 public:
  explicit TLMDIniCtrl(TComponent* owner);

  bool Common() const { return FCommon; }
  void SetCommon(bool value) { FCommon = value; }
  bool NetUser() const { return FNetUser; }
  // Turning it on takes the user name from the network logon.
  void SetNetUser(bool value);
  const AnsiString& IniFile() const { return FIniFile; }
  // A name without an extension gets ".INI".
  void SetIniFile(const AnsiString& value);
  const AnsiString& User() const { return FUser; }
  void SetUser(const AnsiString& value) { FUser = value; }
  TLMDPathPrefix IniPrefix() const { return FIniPrefix; }
  void SetIniPrefix(TLMDPathPrefix value) { FIniPrefix = value; }
  TLMDRegRootKey RegRoot() const { return FRegRoot; }
  void SetRegRoot(TLMDRegRootKey value) { FRegRoot = value; }
  const AnsiString& RegPath() const { return FRegPath; }
  void SetRegPath(const AnsiString& value) { FRegPath = value; }
  bool AlphaCounter() const { return FAlphaCounter; }
  // Lettered entries allow at most 26 of them.
  void SetAlphaCounter(bool value);
  uint8_t MaxEntries() const { return FMaxEntries; }
  void SetMaxEntries(uint8_t value);
  TLMDIniTarget Target() const { return FTarget; }
  void SetTarget(TLMDIniTarget value);

  // "A", "B" ... with AlphaCounter, else "0", "1" ...
  AnsiString GetCounterIdent(int index) const;
  AnsiString GetIniName();
  AnsiString GetRegPath() const;
  AnsiString GetSectionName(const AnsiString& section);

  AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue);
  void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value);
  int ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue);
  void WriteInteger(const AnsiString& section, const AnsiString& ident, int value);
  bool ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue);
  void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);
  double ReadFloat(const AnsiString& section, const AnsiString& ident, double defaultValue);
  void WriteFloat(const AnsiString& section, const AnsiString& ident, double value);
  TDateTime ReadDate(const AnsiString& section, const AnsiString& ident, TDateTime defaultValue);
  void WriteDate(const AnsiString& section, const AnsiString& ident, TDateTime value);
  TDateTime ReadTime(const AnsiString& section, const AnsiString& ident, TDateTime defaultValue);
  void WriteTime(const AnsiString& section, const AnsiString& ident, TDateTime value);
  TDateTime ReadDateTime(const AnsiString& section, const AnsiString& ident, TDateTime defaultValue);
  void WriteDateTime(const AnsiString& section, const AnsiString& ident, TDateTime value);
  TColor ReadColor(const AnsiString& section, const AnsiString& ident, TColor defaultValue);
  void WriteColor(const AnsiString& section, const AnsiString& ident, TColor value);
  // True, with the font set, only when a non-empty text was read.
  bool ReadFont(const AnsiString& section, const AnsiString& ident, TFont& font);
  void WriteFont(const AnsiString& section, const AnsiString& ident, const TFont& font);
  RECT ReadRect(const AnsiString& section, const AnsiString& ident, const RECT& defaultValue);
  void WriteRect(const AnsiString& section, const AnsiString& ident, const RECT& value);
  POINT ReadPoint(const AnsiString& section, const AnsiString& ident, const POINT& defaultValue);
  void WritePoint(const AnsiString& section, const AnsiString& ident, const POINT& value);

  void DeleteKey(const AnsiString& section, const AnsiString& ident);
  void EraseSection(const AnsiString& section);
  void ReadSection(const AnsiString& section, TStrings& list);
  void ReadSections(TStrings& list);
  void ReadSectionValues(const AnsiString& section, TStrings& list);

  // Counted lists: entries prefix + GetCounterIdent(i); writing erases the section first,
  // reading stops at the first missing entry.
  void WriteStringsExt(const AnsiString& section, const AnsiString& prefix, int max, TStrings& list);
  void WriteStrings(const AnsiString& section, const AnsiString& prefix, TStrings& list);
  void ReadStringsExt(const AnsiString& section, const AnsiString& prefix, int max, TStrings& list);
  void ReadStrings(const AnsiString& section, const AnsiString& prefix, TStrings& list);
  // Name=value lines, in the section as named (no per-user or root mapping).
  void WriteColorList(const AnsiString& section, TStrings& list);
  void ReadColorList(const AnsiString& section, TStrings& list);

  void WriteObject(const AnsiString& section, TObject& object);
  void ReadObject(const AnsiString& section, TObject& object);

 private:
  bool UsesIniFile() const { return FTarget == TLMDIniTarget::itIniFile; }
  // Opens the storage for one call and closes it again, also when `work` raises.
  template <class Work>
  void UseStorage(bool forWriting, Work&& work);
  template <class Work>
  void UseObjectStorage(bool forWriting, Work&& work);

  bool FCommon = true;
  bool FNetUser = false;
  AnsiString FIniFile;
  AnsiString FUser;
  TLMDPathPrefix FIniPrefix = TLMDPathPrefix::ppWindows;
  TLMDRegRootKey FRegRoot = TLMDRegRootKey::rpCurrentUser;
  AnsiString FRegPath;
  bool FAlphaCounter = false;
  uint8_t FMaxEntries = 16;
  TLMDIniTarget FTarget = TLMDIniTarget::itAuto;
  AnsiString FLastSection;
};
