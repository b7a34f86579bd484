// Window classes: registration, lookup and class data.
#include <cstring>

#include "ClassRegistry.h"
#include "WindowTable.h"

namespace {

WNDCLASSEXA Widen(const WNDCLASSA& c) {
  return WNDCLASSEXA{sizeof(WNDCLASSEXA), c.style,        c.lpfnWndProc,   c.cbClsExtra,
                     c.cbWndExtra,        c.hInstance,    c.hIcon,         c.hCursor,
                     c.hbrBackground,     c.lpszMenuName, c.lpszClassName, nullptr};
}

void Describe(const WindowClass& cls, WNDCLASSEXA& out) {
  out.style = cls.style;
  out.lpfnWndProc = cls.procedure;
  out.cbClsExtra = static_cast<int>(cls.extraBytes.size());
  out.cbWndExtra = cls.windowExtraBytes;
  out.hInstance = cls.instance;
  out.hIcon = cls.icon;
  out.hCursor = cls.cursor;
  out.hbrBackground = cls.background;
  out.lpszMenuName = cls.menuName;
  out.lpszClassName = cls.name.c_str();
  out.hIconSm = cls.smallIcon;
}

}  // namespace

extern "C" {

ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
  if (!lpWndClass) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return ClassRegistry::Instance().Register(Widen(*lpWndClass));
}

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* lpWndClass) {
  if (!lpWndClass || lpWndClass->cbSize != sizeof(WNDCLASSEXA)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return ClassRegistry::Instance().Register(*lpWndClass);
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
  return ClassRegistry::Instance().Unregister(lpClassName, hInstance) ? TRUE : FALSE;
}

BOOL WINAPI GetClassInfoExA(HINSTANCE hInstance, LPCSTR lpszClass, LPWNDCLASSEXA lpwcx) {
  std::shared_ptr<WindowClass> cls = ClassRegistry::Instance().Find(lpszClass, hInstance);
  if (!cls) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (!lpwcx) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Describe(*cls, *lpwcx);
  return cls->atom;
}

BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass) {
  WNDCLASSEXA ex{};
  ex.cbSize = sizeof(ex);
  const BOOL atom = GetClassInfoExA(hInstance, lpClassName, &ex);
  if (!atom) return FALSE;
  if (lpWndClass) {
    *lpWndClass = WNDCLASSA{ex.style, ex.lpfnWndProc, ex.cbClsExtra,    ex.cbWndExtra,   ex.hInstance,
                            ex.hIcon, ex.hCursor,     ex.hbrBackground, ex.lpszMenuName, ex.lpszClassName};
  }
  return atom;
}

int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return 0;
  if (!lpClassName || nMaxCount <= 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::string name =
      w->IsRoot() ? (w->root == Window::Root::Desktop ? "#32769" : "Message") : w->windowClass->name;
  const size_t count = std::min(name.size(), static_cast<size_t>(nMaxCount - 1));
  std::memcpy(lpClassName, name.data(), count);
  lpClassName[count] = '\0';
  return static_cast<int>(count);
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return 0;
  if (!w->windowClass) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  const WindowClass& cls = *w->windowClass;
  if (nIndex >= 0) {
    if (static_cast<size_t>(nIndex) + sizeof(ULONG_PTR) > cls.extraBytes.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    ULONG_PTR value = 0;
    std::memcpy(&value, cls.extraBytes.data() + nIndex, sizeof(value));
    return value;
  }
  switch (nIndex) {
    case GCLP_HBRBACKGROUND:
      return reinterpret_cast<ULONG_PTR>(cls.background);
    case GCLP_HCURSOR:
      return reinterpret_cast<ULONG_PTR>(cls.cursor);
    case GCLP_HICON:
      return reinterpret_cast<ULONG_PTR>(cls.icon);
    case GCLP_HICONSM:
      return reinterpret_cast<ULONG_PTR>(cls.smallIcon);
    case GCLP_WNDPROC:
      return reinterpret_cast<ULONG_PTR>(cls.procedure);
    case GCLP_HMODULE:
      return reinterpret_cast<ULONG_PTR>(cls.instance);
    case GCLP_MENUNAME:
      return reinterpret_cast<ULONG_PTR>(cls.menuName);
    case GCL_STYLE:
      return cls.style;
    case GCL_CBWNDEXTRA:
      return static_cast<ULONG_PTR>(cls.windowExtraBytes);
    case GCL_CBCLSEXTRA:
      return cls.extraBytes.size();
    case GCW_ATOM:
      return cls.atom;
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

DWORD WINAPI GetClassLongA(HWND hWnd, int nIndex) {
  switch (nIndex) {
    case GCLP_HBRBACKGROUND:
    case GCLP_HCURSOR:
    case GCLP_HICON:
    case GCLP_HICONSM:
    case GCLP_WNDPROC:
    case GCLP_HMODULE:
    case GCLP_MENUNAME:
      // Pointer-sized values cannot be returned in 32 bits.
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    default:
      break;
  }
  if (nIndex >= 0) {
    std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
    if (!w) return 0;
    if (!w->windowClass || static_cast<size_t>(nIndex) + sizeof(DWORD) > w->windowClass->extraBytes.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    DWORD value = 0;
    std::memcpy(&value, w->windowClass->extraBytes.data() + nIndex, sizeof(value));
    return value;
  }
  return static_cast<DWORD>(GetClassLongPtrA(hWnd, nIndex));
}

}  // extern "C"
