// The menus of the process: each HMENU names a list of items (text, command ID, MF_ state bits,
// an optional submenu). Handles that were never made or are destroyed are refused with
// ERROR_INVALID_MENU_HANDLE by the callers.
#pragma once

#include <windows.h>

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct MenuItem {
  UINT flags = 0;  // MF_SEPARATOR, MF_CHECKED, MF_GRAYED, MF_DISABLED, MF_POPUP
  UINT_PTR id = 0;  // command ID, or the submenu handle with MF_POPUP
  std::string text;

  bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
  bool IsEnabled() const { return !(flags & (MF_GRAYED | MF_DISABLED)); }
};

class MenuTable {
 public:
  static MenuTable& Instance();

  HMENU Create(bool popup);
  bool Destroy(HMENU menu);
  bool Exists(HMENU menu);
  // A copy of the items; none for an invalid handle.
  std::optional<std::vector<MenuItem>> Items(HMENU menu);
  bool Insert(HMENU menu, std::optional<size_t> position, const MenuItem& item);
  // Changes the bits in `mask` of the item found by command or position to `bits`; returns the
  // item's previous flags, or none when there is no such menu or item.
  std::optional<UINT> ChangeFlags(HMENU menu, UINT item, bool byPosition, UINT mask, UINT bits);
  std::optional<UINT> Flags(HMENU menu, UINT item, bool byPosition);

 private:
  struct Menu {
    bool popup = false;
    std::vector<MenuItem> items;
  };
  MenuItem* Locate(Menu& menu, UINT item, bool byPosition);

  std::mutex mutex_;
  std::map<HMENU, Menu> menus_;
  UINT_PTR next_ = 0x10;
};
