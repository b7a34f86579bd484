// Unit LMDCustomControl: TLMDCustomControl, the library's base for custom-drawn controls with
// a window. Beside the mouse, image-container and transparency concerns of the windowless
// bases it paints a "flat" border in the face colour while the control is idle, raises
// OnAfterEnter / OnAfterExit once a focus change is complete, and answers the background
// queries of transparent children. It owns a background bitmap effect (BackFX) whose cached
// result is dropped whenever the background may have changed.
#pragma once

#include "LMDBase.h"
#include "LMDImageLink.h"

#include <LMDBitmapEffectObject.h>
#include <TCustomControl.h>

#include <memory>

class TLMDCustomControl : public TCustomControl {
  TAWO_CLASS(TLMDCustomControl, TCustomControl)

 public:
  // A new control is 100 × 40 pixels, opaque and not a tab stop.
  explicit TLMDCustomControl(TComponent* owner);
  ~TLMDCustomControl() override;

  AnsiString About() const { return FAbout; }
  void SetAbout(const AnsiString& value) { FAbout = value; }
  bool MouseAbove() const { return FMouseAbove; }
  // Sets MouseAbove; the argument is ignored (MouseExit clears it).
  void SetMouseAbove(bool value);
  bool Entered() const { return FEntered; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  bool Transparent() const { return FTransparent; }
  // Re-creates the window so that its styles follow.
  void SetTransparent(bool value);
  // 1: the window is transparent to the system; anything else: the background is copied.
  uint8_t TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(uint8_t value) { FTransparentMode = value; }
  bool RepaintOnChange() const { return FRepaintOnChange; }
  void SetRepaintOnChange(bool value) { FRepaintOnChange = value; }

  TLMDCustomImageList* ImageList() const { return FImageLink.ImageList(); }
  void SetImageList(TLMDCustomImageList* value);
  // 0 ImageIndex, 1 ListIndex; a negative or unchanged value is ignored.
  int32_t GetIndex(int32_t index) const { return FImageLink.GetIndex(index); }
  void SetIndex(int32_t index, int32_t value);
  // True unless ImageList is set and holds the item (ListIndex, ImageIndex).
  bool IMLEmpty() const { return FImageLink.IMLEmpty(); }
  TLMDBitmapEffectObject* BackFX() const { return FBackFX.get(); }
  // Copies into the owned object.
  void SetBackFX(TLMDBitmapEffectObject* value) { FBackFX->Assign(value); }

  // The handler of the owned sub-objects.
  virtual void GetChange(TObject* sender);
  virtual bool GetEmpty() const { return true; }

  // Background provider for transparent children. A provider copies the part of its
  // background under `rect` of the asking child, offset by `point`, onto `canvas` and answers
  // true; this base keeps no background bitmap.
  virtual TBitmap* BackBitmap() { return nullptr; }
  virtual bool BackBitmapCheck() { return false; }
  virtual bool BackDrawArea(TCanvas* canvas, const RECT& rect, POINT point, UINT flags);
  virtual POINT BackMapPoint(POINT point) { return point; }
  virtual HPALETTE BackBitmapPalette();

  // The border painted over in the face colour (flat), or the normal sunken look.
  virtual void RestoreBorderBack();
  virtual void RestoreBorderFront();
  // Marks the control's bounds on the parent's window, with erasing.
  void InvalidateFrame();
  RECT GetScreenRect(const RECT& rect);

  TNotifyEvent OnAfterEnter;
  TNotifyEvent OnAfterExit;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

 protected:
  virtual void DoFlatChanged() {}
  // Transparent and this control hands out a background bitmap.
  virtual bool CheckOptimized() { return FTransparent && BackBitmapCheck(); }
  virtual void FillControl();
  virtual void GetIMLChange(TObject* sender);
  virtual void MouseEnter();
  virtual void MouseExit();
  // The Entered setter: flattens the border again when the control loses the focus.
  void SetBoolean(bool value);
  // Repairs the background of one rectangle.
  void RepBack(const RECT& rect);
  void DrawDashedFrame();

  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void DoEnter() override;
  void DoExit() override;
  void Dispatch(TMessage& message) override;

 private:
  bool IsLoading() const { return ComponentState().Contains(TComponentStateItem::csLoading); }
  void BackChanged();
  void BroadcastBackChanged();
  void AfterMove();
  void AfterSize();
  // Runs `paint` on the whole-window DC with the window rectangle moved to the origin.
  template <class F>
  void PaintBorder(F paint);

  AnsiString FAbout;
  bool FMouseAbove = false;
  bool FEntered = false;
  bool FFlat = false;
  bool FTransparent = false;
  bool FRepaintOnChange = true;
  TLMDImageLink FImageLink;
  std::unique_ptr<TLMDBitmapEffectObject> FBackFX;
  uint8_t FTransparentMode = 0;
};
