#include "TWriter.h"

#include "RTLConsts.h"
#include "TCollection.h"
#include "TComponent.h"
#include "TFinally.h"
#include "TMemoryStream.h"
#include "TStream.h"

#include <cmath>
#include <cstring>

using enum TComponentStateItem;
using enum TComponentStyleItem;
using enum TFilerFlag;
using enum TFloatType;
using enum TTypeKind;
using enum TValueType;

TAWO_IMPLEMENT_CLASS(TWriter)

namespace {

// Sub-objects nested deeper than this are a cycle in the object graph, not a form.
constexpr std::size_t kMaxPropertyPathDepth = 100;

bool IsDateType(PTypeInfo type) { return SameText(type->Name, "TDateTime"); }

}  // namespace

void TWriter::SetRoot(TComponent* root) {
  TFiler::SetRoot(root);
  FLookupRoot = root;
}

// ---------------------------------------------------------------------------------------------
// Values.

void TWriter::WriteBytes(const void* data, int64_t size) { FStream.WriteBuffer(data, size); }

template <class T>
void TWriter::WriteLittleEndian(T value) {
  uint64_t raw = 0;
  std::memcpy(&raw, &value, sizeof value);
  unsigned char bytes[sizeof(T)];
  for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<unsigned char>(raw >> (8 * i));
  WriteBytes(bytes, sizeof bytes);
}

void TWriter::WriteValue(TValueType value) {
  const auto byte = static_cast<uint8_t>(value);
  WriteBytes(&byte, 1);
}

void TWriter::WriteSignature() { WriteBytes(kFilerSignature, 4); }

void TWriter::WritePrefix(TFilerFlags flags, int childPos) {
  if (flags.Empty()) return;
  const auto prefix = static_cast<uint8_t>(0xF0 | flags.Bits());
  WriteBytes(&prefix, 1);
  if (flags.Contains(ffChildPos)) WriteInteger(childPos);
}

void TWriter::WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }

void TWriter::WriteChar(char value) { WriteString(AnsiString(1, value)); }

void TWriter::WriteInteger(int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    WriteValue(vaInt8);
    WriteLittleEndian(static_cast<int8_t>(value));
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    WriteValue(vaInt16);
    WriteLittleEndian(static_cast<int16_t>(value));
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteValue(vaInt32);
    WriteLittleEndian(static_cast<int32_t>(value));
  } else {
    WriteValue(vaInt64);
    WriteLittleEndian(value);
  }
}

void TWriter::WriteFloat(long double value) {
  unsigned char bytes[10];
  PackExtended(value, bytes);
  WriteValue(vaExtended);
  WriteBytes(bytes, 10);
}

void TWriter::WriteSingle(float value) {
  WriteValue(vaSingle);
  WriteLittleEndian(value);
}

void TWriter::WriteDate(double value) {
  WriteValue(vaDate);
  WriteLittleEndian(value);
}

void TWriter::WriteCurrency(long double value) {
  WriteValue(vaCurrency);
  WriteLittleEndian(static_cast<int64_t>(std::llround(value * 10000)));
}

void TWriter::WriteString(const AnsiString& value) {
  if (value.size() <= 255) {
    WriteValue(vaString);
    WriteStr(value);
    return;
  }
  if (value.size() > UINT32_MAX) throw EWriteError(SWriteError);
  WriteValue(vaLString);
  WriteLittleEndian(static_cast<uint32_t>(value.size()));
  WriteBytes(value.data(), static_cast<int64_t>(value.size()));
}

void TWriter::WriteWideString(const std::u16string& value) {
  if (value.size() > UINT32_MAX) throw EWriteError(SWriteError);
  WriteValue(vaWString);
  WriteLittleEndian(static_cast<uint32_t>(value.size()));
  for (char16_t unit : value) WriteLittleEndian(static_cast<uint16_t>(unit));
}

void TWriter::WriteIdent(const AnsiString& ident) {
  if (SameText(ident, "False")) {
    WriteValue(vaFalse);
  } else if (SameText(ident, "True")) {
    WriteValue(vaTrue);
  } else if (SameText(ident, "nil")) {
    WriteValue(vaNil);
  } else {
    WriteValue(vaIdent);
    WriteStr(ident);
  }
}

void TWriter::WriteStr(const AnsiString& value) {
  if (value.size() > 255) throw EWriteError(SWriteError);
  const auto length = static_cast<uint8_t>(value.size());
  WriteBytes(&length, 1);
  WriteBytes(value.data(), length);
}

void TWriter::WriteBinary(const void* data, int64_t size) {
  if (size < 0 || size > UINT32_MAX) throw EWriteError(SWriteError);
  WriteValue(vaBinary);
  WriteLittleEndian(static_cast<uint32_t>(size));
  WriteBytes(data, size);
}

// ---------------------------------------------------------------------------------------------
// Defined properties.

void TWriter::DefineProperty(const AnsiString& name, const TReaderProc&, const TWriterProc& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  writeData(*this);
}

void TWriter::DefineBinaryProperty(const AnsiString& name, const TStreamProc&, const TStreamProc& writeData,
                                   bool hasData) {
  if (!hasData || !writeData) return;
  TMemoryStream data;
  writeData(data);
  WritePropName(name);
  WriteBinary(data.Memory(), data.Size());
}

// ---------------------------------------------------------------------------------------------
// Components.

void TWriter::WriteRootComponent(TComponent* root) { WriteDescendent(root, nullptr); }

void TWriter::WriteDescendent(TComponent* root, TComponent* ancestor) {
  FRootAncestor = ancestor;
  FAncestor = ancestor;
  SetRoot(root);
  WriteSignature();
  WriteComponent(root);
}

void TWriter::WriteComponent(TComponent* component) {
  TPersistent* savedAncestor = FAncestor;
  if (component != FRoot) {
    TComponent* ancestor = FRootAncestor != nullptr ? FRootAncestor->FindComponent(component->Name()) : nullptr;
    FAncestor = ancestor != nullptr && ancestor->ClassType() == component->ClassType() ? ancestor : nullptr;
  }
  component->FComponentState.Include(csWriting);
  const TFinally restore([&] {
    component->FComponentState.Exclude(csWriting);
    FAncestor = savedAncestor;
  });
  component->WriteState(*this);
}

void TWriter::WriteData(TComponent* instance) {
  TFilerFlags flags;
  if (FAncestor != nullptr) flags.Include(ffInherited);
  if (instance->ComponentState().Contains(csInline)) flags.Include(ffInline);
  WritePrefix(flags, 0);
  WriteStr(instance->ClassName());
  WriteStr(instance->Name());
  WriteProperties(instance);
  WriteListEnd();
  if (!FIgnoreChildren) {
    instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, FRoot);
  }
  WriteListEnd();
}

void TWriter::WriteCollection(TCollection* collection) {
  WriteValue(vaCollection);
  const AnsiString savedPath = FPropPath;
  TPersistent* savedAncestor = FAncestor;
  FPropPath.clear();
  FAncestor = nullptr;
  {
    const TFinally restore([&] {
      FPropPath = savedPath;
      FAncestor = savedAncestor;
    });
    for (int i = 0; i < collection->Count(); ++i) {
      WriteListBegin();
      WriteProperties(collection->Items(i));
      WriteListEnd();
    }
  }
  WriteListEnd();
}

// ---------------------------------------------------------------------------------------------
// Properties.

void TWriter::WritePropName(const AnsiString& name) { WriteStr(FPropPath + name); }

void TWriter::WriteProperties(TPersistent* instance) {
  for (PPropInfo info : GetPropList(instance->ClassType())) {
    if (!info->IsStored(instance)) continue;
    bool writable = info->HasSetter();
    if (!writable && info->PropType->Kind == tkClass) {
      auto* component = dynamic_cast<TComponent*>(GetObjectProp(instance, info));
      writable = component != nullptr && component->ComponentStyle().Contains(csSubComponent);
    }
    if (writable) WriteProperty(instance, info);
  }
  instance->DefineProperties(*this);
}

TPersistent* TWriter::AncestorFor(TPersistent* instance) const {
  if (FAncestor == nullptr) return nullptr;
  if (FAncestor->ClassType() == instance->ClassType() || instance == FRoot) return FAncestor;
  return nullptr;
}

void TWriter::WriteProperty(TPersistent* instance, PPropInfo propInfo) {
  TPersistent* ancestor = AncestorFor(instance);
  switch (propInfo->PropType->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64:
      WriteOrdinalProperty(instance, propInfo, ancestor);
      break;
    case tkFloat:
      WriteFloatProperty(instance, propInfo, ancestor);
      break;
    case tkString:
    case tkLString:
    case tkWString:
      WriteStringProperty(instance, propInfo, ancestor);
      break;
    case tkMethod:
      WriteMethodProperty(instance, propInfo, ancestor);
      break;
    case tkClass:
      WriteClassProperty(instance, propInfo, ancestor);
      break;
    default:
      break;
  }
}

void TWriter::WriteOrdinalProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor) {
  PTypeInfo type = propInfo->PropType;
  const int64_t value = GetOrdProp(instance, propInfo);
  if (ancestor != nullptr) {
    if (value == GetOrdProp(ancestor, propInfo)) return;
  } else if (type->Kind == tkInt64) {
    if (value == 0) return;
  } else if (propInfo->Default != kNoDefault && static_cast<int32_t>(value) == propInfo->Default) {
    return;
  }
  WritePropName(propInfo->Name);
  switch (type->Kind) {
    case tkInteger: {
      AnsiString ident;
      const TIntToIdent* intToIdent = FindIntToIdent(type);
      if (intToIdent != nullptr && (*intToIdent)(static_cast<int32_t>(value), ident)) WriteIdent(ident);
      else WriteInteger(value);
      break;
    }
    case tkChar:
    case tkWChar:
      WriteChar(static_cast<char>(value));
      break;
    case tkEnumeration:
      WriteIdent(GetEnumName(type, value));
      break;
    case tkSet:
      WriteValue(vaSet);
      for (int bit = 0; bit < 32; ++bit) {
        if ((value & (int64_t{1} << bit)) != 0) WriteStr(GetEnumName(type->CompType, bit));
      }
      WriteStr("");
      break;
    default:
      WriteInteger(value);
      break;
  }
}

void TWriter::WriteFloatProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor) {
  const long double value = GetFloatProp(instance, propInfo);
  if (ancestor != nullptr ? value == GetFloatProp(ancestor, propInfo) : value == 0) return;
  WritePropName(propInfo->Name);
  PTypeInfo type = propInfo->PropType;
  if (type->FloatType == ftSingle) WriteSingle(static_cast<float>(value));
  else if (type->FloatType == ftCurr) WriteCurrency(value);
  else if (IsDateType(type)) WriteDate(static_cast<double>(value));
  else WriteFloat(value);
}

void TWriter::WriteStringProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor) {
  const AnsiString value = GetStrProp(instance, propInfo);
  if (ancestor != nullptr ? value == GetStrProp(ancestor, propInfo) : value.empty()) return;
  WritePropName(propInfo->Name);
  WriteString(value);
}

AnsiString TWriter::MethodNameOf(const TMethod& method, TComponent* root) const {
  if (!method.Assigned() || root == nullptr) return AnsiString();
  return root->MethodName(method.Code);
}

void TWriter::WriteMethodProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor) {
  const TMethod value = GetMethodProp(instance, propInfo);
  const AnsiString name = MethodNameOf(value, FLookupRoot);
  if (ancestor != nullptr) {
    const TMethod inherited = GetMethodProp(ancestor, propInfo);
    if (name == MethodNameOf(inherited, FRootAncestor != nullptr ? FRootAncestor : FLookupRoot)) return;
    if (!value.Assigned()) {
      WritePropName(propInfo->Name);
      WriteValue(vaNil);
      return;
    }
  }
  // Only handlers published by the root can be written (and read back) by name.
  if (name.empty()) return;
  WritePropName(propInfo->Name);
  WriteIdent(name);
}

AnsiString TWriter::ReferenceName(TComponent* component) const {
  if (component == nullptr || component->Name().empty()) return AnsiString();
  if (component == FLookupRoot || component->Owner() == FLookupRoot) return component->Name();
  TComponent* owner = component->Owner();
  if (owner != nullptr && !owner->Name().empty()) return owner->Name() + "." + component->Name();
  return component->Name();
}

void TWriter::WriteClassProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor) {
  TObject* value = GetObjectProp(instance, propInfo);
  TObject* inherited = ancestor != nullptr ? GetObjectProp(ancestor, propInfo) : nullptr;
  auto* component = dynamic_cast<TComponent*>(value);
  const bool isReference = value == nullptr || (component != nullptr && !component->ComponentStyle().Contains(csSubComponent));
  if (isReference) {
    const AnsiString name = ReferenceName(component);
    auto* inheritedComponent = dynamic_cast<TComponent*>(inherited);
    const AnsiString inheritedName = inheritedComponent != nullptr ? inheritedComponent->Name() : AnsiString();
    if (ancestor != nullptr && SameText(name, inheritedName)) return;
    if (name.empty()) {
      if (ancestor == nullptr || inherited == nullptr) return;
      WritePropName(propInfo->Name);
      WriteValue(vaNil);
      return;
    }
    WritePropName(propInfo->Name);
    WriteIdent(name);
    return;
  }
  if (auto* collection = dynamic_cast<TCollection*>(value)) {
    if (auto* inheritedCollection = dynamic_cast<TCollection*>(inherited)) {
      TMemoryStream mine;
      TMemoryStream theirs;
      TWriter(mine).WriteCollection(collection);
      TWriter(theirs).WriteCollection(inheritedCollection);
      if (mine.Size() == theirs.Size() && std::memcmp(mine.Memory(), theirs.Memory(), mine.Size()) == 0) return;
    }
    WritePropName(propInfo->Name);
    WriteCollection(collection);
    return;
  }
  auto* persistent = dynamic_cast<TPersistent*>(value);
  if (persistent == nullptr) return;
  if (std::count(FPropPath.begin(), FPropPath.end(), '.') >= static_cast<std::ptrdiff_t>(kMaxPropertyPathDepth)) {
    throw EWriteError(SWriteError);
  }
  const AnsiString savedPath = FPropPath;
  TPersistent* savedAncestor = FAncestor;
  FPropPath += propInfo->Name + ".";
  FAncestor = dynamic_cast<TPersistent*>(inherited);
  const TFinally restore([&] {
    FPropPath = savedPath;
    FAncestor = savedAncestor;
  });
  WriteProperties(persistent);
}
