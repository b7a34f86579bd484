// The window classes of the process. Names are case-insensitive; a class belongs to the module
// that registered it unless it is CS_GLOBALCLASS. A null module means the program itself.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "WindowClass.h"

class ClassRegistry {
 public:
  static ClassRegistry& Instance();

  // The new class's atom, or 0 with the last error set.
  ATOM Register(const WNDCLASSEXA& definition);
  // False with ERROR_CLASS_DOES_NOT_EXIST or ERROR_CLASS_HAS_WINDOWS.
  bool Unregister(LPCSTR nameOrAtom, HINSTANCE instance);
  // The class a name or atom refers to for `instance`; null when there is none (no error set).
  std::shared_ptr<WindowClass> Find(LPCSTR nameOrAtom, HINSTANCE instance);

 private:
  static HINSTANCE Normalise(HINSTANCE instance);
  static bool SameName(const std::string& a, LPCSTR b);
  bool Matches(const WindowClass& cls, LPCSTR nameOrAtom) const;

  std::mutex mutex_;
  std::vector<std::shared_ptr<WindowClass>> classes_;
  ATOM nextAtom_ = 0xC000;
};
