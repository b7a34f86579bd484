#include "TMenu.h"

#include "TMenuItem.h"

TAWO_IMPLEMENT_CLASS(TMenu)

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() = default;

TMenuItem* TMenu::FindItem(UINT command) const {
  TMenuItem* item = FItems->Find(command);
  return item != FItems.get() ? item : nullptr;
}

HMENU TMenu::CreateHandle() const {
  HMENU menu = CreatePopupMenu();
  FItems->AppendItemsTo(menu);
  return menu;
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) { FItems->GetChildren(proc, root); }
