// Unit lmdglyph: TLMDGlyph, a button's strip of up to five state pictures (up, disabled, hot,
// option set, down). Missing pictures are made from the first one (an embossed disabled look,
// a grayscale look for explorer glyphs); the images live in the glyph list of their size that
// all glyphs share, made on first use and released when the strip changes.
#pragma once

#include "LMDButtonBase.h"
#include "LMDGlyphList.h"
#include "LMDUtilsLayout.h"

#include <TBitmap.h>

#include <array>
#include <memory>

TAWO_ENUM(TLMDGlyphStyle, gsStandard, gsExplorer)

class TBasicAction;
class TLMDCustomImageList;

class TLMDGlyph : public TObject {
  TAWO_CLASS(TLMDGlyph, TObject)

 public:
  static constexpr uint8_t kMaxGlyphs = 5;

  TLMDGlyph();
  ~TLMDGlyph() override;
  TLMDGlyph(const TLMDGlyph&) = delete;
  TLMDGlyph& operator=(const TLMDGlyph&) = delete;

  TBitmap* Glyph() const { return FBitmap.get(); }
  // Takes a copy; a square-multiple strip of at most five pictures sets NumGlyphs.
  void SetGlyph(TBitmap* bitmap);
  // One picture: the predefined one of `kind` (not gkCustom).
  void SetGlyphKind(TLMDGlyphKind kind);
  // The bitmap of the list's item, or none when the list is missing or lacks the item.
  void TakeListItem(TLMDCustomImageList* list, int32_t listIndex, int32_t imageIndex);
  // An empty glyph takes the action's image from its action list, drawn on clFuchsia (the
  // transparent colour); true when it did.
  bool TakeActionImage(TBasicAction* action);
  uint8_t NumGlyphs() const { return FNumGlyphs; }
  // 0, more than five and the current count are ignored; another count releases the images.
  void SetNumGlyphs(uint8_t value);
  TLMDGlyphStyle Style() const { return FStyle; }
  void SetStyle(TLMDGlyphStyle value);
  TColor TransparentColor() const { return FTransparentColor; }

  // Fired when the bitmap changes.
  TNotifyEvent OnChange;

  // The state's image number in the glyph list, made on first use; -1 without a picture.
  int32_t GetButtonGlyph(TLMDButtonState state);
  // The state's image, sized to it; nothing without one.
  void GetStateBitmap(TLMDButtonState state, TBitmap* bitmap);
  TLMDGlyphList* GlyphList() const { return FGlyphList; }

  // Paints the state's image (with its mask) and the text through the layout routine.
  TLMDTextGlyphRects DrawButtonGlyphAndText(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect,
                                            const RECT& dest, TLMDButtonState state, TLMDGlyphTextLayout* layout,
                                            TLMDDrawTextStyles styles, bool wordBreak, UINT extraFormat);

 private:
  // Releases every image and hands the glyph list back to the cache.
  void Init();
  void BitmapChanged(TObject* sender);
  int32_t PictureOf(TLMDButtonState state) const;
  int32_t MakeImage(int32_t picture);

  std::unique_ptr<TBitmap> FBitmap;
  std::array<int32_t, 8> FIndexs;
  TLMDGlyphList* FGlyphList = nullptr;
  uint8_t FNumGlyphs = 1;
  TLMDGlyphStyle FStyle = TLMDGlyphStyle::gsStandard;
  TColor FTransparentColor = 0;
};
