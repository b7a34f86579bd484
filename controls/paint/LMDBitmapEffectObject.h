// Unit LMDBitmapEffectObject: TLMDBitmapEffectObject, a fixed chain of effects on a bitmap
// (mirroring, grey scale, inversion, monochrome, brightness, alpha blend), whose result may be
// kept in a buffer until the object changes.
#pragma once

#include "LMDAlphaObject.h"
#include "LMDBmp.h"

#include <TBitmap.h>

#include <memory>

class TLMDBitmapEffectObject : public TLMDObject {
  TAWO_CLASS(TLMDBitmapEffectObject, TLMDObject)

 public:
  TLMDBitmapEffectObject();
  ~TLMDBitmapEffectObject() override;

  // Copies the effects (not the monochrome flag), Buffered through its setter, then AlphaBlend.
  void Assign(TPersistent* source) override;
  // Invalidates the buffer before the holder hears of the change, so a repaint from the
  // notification already runs the new effects.
  void Change() override;
  // The active effects' tags ("alpha", "FV", "FH", "GS", "INV", "B") between braces, or
  // "{Disabled}".
  AnsiString GetSetStr() const override;

  TLMDAlphaObject* AlphaBlend() const { return FAlphaBlend.get(); }
  void SetAlphaObject(TLMDAlphaObject* value) { FAlphaBlend->Assign(value); }
  // The flags by index: 0 FlipVertical, 1 FlipHorizontal, 2 GrayScale, 3 Invert, 4 Buffered,
  // 5 monochrome.
  bool GetBoolean(int32_t index) const;
  void SetBoolean(int32_t index, bool value);
  bool FlipVertical() const { return FFlipVertical; }
  bool FlipHorizontal() const { return FFlipHorizontal; }
  bool GrayScale() const { return FGrayScale; }
  bool Invert() const { return FInvert; }
  bool Buffered() const { return FBuffered; }
  TLMDBrightness Brightness() const { return FBrightness; }
  // -255..255; other values raise ERangeError.
  void SetBrightness(TLMDBrightness value);

  // Whether any effect changes a picture.
  bool Enabled() const;
  // Marks the buffer invalid; the buffer bitmap stays.
  void DestroyBuffer() { FBufferValid = false; }
  bool BufferValid() const { return FBufferValid; }

  // Runs the effects on the whole bitmap, which becomes pf24bit when an effect runs; with a
  // valid buffer, copies the buffer instead.
  void Draw(TBitmap* bitmap);
  // Copies the source into the destination at the same place, then Draw on the destination.
  void DrawCopy(TBitmap* source, TBitmap* dest);
  // Copies `rect` of the source to (0, 0) of the destination, then Draw on the destination.
  void DrawCopyFromRect(TBitmap* source, const RECT& rect, TBitmap* dest);
  // Copies `rect` of the source to `point` of the destination and runs the effects there, all
  // but monochrome and the alpha blend.
  void DrawCopyRect(TBitmap* source, const RECT& rect, const POINT& point, TBitmap* dest);
  // The destination receives `rect` of the source unchanged, with `destRect` of it (in the
  // destination's coordinates) processed by Draw.
  void DrawCutRect(TBitmap* source, const RECT& rect, const RECT& destRect, TBitmap* dest);
  // Copies `rect` of the source to (0, 0) of the destination and runs the effects within
  // `destRect`, all but monochrome; the fill of the alpha blend spans the destination.
  void DrawCutRect2(TBitmap* source, const RECT& rect, const RECT& destRect, TBitmap* dest);

 private:
  // With a valid buffer, copies it onto the bitmap; false when there is nothing buffered.
  bool DrawBuffer(TBitmap* bitmap);
  // Keeps the result when buffered.
  void FillBuffer(TBitmap* bitmap);
  // Mirroring, grey scale and inversion, in place within `area`.
  void ApplyPixelEffects(TBitmap* bitmap, const RECT& area) const;
  void ApplyBrightness(TBitmap* bitmap, const RECT& area) const;

  std::unique_ptr<TLMDAlphaObject> FAlphaBlend;
  bool FBufferValid = false;
  bool FInvert = false;
  bool FBuffered = false;
  bool FGrayScale = false;
  bool FFlipVertical = false;
  bool FMonochrome = false;
  bool FFlipHorizontal = false;
  std::unique_ptr<TBitmap> FBuffer;
  TLMDBrightness FBrightness = 0;
};
