// Menu handles and popup menus: creation, items and their states, TrackPopupMenu, EndMenu.
#include "MenuTable.h"
#include "MenuTracker.h"

namespace {

constexpr UINT kStateBits = MF_CHECKED | MF_GRAYED | MF_DISABLED;
constexpr DWORD kNoItem = 0xFFFFFFFF;

bool ValidMenu(HMENU menu) {
  if (MenuTable::Instance().Exists(menu)) return true;
  SetLastError(ERROR_INVALID_MENU_HANDLE);
  return false;
}

BOOL InsertItem(HMENU menu, std::optional<size_t> position, UINT flags, UINT_PTR id, LPCSTR text) {
  if (!ValidMenu(menu)) return FALSE;
  if ((flags & MF_POPUP) && !ValidMenu(reinterpret_cast<HMENU>(id))) return FALSE;
  MenuItem item;
  item.flags = flags & (kStateBits | MF_POPUP | MF_SEPARATOR);
  item.id = id;
  if (!(flags & MF_SEPARATOR) && text) item.text = text;
  return MenuTable::Instance().Insert(menu, position, item) ? TRUE : FALSE;
}

}  // namespace

extern "C" {

HMENU WINAPI CreatePopupMenu(void) { return MenuTable::Instance().Create(true); }

HMENU WINAPI CreateMenu(void) { return MenuTable::Instance().Create(false); }

BOOL WINAPI DestroyMenu(HMENU hMenu) {
  if (!MenuTable::Instance().Destroy(hMenu)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI IsMenu(HMENU hMenu) { return MenuTable::Instance().Exists(hMenu) ? TRUE : FALSE; }

BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  return InsertItem(hMenu, std::nullopt, uFlags, uIDNewItem, lpNewItem);
}

BOOL WINAPI InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  if (!ValidMenu(hMenu)) return FALSE;
  std::optional<size_t> position;
  if (uFlags & MF_BYPOSITION) {
    if (uPosition != kNoItem) position = uPosition;
  } else {
    const std::vector<MenuItem> items = *MenuTable::Instance().Items(hMenu);
    for (size_t i = 0; i < items.size(); ++i) {
      if (!(items[i].flags & (MF_POPUP | MF_SEPARATOR)) && items[i].id == uPosition) position = i;
    }
    if (!position) return FALSE;
  }
  return InsertItem(hMenu, position, uFlags & ~MF_BYPOSITION, uIDNewItem, lpNewItem);
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
  if (!ValidMenu(hMenu)) return kNoItem;
  const std::optional<UINT> previous =
      MenuTable::Instance().ChangeFlags(hMenu, uIDCheckItem, (uCheck & MF_BYPOSITION) != 0, MF_CHECKED, uCheck);
  return previous ? (*previous & MF_CHECKED) : kNoItem;
}

BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
  if (!ValidMenu(hMenu)) return -1;
  const std::optional<UINT> previous = MenuTable::Instance().ChangeFlags(
      hMenu, uIDEnableItem, (uEnable & MF_BYPOSITION) != 0, MF_GRAYED | MF_DISABLED, uEnable);
  return previous ? static_cast<BOOL>(*previous & (MF_GRAYED | MF_DISABLED)) : -1;
}

int WINAPI GetMenuItemCount(HMENU hMenu) {
  const std::optional<std::vector<MenuItem>> items = MenuTable::Instance().Items(hMenu);
  if (!items) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return -1;
  }
  return static_cast<int>(items->size());
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos) {
  const std::optional<std::vector<MenuItem>> items = MenuTable::Instance().Items(hMenu);
  if (!items || nPos < 0 || static_cast<size_t>(nPos) >= items->size()) return kNoItem;
  const MenuItem& item = (*items)[static_cast<size_t>(nPos)];
  if (item.flags & MF_POPUP) return kNoItem;
  return item.IsSeparator() ? 0 : static_cast<UINT>(item.id);
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
  if (!ValidMenu(hMenu)) return kNoItem;
  const std::optional<UINT> flags = MenuTable::Instance().Flags(hMenu, uId, (uFlags & MF_BYPOSITION) != 0);
  return flags ? *flags : kNoItem;
}

BOOL WINAPI TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int x, int y, HWND hwnd, LPTPMPARAMS) {
  if (!ValidMenu(hMenu)) return FALSE;
  if (!IsWindow(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const UINT_PTR command = MenuTracker::Track(hMenu, uFlags, POINT{x, y}, hwnd);
  if (uFlags & TPM_RETURNCMD) return static_cast<BOOL>(command);
  if (command == 0) return FALSE;
  if (!(uFlags & TPM_NONOTIFY)) PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  return TRUE;
}

BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*) {
  return TrackPopupMenuEx(hMenu, uFlags, x, y, hWnd, nullptr);
}

BOOL WINAPI EndMenu(void) { return MenuTracker::Cancel() ? TRUE : FALSE; }

}  // extern "C"
