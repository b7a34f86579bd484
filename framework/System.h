// Unit System: the root class TObject with class references (metaclasses), the 8-bit string
// type with its compile-time literal conversion, small sets and bound-method events.
#pragma once

#include <cp1250.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <type_traits>
#include <typeinfo>

// 8-bit text in the Windows code page 1250, never UTF-8.
using AnsiString = std::string;
using WideString = std::u16string;

// ---------------------------------------------------------------------------------------------
// UTF-8 source literals to Windows-1250 at compile time: "Zakończ"_a.
// A character that code page 1250 lacks, or malformed UTF-8, stops the compilation.

namespace detail {

template <std::size_t N>
struct Utf8Literal {
  char Bytes[N]{};
  consteval Utf8Literal(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) Bytes[i] = text[i];
  }
};

template <std::size_t N>
struct Cp1250Text {
  char Bytes[N]{};
  std::size_t Length = 0;
};

template <std::size_t N>
consteval Cp1250Text<N> ToCp1250(const char (&utf8)[N]) {
  Cp1250Text<N> out;
  const std::size_t size = N - 1;  // without the terminating zero
  for (std::size_t i = 0; i < size;) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    char32_t codePoint = 0;
    std::size_t extra = 0;
    if (lead < 0x80) {
      codePoint = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      codePoint = lead & 0x1F;
      extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
      codePoint = lead & 0x0F;
      extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
      codePoint = lead & 0x07;
      extra = 3;
    } else {
      throw "malformed UTF-8 in an AnsiString literal";
    }
    for (std::size_t k = 1; k <= extra; ++k) {
      if (i + k >= size) throw "truncated UTF-8 in an AnsiString literal";
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) throw "malformed UTF-8 in an AnsiString literal";
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const int byte = cp1250::FromUnicode(codePoint);
    if (byte < 0) throw "character not in code page 1250 in an AnsiString literal";
    out.Bytes[out.Length++] = static_cast<char>(byte);
    i += extra + 1;
  }
  return out;
}

}  // namespace detail

template <detail::Utf8Literal Source>
AnsiString operator""_a() {
  static constexpr auto text = detail::ToCp1250(Source.Bytes);
  return AnsiString(text.Bytes, text.Length);
}

// ---------------------------------------------------------------------------------------------
// Classes and class references.

class TObject;
class TMetaClass;
class TPublishedTable;
template <class C>
class TPublisher;
struct TMethodCode;

// A class reference: TButton::ClassInfo(), Instance->ClassType().
using TClass = const TMetaClass*;

// Declares a framework class inside its body: its class reference, the ancestor alias
// `inherited`, and the published-property hook. Ends in the private section, as a class body
// in the framework begins. Pair it with TAWO_IMPLEMENT_CLASS or TAWO_PUBLISHED in the .cpp.
#define TAWO_CLASS(Class, Parent)                             \
 public:                                                      \
  using inherited = Parent;                                   \
  static TClass ClassInfo();                                  \
  TClass ClassType() const override { return ClassInfo(); }   \
  static void Publish(TPublisher<Class>& published);          \
                                                              \
 private:

#define TAWO_DEFINE_CLASS_INFO(Class)                                                       \
  TClass Class::ClassInfo() {                                                              \
    static const TMetaClass meta(#Class, inherited::ClassInfo(),                           \
                                 TMetaClass::ConstructorFor<Class>(),                      \
                                 &TMetaClass::BuildPublished<Class>, typeid(Class));       \
    return &meta;                                                                          \
  }

// A class that publishes nothing of its own.
#define TAWO_IMPLEMENT_CLASS(Class) \
  TAWO_DEFINE_CLASS_INFO(Class)     \
  void Class::Publish(TPublisher<Class>&) {}

// A class with published properties or methods; the braces that follow are the body:
//   TAWO_PUBLISHED(TFoo, published) { published.Property("Tag", &TFoo::Tag, &TFoo::SetTag); }
#define TAWO_PUBLISHED(Class, publisher) \
  TAWO_DEFINE_CLASS_INFO(Class)          \
  void Class::Publish(TPublisher<Class>& publisher)

class TMetaClass {
 public:
  // Creates an instance; the argument is the constructor's (owner, collection) or null.
  using Constructor = TObject* (*)(TObject* argument);
  using Builder = void (*)(TPublishedTable& table);

  TMetaClass(const char* name, TClass parent, Constructor constructor, Builder builder,
             const std::type_info& type);
  ~TMetaClass();
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  const AnsiString& ClassName() const { return FClassName; }
  TClass ClassParent() const { return FParent; }
  bool InheritsFrom(TClass ancestor) const;
  const std::type_info& Type() const { return FType; }

  // Virtual construction through the class reference: null when the class is abstract or
  // has no constructor of the expected form, or when the argument is of the wrong class.
  bool CanCreate() const { return FConstructor != nullptr; }
  TObject* Create(TObject* argument) const;

  // The published properties and methods, inherited ones first (built on first use).
  const TPublishedTable& Published() const;

  template <class C>
  static constexpr Constructor ConstructorFor();
  template <class C>
  static void BuildPublished(TPublishedTable& table);

 private:
  template <class C>
  static TObject* Construct(TObject* argument);

  AnsiString FClassName;
  TClass FParent;
  Constructor FConstructor;
  Builder FBuilder;
  const std::type_info& FType;
  mutable std::once_flag FBuilt;
  mutable std::unique_ptr<TPublishedTable> FTable;
};

class TObject {
 public:
  // The argument type of the constructor used by virtual construction (void: none).
  using ConstructorArgument = void;

  TObject() = default;
  virtual ~TObject() = default;

  static TClass ClassInfo();
  virtual TClass ClassType() const { return ClassInfo(); }
  const AnsiString& ClassName() const { return ClassType()->ClassName(); }
  TClass ClassParent() const { return ClassType()->ClassParent(); }
  bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

  // Called while the object is still whole, right before its destructors run.
  virtual void BeforeDestruction() {}
  // Destroys the object: BeforeDestruction, then the destructors. Same as delete.
  void Free() { delete this; }
  // `delete` on any framework object runs BeforeDestruction first, with the object intact.
  void operator delete(TObject* object, std::destroying_delete_t);

  // The published method table of the class (form handlers bound by name).
  const TMethodCode* MethodAddress(const AnsiString& name) const;
  AnsiString MethodName(const TMethodCode& code) const;

  static void Publish(TPublisher<TObject>&) {}

 protected:
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
};

// Frees the object (null is allowed) and clears the reference first, as the framework does.
template <class T>
void FreeAndNil(T*& object) {
  T* doomed = object;
  object = nullptr;
  delete doomed;
}

template <class C>
TObject* TMetaClass::Construct(TObject* argument) {
  using Argument = typename C::ConstructorArgument;
  if constexpr (std::is_void_v<Argument>) {
    return new C();
  } else {
    auto* typed = dynamic_cast<Argument*>(argument);
    if (argument != nullptr && typed == nullptr) return nullptr;
    return new C(typed);
  }
}

template <class C>
constexpr TMetaClass::Constructor TMetaClass::ConstructorFor() {
  using Argument = typename C::ConstructorArgument;
  if constexpr (std::is_abstract_v<C>) {
    return nullptr;
  } else if constexpr (std::is_void_v<Argument>) {
    if constexpr (std::is_default_constructible_v<C>) return &Construct<C>;
    else return nullptr;
  } else if constexpr (std::is_constructible_v<C, Argument*>) {
    return &Construct<C>;
  } else {
    return nullptr;
  }
}

// ---------------------------------------------------------------------------------------------
// Sets of up to 32 enumeration values; bit n stands for the value with ordinal n.

template <class E>
class TSet {
 public:
  using Element = E;

  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E item : items) Include(item);
  }
  static constexpr TSet FromBits(uint32_t bits) {
    TSet set;
    set.FBits = bits;
    return set;
  }

  constexpr uint32_t Bits() const { return FBits; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr bool Contains(E item) const { return (FBits & Bit(item)) != 0; }
  constexpr TSet& Include(E item) {
    FBits |= Bit(item);
    return *this;
  }
  constexpr TSet& Exclude(E item) {
    FBits &= ~Bit(item);
    return *this;
  }

  constexpr TSet operator+(TSet other) const { return FromBits(FBits | other.FBits); }
  constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
  constexpr TSet operator*(TSet other) const { return FromBits(FBits & other.FBits); }
  constexpr TSet& operator+=(TSet other) { return *this = *this + other; }
  constexpr TSet& operator-=(TSet other) { return *this = *this - other; }
  constexpr bool operator==(const TSet&) const = default;
  // Subset test, as `A <= B` in the framework's language.
  constexpr bool operator<=(TSet other) const { return (FBits & ~other.FBits) == 0; }

 private:
  static constexpr uint32_t Bit(E item) {
    const auto ordinal = static_cast<unsigned>(item);
    return ordinal < 32 ? (uint32_t{1} << ordinal) : 0;
  }
  uint32_t FBits = 0;
};

// ---------------------------------------------------------------------------------------------
// Bound-method events. A method value has two halves: the object (Data) and the code, which
// here is the member function together with a typed trampoline that calls it.

struct TMethodCode {
  // The member-function pointer's bytes: the code's identity, used to find a method's name.
  std::array<unsigned char, 32> Address{};
  // The event signature the trampoline was made for.
  const std::type_info* Signature = nullptr;
  // Type-erased trampoline: void (*)(TObject*, const TMethodCode&, Args...).
  void (*Trampoline)() = nullptr;

  bool Assigned() const { return Trampoline != nullptr; }
  // Same method: same member function and signature (the trampoline may differ by class).
  bool SameCode(const TMethodCode& other) const {
    return Signature == other.Signature && Address == other.Address;
  }

  template <class C, class M, class... Args>
  static TMethodCode Of(void (M::*method)(Args...));

 private:
  template <class C, class M, class... Args>
  static void Call(TObject* data, const TMethodCode& code, Args... args);
};

struct TMethod {
  TObject* Data = nullptr;
  TMethodCode Code;

  bool Assigned() const { return Code.Assigned(); }
  bool operator==(const TMethod& other) const {
    return Data == other.Data && Code.SameCode(other.Code);
  }
};

template <class... Args>
struct TEventSignature {};

template <class C, class M, class... Args>
void TMethodCode::Call(TObject* data, const TMethodCode& code, Args... args) {
  void (M::*method)(Args...);
  std::memcpy(&method, code.Address.data(), sizeof method);
  (static_cast<C*>(data)->*method)(std::forward<Args>(args)...);
}

template <class C, class M, class... Args>
TMethodCode TMethodCode::Of(void (M::*method)(Args...)) {
  static_assert(std::is_base_of_v<TObject, C> && std::is_base_of_v<M, C>);
  static_assert(sizeof method <= sizeof(Address));
  TMethodCode code;
  std::memcpy(code.Address.data(), &method, sizeof method);
  code.Signature = &typeid(TEventSignature<Args...>);
  code.Trampoline = reinterpret_cast<void (*)()>(&Call<C, M, Args...>);
  return code;
}

// An event property value, e.g. TNotifyEvent = TEvent<TObject*>.
template <class... Args>
class TEvent {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}
  template <class C, class M>
  TEvent(C* object, void (M::*method)(Args...))
      : FMethod{static_cast<TObject*>(object), TMethodCode::Of<C, M, Args...>(method)} {}

  // From a generic method value; an empty value when the signature differs.
  static TEvent FromMethod(const TMethod& method) {
    TEvent event;
    if (method.Assigned() && Accepts(method.Code)) event.FMethod = method;
    return event;
  }
  static bool Accepts(const TMethodCode& code) {
    return code.Signature != nullptr && *code.Signature == typeid(TEventSignature<Args...>);
  }

  bool Assigned() const { return FMethod.Assigned(); }
  void Clear() { FMethod = TMethod{}; }
  TObject* Data() const { return FMethod.Data; }
  const TMethod& Method() const { return FMethod; }
  bool operator==(const TEvent& other) const { return FMethod == other.FMethod; }

  // Calls the bound method; an unassigned event calls nothing.
  void operator()(Args... args) const {
    if (!Assigned()) return;
    auto call = reinterpret_cast<void (*)(TObject*, const TMethodCode&, Args...)>(
        FMethod.Code.Trampoline);
    call(FMethod.Data, FMethod.Code, std::forward<Args>(args)...);
  }

 private:
  TMethod FMethod;
};

using TNotifyEvent = TEvent<TObject*>;

// ---------------------------------------------------------------------------------------------
// Start-up work that needs other units ready, run by Application.Initialize. A unit that sets it
// calls the value it replaced first.
extern void (*InitProc)();

// ---------------------------------------------------------------------------------------------
// Arithmetic.

// Toward zero; EInvalidOp outside the 64-bit range.
int64_t Trunc(long double value);
// Half to even (the FPU's default mode): Round(2.5) = 2, Round(3.5) = 4; EInvalidOp outside
// the 64-bit range.
int64_t Round(long double value);
