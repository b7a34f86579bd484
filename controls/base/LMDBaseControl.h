// Unit LMDBaseControl: TLMDBaseControl, the windowless control base that links to an image
// container: the control registers its change link with the container, hears of its changes
// through GetIMLChange and lets go of it when the container is destroyed. It also owns the
// background bitmap effect (BackFX), whose cached result goes stale when the background does.
#pragma once

#include "LMDControl.h"
#include "LMDImageLink.h"

#include <LMDBitmapEffectObject.h>

#include <memory>

class TLMDBaseControl : public TLMDControl {
  TAWO_CLASS(TLMDBaseControl, TLMDControl)

 public:
  explicit TLMDBaseControl(TComponent* owner);
  ~TLMDBaseControl() override;

  TLMDCustomImageList* ImageList() const { return FImageLink.ImageList(); }
  // Moves the change link to the new container (even when it is the same one) and reloads.
  void SetImageList(TLMDCustomImageList* value);
  // The item the control shows, by index: 0 ImageIndex, 1 ListIndex. A negative or unchanged
  // value is ignored.
  int32_t GetIndex(int32_t index) const { return FImageLink.GetIndex(index); }
  void SetIndex(int32_t index, int32_t value);
  // True unless ImageList is set and holds the item (ListIndex, ImageIndex).
  bool IMLEmpty() const { return FImageLink.IMLEmpty(); }
  TLMDBitmapEffectObject* BackFX() const { return FBackFX.get(); }
  // Copies into the owned object.
  void SetBackFX(TLMDBitmapEffectObject* value) { FBackFX->Assign(value); }

  // The rectangle of client coordinates in screen coordinates.
  RECT GetScreenRect(const RECT& rect);
  // A control point in the coordinates of the parent's background bitmap.
  POINT BackMapPoint(int x, int y);

 protected:
  // Whether the control copies its background from its parent's bitmap; never in this class.
  virtual bool CheckOptimized() { return false; }
  // The parent is a library windowed control with a window that hands out its background bitmap.
  bool ParentKeepsBackground() const;
  // Whether drawing now would reach the screen: a hidden control draws nothing, since its
  // canvas would paint over whatever its parent shows in its place.
  bool CanPaintNow() const;
  // Adds csOpaque to the control style or takes it away.
  void SetOpaque(bool opaque);
  // The image container changed; descendants reload their image first.
  virtual void GetIMLChange(TObject* sender);

  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;

 private:
  TLMDImageLink FImageLink;
  std::unique_ptr<TLMDBitmapEffectObject> FBackFX;
};
