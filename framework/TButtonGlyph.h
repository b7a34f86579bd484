// Unit Buttons: TButtonGlyph, the picture part of a bitmap button: a glyph strip of one to
// four images (up, disabled, down, stay-down) and the layout of glyph and caption on a face.
#pragma once

#include "Graphics.h"
#include "System.h"

#include <windows.h>

#include <memory>

class TBitmap;
class TCanvas;

TAWO_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
TAWO_ENUM(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive)
TAWO_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore,
          bkAll)

using TNumGlyphs = int32_t;

// Where a glyph and a caption go inside a face of a given size.
struct TButtonLayoutResult {
  POINT GlyphPos{0, 0};
  RECT TextBounds{0, 0, 0, 0};
};

class TButtonGlyph : public TObject {
  TAWO_CLASS(TButtonGlyph, TObject)

 public:
  TButtonGlyph();
  ~TButtonGlyph() override;

  TBitmap* Glyph() const { return FGlyph.get(); }
  // A copy of `glyph` (null: none).
  void SetGlyph(TBitmap* glyph);
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  // 1 to 4; other values are ignored.
  void SetNumGlyphs(TNumGlyphs count);
  // One image of the strip: Width / NumGlyphs by Height; 0 x 0 without a glyph.
  SIZE ImageSize() const;

  // Margin -1 centres glyph and caption together; Spacing -1 spreads them evenly. Spacing
  // counts as 0 when either the glyph or the caption is missing.
  static TButtonLayoutResult CalcButtonLayout(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout,
                                              int margin, int spacing);
  // Lays out and paints the glyph (its transparent pixels show the face) and the caption
  // (embossed when disabled) inside `client`, moved by `offset`. Returns the text bounds.
  // `biDiFlags` are added to the caption's DrawText flags (DT_RTLREADING).
  RECT Draw(TCanvas* canvas, const RECT& client, POINT offset, const AnsiString& caption, TButtonLayout layout,
            int margin, int spacing, TButtonState state, UINT biDiFlags = 0);

  // A greyed copy of `image` for a disabled face: its opaque pixels in the shadow colour, a
  // highlight copy one pixel down and right, the rest in the image's transparent colour.
  static std::unique_ptr<TBitmap> CreateDisabled(TBitmap* image);
  // The built-in picture of a kind: two 18 x 18 images (normal, disabled) on olive, which is
  // transparent; bkCustom has none (null).
  static std::unique_ptr<TBitmap> KindGlyph(TBitBtnKind kind);

  TNotifyEvent OnChange;

 private:
  void GlyphChanged(TObject* sender);
  // The strip's image for the state, as its own bitmap (disabled made when not in the strip).
  std::unique_ptr<TBitmap> StateImage(TButtonState state) const;
  void DrawCaption(TCanvas* canvas, RECT bounds, const AnsiString& caption, TButtonState state,
                   UINT biDiFlags) const;

  std::unique_ptr<TBitmap> FGlyph;
  TNumGlyphs FNumGlyphs = 1;
};
