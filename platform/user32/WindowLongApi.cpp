// GetWindowLong / SetWindowLong and their pointer-sized forms: styles, the window procedure
// (subclassing), the ID, the instance, the owner, user data and the window's extra bytes.
#include <cstring>

#include "WindowTable.h"

namespace {

bool IsPointerIndex(int index) { return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT; }

bool ExtraRange(const Window& w, int index, size_t size) {
  if (index < 0 || static_cast<size_t>(index) + size > w.extraBytes.size()) {
    SetLastError(ERROR_INVALID_INDEX);
    return false;
  }
  return true;
}

LONG_PTR ReadExtra(const Window& w, int index, size_t size) {
  if (!ExtraRange(w, index, size)) return 0;
  if (size == sizeof(LONG)) {
    LONG value = 0;
    std::memcpy(&value, w.extraBytes.data() + index, sizeof(value));
    return value;
  }
  LONG_PTR value = 0;
  std::memcpy(&value, w.extraBytes.data() + index, sizeof(value));
  return value;
}

LONG_PTR WriteExtra(Window& w, int index, size_t size, LONG_PTR value) {
  if (!ExtraRange(w, index, size)) return 0;
  const LONG_PTR previous = ReadExtra(w, index, size);
  if (size == sizeof(LONG)) {
    const LONG narrow = static_cast<LONG>(value);
    std::memcpy(w.extraBytes.data() + index, &narrow, sizeof(narrow));
  } else {
    std::memcpy(w.extraBytes.data() + index, &value, sizeof(value));
  }
  return previous;
}

LONG_PTR Read(HWND hwnd, int index, size_t size) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w) return 0;
  if (index >= 0) return ReadExtra(*w, index, size);
  if (size == sizeof(LONG) && IsPointerIndex(index)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG>(w->style);
    case GWL_EXSTYLE:
      return static_cast<LONG>(w->exStyle);
    case GWLP_ID:
      return static_cast<LONG_PTR>(w->IsChildStyle() ? w->id : reinterpret_cast<UINT_PTR>(w->menu));
    case GWLP_USERDATA:
      return size == sizeof(LONG) ? static_cast<LONG>(w->userData) : w->userData;
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(w->procedure);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
      if (w->IsChildStyle())
        return reinterpret_cast<LONG_PTR>(w->parent && !w->parent->IsRoot() ? w->parent->handle : nullptr);
      return reinterpret_cast<LONG_PTR>(WindowTable::Instance().Find(w->owner) ? w->owner : nullptr);
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

// Style changes go through WM_STYLECHANGING, which may edit the new value, and are reported
// with WM_STYLECHANGED. WS_EX_TOPMOST changes only through SetWindowPos.
LONG_PTR ChangeStyle(Window& w, int index, DWORD requested) {
  DWORD& field = index == GWL_STYLE ? w.style : w.exStyle;
  const HWND hwnd = w.handle;
  STYLESTRUCT change{field, requested};
  if (index == GWL_EXSTYLE) change.styleNew = (change.styleNew & ~WS_EX_TOPMOST) | (field & WS_EX_TOPMOST);
  SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
  if (!w.IsAlive() && w.life != Window::Life::Destroying) return 0;
  const DWORD previous = field;
  field = change.styleNew;
  change.styleOld = previous;
  SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
  return static_cast<LONG>(previous);
}

LONG_PTR Write(HWND hwnd, int index, size_t size, LONG_PTR value) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w) return 0;
  if (w->IsRoot()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  if (index >= 0) return WriteExtra(*w, index, size, value);
  if (size == sizeof(LONG) && IsPointerIndex(index)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  LONG_PTR previous = 0;
  switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
      return ChangeStyle(*w, index, static_cast<DWORD>(value));
    case GWLP_ID:
      if (w->IsChildStyle()) {
        previous = static_cast<LONG_PTR>(w->id);
        w->id = static_cast<UINT_PTR>(value);
      } else {
        previous = reinterpret_cast<LONG_PTR>(w->menu);
        w->menu = reinterpret_cast<HMENU>(value);
      }
      return previous;
    case GWLP_USERDATA:
      previous = Read(hwnd, index, size);
      w->userData = size == sizeof(LONG) ? static_cast<LONG>(value) : value;
      return previous;
    case GWLP_WNDPROC:
      previous = reinterpret_cast<LONG_PTR>(w->procedure);
      w->procedure = reinterpret_cast<WNDPROC>(value);
      return previous;
    case GWLP_HINSTANCE:
      previous = reinterpret_cast<LONG_PTR>(w->instance);
      w->instance = reinterpret_cast<HINSTANCE>(value);
      return previous;
    case GWLP_HWNDPARENT:
      previous = Read(hwnd, index, size);
      if (!w->IsChildStyle()) {
        std::shared_ptr<Window> owner = WindowTable::Instance().Find(reinterpret_cast<HWND>(value));
        Window* top = owner && !owner->IsRoot() ? owner->TopLevel() : nullptr;
        w->owner = top && top != w.get() ? top->handle : nullptr;
      }
      return previous;
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

}  // namespace

extern "C" {

LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) { return static_cast<LONG>(Read(hWnd, nIndex, sizeof(LONG))); }

LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  return static_cast<LONG>(Write(hWnd, nIndex, sizeof(LONG), dwNewLong));
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) { return Read(hWnd, nIndex, sizeof(LONG_PTR)); }

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  return Write(hWnd, nIndex, sizeof(LONG_PTR), dwNewLong);
}

}  // extern "C"
