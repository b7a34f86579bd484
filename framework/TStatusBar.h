// Unit ComCtrls: TStatusBar, the bar along a form's bottom edge: one simple text across the
// bar, or a row of panels, in sunken fields; a size grip when the form can be resized. With
// AutoHint it shows the hint of the control under the mouse.
#pragma once

#include "TStatusPanels.h"
#include "TCustomControl.h"

#include <memory>

class TStatusBar : public TCustomControl {
  TAWO_CLASS(TStatusBar, TCustomControl)

 public:
  // 19 pixels high along the bottom, clBtnFace, no panels.
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;

  TStatusPanels* Panels() const { return FPanels.get(); }
  void SetPanels(TStatusPanels* panels) { FPanels->Assign(panels); }
  // Shows SimpleText alone instead of the panels.
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool value);
  const AnsiString& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const AnsiString& value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value);
  // Application.Hint becomes SimpleText (or the first panel's text), unless OnHint is
  // assigned: then only OnHint runs.
  bool AutoHint() const { return FAutoHint; }
  void SetAutoHint(bool value) { FAutoHint = value; }
  // Whether the grip is drawn: SizeGrip on a form that can be resized.
  bool ShowsSizeGrip() const;

  bool ExecuteAction(TBasicAction* action) override;

  TNotifyEvent OnHint;

 protected:
  void Paint() override;

 private:
  void DrawPart(RECT rect, const AnsiString& text, TAlignment alignment, TStatusPanelBevel bevel);
  void DrawSizeGrip(const RECT& client);

  std::unique_ptr<TStatusPanels> FPanels;
  bool FSimplePanel = false;
  AnsiString FSimpleText;
  bool FSizeGrip = true;
  bool FAutoHint = false;
};
