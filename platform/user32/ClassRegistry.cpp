#include "ClassRegistry.h"

#include "SystemClasses.h"

#include <cctype>

namespace {

// Largest class or window extra area accepted; larger requests are refused instead of
// allocating absurd amounts per window.
constexpr int kMaxExtraBytes = 65536;

}  // namespace

ClassRegistry& ClassRegistry::Instance() {
  static ClassRegistry registry;
  static const bool systemClassesRegistered = (SystemClasses::RegisterAll(registry), true);
  (void)systemClassesRegistered;
  return registry;
}

HINSTANCE ClassRegistry::Normalise(HINSTANCE instance) { return instance ? instance : GetModuleHandleA(nullptr); }

bool ClassRegistry::SameName(const std::string& a, LPCSTR b) {
  size_t i = 0;
  for (; b[i] && i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return i == a.size() && b[i] == '\0';
}

bool ClassRegistry::Matches(const WindowClass& cls, LPCSTR nameOrAtom) const {
  if (IS_INTRESOURCE(nameOrAtom)) return cls.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom));
  return SameName(cls.name, nameOrAtom);
}

ATOM ClassRegistry::Register(const WNDCLASSEXA& definition) {
  if (!definition.lpszClassName || IS_INTRESOURCE(definition.lpszClassName) || !definition.lpszClassName[0] ||
      definition.cbClsExtra < 0 || definition.cbWndExtra < 0 || definition.cbClsExtra > kMaxExtraBytes ||
      definition.cbWndExtra > kMaxExtraBytes) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const HINSTANCE instance = Normalise(definition.hInstance);
  std::lock_guard lock(mutex_);
  for (const auto& existing : classes_) {
    const bool sameScope =
        existing->instance == instance || (existing->IsGlobal() && (definition.style & CS_GLOBALCLASS));
    if (sameScope && Matches(*existing, definition.lpszClassName)) {
      SetLastError(ERROR_CLASS_ALREADY_EXISTS);
      return 0;
    }
  }
  auto cls = std::make_shared<WindowClass>();
  cls->name = definition.lpszClassName;
  cls->atom = nextAtom_++;
  cls->style = definition.style;
  cls->procedure = definition.lpfnWndProc;
  cls->windowExtraBytes = definition.cbWndExtra;
  cls->instance = instance;
  cls->icon = definition.hIcon;
  cls->smallIcon = definition.hIconSm;
  cls->cursor = definition.hCursor;
  cls->background = definition.hbrBackground;
  cls->menuName = definition.lpszMenuName;
  cls->extraBytes.assign(static_cast<size_t>(definition.cbClsExtra), 0);
  classes_.push_back(cls);
  return cls->atom;
}

std::shared_ptr<WindowClass> ClassRegistry::Find(LPCSTR nameOrAtom, HINSTANCE instance) {
  if (!nameOrAtom) return nullptr;
  const HINSTANCE module = Normalise(instance);
  std::lock_guard lock(mutex_);
  for (const auto& cls : classes_) {
    if (!cls->IsGlobal() && cls->instance == module && Matches(*cls, nameOrAtom)) return cls;
  }
  for (const auto& cls : classes_) {
    if (cls->IsGlobal() && Matches(*cls, nameOrAtom)) return cls;
  }
  return nullptr;
}

bool ClassRegistry::Unregister(LPCSTR nameOrAtom, HINSTANCE instance) {
  std::shared_ptr<WindowClass> cls = Find(nameOrAtom, instance);
  std::lock_guard lock(mutex_);
  if (!cls) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return false;
  }
  if (cls->windowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return false;
  }
  std::erase(classes_, cls);
  return true;
}
