#include "TMenuItem.h"

#include "TMenu.h"

#include <algorithm>
#include <atomic>

TAWO_IMPLEMENT_CLASS(EMenuError)

TAWO_PUBLISHED(TMenuItem, published) {
  published.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  published.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
  published.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
  published.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
  published.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
  published.Property("OnClick", &TMenuItem::OnClick);
}

namespace {

UINT NextCommand() {
  static std::atomic<UINT> last{0};
  return ++last;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(NextCommand()) {}

TMenuItem::~TMenuItem() {
  if (FParent != nullptr) FParent->Remove(this);
  while (!FItems.empty()) delete FItems.back();
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EMenuError(SMenuIndexError);
  return FItems[index];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto found = std::find(FItems.begin(), FItems.end(), item);
  return found != FItems.end() ? static_cast<int>(found - FItems.begin()) : -1;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr || item->FParent != nullptr) throw EMenuError(SMenuReinserted);
  if (index < 0 || index > Count()) throw EMenuError(SMenuIndexError);
  for (const TMenuItem* up = this; up != nullptr; up = up->FParent) {
    if (up == item) throw EMenuError(SMenuReinserted);
  }
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  if (std::erase(FItems, item) > 0) item->FParent = nullptr;
}

void TMenuItem::Delete(int index) { Remove(Items(index)); }

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

TMenuItem* TMenuItem::Find(UINT command) {
  if (command == FCommand) return this;
  for (TMenuItem* item : FItems) {
    if (TMenuItem* found = item->Find(command)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() { OnClick(this); }

UINT TMenuItem::Flags() const {
  if (IsLine()) return MF_SEPARATOR;
  UINT flags = MF_STRING;
  if (!FEnabled) flags |= MF_GRAYED;
  if (FChecked) flags |= MF_CHECKED;
  if (!FItems.empty()) flags |= MF_POPUP;
  return flags;
}

void TMenuItem::AppendItemsTo(HMENU menu) const {
  for (const TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    const UINT flags = item->Flags();
    UINT_PTR id = item->FCommand;
    if (flags & MF_POPUP) {
      HMENU submenu = CreatePopupMenu();
      item->AppendItemsTo(submenu);
      id = reinterpret_cast<UINT_PTR>(submenu);
    }
    AppendMenuA(menu, flags, id, item->FCaption.c_str());
  }
}

TComponent* TMenuItem::GetParentComponent() const {
  if (FParent != nullptr && FParent->FMenu != nullptr) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (FParent != nullptr) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (TMenuItem* item : FItems) proc(item);
}
