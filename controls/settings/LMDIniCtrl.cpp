#include "LMDIniCtrl.h"

#include "LMDRegIniFile.h"
#include "LMDSysIn.h"
#include "LMDTextForms.h"

#include <LMDApplication.h>

#include <TIniFile.h>
#include <TRegistryIniFile.h>
#include <TStringList.h>
#include <TypInfo.h>

#include <algorithm>

using enum TLMDIniTarget;
using enum TLMDPathPrefix;
using enum TLMDRegRootKey;
using enum TTypeKind;

TAWO_PUBLISHED(TLMDIniCtrl, published) {
  published.Property("About", &TLMDIniCtrl::About, &TLMDIniCtrl::SetAbout);
  published.Property("Common", &TLMDIniCtrl::Common, &TLMDIniCtrl::SetCommon).Default(true);
  published.Property("NetUser", &TLMDIniCtrl::NetUser, &TLMDIniCtrl::SetNetUser).Default(false);
  published.Property("IniFile", &TLMDIniCtrl::IniFile, &TLMDIniCtrl::SetIniFile);
  published.Property("User", &TLMDIniCtrl::User, &TLMDIniCtrl::SetUser);
  published.Property("IniPrefix", &TLMDIniCtrl::IniPrefix, &TLMDIniCtrl::SetIniPrefix).Default(ppWindows);
  published.Property("RegRoot", &TLMDIniCtrl::RegRoot, &TLMDIniCtrl::SetRegRoot).Default(rpCurrentUser);
  published.Property("RegPath", &TLMDIniCtrl::RegPath, &TLMDIniCtrl::SetRegPath);
  published.Property("AlphaCounter", &TLMDIniCtrl::AlphaCounter, &TLMDIniCtrl::SetAlphaCounter).Default(false);
  published.Property("MaxEntries", &TLMDIniCtrl::MaxEntries, &TLMDIniCtrl::SetMaxEntries).Default(uint8_t{16});
  published.Property("Target", &TLMDIniCtrl::Target, &TLMDIniCtrl::SetTarget).Default(itAuto);
}

namespace {

constexpr int kLetterCount = 26;

bool IsOrdinalKind(TTypeKind kind) {
  return kind == tkInteger || kind == tkChar || kind == tkEnumeration || kind == tkSet || kind == tkWChar;
}

bool IsStringKind(TTypeKind kind) { return kind == tkString || kind == tkLString || kind == tkWString; }

// A stored ordinal the property's type can hold: within the range, or only the set's elements.
bool FitsProperty(PPropInfo property, int64_t value) {
  const PTypeInfo type = property->PropType;
  if (type->Kind != tkSet) return value >= type->MinValue && value <= type->MaxValue;
  const int64_t elements = type->CompType ? type->CompType->MaxValue + 1 : 32;
  const uint64_t allowed = elements >= 32 ? 0xFFFFFFFFull : (uint64_t{1} << elements) - 1;
  return value >= 0 && (static_cast<uint64_t>(value) & ~allowed) == 0;
}

}  // namespace

HKEY LMDGetRootKey(TLMDRegRootKey root) {
  switch (static_cast<TLMDRegRootKey>(static_cast<int>(root) & 0x7F)) {
    case rpClassesRoot: return HKEY_CLASSES_ROOT;
    case rpCurrentUser: return HKEY_CURRENT_USER;
    case rpLocalMachine: return HKEY_LOCAL_MACHINE;
    case rpUsers: return HKEY_USERS;
    case rpCurrentConfig: return HKEY_CURRENT_CONFIG;
    case rpDynData: return HKEY_DYN_DATA;
    default: return nullptr;
  }
}

void LMDSaveObjectProperties(TCustomIniFile& storage, const AnsiString& section, TObject& object) {
  for (PPropInfo property : GetPropList(object.ClassType())) {
    if (!property->HasSetter() || !IsStoredProp(&object, property)) continue;
    const TTypeKind kind = property->PropType->Kind;
    if (IsOrdinalKind(kind)) {
      const int64_t value = GetOrdProp(&object, property);
      if (value != property->Default) storage.WriteInteger(section, property->Name, static_cast<int>(value));
    } else if (kind == tkFloat) {
      const long double value = GetFloatProp(&object, property);
      if (value != 0) storage.WriteFloat(section, property->Name, static_cast<double>(value));
    } else if (IsStringKind(kind)) {
      const AnsiString value = GetStrProp(&object, property);
      if (!value.empty()) storage.WriteString(section, property->Name, value);
    }
  }
}

void LMDLoadObjectProperties(TCustomIniFile& storage, const AnsiString& section, TObject& object) {
  for (PPropInfo property : GetPropList(object.ClassType())) {
    if (!property->HasSetter()) continue;
    const TTypeKind kind = property->PropType->Kind;
    if (IsOrdinalKind(kind)) {
      const int64_t current = GetOrdProp(&object, property);
      const int64_t value = storage.ReadInteger(section, property->Name, static_cast<int>(current));
      if (FitsProperty(property, value)) SetOrdProp(&object, property, value);
    } else if (kind == tkFloat) {
      const double current = static_cast<double>(GetFloatProp(&object, property));
      SetFloatProp(&object, property, storage.ReadFloat(section, property->Name, current));
    } else if (IsStringKind(kind)) {
      SetStrProp(&object, property, storage.ReadString(section, property->Name, GetStrProp(&object, property)));
    }
  }
}

// ---------------------------------------------------------------------------------------------

TLMDIniCtrl::TLMDIniCtrl(TComponent* owner) : TLMDCustomComponent(owner) {}

void TLMDIniCtrl::SetNetUser(bool value) {
  if (value == FNetUser) return;
  FNetUser = value;
  if (FNetUser) FUser = LMDSIUserName();
}

void TLMDIniCtrl::SetIniFile(const AnsiString& value) {
  FIniFile = value.empty() || !ExtractFileExt(value).empty() ? value : ChangeFileExt(value, ".INI");
}

void TLMDIniCtrl::SetAlphaCounter(bool value) {
  FAlphaCounter = value;
  if (FMaxEntries > kLetterCount) FMaxEntries = kLetterCount;
}

void TLMDIniCtrl::SetMaxEntries(uint8_t value) {
  if (value != FMaxEntries && (!FAlphaCounter || value <= kLetterCount)) FMaxEntries = value;
}

void TLMDIniCtrl::SetTarget(TLMDIniTarget value) { FTarget = value; }

AnsiString TLMDIniCtrl::GetCounterIdent(int index) const {
  return FAlphaCounter ? AnsiString(1, static_cast<char>('A' + index)) : IntToStr(index);
}

AnsiString TLMDIniCtrl::GetIniName() {
  if (FIniFile.empty()) FIniFile = ChangeFileExt(ParamStr(0), ".INI");
  if (FIniPrefix == ppFixed) return FIniFile;
  return LMDCreatePathPrefix(FIniPrefix, true) + ExtractFileName(FIniFile);
}

AnsiString TLMDIniCtrl::GetRegPath() const {
  return FRegPath.empty() ? LMDApplication->GetDefaultRegPath() : IncludeTrailingBackslash(FRegPath);
}

AnsiString TLMDIniCtrl::GetSectionName(const AnsiString& section) {
  if (section.empty()) return FLastSection.empty() ? AnsiString(IDS_COMMON) : FLastSection;
  AnsiString result;
  if (UsesIniFile()) {
    if (FCommon) result = section;
    else if (FNetUser) result = section + "." + LMDSIUserName();
    else result = section + "." + FUser;
  } else {
    result = section == IDS_ROOT ? AnsiString() : section;
  }
  FLastSection = result;
  return result;
}

template <class Work>
void TLMDIniCtrl::UseStorage(bool forWriting, Work&& work) {
  if (UsesIniFile()) {
    TIniFile storage(GetIniName());
    work(storage);
  } else {
    TLMDRegIniFile storage(LMDGetRootKey(FRegRoot), GetRegPath(), forWriting);
    work(storage);
  }
}

// ---------------------------------------------------------------------------------------------
// Values.

AnsiString TLMDIniCtrl::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) {
  const AnsiString name = GetSectionName(section);
  AnsiString result;
  UseStorage(false, [&](auto& storage) { result = storage.ReadString(name, ident, defaultValue); });
  return result;
}

void TLMDIniCtrl::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
  const AnsiString name = GetSectionName(section);
  UseStorage(true, [&](auto& storage) { storage.WriteString(name, ident, value); });
}

int TLMDIniCtrl::ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue) {
  const AnsiString name = GetSectionName(section);
  int result = defaultValue;
  UseStorage(false, [&](auto& storage) { result = storage.ReadInteger(name, ident, defaultValue); });
  return result;
}

void TLMDIniCtrl::WriteInteger(const AnsiString& section, const AnsiString& ident, int value) {
  const AnsiString name = GetSectionName(section);
  UseStorage(true, [&](auto& storage) { storage.WriteInteger(name, ident, value); });
}

bool TLMDIniCtrl::ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue) {
  const AnsiString name = GetSectionName(section);
  bool result = defaultValue;
  UseStorage(false, [&](auto& storage) { result = storage.ReadBool(name, ident, defaultValue); });
  return result;
}

void TLMDIniCtrl::WriteBool(const AnsiString& section, const AnsiString& ident, bool value) {
  const AnsiString name = GetSectionName(section);
  UseStorage(true, [&](auto& storage) { storage.WriteBool(name, ident, value); });
}

double TLMDIniCtrl::ReadFloat(const AnsiString& section, const AnsiString& ident, double defaultValue) {
  return static_cast<double>(StrToFloat(ReadString(section, ident, FloatToStr(defaultValue))));
}

void TLMDIniCtrl::WriteFloat(const AnsiString& section, const AnsiString& ident, double value) {
  WriteString(section, ident, FloatToStr(value));
}

TDateTime TLMDIniCtrl::ReadDate(const AnsiString& section, const AnsiString& ident, TDateTime defaultValue) {
  return StrToDate(ReadString(section, ident, DateToStr(defaultValue)));
}

void TLMDIniCtrl::WriteDate(const AnsiString& section, const AnsiString& ident, TDateTime value) {
  WriteString(section, ident, DateToStr(value));
}

TDateTime TLMDIniCtrl::ReadTime(const AnsiString& section, const AnsiString& ident, TDateTime defaultValue) {
  return StrToTime(ReadString(section, ident, TimeToStr(defaultValue)));
}

void TLMDIniCtrl::WriteTime(const AnsiString& section, const AnsiString& ident, TDateTime value) {
  WriteString(section, ident, TimeToStr(value));
}

TDateTime TLMDIniCtrl::ReadDateTime(const AnsiString& section, const AnsiString& ident, TDateTime defaultValue) {
  return StrToDateTime(ReadString(section, ident, DateTimeToStr(defaultValue)));
}

void TLMDIniCtrl::WriteDateTime(const AnsiString& section, const AnsiString& ident, TDateTime value) {
  WriteString(section, ident, DateTimeToStr(value));
}

TColor TLMDIniCtrl::ReadColor(const AnsiString& section, const AnsiString& ident, TColor defaultValue) {
  return StringToColor(ReadString(section, ident, ColorToString(defaultValue)));
}

void TLMDIniCtrl::WriteColor(const AnsiString& section, const AnsiString& ident, TColor value) {
  WriteString(section, ident, ColorToString(value));
}

bool TLMDIniCtrl::ReadFont(const AnsiString& section, const AnsiString& ident, TFont& font) {
  const AnsiString text = ReadString(section, ident, "");
  if (text.empty()) return false;
  LMDStringToFont(text, font);
  return true;
}

void TLMDIniCtrl::WriteFont(const AnsiString& section, const AnsiString& ident, const TFont& font) {
  WriteString(section, ident, LMDFontToString(font));
}

RECT TLMDIniCtrl::ReadRect(const AnsiString& section, const AnsiString& ident, const RECT& defaultValue) {
  return LMDStringToRect(ReadString(section, ident, LMDRectToString(defaultValue)));
}

void TLMDIniCtrl::WriteRect(const AnsiString& section, const AnsiString& ident, const RECT& value) {
  WriteString(section, ident, LMDRectToString(value));
}

POINT TLMDIniCtrl::ReadPoint(const AnsiString& section, const AnsiString& ident, const POINT& defaultValue) {
  return LMDStringToPoint(ReadString(section, ident, LMDPointToString(defaultValue)));
}

void TLMDIniCtrl::WritePoint(const AnsiString& section, const AnsiString& ident, const POINT& value) {
  WriteString(section, ident, LMDPointToString(value));
}

// ---------------------------------------------------------------------------------------------
// Sections.

void TLMDIniCtrl::DeleteKey(const AnsiString& section, const AnsiString& ident) {
  const AnsiString name = GetSectionName(section);
  UseStorage(true, [&](auto& storage) { storage.DeleteKey(name, ident); });
}

void TLMDIniCtrl::EraseSection(const AnsiString& section) {
  const AnsiString name = GetSectionName(section);
  UseStorage(true, [&](auto& storage) { storage.EraseSection(name); });
}

void TLMDIniCtrl::ReadSection(const AnsiString& section, TStrings& list) {
  const AnsiString name = GetSectionName(section);
  UseStorage(false, [&](auto& storage) { storage.ReadSection(name, list); });
}

void TLMDIniCtrl::ReadSections(TStrings& list) {
  UseStorage(false, [&](auto& storage) { storage.ReadSections(list); });
}

void TLMDIniCtrl::ReadSectionValues(const AnsiString& section, TStrings& list) {
  const AnsiString name = GetSectionName(section);
  UseStorage(false, [&](auto& storage) { storage.ReadSectionValues(name, list); });
}

// ---------------------------------------------------------------------------------------------
// Lists.

void TLMDIniCtrl::WriteStringsExt(const AnsiString& section, const AnsiString& prefix, int max, TStrings& list) {
  const AnsiString name = GetSectionName(section);
  const int count = std::min(list.Count(), max);
  UseStorage(true, [&](auto& storage) {
    storage.EraseSection(name);
    for (int i = 0; i < count; ++i) storage.WriteString(name, prefix + GetCounterIdent(i), list.Strings(i));
  });
}

void TLMDIniCtrl::WriteStrings(const AnsiString& section, const AnsiString& prefix, TStrings& list) {
  WriteStringsExt(section, prefix, FMaxEntries, list);
}

void TLMDIniCtrl::ReadStringsExt(const AnsiString& section, const AnsiString& prefix, int max, TStrings& list) {
  const AnsiString name = GetSectionName(section);
  list.Clear();
  UseStorage(false, [&](auto& storage) {
    for (int i = 0; i < max; ++i) {
      const AnsiString item = storage.ReadString(name, prefix + GetCounterIdent(i), "");
      if (item.empty()) break;
      list.Add(item);
    }
  });
}

void TLMDIniCtrl::ReadStrings(const AnsiString& section, const AnsiString& prefix, TStrings& list) {
  ReadStringsExt(section, prefix, FMaxEntries, list);
}

void TLMDIniCtrl::WriteColorList(const AnsiString& section, TStrings& list) {
  UseStorage(true, [&](auto& storage) {
    for (int i = 0; i < list.Count(); ++i) {
      if (list.Strings(i).find('=') == AnsiString::npos) continue;
      const AnsiString ident = list.Names(i);
      storage.WriteString(section, ident, list.Values(ident));
    }
  });
}

void TLMDIniCtrl::ReadColorList(const AnsiString& section, TStrings& list) {
  list.Clear();
  UseStorage(false, [&](auto& storage) { storage.ReadSectionValues(section, list); });
}

// ---------------------------------------------------------------------------------------------
// Objects.

template <class Work>
void TLMDIniCtrl::UseObjectStorage(bool forWriting, Work&& work) {
  if (UsesIniFile()) {
    TIniFile storage(GetIniName());
    work(storage);
    return;
  }
  const AnsiString path = GetRegPath();
  TRegistryIniFile storage(path, forWriting ? KEY_ALL_ACCESS : KEY_READ);
  TRegIniFile& registry = storage.RegIniFile();
  if (FRegRoot != rpCurrentUser) {
    registry.CloseKey();
    registry.SetRootKey(LMDGetRootKey(FRegRoot));
    if (forWriting) registry.OpenKey(path, true);
    else registry.OpenKeyReadOnly(path);
  }
  if (registry.CurrentKey() == nullptr) {
    if (forWriting) throw ERegistryException(Format(SRegCreateFailed, {path}));
    return;  // nothing stored: every property keeps its value
  }
  work(storage);
}

void TLMDIniCtrl::WriteObject(const AnsiString& section, TObject& object) {
  const AnsiString name = GetSectionName(section);
  UseObjectStorage(true, [&](TCustomIniFile& storage) { LMDSaveObjectProperties(storage, name, object); });
}

void TLMDIniCtrl::ReadObject(const AnsiString& section, TObject& object) {
  const AnsiString name = GetSectionName(section);
  UseObjectStorage(false, [&](TCustomIniFile& storage) { LMDLoadObjectProperties(storage, name, object); });
}
