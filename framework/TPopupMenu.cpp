#include "TPopupMenu.h"

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

constexpr const char* kOwnerClass = "TPUtilWindow";

// The platform menu needs a window to belong to; a hidden one serves for each showing.
class TMenuOwnerWindow {
 public:
  TMenuOwnerWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = kOwnerClass;
    if (!GetClassInfoA(nullptr, kOwnerClass, &windowClass)) RegisterClassA(&windowClass);
    FHandle = CreateWindowExA(0, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (FHandle == nullptr) throw EOutOfResources();
  }
  ~TMenuOwnerWindow() { DestroyWindow(FHandle); }
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
