// Unit LMDControl: TLMDControl, the first of the library's windowless control bases: mouse
// enter and exit events, a bounds-change hook, the About text, a design-time outline and a
// plain background fill.
#pragma once

#include "LMDBase.h"

#include <TGraphicControl.h>

using TLMDBoundsChangeEvent = TEvent<TObject*, TLMDBoundsChangeStates>;

class TLMDControl : public TGraphicControl {
  TAWO_CLASS(TLMDControl, TGraphicControl)

 public:
  explicit TLMDControl(TComponent* owner);

  // A free text kept with the control; nothing reads it.
  AnsiString About() const { return FAbout; }
  void SetAbout(const AnsiString& value) { FAbout = value; }

  // Reports through BoundsChange which of position and size changed (not while loading).
  void SetBounds(int left, int top, int width, int height) override;

  // The handler of the owned sub-objects: a repaint, except while loading.
  virtual void GetChange(TObject* sender);
  // Whether the control has nothing of its own to draw.
  virtual bool GetEmpty() const { return true; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;
  TLMDBoundsChangeEvent OnBoundsChange;

 protected:
  virtual void BoundsChange(TLMDBoundsChangeStates state);
  // Raise OnMouseEnter / OnMouseExit, for an enabled control only.
  virtual void MouseEnter();
  virtual void MouseExit();
  void Dispatch(TMessage& message) override;

  bool IsLoading() const { return ComponentState().Contains(TComponentStateItem::csLoading); }
  bool IsDesigning() const { return ComponentState().Contains(TComponentStateItem::csDesigning); }
  // The dashed outline that shows an empty control at design time.
  void DrawDashedFrame();
  // Fills the client rectangle with the control's Color.
  void FillControl();

 private:
  AnsiString FAbout;
};
