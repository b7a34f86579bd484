// Unit Menus: TPopupMenu, a menu shown at a point (a control's context menu). The chosen
// item's OnClick runs after the menu has closed.
#pragma once

#include "TMenu.h"

class TControl;

TAWO_ENUM(TPopupAlignment, paLeft, paRight, paCenter)

class TPopupMenu : public TMenu {
  TAWO_CLASS(TPopupMenu, TMenu)

 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}

  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment alignment) { FAlignment = alignment; }
  // Whether a right click on a control that names this menu opens it.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool autoPopup) { FAutoPopup = autoPopup; }
  // The control the menu was last opened for.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* component);
  POINT PopupPoint() const { return FPopupPoint; }

  // Runs OnPopup, shows the menu at the screen point and waits until it closes; then the
  // chosen item (if any) is clicked.
  virtual void Popup(int x, int y);

  // A right click on `control` (at a screen point) opens `menu`, the control's pop-up menu, when
  // it is an auto-popup TPopupMenu. Returns false when nothing was shown.
  static bool PopupForControl(TComponent* menu, TControl* control, POINT screenPos);

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TPopupAlignment FAlignment = TPopupAlignment::paLeft;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
  POINT FPopupPoint{-1, -1};
};
