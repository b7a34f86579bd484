// Unit Menus: TMenu, a menu component: a root item (Items, never shown itself) whose items are
// the menu's top level.
#pragma once

#include "TComponent.h"

#include <windows.h>

#include <memory>

class TMenuItem;

class TMenu : public TComponent {
  TAWO_CLASS(TMenu, TComponent)

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return FItems.get(); }
  // The item with this command number; null if none.
  TMenuItem* FindItem(UINT command) const;
  // A platform popup menu holding the visible items as they are now; the caller destroys it.
  HMENU CreateHandle() const;

  // The top-level items are streamed as the menu's children.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

 private:
  std::unique_ptr<TMenuItem> FItems;
};
