#include "System.h"

#include "SysUtils.h"
#include "TypInfo.h"

#include <cmath>

TMetaClass::TMetaClass(const char* name, TClass parent, Constructor constructor, Builder builder,
                       const std::type_info& type)
    : FClassName(name), FParent(parent), FConstructor(constructor), FBuilder(builder), FType(type) {}

TMetaClass::~TMetaClass() = default;

bool TMetaClass::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c != nullptr; c = c->FParent) {
    if (c == ancestor) return true;
  }
  return false;
}

TObject* TMetaClass::Create(TObject* argument) const {
  return FConstructor != nullptr ? FConstructor(argument) : nullptr;
}

const TPublishedTable& TMetaClass::Published() const {
  std::call_once(FBuilt, [this] {
    auto table = FParent != nullptr ? std::make_unique<TPublishedTable>(FParent->Published())
                                    : std::make_unique<TPublishedTable>();
    FBuilder(*table);
    FTable = std::move(table);
  });
  return *FTable;
}

TClass TObject::ClassInfo() {
  static const TMetaClass meta("TObject", nullptr, TMetaClass::ConstructorFor<TObject>(),
                               &TMetaClass::BuildPublished<TObject>, typeid(TObject));
  return &meta;
}

void TObject::operator delete(TObject* object, std::destroying_delete_t) {
  void* storage = dynamic_cast<void*>(object);
  object->BeforeDestruction();
  object->~TObject();
  ::operator delete(storage);
}

const TMethodCode* TObject::MethodAddress(const AnsiString& name) const {
  const TPublishedMethod* method = ClassType()->Published().FindMethod(name);
  return method != nullptr ? &method->Code : nullptr;
}

AnsiString TObject::MethodName(const TMethodCode& code) const {
  const TPublishedMethod* method = ClassType()->Published().FindMethodByCode(code);
  return method != nullptr ? method->Name : AnsiString();
}

namespace {

constexpr long double kInt64Limit = 9223372036854775808.0L;  // 2^63

int64_t CheckedInt64(long double value) {
  if (!(value >= -kInt64Limit && value < kInt64Limit)) throw EInvalidOp();
  return static_cast<int64_t>(value);
}

}  // namespace

int64_t Trunc(long double value) { return CheckedInt64(std::truncl(value)); }

void (*InitProc)() = nullptr;

int64_t Round(long double value) { return CheckedInt64(std::nearbyintl(value)); }
