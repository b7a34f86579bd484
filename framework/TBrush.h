// Unit Graphics: TBrush, the fill of shapes and backgrounds: a colour with a solid, clear or
// hatched style, or a pattern bitmap.
#pragma once

#include "Graphics.h"
#include "TGraphicsObject.h"

#include <windows.h>

class TBitmap;

class TBrush : public TGraphicsObject {
  TAWO_CLASS(TBrush, TGraphicsObject)

 public:
  TBrush() = default;

  void Assign(TPersistent* source) override;

  HBRUSH Handle() { return static_cast<HBRUSH>(GdiHandle()); }

  // Assigning a colour to a clear brush makes it solid.
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  // A pattern brush from this bitmap, whatever Style says; the caller keeps the bitmap and
  // assigns the brush's Bitmap again (or null) after changing or freeing it.
  TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* bitmap);

 protected:
  HGDIOBJ CreateGdiHandle() override;

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  TBitmap* FBitmap = nullptr;
};
