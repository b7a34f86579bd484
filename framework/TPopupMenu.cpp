#include "TPopupMenu.h"

#include "Classes.h"
#include "Controls.h"
#include "TControl.h"
#include "TMenuItem.h"

using enum TOperation;
using enum TPopupAlignment;

TAWO_PUBLISHED(TPopupMenu, published) {
  published.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
  published.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  published.Property("OnPopup", &TPopupMenu::OnPopup);
}

namespace {

// The platform menu needs a window to belong to; a hidden utility window serves for each
// showing. It answers nothing itself (the menu's choice is returned), so it keeps the default
// procedure.
class TMenuOwnerWindow {
 public:
  TMenuOwnerWindow() : FHandle(AllocateHWnd(TWndMethod())) {}
  ~TMenuOwnerWindow() { DeallocateHWnd(FHandle); }
  TMenuOwnerWindow(const TMenuOwnerWindow&) = delete;
  TMenuOwnerWindow& operator=(const TMenuOwnerWindow&) = delete;

  HWND Handle() const { return FHandle; }

 private:
  HWND FHandle = nullptr;
};

UINT AlignmentFlags(TPopupAlignment alignment) {
  switch (alignment) {
    case paRight: return TPM_RIGHTALIGN;
    case paCenter: return TPM_CENTERALIGN;
    default: return TPM_LEFTALIGN;
  }
}

}  // namespace

bool TPopupMenu::PopupForControl(TComponent* menu, TControl* control, POINT screenPos) {
  auto* popup = dynamic_cast<TPopupMenu*>(menu);
  if (popup == nullptr || !popup->AutoPopup()) return false;
  popup->SetPopupComponent(control);
  popup->Popup(screenPos.x, screenPos.y);
  return true;
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  if (component == FPopupComponent) return;
  if (FPopupComponent != nullptr) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = component;
  if (FPopupComponent != nullptr) FPopupComponent->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  FPopupPoint = POINT{x, y};
  OnPopup(this);
  HMENU menu = CreateHandle();
  UINT command = 0;
  {
    const TMenuOwnerWindow owner;
    command = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | AlignmentFlags(FAlignment),
                                               x, y, 0, owner.Handle(), nullptr));
  }
  DestroyMenu(menu);
  if (TMenuItem* item = command != 0 ? FindItem(command) : nullptr) item->Click();
}
