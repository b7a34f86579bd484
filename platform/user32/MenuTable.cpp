#include "MenuTable.h"

MenuTable& MenuTable::Instance() {
  static MenuTable table;
  return table;
}

HMENU MenuTable::Create(bool popup) {
  std::lock_guard lock(mutex_);
  const auto handle = reinterpret_cast<HMENU>(next_);
  next_ += 4;
  menus_[handle] = Menu{popup, {}};
  return handle;
}

// A submenu belongs to its parent item and goes with it.
bool MenuTable::Destroy(HMENU menu) {
  std::vector<HMENU> submenus;
  {
    std::lock_guard lock(mutex_);
    const auto it = menus_.find(menu);
    if (it == menus_.end()) return false;
    for (const MenuItem& item : it->second.items) {
      if (item.flags & MF_POPUP) submenus.push_back(reinterpret_cast<HMENU>(item.id));
    }
    menus_.erase(it);
  }
  for (HMENU submenu : submenus) Destroy(submenu);
  return true;
}

bool MenuTable::Exists(HMENU menu) {
  std::lock_guard lock(mutex_);
  return menus_.contains(menu);
}

std::optional<std::vector<MenuItem>> MenuTable::Items(HMENU menu) {
  std::lock_guard lock(mutex_);
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return std::nullopt;
  return it->second.items;
}

bool MenuTable::Insert(HMENU menu, std::optional<size_t> position, const MenuItem& item) {
  std::lock_guard lock(mutex_);
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return false;
  std::vector<MenuItem>& items = it->second.items;
  const size_t at = position ? std::min(*position, items.size()) : items.size();
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), item);
  return true;
}

MenuItem* MenuTable::Locate(Menu& menu, UINT item, bool byPosition) {
  if (byPosition) return item < menu.items.size() ? &menu.items[item] : nullptr;
  for (MenuItem& candidate : menu.items) {
    if (!(candidate.flags & (MF_POPUP | MF_SEPARATOR)) && candidate.id == item) return &candidate;
  }
  return nullptr;
}

std::optional<UINT> MenuTable::ChangeFlags(HMENU menu, UINT item, bool byPosition, UINT mask, UINT bits) {
  std::lock_guard lock(mutex_);
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return std::nullopt;
  MenuItem* found = Locate(it->second, item, byPosition);
  if (!found) return std::nullopt;
  const UINT previous = found->flags;
  found->flags = (previous & ~mask) | (bits & mask);
  return previous;
}

std::optional<UINT> MenuTable::Flags(HMENU menu, UINT item, bool byPosition) {
  std::lock_guard lock(mutex_);
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return std::nullopt;
  MenuItem* found = Locate(it->second, item, byPosition);
  if (!found) return std::nullopt;
  return found->flags;
}
