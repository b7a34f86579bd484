#include "LMDGlyph.h"

#include "LMDGlyphCache.h"
#include "LMDGlyphKinds.h"
#include "LMDUtilsBitmap.h"

#include <ActnList.h>
#include <ImgList.h>
#include <LMDCustomImageList.h>
#include <TypInfo.h>

using enum TLMDButtonState;
using enum TLMDGlyphStyle;
using enum TPixelFormat;

TAWO_IMPLEMENT_CLASS(TLMDGlyph)

namespace {

constexpr int32_t kNoImage = -1;
constexpr int32_t kDisabledPicture = 1;

}  // namespace

TLMDGlyph::TLMDGlyph() : FBitmap(std::make_unique<TBitmap>()) {
  FIndexs.fill(kNoImage);
  FBitmap->OnChange = TNotifyEvent(this, &TLMDGlyph::BitmapChanged);
  TLMDGlyphCache::Acquire();
}

TLMDGlyph::~TLMDGlyph() {
  FBitmap->OnChange = nullptr;
  Init();
  TLMDGlyphCache::Release();
}

void TLMDGlyph::Init() {
  for (int32_t& index : FIndexs) {
    if (index != kNoImage && FGlyphList != nullptr) FGlyphList->Delete(index);
    index = kNoImage;
  }
  if (FGlyphList != nullptr) TLMDGlyphCache::Shared()->FreeList(FGlyphList);
  FGlyphList = nullptr;
}

void TLMDGlyph::SetGlyph(TBitmap* bitmap) {
  Init();
  if (bitmap != nullptr && bitmap->Height() >= 1 && bitmap->Width() % bitmap->Height() == 0) {
    const int32_t pictures = bitmap->Width() / bitmap->Height();
    FNumGlyphs = pictures > kMaxGlyphs ? 1 : static_cast<uint8_t>(pictures);
  }
  // The copy raises the bitmap's change, which is the glyph's: it takes the transparent colour
  // and tells OnChange, with NumGlyphs already fitting the new strip.
  FBitmap->Assign(bitmap);
}

void TLMDGlyph::SetGlyphKind(TLMDGlyphKind kind) {
  TBitmap picture;
  LMDGetGlyphKind(&picture, kind);
  SetNumGlyphs(1);
  SetGlyph(&picture);
}

void TLMDGlyph::TakeListItem(TLMDCustomImageList* list, int32_t listIndex, int32_t imageIndex) {
  if (list == nullptr || !list->IsValidItem(listIndex, imageIndex)) {
    SetGlyph(nullptr);
    return;
  }
  TBitmap item;
  list->GetBitmapItem(listIndex, imageIndex, &item);
  SetGlyph(&item);
}

bool TLMDGlyph::TakeActionImage(TBasicAction* action) {
  auto* custom = dynamic_cast<TCustomAction*>(action);
  if (custom == nullptr || custom->ActionList() == nullptr || !FBitmap->Empty()) return false;
  TCustomImageList* images = custom->ActionList()->Images();
  const int32_t index = custom->ImageIndex();
  if (images == nullptr || index < 0 || index >= images->Count()) return false;
  TBitmap picture;
  picture.SetSize(images->Width(), images->Height());
  picture.Canvas()->Brush()->SetColor(clFuchsia);
  picture.Canvas()->FillRect(RECT{0, 0, images->Width(), images->Height()});
  images->Draw(picture.Canvas(), 0, 0, index);
  SetGlyph(&picture);
  return true;
}

void TLMDGlyph::SetNumGlyphs(uint8_t value) {
  if (value == 0 || value > kMaxGlyphs || value == FNumGlyphs) return;
  Init();
  FNumGlyphs = value;
}

void TLMDGlyph::SetStyle(TLMDGlyphStyle value) {
  if (value == FStyle) return;
  Init();
  FStyle = value;
}

void TLMDGlyph::BitmapChanged(TObject*) {
  FTransparentColor = FBitmap->TransparentColor();
  Init();
  if (OnChange.Assigned()) OnChange(this);
}

int32_t TLMDGlyph::PictureOf(TLMDButtonState state) const {
  if (state == bsDisabledUp || state == bsDisabledDown) return kDisabledPicture;
  const auto picture = static_cast<int32_t>(state);
  if (picture <= FNumGlyphs - 1) return picture;
  if (FStyle == gsStandard) return 0;
  return state == bsDropDownOpen ? 4 : 2;
}

int32_t TLMDGlyph::GetButtonGlyph(TLMDButtonState state) {
  const int32_t picture = PictureOf(state);
  int32_t& index = FIndexs[static_cast<size_t>(picture)];
  if (index != kNoImage) return index;
  if (FBitmap->Empty() || FNumGlyphs == 0 || FBitmap->Width() / FNumGlyphs == 0) return kNoImage;
  index = MakeImage(picture);
  return index;
}

int32_t TLMDGlyph::MakeImage(int32_t picture) {
  const int32_t width = FBitmap->Width() / FNumGlyphs;
  const int32_t height = FBitmap->Height();
  if (FGlyphList == nullptr) FGlyphList = TLMDGlyphCache::Shared()->GetList(width, height);
  const bool fromStrip = picture < FNumGlyphs && !(FStyle == gsExplorer && picture == 0);
  TBitmap work;
  work.SetPixelFormat(pf24bit);
  work.SetSize(width, height);
  const int32_t source = fromStrip ? picture : 0;
  BitBlt(work.Canvas()->Handle(), 0, 0, width, height, FBitmap->Canvas()->Handle(), source * width, 0, SRCCOPY);
  if (fromStrip || picture > kDisabledPicture) return FGlyphList->AddMasked(&work, FTransparentColor);
  TBitmap made;
  made.SetPixelFormat(pf24bit);
  made.SetSize(width, height);
  if (picture == 0) {
    LMDBmpCreateGrayscale(&made, &work);
  } else {
    work.SetTransparentColor(FTransparentColor);
    LMDBmpDrawDisabledState(&made, &work, 0, 0);
  }
  return FGlyphList->AddMasked(&made, FTransparentColor);
}

void TLMDGlyph::GetStateBitmap(TLMDButtonState state, TBitmap* bitmap) {
  const int32_t index = GetButtonGlyph(state);
  if (index == kNoImage || bitmap == nullptr) return;
  FGlyphList->GetBitmap(index, bitmap);
}

TLMDTextGlyphRects TLMDGlyph::DrawButtonGlyphAndText(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect,
                                                     const RECT& dest, TLMDButtonState state,
                                                     TLMDGlyphTextLayout* layout, TLMDDrawTextStyles styles,
                                                     bool wordBreak, UINT extraFormat) {
  const int32_t index = GetButtonGlyph(state);
  RECT glyphRect{};
  TCanvas* glyphCanvas = nullptr;
  TCanvas* maskCanvas = nullptr;
  if (index != kNoImage) {
    glyphRect = FGlyphList->GetImageRect(index);
    glyphCanvas = FGlyphList->Image()->Canvas();
    maskCanvas = FGlyphList->Mask()->Canvas();
  }
  return LMDDrawTextAndGlyphExt(canvas, text, effect, dest, glyphCanvas, glyphRect, maskCanvas, FTransparentColor,
                                layout, wordBreak, true, true, styles, extraFormat);
}
