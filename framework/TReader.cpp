#include "TReader.h"

#include "RTLConsts.h"
#include "TCollection.h"
#include "TComponent.h"
#include "TFinally.h"
#include "TMemoryStream.h"
#include "TStream.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

using enum TComponentStateItem;
using enum TFilerFlag;
using enum TSeekOrigin;
using enum TTypeKind;
using enum TValueType;

TAWO_IMPLEMENT_CLASS(TReader)

// ---------------------------------------------------------------------------------------------
// References that point into roots not loaded yet.

namespace {

struct TPendingFixup {
  TComponent* Root;
  TComponent* Component;
  TPersistent* Instance;
  PPropInfo Prop;
  AnsiString Name;
};

std::vector<TPendingFixup>& PendingFixups() {
  static std::vector<TPendingFixup> fixups;
  return fixups;
}

// "Button1" in the root, the root itself by its name, or "Form2.Button1" through another root.
TComponent* ResolveReference(TComponent* root, const AnsiString& name) {
  std::size_t start = 0;
  TComponent* current = nullptr;
  while (start <= name.size()) {
    const std::size_t dot = name.find('.', start);
    const AnsiString part = name.substr(start, dot == AnsiString::npos ? AnsiString::npos : dot - start);
    if (start == 0) {
      if (!root->Name().empty() && SameText(root->Name(), part)) current = root;
      else current = root->FindComponent(part);
      if (current == nullptr) current = FindGlobalComponent(part);
    } else {
      current = current->FindComponent(part);
    }
    if (current == nullptr || dot == AnsiString::npos) break;
    start = dot + 1;
  }
  return current;
}

bool HasPendingFixups(TComponent* component) {
  const auto& fixups = PendingFixups();
  return std::any_of(fixups.begin(), fixups.end(),
                     [component](const TPendingFixup& f) { return f.Component == component; });
}

AnsiString InstanceName(TPersistent* instance) {
  auto* component = dynamic_cast<TComponent*>(instance);
  if (component != nullptr && !component->Name().empty()) return component->Name();
  return instance->ClassName();
}

AnsiString WideToAnsi(const std::u16string& wide) {
  if (wide.empty()) return AnsiString();
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(1250, 0, reinterpret_cast<LPCWSTR>(wide.data()), length, nullptr, 0, "?", nullptr);
  AnsiString out(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(1250, 0, reinterpret_cast<LPCWSTR>(wide.data()), length, out.data(), size, "?", nullptr);
  return out;
}

std::u16string Utf8ToWide(const AnsiString& utf8) {
  if (utf8.empty()) return std::u16string();
  const int length = static_cast<int>(utf8.size());
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::u16string out(static_cast<std::size_t>(std::max(size, 0)), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, reinterpret_cast<LPWSTR>(out.data()), size);
  return out;
}

}  // namespace

void GlobalFixupReferences() {
  auto& fixups = PendingFixups();
  std::vector<TComponent*> touched;
  for (std::size_t i = 0; i < fixups.size();) {
    TPendingFixup fixup = fixups[i];
    TComponent* target = ResolveReference(fixup.Root, fixup.Name);
    if (target == nullptr) {
      ++i;
      continue;
    }
    fixups.erase(fixups.begin() + static_cast<std::ptrdiff_t>(i));
    SetObjectProp(fixup.Instance, fixup.Prop, target);
    touched.push_back(fixup.Component);
  }
  for (TComponent* component : touched) {
    if (!HasPendingFixups(component)) component->FComponentState.Exclude(csFixups);
  }
}

void RemoveFixupReferences(TComponent* component) {
  auto& fixups = PendingFixups();
  fixups.erase(std::remove_if(fixups.begin(), fixups.end(),
                              [component](const TPendingFixup& f) {
                                return f.Component == component || f.Root == component;
                              }),
               fixups.end());
}

// ---------------------------------------------------------------------------------------------

class TReader::TDepthGuard {
 public:
  explicit TDepthGuard(TReader& reader) : FReader(reader) {
    if (++FReader.FDepth > kMaxNestingDepth) {
      --FReader.FDepth;
      throw EReadError(SNestingTooDeep);
    }
  }
  ~TDepthGuard() { --FReader.FDepth; }
  TDepthGuard(const TDepthGuard&) = delete;
  TDepthGuard& operator=(const TDepthGuard&) = delete;

 private:
  TReader& FReader;
};

TReader::~TReader() = default;

void TReader::PropValueError() { throw EReadError(SInvalidProperty); }

void TReader::PropertyError(const AnsiString& name) { throw EReadError(Format(SUnknownProperty, {name})); }

// ---------------------------------------------------------------------------------------------
// Values.

uint8_t TReader::ReadByte() {
  uint8_t byte = 0;
  FStream.ReadBuffer(&byte, 1);
  return byte;
}

template <class T>
T TReader::ReadLittleEndian() {
  unsigned char bytes[sizeof(T)];
  FStream.ReadBuffer(bytes, sizeof bytes);
  uint64_t raw = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) raw |= uint64_t{bytes[i]} << (8 * i);
  T value;
  if constexpr (sizeof(T) == 2) {
    const auto narrow = static_cast<uint16_t>(raw);
    std::memcpy(&value, &narrow, sizeof value);
  } else if constexpr (sizeof(T) == 4) {
    const auto narrow = static_cast<uint32_t>(raw);
    std::memcpy(&value, &narrow, sizeof value);
  } else {
    std::memcpy(&value, &raw, sizeof value);
  }
  return value;
}

void TReader::CheckAvailable(int64_t count) {
  if (count < 0 || count > FStream.Remaining()) throw EReadError(SReadError);
}

AnsiString TReader::ReadBytes(int64_t count) {
  CheckAvailable(count);
  AnsiString bytes(static_cast<std::size_t>(count), '\0');
  FStream.ReadBuffer(bytes.data(), count);
  return bytes;
}

TValueType TReader::NextValue() {
  const uint8_t byte = ReadByte();
  FStream.Seek(-1, soCurrent);
  return static_cast<TValueType>(byte);
}

TValueType TReader::ReadValue() {
  const uint8_t byte = ReadByte();
  if (byte > kLastValueType) throw EReadError(SInvalidImage);
  return static_cast<TValueType>(byte);
}

void TReader::CheckValue(TValueType value) {
  if (ReadValue() != value) PropValueError();
}

void TReader::ReadSignature() {
  char signature[4];
  FStream.ReadBuffer(signature, 4);
  if (std::memcmp(signature, kFilerSignature, 4) != 0) throw EReadError(SInvalidImage);
}

void TReader::ReadPrefix(TFilerFlags& flags, int& childPos) {
  flags = TFilerFlags();
  childPos = 0;
  const uint8_t byte = ReadByte();
  if ((byte & 0xF0) != 0xF0) {
    FStream.Seek(-1, soCurrent);
    return;
  }
  flags = TFilerFlags::FromBits(byte & 0x07);
  if (flags.Contains(ffChildPos)) childPos = ReadInteger();
}

bool TReader::ReadBoolean() {
  const TValueType value = ReadValue();
  if (value != vaTrue && value != vaFalse) PropValueError();
  return value == vaTrue;
}

char TReader::ReadChar() {
  const AnsiString text = ReadString();
  if (text.size() != 1) PropValueError();
  return text[0];
}

int32_t TReader::ReadInteger() {
  switch (ReadValue()) {
    case vaInt8: return static_cast<int8_t>(ReadByte());
    case vaInt16: return ReadLittleEndian<int16_t>();
    case vaInt32: return ReadLittleEndian<int32_t>();
    default: PropValueError();
  }
}

int64_t TReader::ReadInt64() {
  if (NextValue() == vaInt64) {
    ReadValue();
    return ReadLittleEndian<int64_t>();
  }
  return ReadInteger();
}

long double TReader::ReadFloat() {
  switch (ReadValue()) {
    case vaInt8: return static_cast<int8_t>(ReadByte());
    case vaInt16: return ReadLittleEndian<int16_t>();
    case vaInt32: return ReadLittleEndian<int32_t>();
    case vaInt64: return static_cast<long double>(ReadLittleEndian<int64_t>());
    case vaExtended: {
      unsigned char bytes[10];
      FStream.ReadBuffer(bytes, 10);
      return UnpackExtended(bytes);
    }
    case vaSingle: return ReadLittleEndian<float>();
    case vaCurrency: return static_cast<long double>(ReadLittleEndian<int64_t>()) / 10000;
    case vaDate:
    case vaDouble: return ReadLittleEndian<double>();
    default: PropValueError();
  }
}

float TReader::ReadSingle() { return static_cast<float>(ReadFloat()); }

double TReader::ReadDate() { return static_cast<double>(ReadFloat()); }

long double TReader::ReadCurrency() { return ReadFloat(); }

std::u16string TReader::ReadWideString() {
  switch (NextValue()) {
    case vaWString: {
      ReadValue();
      const int64_t count = ReadLittleEndian<uint32_t>();
      const AnsiString bytes = ReadBytes(count * 2);
      std::u16string wide(static_cast<std::size_t>(count), u'\0');
      for (std::size_t i = 0; i < wide.size(); ++i) {
        wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
      }
      return wide;
    }
    case vaUTF8String:
      ReadValue();
      return Utf8ToWide(ReadBytes(ReadLittleEndian<uint32_t>()));
    default: {
      std::u16string wide;
      for (char c : ReadString()) wide += cp1250::ToUnicode(static_cast<unsigned char>(c));
      return wide;
    }
  }
}

AnsiString TReader::ReadString() {
  const TValueType type = NextValue();
  if (type == vaWString || type == vaUTF8String) return WideToAnsi(ReadWideString());
  switch (ReadValue()) {
    case vaString: return ReadStr();
    case vaLString: return ReadBytes(ReadLittleEndian<uint32_t>());
    default: PropValueError();
  }
}

AnsiString TReader::ReadBinary() {
  CheckValue(vaBinary);
  return ReadBytes(ReadLittleEndian<uint32_t>());
}

AnsiString TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: PropValueError();
  }
}

AnsiString TReader::ReadStr() { return ReadBytes(ReadByte()); }

void TReader::SkipValue() {
  auto skip = [this](int64_t count) {
    CheckAvailable(count);
    FStream.Seek(count, soCurrent);
  };
  switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: break;
    case vaList: {
      TDepthGuard guard(*this);
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    }
    case vaInt8: skip(1); break;
    case vaInt16: skip(2); break;
    case vaInt32:
    case vaSingle: skip(4); break;
    case vaExtended: skip(10); break;
    case vaString:
    case vaIdent: skip(ReadByte()); break;
    case vaBinary:
    case vaLString:
    case vaUTF8String: skip(ReadLittleEndian<uint32_t>()); break;
    case vaWString: skip(int64_t{ReadLittleEndian<uint32_t>()} * 2); break;
    case vaSet:
      while (!ReadStr().empty()) {
      }
      break;
    case vaCollection: {
      TDepthGuard guard(*this);
      while (!EndOfList()) {
        const TValueType next = NextValue();
        if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
        ReadListBegin();
        while (!EndOfList()) {
          ReadStr();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      break;
    }
    case vaCurrency:
    case vaDate:
    case vaInt64:
    case vaDouble: skip(8); break;
  }
}

// ---------------------------------------------------------------------------------------------
// Defined properties.

void TReader::DefineProperty(const AnsiString& name, const TReaderProc& readData, const TWriterProc&, bool) {
  if (!FPropName.empty() && readData && SameText(name, FPropName)) {
    FPropName.clear();
    readData(*this);
  }
}

void TReader::DefineBinaryProperty(const AnsiString& name, const TStreamProc& readData, const TStreamProc&, bool) {
  if (FPropName.empty() || !readData || !SameText(name, FPropName)) return;
  FPropName.clear();
  const AnsiString bytes = ReadBinary();
  TMemoryStream data;
  data.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  data.SetPosition(0);
  readData(data);
}

// ---------------------------------------------------------------------------------------------
// Properties.

void TReader::ReadProperty(TPersistent* instance) {
  AnsiString path;
  int64_t valueStart = -1;
  try {
    path = ReadStr();
    valueStart = FStream.Position();
    TPersistent* target = instance;
    std::size_t start = 0;
    for (std::size_t dot; (dot = path.find('.', start)) != AnsiString::npos; start = dot + 1) {
      FPropName = path.substr(start, dot - start);
      PPropInfo info = GetPropInfo(target, FPropName);
      if (info == nullptr) PropertyError(FPropName);
      target = info->PropType->Kind == tkClass ? dynamic_cast<TPersistent*>(GetObjectProp(target, info)) : nullptr;
      if (target == nullptr) PropertyError(FPropName);
    }
    FPropName = path.substr(start);
    if (PPropInfo info = GetPropInfo(target, FPropName)) {
      ReadPropValue(target, info);
    } else {
      target->DefineProperties(*this);
      if (!FPropName.empty()) PropertyError(FPropName);
    }
  } catch (const Exception& error) {
    const AnsiString message = Format(SPropertyException, {InstanceName(instance), ".", path, error.Message()});
    bool handled = false;
    if (valueStart >= 0) OnError(this, message, handled);
    if (!handled) throw EReadError(message);
    FStream.SetPosition(valueStart);
    SkipValue();
  }
}

void TReader::ReadPropValue(TPersistent* instance, PPropInfo propInfo) {
  const TTypeKind kind = propInfo->PropType->Kind;
  if (kind != tkClass && !propInfo->HasSetter()) PropValueError();
  switch (kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64:
      ReadOrdinalValue(instance, propInfo);
      break;
    case tkFloat:
      SetFloatProp(instance, propInfo, ReadFloat());
      break;
    case tkString:
    case tkLString:
    case tkWString:
      SetStrProp(instance, propInfo, ReadString());
      break;
    case tkMethod:
      ReadMethodValue(instance, propInfo);
      break;
    case tkClass:
      ReadClassValue(instance, propInfo);
      break;
    default:
      PropValueError();
  }
}

void TReader::ReadOrdinalValue(TPersistent* instance, PPropInfo propInfo) {
  PTypeInfo type = propInfo->PropType;
  int64_t value = 0;
  switch (type->Kind) {
    case tkInteger:
      if (NextValue() == vaIdent) {
        const AnsiString ident = ReadIdent();
        const TIdentToInt* identToInt = FindIdentToInt(type);
        int32_t mapped = 0;
        if (identToInt == nullptr || !(*identToInt)(ident, mapped)) PropValueError();
        value = mapped;
      } else {
        value = ReadInteger();
      }
      break;
    case tkInt64:
      value = ReadInt64();
      break;
    case tkChar:
    case tkWChar:
      value = static_cast<unsigned char>(ReadChar());
      break;
    case tkEnumeration:
      value = GetEnumValue(type, ReadIdent());
      if (value < 0) PropValueError();
      break;
    default:
      value = ReadSet(type);
      break;
  }
  SetOrdProp(instance, propInfo, value);
}

int64_t TReader::ReadSet(PTypeInfo setType) {
  if (ReadValue() != vaSet) PropValueError();
  int64_t bits = 0;
  for (AnsiString name = ReadStr(); !name.empty(); name = ReadStr()) {
    const int ordinal = GetEnumValue(setType->CompType, name);
    if (ordinal < 0 || ordinal >= 32) PropValueError();
    bits |= int64_t{1} << ordinal;
  }
  return bits;
}

void TReader::ReadMethodValue(TPersistent* instance, PPropInfo propInfo) {
  if (NextValue() == vaNil) {
    ReadValue();
    SetMethodProp(instance, propInfo, TMethod{});
    return;
  }
  const TMethod method = FindMethod(ReadIdent());
  if (method.Assigned() && *method.Code.Signature != *propInfo->PropType->MethodSignature) PropValueError();
  SetMethodProp(instance, propInfo, method);
}

TMethod TReader::FindMethod(const AnsiString& name) {
  TMethod method;
  const TMethodCode* code = FRoot != nullptr ? FRoot->MethodAddress(name) : nullptr;
  if (code != nullptr) method = TMethod{FRoot, *code};
  bool error = code == nullptr;
  OnFindMethod(this, name, method, error);
  if (error) PropValueError();
  return method;
}

void TReader::ReadClassValue(TPersistent* instance, PPropInfo propInfo) {
  switch (NextValue()) {
    case vaNil:
      ReadValue();
      if (!propInfo->HasSetter()) PropValueError();
      SetObjectProp(instance, propInfo, nullptr);
      break;
    case vaCollection: {
      ReadValue();
      auto* collection = dynamic_cast<TCollection*>(GetObjectProp(instance, propInfo));
      if (collection == nullptr) PropValueError();
      ReadCollection(collection);
      break;
    }
    case vaIdent:
      if (!propInfo->HasSetter()) PropValueError();
      FFixups.push_back({FReadingComponent, instance, propInfo, ReadIdent()});
      break;
    default:
      PropValueError();
  }
}

void TReader::ReadCollection(TCollection* collection) {
  TDepthGuard guard(*this);
  collection->BeginUpdate();
  const TFinally endUpdate([&] { collection->EndUpdate(); });
  if (!EndOfList()) collection->Clear();
  while (!EndOfList()) {
    const TValueType next = NextValue();
    if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();  // order index
    TCollectionItem* item = collection->Add();
    ReadListBegin();
    while (!EndOfList()) ReadProperty(item);
    ReadListEnd();
  }
  ReadListEnd();
}

// ---------------------------------------------------------------------------------------------
// Components.

TClass TReader::FindComponentClass(const AnsiString& className) {
  if (FRoot != nullptr) {
    for (const TPublishedField& field : FRoot->ClassType()->Published().Fields) {
      if (SameText(field.FieldClass->ClassName(), className)) return field.FieldClass;
    }
  }
  if (TClass found = GetClass(className)) return found;
  throw EClassNotFound(Format(SClassNotFound, {className}));
}

TComponent* TReader::CreateComponent(const AnsiString& className) {
  TClass componentClass = FindComponentClass(className);
  if (!componentClass->InheritsFrom(TComponent::ClassInfo()) || !componentClass->CanCreate()) {
    throw EClassNotFound(Format(SClassNotFound, {className}));
  }
  TObject* object = componentClass->Create(FOwner);
  auto* component = dynamic_cast<TComponent*>(object);
  if (component == nullptr) {
    delete object;
    throw EClassNotFound(Format(SClassNotFound, {className}));
  }
  return component;
}

void TReader::AddLoaded(TComponent* component) {
  if (std::find(FLoaded.begin(), FLoaded.end(), component) == FLoaded.end()) FLoaded.push_back(component);
}

TComponent* TReader::ReadComponent(TComponent* component) {
  TDepthGuard guard(*this);
  TFilerFlags flags;
  int childPos = 0;
  ReadPrefix(flags, childPos);
  const AnsiString className = ReadStr();
  const AnsiString name = ReadStr();
  TComponent* result = component;
  bool created = false;
  if (result == nullptr) {
    try {
      result = flags.Contains(ffInherited) ? FindAncestorComponent(name) : CreateComponent(className);
    } catch (const Exception& error) {
      bool handled = false;
      OnError(this, Format(SPropertyException, {name.empty() ? className : name, "", "", error.Message()}), handled);
      if (!handled) throw;
      SkipComponentData();
      return nullptr;
    }
    created = !flags.Contains(ffInherited);
  }
  try {
    result->FComponentState += {csLoading, csReading};
    if (!flags.Contains(ffInherited)) result->SetName(name);
    if (FParent != nullptr) result->SetParentComponent(FParent);
    AddLoaded(result);
    result->ReadState(*this);
    result->FComponentState.Exclude(csReading);
    if (flags.Contains(ffChildPos) && FParent != nullptr) FParent->SetChildOrder(result, childPos);
  } catch (...) {
    if (created) {
      FLoaded.erase(std::remove(FLoaded.begin(), FLoaded.end(), result), FLoaded.end());
      delete result;
    }
    throw;
  }
  return result;
}

TComponent* TReader::FindAncestorComponent(const AnsiString& name) {
  TComponent* found = FOwner != nullptr ? FOwner->FindComponent(name) : nullptr;
  if (found == nullptr) throw EReadError(Format(SAncestorNotFound, {name}));
  return found;
}

void TReader::SkipComponentData() {
  TDepthGuard guard(*this);
  while (!EndOfList()) {
    ReadStr();
    SkipValue();
  }
  ReadListEnd();
  while (!EndOfList()) {
    TFilerFlags flags;
    int childPos = 0;
    ReadPrefix(flags, childPos);
    ReadStr();
    ReadStr();
    SkipComponentData();
  }
  ReadListEnd();
}

void TReader::ReadData(TComponent* instance) {
  TComponent* savedOwner = FOwner;
  TComponent* savedParent = FParent;
  TComponent* savedReading = FReadingComponent;
  FParent = instance->GetChildParent();
  FOwner = instance->GetChildOwner();
  if (FOwner == nullptr) FOwner = FRoot;
  FReadingComponent = instance;
  const TFinally restore([&] {
    FOwner = savedOwner;
    FParent = savedParent;
    FReadingComponent = savedReading;
  });
  while (!EndOfList()) ReadProperty(instance);
  ReadListEnd();
  while (!EndOfList()) ReadComponent(nullptr);
  ReadListEnd();
}

void TReader::ResolveFixups() {
  std::vector<TFixup> fixups;
  fixups.swap(FFixups);
  for (const TFixup& fixup : fixups) {
    if (TComponent* target = ResolveReference(FRoot, fixup.Name)) {
      SetObjectProp(fixup.Instance, fixup.Prop, target);
    } else {
      PendingFixups().push_back({FRoot, fixup.Component, fixup.Instance, fixup.Prop, fixup.Name});
      fixup.Component->FComponentState.Include(csFixups);
    }
  }
}

// A second instance of a form gets Name_1, Name_2 ...: the name must stay unique among its
// owner's components and the application's forms.
static AnsiString UniqueRootName(TComponent* root, const AnsiString& name) {
  auto taken = [root](const AnsiString& candidate) {
    TComponent* other = FindGlobalComponent(candidate);
    if (other == nullptr && root->Owner() != nullptr) other = root->Owner()->FindComponent(candidate);
    return other != nullptr && other != root;
  };
  if (name.empty()) return name;
  AnsiString result = name;
  for (int i = 1; taken(result); ++i) result = name + "_" + IntToStr(i);
  return result;
}

TComponent* TReader::ReadRootComponent(TComponent* root) {
  ReadSignature();
  TFilerFlags flags;
  int childPos = 0;
  ReadPrefix(flags, childPos);
  const AnsiString className = ReadStr();
  TComponent* result = root;
  bool created = false;
  if (result == nullptr) {
    TClass rootClass = FindClass(className);
    if (!rootClass->InheritsFrom(TComponent::ClassInfo()) || !rootClass->CanCreate()) {
      throw EClassNotFound(Format(SClassNotFound, {className}));
    }
    result = dynamic_cast<TComponent*>(rootClass->Create(nullptr));
    if (result == nullptr) throw EClassNotFound(Format(SClassNotFound, {className}));
    created = true;
  }
  try {
    result->FComponentState += {csLoading, csReading};
    result->SetName(UniqueRootName(result, ReadStr()));
    SetRoot(result);
    FLookupRoot = result;
    FOwner = result;
    FLoaded.assign(1, result);
    result->ReadState(*this);
    result->FComponentState.Exclude(csReading);
    ResolveFixups();
    std::vector<TComponent*> loaded;
    loaded.swap(FLoaded);
    for (TComponent* component : loaded) component->Loaded();
  } catch (...) {
    FFixups.clear();
    FLoaded.clear();
    if (created) delete result;
    throw;
  }
  return result;
}
