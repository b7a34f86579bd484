// Unit Forms: TCustomDockForm, the floating window the framework makes for a control dragged
// out of its dock site (or floated by code): a tool window that is a dock site itself, holds
// its dock clients over its whole client area and frees itself when the last one leaves.
#pragma once

#include "TCustomForm.h"

class TCustomDockForm : public TCustomForm {
  TAWO_CLASS(TCustomDockForm, TCustomForm)

 public:
  explicit TCustomDockForm(TComponent* owner);

  // Moves and sizes the window so that its client area covers `screenRect`.
  void PlaceClientArea(const RECT& screenRect);

 protected:
  void AlignControls(TControl* control, RECT& rect) override;
  void RemoveDockClient(TControl* client) override;
};
