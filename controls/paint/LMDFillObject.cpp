#include "LMDFillObject.h"

#include "LMDClipRegion.h"
#include "LMDUtils.h"
#include "LMDUtilsBitmap.h"

#include <algorithm>
#include <memory>

using enum TBrushStyle;
using enum TLMDAlignment;
using enum TLMDFillOption;
using enum TLMDFillStyle;
using enum TLMDTileMode;

namespace {

// Copies the bitmap tile by tile from the area's top-left corner; the last tiles of a row
// and column are cut at the area's edges.
void DrawTiled(TCanvas* canvas, const RECT& rect, TBitmap* bitmap) {
  for (int32_t y = rect.top; y < rect.bottom; y += bitmap->Height()) {
    for (int32_t x = rect.left; x < rect.right; x += bitmap->Width()) {
      const int32_t width = std::min<int32_t>(bitmap->Width(), rect.right - x);
      const int32_t height = std::min<int32_t>(bitmap->Height(), rect.bottom - y);
      canvas->CopyRect(RECT{x, y, x + width, y + height}, bitmap->Canvas(), RECT{0, 0, width, height});
    }
  }
}

}  // namespace

TAWO_PUBLISHED(TLMDFillObject, published) {
  published.Property("Alignment", &TLMDFillObject::Alignment, &TLMDFillObject::SetAlignment).Default(agTopLeft);
  published.Property("Brush", &TLMDFillObject::Brush, &TLMDFillObject::SetBrush);
  published.Property("OffsetX", &TLMDFillObject::GetOffset, &TLMDFillObject::SetOffset, 0).Default(0);
  published.Property("OffsetY", &TLMDFillObject::GetOffset, &TLMDFillObject::SetOffset, 1).Default(0);
  published.Property("Options", &TLMDFillObject::Options, &TLMDFillObject::SetOptions)
      .Default(kLMDDefaultFillOptions);
  published.Redeclare("Style").Default(sfNone);
}

TLMDFillObject::TLMDFillObject() : FBrush(std::make_unique<TBrush>()) {
  FBrush->OnChange = TNotifyEvent(this, &TLMDFillObject::GetChange);
  BeginUpdate();
  SetStyle(sfNone);
  EndUpdate(false);
}

TLMDFillObject::~TLMDFillObject() {
  FBrush->OnChange = nullptr;
}

void TLMDFillObject::Assign(TPersistent* source) {
  if (source == this) return;
  auto* other = dynamic_cast<TLMDFillObject*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  FBrush->Assign(other->FBrush.get());
  FOptions = other->FOptions;
  CopyPictures(*other);
  SetStyle(other->Style());
  SetTileMode(other->TileMode());
  EndUpdate(true);
}

void TLMDFillObject::SetAlignment(TLMDAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  if (PlacesBitmap()) Change();
}

void TLMDFillObject::SetOffset(int32_t index, int32_t value) {
  int32_t& offset = index == 0 ? FOffsetX : FOffsetY;
  if (value == offset) return;
  offset = value;
  if (PlacesBitmap()) Change();
}

void TLMDFillObject::SetOptions(TLMDFillOptions value) {
  StoreAndNotify(FOptions, value);
}

bool TLMDFillObject::PlacesBitmap() const {
  return (Style() == sfBitmap || Style() == sfBitmapList) && TileMode() == tmNone;
}

bool TLMDFillObject::GetTransparent() const {
  const bool fillsInner = FOptions.Contains(foFillInner);
  switch (Style()) {
    case sfNone: return true;
    case sfBrush: return FBrush->Style() != bsSolid && !fillsInner;
    case sfBitmap:
    case sfBitmapList: return (TileMode() == tmNone || TileMode() == tmCenter) && !fillsInner;
    case sfBrushBitmap:
    case sfGradient: break;
  }
  return false;
}

bool TLMDFillObject::FillCanvas(TCanvas* canvas, const RECT& rect, TColor backColor) {
  switch (Style()) {
    case sfBrushBitmap:
      FillBrushBitmap(canvas, rect);
      return true;
    case sfBrush:
      FillBrush(canvas, rect, backColor);
      return true;
    case sfBitmap:
    case sfBitmapList:
      return FillBitmap(canvas, rect, backColor);
    case sfGradient:
      FillGradient(canvas, rect);
      return true;
    case sfNone:
      break;
  }
  return false;
}

bool TLMDFillObject::ClipFill(TCanvas* canvas, const RECT& rect, TColor backColor, int32_t offset) {
  // The buffered gradient is copied into the rectangle and cannot paint outside it.
  if (Style() == sfGradient && FOptions.Contains(foGrUseBitmap)) return FillCanvas(canvas, rect, backColor);
  TLMDClipRegion clip(canvas->Handle(), rect, offset);
  return FillCanvas(canvas, rect, backColor);
}

void TLMDFillObject::FillInner(TCanvas* canvas, const RECT& rect, TColor backColor) const {
  if (!FOptions.Contains(foFillInner)) return;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(backColor);
  canvas->FillRect(rect);
}

// The whole bitmap is the pattern: the platform belongs to the NT family, whose pattern
// brushes take bitmaps of any size.
void TLMDFillObject::FillBrushBitmap(TCanvas* canvas, const RECT& rect) {
  if (!Bitmap()->Empty()) canvas->Brush()->SetBitmap(Bitmap());
  struct ResetPattern {
    TCanvas* canvas;
    ~ResetPattern() { canvas->Brush()->SetBitmap(nullptr); }
  } reset{canvas};
  canvas->FillRect(rect);
}

// A hatched brush leaves its gaps unpainted; with the inner fill they show the back colour,
// so the fill covers the area as GetTransparent reports.
void TLMDFillObject::FillBrush(TCanvas* canvas, const RECT& rect, TColor backColor) {
  if (FBrush->Style() != bsSolid) FillInner(canvas, rect, backColor);
  canvas->Brush()->Assign(FBrush.get());
  canvas->Pen()->SetColor(backColor);
  canvas->FillRect(rect);
}

bool TLMDFillObject::FillBitmap(TCanvas* canvas, const RECT& rect, TColor backColor) {
  TBitmap* bitmap = GetBitmap();
  if (bitmap->Empty()) {
    FillInner(canvas, rect, backColor);
    return false;
  }
  // A fill bitmap is copied plainly: its own Transparent flag plays no part.
  const uint16_t palette = FOptions.Contains(foQuickDraw) ? 0 : kLMDBmpPalette;
  switch (TileMode()) {
    case tmNone: {
      FillInner(canvas, rect, backColor);
      RECT placed = LMDAlignRect(FAlignment, RECT{0, 0, bitmap->Width(), bitmap->Height()}, rect);
      OffsetRect(&placed, FOffsetX, FOffsetY);
      LMDBmpDraw(canvas, placed, bitmap, palette, 0);
      break;
    }
    case tmCenter:
      FillInner(canvas, rect, backColor);
      LMDBmpDraw(canvas, rect, bitmap, kLMDBmpCenter | palette, 0);
      break;
    case tmStretch:
      LMDBmpDraw(canvas, rect, bitmap, kLMDBmpStretch | palette, 0);
      break;
    case tmTile:
      DrawTiled(canvas, rect, bitmap);
      break;
  }
  return true;
}

void TLMDFillObject::FillGradient(TCanvas* canvas, const RECT& rect) {
  uint16_t flags = 0;
  if (FOptions.Contains(foGrUseBitmap)) flags |= LMD_GRADIENT_BUFFER;
  if (Gradient()->PaletteRealize()) flags |= LMD_GRADIENT_PALETTE;
  LMDGradientPaintExt(canvas, rect, Gradient()->Style(), &Gradient()->ColorTable(), Gradient()->GetPalette(), flags,
                      0);
}
