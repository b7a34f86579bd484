#include "TCustomDockForm.h"

TAWO_IMPLEMENT_CLASS(TCustomDockForm)

TCustomDockForm::TCustomDockForm(TComponent* owner) : TCustomForm(owner) {
  SetBorderStyle(TFormBorderStyle::bsSizeToolWin);
  SetDockSite(true);
}

void TCustomDockForm::PlaceClientArea(const RECT& screenRect) {
  RECT window{};
  GetWindowRect(Handle(), &window);
  const RECT client = ClientRect();
  const POINT origin = ClientOrigin();
  const int frameWidth = (window.right - window.left) - client.right;
  const int frameHeight = (window.bottom - window.top) - client.bottom;
  SetBounds(screenRect.left - (origin.x - window.left), screenRect.top - (origin.y - window.top),
            screenRect.right - screenRect.left + frameWidth, screenRect.bottom - screenRect.top + frameHeight);
}

void TCustomDockForm::AlignControls(TControl* control, RECT& rect) {
  inherited::AlignControls(control, rect);
  const RECT area = ClientRect();
  for (int i = 0; i < DockClientCount(); ++i) {
    TControl* docked = DockClients(i);
    if (docked->Parent() == this) docked->SetBounds(0, 0, area.right, area.bottom);
  }
}

void TCustomDockForm::RemoveDockClient(TControl* client) {
  inherited::RemoveDockClient(client);
  if (DockClientCount() == 0 && !ComponentState().Contains(TComponentStateItem::csDestroying)) Release();
}
