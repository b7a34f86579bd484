#include "TypInfo.h"

#include "SysUtils.h"

#include <algorithm>

using enum TFloatType;
using enum TOrdType;
using enum TTypeKind;

namespace {

[[noreturn]] void RaiseUnknownProperty(const AnsiString& name) {
  throw EPropertyError(Format("Property %s does not exist", {name}));
}

PPropInfo FindPropInfo(const TObject* instance, const AnsiString& name) {
  PPropInfo info = GetPropInfo(instance, name);
  if (info == nullptr) RaiseUnknownProperty(name);
  return info;
}

void RequireKind(PPropInfo propInfo, std::initializer_list<TTypeKind> kinds) {
  if (std::find(kinds.begin(), kinds.end(), propInfo->PropType->Kind) == kinds.end()) {
    detail::RaiseInvalidPropertyType(propInfo->PropType);
  }
}

void RequireSetter(PPropInfo propInfo) {
  if (!propInfo->HasSetter()) throw EPropertyError(Format("Property %s is read-only", {propInfo->Name}));
}

constexpr std::initializer_list<TTypeKind> kOrdinalKinds = {tkInteger, tkChar, tkEnumeration, tkSet,
                                                            tkWChar, tkInt64};

}  // namespace

// ---------------------------------------------------------------------------------------------

TTypeInfo TTypeInfo::Ordinal(TTypeKind kind, const char* name, TOrdType ordType, int64_t minValue,
                             int64_t maxValue) {
  TTypeInfo info;
  info.Kind = kind;
  info.Name = name;
  info.OrdType = ordType;
  info.MinValue = minValue;
  info.MaxValue = maxValue;
  return info;
}

TTypeInfo TTypeInfo::Enumeration(const char* name, std::string_view commaSeparatedNames) {
  TTypeInfo info = Ordinal(tkEnumeration, name, otUByte, 0, -1);
  std::size_t start = 0;
  while (start <= commaSeparatedNames.size()) {
    std::size_t end = commaSeparatedNames.find(',', start);
    if (end == std::string_view::npos) end = commaSeparatedNames.size();
    AnsiString ident = Trim(AnsiString(commaSeparatedNames.substr(start, end - start)));
    if (!ident.empty()) info.EnumNames.push_back(ident);
    start = end + 1;
  }
  info.MaxValue = static_cast<int64_t>(info.EnumNames.size()) - 1;
  return info;
}

TTypeInfo TTypeInfo::Set(const char* name, const TTypeInfo* elementType) {
  TTypeInfo info = Ordinal(tkSet, name, otULong, 0, 0);
  info.CompType = elementType;
  return info;
}

TTypeInfo TTypeInfo::Float(const char* name, TFloatType floatType) {
  TTypeInfo info;
  info.Kind = tkFloat;
  info.Name = name;
  info.FloatType = floatType;
  return info;
}

TTypeInfo TTypeInfo::String(const char* name) {
  TTypeInfo info;
  info.Kind = tkLString;
  info.Name = name;
  return info;
}

TTypeInfo TTypeInfo::Class(const char* name, TClass classType) {
  TTypeInfo info;
  info.Kind = tkClass;
  info.Name = name;
  info.ClassType = classType;
  return info;
}

TTypeInfo TTypeInfo::Method(const char* name, const std::type_info& signature) {
  TTypeInfo info;
  info.Kind = tkMethod;
  info.Name = name;
  info.MethodSignature = &signature;
  return info;
}

// ---------------------------------------------------------------------------------------------

namespace detail {

void RaiseInvalidPropertyType(PTypeInfo type) {
  throw EPropertyConvertError(Format("Invalid property type: %s", {type != nullptr ? type->Name : AnsiString()}));
}

PTypeInfo IntegerType(TOrdType ordType) {
  static const TTypeInfo types[] = {
      TTypeInfo::Ordinal(tkInteger, "ShortInt", otSByte, INT8_MIN, INT8_MAX),
      TTypeInfo::Ordinal(tkInteger, "Byte", otUByte, 0, UINT8_MAX),
      TTypeInfo::Ordinal(tkInteger, "SmallInt", otSWord, INT16_MIN, INT16_MAX),
      TTypeInfo::Ordinal(tkInteger, "Word", otUWord, 0, UINT16_MAX),
      TTypeInfo::Ordinal(tkInteger, "Integer", otSLong, INT32_MIN, INT32_MAX),
      TTypeInfo::Ordinal(tkInteger, "Cardinal", otULong, 0, UINT32_MAX),
  };
  return &types[static_cast<size_t>(ordType)];
}

PTypeInfo Int64Type() {
  static const TTypeInfo info = TTypeInfo::Ordinal(tkInt64, "Int64", otSLong, INT64_MIN, INT64_MAX);
  return &info;
}

PTypeInfo BooleanType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("Boolean", "False, True");
  return &info;
}

PTypeInfo CharType() {
  static const TTypeInfo info = TTypeInfo::Ordinal(tkChar, "Char", otUByte, 0, 255);
  return &info;
}

PTypeInfo FloatType(TFloatType floatType) {
  static const TTypeInfo types[] = {
      TTypeInfo::Float("Single", ftSingle),     TTypeInfo::Float("Double", ftDouble),
      TTypeInfo::Float("Extended", ftExtended), TTypeInfo::Float("Comp", ftComp),
      TTypeInfo::Float("Currency", ftCurr),
  };
  return &types[static_cast<size_t>(floatType)];
}

PTypeInfo StringType() {
  static const TTypeInfo info = TTypeInfo::String("AnsiString");
  return &info;
}

}  // namespace detail

// ---------------------------------------------------------------------------------------------

PPropInfo TPublishedTable::FindProperty(const AnsiString& name) const {
  for (const auto& info : Properties) {
    if (SameText(info->Name, name)) return info.get();
  }
  return nullptr;
}

const TPublishedMethod* TPublishedTable::FindMethod(const AnsiString& name) const {
  for (auto it = Methods.rbegin(); it != Methods.rend(); ++it) {  // most derived first
    if (SameText(it->Name, name)) return &*it;
  }
  return nullptr;
}

const TPublishedMethod* TPublishedTable::FindMethodByCode(const TMethodCode& code) const {
  for (auto it = Methods.rbegin(); it != Methods.rend(); ++it) {
    if (it->Code.SameCode(code)) return &*it;
  }
  return nullptr;
}

const TPublishedField* TPublishedTable::FindField(const AnsiString& name) const {
  for (const auto& field : Fields) {
    if (SameText(field.Name, name)) return &field;
  }
  return nullptr;
}

TPropertyBuilder& TPropertyBuilder::NoDefault() {
  FInfo.Default = kNoDefault;
  return *this;
}

TPropertyBuilder& TPropertyBuilder::Stored(bool stored) {
  FInfo.StoredTest = nullptr;
  FInfo.StoredValue = stored;
  return *this;
}

TPropertyBuilder& TPropertyBuilder::Type(PTypeInfo type) {
  if (type->Kind != FInfo.PropType->Kind) detail::RaiseInvalidPropertyType(type);
  FInfo.PropType = type;
  return *this;
}

// ---------------------------------------------------------------------------------------------

PPropInfo GetPropInfo(TClass classType, const AnsiString& name) {
  return classType->Published().FindProperty(name);
}

PPropInfo GetPropInfo(const TObject* instance, const AnsiString& name) {
  return GetPropInfo(instance->ClassType(), name);
}

TPropList GetPropList(TClass classType) {
  TPropList list;
  for (const auto& info : classType->Published().Properties) list.push_back(info.get());
  return list;
}

bool IsPublishedProp(const TObject* instance, const AnsiString& name) {
  return GetPropInfo(instance, name) != nullptr;
}

bool IsStoredProp(TObject* instance, PPropInfo propInfo) { return propInfo->IsStored(instance); }

TTypeKind PropType(const TObject* instance, const AnsiString& name) {
  return FindPropInfo(instance, name)->PropType->Kind;
}

AnsiString GetEnumName(PTypeInfo typeInfo, int64_t value) {
  if (typeInfo->Kind == tkEnumeration && value >= 0 &&
      value < static_cast<int64_t>(typeInfo->EnumNames.size())) {
    return typeInfo->EnumNames[static_cast<std::size_t>(value)];
  }
  return IntToStr(value);
}

int GetEnumValue(PTypeInfo typeInfo, const AnsiString& name) {
  for (std::size_t i = 0; i < typeInfo->EnumNames.size(); ++i) {
    if (SameText(typeInfo->EnumNames[i], name)) return static_cast<int>(i);
  }
  return -1;
}

AnsiString SetToString(PPropInfo propInfo, int64_t value, bool brackets) {
  PTypeInfo element = propInfo->PropType->CompType;
  AnsiString result;
  for (int bit = 0; bit < 32; ++bit) {
    if ((value & (int64_t{1} << bit)) == 0) continue;
    if (!result.empty()) result += ',';
    result += GetEnumName(element, bit);
  }
  return brackets ? "[" + result + "]" : result;
}

int64_t StringToSet(PPropInfo propInfo, const AnsiString& value) {
  AnsiString text = Trim(value);
  if (!text.empty() && text.front() == '[') text.erase(0, 1);
  if (!text.empty() && text.back() == ']') text.pop_back();
  int64_t bits = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(',', start);
    if (end == AnsiString::npos) end = text.size();
    const AnsiString name = Trim(text.substr(start, end - start));
    if (!name.empty()) {
      const int ordinal = GetEnumValue(propInfo->PropType->CompType, name);
      if (ordinal < 0 || ordinal >= 32) {
        throw EPropertyConvertError(Format("Invalid property element: %s", {name}));
      }
      bits |= int64_t{1} << ordinal;
    }
    start = end + 1;
  }
  return bits;
}

int64_t GetOrdProp(TObject* instance, PPropInfo propInfo) {
  RequireKind(propInfo, kOrdinalKinds);
  return std::get<int64_t>(propInfo->Getter(instance));
}

void SetOrdProp(TObject* instance, PPropInfo propInfo, int64_t value) {
  RequireKind(propInfo, kOrdinalKinds);
  RequireSetter(propInfo);
  propInfo->Setter(instance, value);
}

int64_t GetOrdProp(TObject* instance, const AnsiString& name) {
  return GetOrdProp(instance, FindPropInfo(instance, name));
}

void SetOrdProp(TObject* instance, const AnsiString& name, int64_t value) {
  SetOrdProp(instance, FindPropInfo(instance, name), value);
}

AnsiString GetEnumProp(TObject* instance, PPropInfo propInfo) {
  return GetEnumName(propInfo->PropType, GetOrdProp(instance, propInfo));
}

void SetEnumProp(TObject* instance, PPropInfo propInfo, const AnsiString& value) {
  RequireKind(propInfo, {tkEnumeration});
  const int ordinal = GetEnumValue(propInfo->PropType, value);
  if (ordinal < 0) throw EPropertyConvertError(Format("Invalid enumeration value: %s", {value}));
  SetOrdProp(instance, propInfo, ordinal);
}

AnsiString GetEnumProp(TObject* instance, const AnsiString& name) {
  return GetEnumProp(instance, FindPropInfo(instance, name));
}

void SetEnumProp(TObject* instance, const AnsiString& name, const AnsiString& value) {
  SetEnumProp(instance, FindPropInfo(instance, name), value);
}

AnsiString GetSetProp(TObject* instance, PPropInfo propInfo, bool brackets) {
  RequireKind(propInfo, {tkSet});
  return SetToString(propInfo, GetOrdProp(instance, propInfo), brackets);
}

void SetSetProp(TObject* instance, PPropInfo propInfo, const AnsiString& value) {
  RequireKind(propInfo, {tkSet});
  SetOrdProp(instance, propInfo, StringToSet(propInfo, value));
}

AnsiString GetSetProp(TObject* instance, const AnsiString& name, bool brackets) {
  return GetSetProp(instance, FindPropInfo(instance, name), brackets);
}

void SetSetProp(TObject* instance, const AnsiString& name, const AnsiString& value) {
  SetSetProp(instance, FindPropInfo(instance, name), value);
}

AnsiString GetStrProp(TObject* instance, PPropInfo propInfo) {
  RequireKind(propInfo, {tkString, tkLString, tkWString});
  return std::get<AnsiString>(propInfo->Getter(instance));
}

void SetStrProp(TObject* instance, PPropInfo propInfo, const AnsiString& value) {
  RequireKind(propInfo, {tkString, tkLString, tkWString});
  RequireSetter(propInfo);
  propInfo->Setter(instance, value);
}

AnsiString GetStrProp(TObject* instance, const AnsiString& name) {
  return GetStrProp(instance, FindPropInfo(instance, name));
}

void SetStrProp(TObject* instance, const AnsiString& name, const AnsiString& value) {
  SetStrProp(instance, FindPropInfo(instance, name), value);
}

long double GetFloatProp(TObject* instance, PPropInfo propInfo) {
  RequireKind(propInfo, {tkFloat});
  return std::get<long double>(propInfo->Getter(instance));
}

void SetFloatProp(TObject* instance, PPropInfo propInfo, long double value) {
  RequireKind(propInfo, {tkFloat});
  RequireSetter(propInfo);
  propInfo->Setter(instance, value);
}

long double GetFloatProp(TObject* instance, const AnsiString& name) {
  return GetFloatProp(instance, FindPropInfo(instance, name));
}

void SetFloatProp(TObject* instance, const AnsiString& name, long double value) {
  SetFloatProp(instance, FindPropInfo(instance, name), value);
}

TObject* GetObjectProp(TObject* instance, PPropInfo propInfo) {
  RequireKind(propInfo, {tkClass});
  return std::get<TObject*>(propInfo->Getter(instance));
}

void SetObjectProp(TObject* instance, PPropInfo propInfo, TObject* value) {
  RequireKind(propInfo, {tkClass});
  RequireSetter(propInfo);
  if (value != nullptr && !value->InheritsFrom(propInfo->PropType->ClassType)) return;
  propInfo->Setter(instance, value);
}

TObject* GetObjectProp(TObject* instance, const AnsiString& name) {
  return GetObjectProp(instance, FindPropInfo(instance, name));
}

void SetObjectProp(TObject* instance, const AnsiString& name, TObject* value) {
  SetObjectProp(instance, FindPropInfo(instance, name), value);
}

TMethod GetMethodProp(TObject* instance, PPropInfo propInfo) {
  RequireKind(propInfo, {tkMethod});
  return std::get<TMethod>(propInfo->Getter(instance));
}

void SetMethodProp(TObject* instance, PPropInfo propInfo, const TMethod& value) {
  RequireKind(propInfo, {tkMethod});
  RequireSetter(propInfo);
  if (value.Assigned() && *value.Code.Signature != *propInfo->PropType->MethodSignature) {
    detail::RaiseInvalidPropertyType(propInfo->PropType);
  }
  propInfo->Setter(instance, value);
}

TMethod GetMethodProp(TObject* instance, const AnsiString& name) {
  return GetMethodProp(instance, FindPropInfo(instance, name));
}

void SetMethodProp(TObject* instance, const AnsiString& name, const TMethod& value) {
  SetMethodProp(instance, FindPropInfo(instance, name), value);
}
