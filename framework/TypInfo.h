// Unit TypInfo: type information of published properties and the per-class published tables
// (properties, methods, component fields) that drive form streaming and object saving.
//
// A class declares its published section in its .cpp, ancestors' entries come first:
//
//   TAWO_PUBLISHED(TLMDFillObject, published) {
//     published.Property("Alignment", &TLMDFillObject::Alignment, &TLMDFillObject::SetAlignment)
//         .Default(agTopLeft);
//     published.Property("OffsetX", &TLMDFillObject::GetOffset, &TLMDFillObject::SetOffset, 0);
//     published.Property("OnChange", &TLMDFillObject::FOnChange);   // field: read and write
//     published.Redeclare("Style").Default(sfNone);                  // ancestor's, new default
//   }
#pragma once

#include "SysUtils.h"
#include "System.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

enum class TTypeKind {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
  tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray
};
enum class TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum class TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

// "No default": the property is always written.
inline constexpr int32_t kNoDefault = INT32_MIN;
// "No index specifier".
inline constexpr int32_t kNoIndex = INT32_MIN;

class TTypeInfo {
 public:
  static TTypeInfo Ordinal(TTypeKind kind, const char* name, TOrdType ordType, int64_t minValue,
                           int64_t maxValue);
  // The names come as the enumeration's source text: "alNone, alTop, alBottom".
  static TTypeInfo Enumeration(const char* name, std::string_view commaSeparatedNames);
  static TTypeInfo Set(const char* name, const TTypeInfo* elementType);
  static TTypeInfo Float(const char* name, TFloatType floatType);
  static TTypeInfo String(const char* name);
  static TTypeInfo Class(const char* name, TClass classType);
  static TTypeInfo Method(const char* name, const std::type_info& signature);

  TTypeKind Kind = TTypeKind::tkUnknown;
  AnsiString Name;
  // Ordinal types (integers, characters, enumerations).
  TOrdType OrdType = TOrdType::otSLong;
  int64_t MinValue = 0;
  int64_t MaxValue = 0;
  std::vector<AnsiString> EnumNames;
  // Sets: the element type.
  const TTypeInfo* CompType = nullptr;
  TFloatType FloatType = TFloatType::ftExtended;
  TClass ClassType = nullptr;
  const std::type_info* MethodSignature = nullptr;
};
using PTypeInfo = const TTypeInfo*;

// Declares a scoped enumeration with the framework's names and order, and its type information:
//   TAWO_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
// Use it at namespace scope. Headers name the values qualified (TAlign::alTop); a source file
// that names them plainly says `using enum TAlign;` after its includes, as its uses clause.
// Streaming and the type information keep the plain names ("alTop").
#define TAWO_ENUM(Name, ...)                                                  \
  enum class Name : uint8_t { __VA_ARGS__ };                                  \
  inline PTypeInfo EnumTypeInfo(Name*) {                                      \
    static const TTypeInfo info = TTypeInfo::Enumeration(#Name, #__VA_ARGS__); \
    return &info;                                                             \
  }

// Type information of C++ types used as published property types.
template <class T>
PTypeInfo TypeInfo();

// The value of a property in the generic accessors.
using TPropValue = std::variant<int64_t, long double, AnsiString, TObject*, TMethod>;

class TPropInfo {
 public:
  AnsiString Name;
  PTypeInfo PropType = nullptr;
  int32_t Index = kNoIndex;
  int32_t Default = kNoDefault;
  int NameIndex = 0;
  std::function<TPropValue(TObject*)> Getter;
  std::function<void(TObject*, const TPropValue&)> Setter;  // empty: read-only
  std::function<bool(TObject*)> StoredTest;                  // empty: StoredValue decides
  bool StoredValue = true;

  bool HasSetter() const { return static_cast<bool>(Setter); }
  bool IsStored(TObject* instance) const { return StoredTest ? StoredTest(instance) : StoredValue; }
};
using PPropInfo = const TPropInfo*;
using TPropList = std::vector<PPropInfo>;

struct TPublishedMethod {
  AnsiString Name;
  TMethodCode Code;
};

// A published component field of a form: `Button1: TButton` is bound to the owned component
// named Button1 and makes TButton known to the reader.
struct TPublishedField {
  AnsiString Name;
  TClass FieldClass = nullptr;
  std::function<void(TObject* owner, TObject* value)> Assign;
};

class TPublishedTable {
 public:
  PPropInfo FindProperty(const AnsiString& name) const;
  const TPublishedMethod* FindMethod(const AnsiString& name) const;
  const TPublishedMethod* FindMethodByCode(const TMethodCode& code) const;
  const TPublishedField* FindField(const AnsiString& name) const;

  std::vector<std::shared_ptr<TPropInfo>> Properties;
  std::vector<TPublishedMethod> Methods;
  std::vector<TPublishedField> Fields;
};

namespace detail {

template <class T>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {};

template <class T>
struct IsEvent : std::false_type {};
template <class... A>
struct IsEvent<TEvent<A...>> : std::true_type {};

template <class T>
concept DeclaredEnum = std::is_enum_v<T> && requires(T* p) { EnumTypeInfo(p); };

template <class T>
concept ObjectPointer =
    std::is_pointer_v<T> && std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<T>>>;

[[noreturn]] void RaiseInvalidPropertyType(PTypeInfo type);

template <class T>
TPropValue ToPropValue(const T& value) {
  if constexpr (std::is_same_v<T, bool>) return int64_t{value ? 1 : 0};
  else if constexpr (std::is_enum_v<T>) return static_cast<int64_t>(value);
  else if constexpr (IsSet<T>::value) return static_cast<int64_t>(value.Bits());
  else if constexpr (std::is_integral_v<T>) return static_cast<int64_t>(value);
  else if constexpr (std::is_floating_point_v<T>) return static_cast<long double>(value);
  else if constexpr (std::is_same_v<T, AnsiString>) return value;
  else if constexpr (ObjectPointer<T>) return static_cast<TObject*>(const_cast<std::remove_cv_t<std::remove_pointer_t<T>>*>(value));
  else if constexpr (IsEvent<T>::value) return value.Method();
  else static_assert(sizeof(T) == 0, "type cannot be published");
}

template <class T>
T FromPropValue(const TPropValue& value, PTypeInfo type) {
  auto expect = [&]<class V>(V*) -> const V& {
    if (const V* held = std::get_if<V>(&value)) return *held;
    RaiseInvalidPropertyType(type);
  };
  if constexpr (std::is_same_v<T, bool>) return expect((int64_t*)nullptr) != 0;
  else if constexpr (std::is_enum_v<T>) return static_cast<T>(expect((int64_t*)nullptr));
  else if constexpr (IsSet<T>::value) return T::FromBits(static_cast<uint32_t>(expect((int64_t*)nullptr)));
  else if constexpr (std::is_integral_v<T>) return static_cast<T>(expect((int64_t*)nullptr));
  else if constexpr (std::is_floating_point_v<T>) return static_cast<T>(expect((long double*)nullptr));
  else if constexpr (std::is_same_v<T, AnsiString>) return expect((AnsiString*)nullptr);
  else if constexpr (ObjectPointer<T>) return dynamic_cast<T>(expect((TObject**)nullptr));
  else if constexpr (IsEvent<T>::value) return T::FromMethod(expect((TMethod*)nullptr));
  else static_assert(sizeof(T) == 0, "type cannot be published");
}

PTypeInfo IntegerType(TOrdType ordType);
PTypeInfo Int64Type();
PTypeInfo BooleanType();
PTypeInfo CharType();
PTypeInfo FloatType(TFloatType floatType);
PTypeInfo StringType();

template <class... A>
PTypeInfo EventType() {
  static const TTypeInfo info = TTypeInfo::Method("TMethod", typeid(TEventSignature<A...>));
  return &info;
}
template <class... A>
PTypeInfo EventTypeOf(TEvent<A...>*) {
  return EventType<A...>();
}
template <class E>
PTypeInfo SetTypeOf(TSet<E>*) {
  static const TTypeInfo info = TTypeInfo::Set("set", EnumTypeInfo(static_cast<E*>(nullptr)));
  return &info;
}

// Calls a member getter or reads a member field.
template <class C, class G>
decltype(auto) Read(C& object, G getter) {
  return std::invoke(getter, object);
}
template <class C, class S, class V>
void Write(C& object, S setter, V&& value) {
  if constexpr (std::is_member_function_pointer_v<S>) std::invoke(setter, object, std::forward<V>(value));
  else std::invoke(setter, object) = std::forward<V>(value);
}

}  // namespace detail

template <class T>
PTypeInfo TypeInfo() {
  if constexpr (std::is_same_v<T, bool>) return detail::BooleanType();
  else if constexpr (std::is_same_v<T, char>) return detail::CharType();
  else if constexpr (std::is_same_v<T, int8_t>) return detail::IntegerType(TOrdType::otSByte);
  else if constexpr (std::is_same_v<T, uint8_t>) return detail::IntegerType(TOrdType::otUByte);
  else if constexpr (std::is_same_v<T, int16_t>) return detail::IntegerType(TOrdType::otSWord);
  else if constexpr (std::is_same_v<T, uint16_t>) return detail::IntegerType(TOrdType::otUWord);
  else if constexpr (std::is_same_v<T, int32_t>) return detail::IntegerType(TOrdType::otSLong);
  else if constexpr (std::is_same_v<T, uint32_t>) return detail::IntegerType(TOrdType::otULong);
  else if constexpr (std::is_same_v<T, int64_t>) return detail::Int64Type();
  else if constexpr (std::is_same_v<T, float>) return detail::FloatType(TFloatType::ftSingle);
  else if constexpr (std::is_same_v<T, double>) return detail::FloatType(TFloatType::ftDouble);
  else if constexpr (std::is_same_v<T, long double>) return detail::FloatType(TFloatType::ftExtended);
  else if constexpr (std::is_same_v<T, AnsiString>) return detail::StringType();
  else if constexpr (detail::DeclaredEnum<T>) return EnumTypeInfo(static_cast<T*>(nullptr));
  else if constexpr (detail::IsSet<T>::value) return detail::SetTypeOf(static_cast<T*>(nullptr));
  else if constexpr (detail::IsEvent<T>::value) return detail::EventTypeOf(static_cast<T*>(nullptr));
  else if constexpr (detail::ObjectPointer<T>) {
    using Class = std::remove_cv_t<std::remove_pointer_t<T>>;
    static const TTypeInfo info = TTypeInfo::Class(Class::ClassInfo()->ClassName().c_str(), Class::ClassInfo());
    return &info;
  } else {
    static_assert(sizeof(T) == 0, "type cannot be published (enumerations need TAWO_ENUM)");
  }
}

// Adjusts the property just published (default, stored test, type).
class TPropertyBuilder {
 public:
  explicit TPropertyBuilder(TPropInfo& info) : FInfo(info) {}

  template <class T>
  TPropertyBuilder& Default(const T& value) {
    FInfo.Default = static_cast<int32_t>(std::get<int64_t>(detail::ToPropValue(value)));
    return *this;
  }
  TPropertyBuilder& NoDefault();
  TPropertyBuilder& Stored(bool stored);
  template <class M>
  TPropertyBuilder& Stored(bool (M::*test)() const) {
    FInfo.StoredTest = [test](TObject* instance) { return (dynamic_cast<M&>(*instance).*test)(); };
    return *this;
  }
  // A more specific type of the same kind (TColor for an Integer property).
  TPropertyBuilder& Type(PTypeInfo type);

 private:
  TPropInfo& FInfo;
};

template <class C>
class TPublisher {
 public:
  explicit TPublisher(TPublishedTable& table) : FTable(table) {}

  // Read-write property through a getter (method or field) and a setter (method or field).
  template <class G, class S>
  TPropertyBuilder Property(const char* name, G getter, S setter) {
    using Value = std::decay_t<decltype(detail::Read(std::declval<C&>(), getter))>;
    TPropInfo& info = Add(name, TypeInfo<Value>());
    info.Getter = [getter](TObject* instance) {
      return detail::ToPropValue<Value>(detail::Read(Self(instance), getter));
    };
    PTypeInfo type = info.PropType;
    info.Setter = [setter, type](TObject* instance, const TPropValue& value) {
      detail::Write(Self(instance), setter, detail::FromPropValue<Value>(value, type));
    };
    return TPropertyBuilder(info);
  }

  // A field is read and written directly; a getter method alone makes it read-only.
  template <class G>
  TPropertyBuilder Property(const char* name, G getterOrField) {
    if constexpr (std::is_member_function_pointer_v<G>) {
      using Value = std::decay_t<decltype(detail::Read(std::declval<C&>(), getterOrField))>;
      TPropInfo& info = Add(name, TypeInfo<Value>());
      info.Getter = [getterOrField](TObject* instance) {
        return detail::ToPropValue<Value>(detail::Read(Self(instance), getterOrField));
      };
      return TPropertyBuilder(info);
    } else {
      return Property(name, getterOrField, getterOrField);
    }
  }

  // Indexed property: getter(index) and setter(index, value), as one setter serving several
  // properties.
  template <class M, class T, class N, class S>
  TPropertyBuilder Property(const char* name, T (M::*getter)(N) const, S setter, int32_t index) {
    using Value = std::decay_t<T>;
    TPropInfo& info = Add(name, TypeInfo<Value>());
    info.Index = index;
    info.Getter = [getter, index](TObject* instance) {
      return detail::ToPropValue<Value>((Self(instance).*getter)(index));
    };
    PTypeInfo type = info.PropType;
    info.Setter = [setter, index, type](TObject* instance, const TPropValue& value) {
      (Self(instance).*setter)(index, detail::FromPropValue<Value>(value, type));
    };
    return TPropertyBuilder(info);
  }

  // Publishes an ancestor's property again to change its default or stored test; it keeps
  // the ancestor's position.
  TPropertyBuilder Redeclare(const char* name) {
    for (auto& entry : FTable.Properties) {
      if (SameText(entry->Name, name)) {
        entry = std::make_shared<TPropInfo>(*entry);
        return TPropertyBuilder(*entry);
      }
    }
    throw EPropertyError(Format("Property %s does not exist", {name}));
  }

  template <class M, class... A>
  void Method(const char* name, void (M::*method)(A...)) {
    FTable.Methods.push_back({name, TMethodCode::Of<C, M, A...>(method)});
  }

  template <class T, class M>
  void Field(const char* name, T* M::*field) {
    static_assert(std::is_base_of_v<M, C>);
    FTable.Fields.push_back({name, T::ClassInfo(), [field](TObject* owner, TObject* value) {
                               Self(owner).*field = dynamic_cast<T*>(value);
                             }});
  }

 private:
  static C& Self(TObject* instance) { return static_cast<C&>(*instance); }

  TPropInfo& Add(const char* name, PTypeInfo type) {
    auto info = std::make_shared<TPropInfo>();
    info->Name = name;
    info->PropType = type;
    for (auto& entry : FTable.Properties) {
      if (SameText(entry->Name, name)) {  // re-published: the ancestor's slot
        info->NameIndex = entry->NameIndex;
        entry = info;
        return *entry;
      }
    }
    info->NameIndex = static_cast<int>(FTable.Properties.size());
    FTable.Properties.push_back(info);
    return *info;
  }

  TPublishedTable& FTable;
};

template <class C>
void TMetaClass::BuildPublished(TPublishedTable& table) {
  TPublisher<C> publisher(table);
  C::Publish(publisher);
}

// ---------------------------------------------------------------------------------------------
// Generic access by property information or name (names are case-insensitive).

PPropInfo GetPropInfo(TClass classType, const AnsiString& name);
PPropInfo GetPropInfo(const TObject* instance, const AnsiString& name);
TPropList GetPropList(TClass classType);
bool IsPublishedProp(const TObject* instance, const AnsiString& name);
bool IsStoredProp(TObject* instance, PPropInfo propInfo);
TTypeKind PropType(const TObject* instance, const AnsiString& name);

AnsiString GetEnumName(PTypeInfo typeInfo, int64_t value);
// -1 when the name is not one of the type's values.
int GetEnumValue(PTypeInfo typeInfo, const AnsiString& name);
// "fsBold,fsItalic", with brackets when asked: "[fsBold,fsItalic]".
AnsiString SetToString(PPropInfo propInfo, int64_t value, bool brackets = false);
int64_t StringToSet(PPropInfo propInfo, const AnsiString& value);

int64_t GetOrdProp(TObject* instance, PPropInfo propInfo);
void SetOrdProp(TObject* instance, PPropInfo propInfo, int64_t value);
int64_t GetOrdProp(TObject* instance, const AnsiString& name);
void SetOrdProp(TObject* instance, const AnsiString& name, int64_t value);
AnsiString GetEnumProp(TObject* instance, PPropInfo propInfo);
void SetEnumProp(TObject* instance, PPropInfo propInfo, const AnsiString& value);
AnsiString GetEnumProp(TObject* instance, const AnsiString& name);
void SetEnumProp(TObject* instance, const AnsiString& name, const AnsiString& value);
AnsiString GetSetProp(TObject* instance, PPropInfo propInfo, bool brackets = false);
void SetSetProp(TObject* instance, PPropInfo propInfo, const AnsiString& value);
AnsiString GetSetProp(TObject* instance, const AnsiString& name, bool brackets = false);
void SetSetProp(TObject* instance, const AnsiString& name, const AnsiString& value);
AnsiString GetStrProp(TObject* instance, PPropInfo propInfo);
void SetStrProp(TObject* instance, PPropInfo propInfo, const AnsiString& value);
AnsiString GetStrProp(TObject* instance, const AnsiString& name);
void SetStrProp(TObject* instance, const AnsiString& name, const AnsiString& value);
long double GetFloatProp(TObject* instance, PPropInfo propInfo);
void SetFloatProp(TObject* instance, PPropInfo propInfo, long double value);
long double GetFloatProp(TObject* instance, const AnsiString& name);
void SetFloatProp(TObject* instance, const AnsiString& name, long double value);
TObject* GetObjectProp(TObject* instance, PPropInfo propInfo);
// A value that is not of the property's class is ignored, as the framework does.
void SetObjectProp(TObject* instance, PPropInfo propInfo, TObject* value);
TObject* GetObjectProp(TObject* instance, const AnsiString& name);
void SetObjectProp(TObject* instance, const AnsiString& name, TObject* value);
TMethod GetMethodProp(TObject* instance, PPropInfo propInfo);
// Raises EPropertyConvertError when the method's signature is not the event's.
void SetMethodProp(TObject* instance, PPropInfo propInfo, const TMethod& value);
TMethod GetMethodProp(TObject* instance, const AnsiString& name);
void SetMethodProp(TObject* instance, const AnsiString& name, const TMethod& value);
