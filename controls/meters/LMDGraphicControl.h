// Unit LMDGraphicControl: TLMDGraphicControl, the library's windowless control with an owned
// bevel. Sub-object changes arrive at GetChange and repaint: a transparent control through the
// framework (the parent's background first), an opaque one at once in place through Paint.
#pragma once

#include <LMDBevel.h>
#include <TGraphicControl.h>

#include <memory>

class TLMDGraphicControl : public TGraphicControl {
  TAWO_CLASS(TLMDGraphicControl, TGraphicControl)

 public:
  explicit TLMDGraphicControl(TComponent* owner);
  ~TLMDGraphicControl() override;

  // A free text kept with the control; nothing reads it.
  AnsiString About() const { return FAbout; }
  void SetAbout(const AnsiString& value) { FAbout = value; }
  TLMDBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TLMDBevel* value) { FBevel->Assign(value); }
  // The item of the image list the control shows, by index: 0 ImageIndex, 1 ListIndex. The
  // control keeps them for the image list it will be linked to; a negative value is ignored.
  int32_t GetIndex(int32_t index) const { return index == 0 ? FImageIndex : FListIndex; }
  void SetIndex(int32_t index, int32_t value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);

  // Repaints the whole control: deferred with the background when transparent, else at once.
  void InvalidateControl();
  // The handler of the owned sub-objects.
  virtual void GetChange(TObject* sender);

 protected:
  // Makes the control opaque without a repaint (for descendants that fill themselves).
  void DisableTransMode();
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  // Whether drawing now would reach the screen: a hidden control draws nothing, since its
  // canvas would paint over whatever its parent shows in its place.
  bool CanPaintNow() const;
  // Paints the bevel around the client rectangle; the rectangle inside it.
  RECT PaintBevel();

  // Set while a descendant draws, so drawing never re-enters itself.
  bool FBusy = false;

 private:
  AnsiString FAbout;
  std::unique_ptr<TLMDBevel> FBevel;
  bool FTransparent = true;
  int32_t FImageIndex = 0;
  int32_t FListIndex = 0;
};
