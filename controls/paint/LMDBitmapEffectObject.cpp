#include "LMDBitmapEffectObject.h"

#include <SysUtils.h>

#include <algorithm>

using enum TLMDFillStyle;
using enum TPixelFormat;

TAWO_PUBLISHED(TLMDBitmapEffectObject, published) {
  using T = TLMDBitmapEffectObject;
  published.Property("AlphaBlend", &T::AlphaBlend, &T::SetAlphaObject);
  published.Property("FlipVertical", &T::GetBoolean, &T::SetBoolean, 0).Default(false);
  published.Property("FlipHorizontal", &T::GetBoolean, &T::SetBoolean, 1).Default(false);
  published.Property("GrayScale", &T::GetBoolean, &T::SetBoolean, 2).Default(false);
  published.Property("Invert", &T::GetBoolean, &T::SetBoolean, 3).Default(false);
  published.Property("Buffered", &T::GetBoolean, &T::SetBoolean, 4).Default(false);
  published.Property("Brightness", &T::Brightness, &T::SetBrightness).Default(0);
}

namespace {

constexpr int32_t kMaxBrightness = 255;
constexpr int32_t kMonochromeIndex = 5;

RECT WholeOf(TBitmap* bitmap) { return RECT{0, 0, bitmap->Width(), bitmap->Height()}; }

POINT TopLeft(const RECT& rect) { return POINT{rect.left, rect.top}; }

void CopyArea(TBitmap* source, const RECT& rect, TBitmap* dest, const POINT& at) {
  dest->Canvas()->CopyRect(RECT{at.x, at.y, at.x + rect.right - rect.left, at.y + rect.bottom - rect.top},
                           source->Canvas(), rect);
}

using TPixelRoutine = void (*)(TBitmap*, const RECT&, TBitmap*, const POINT&);

void RunInPlace(TPixelRoutine routine, TBitmap* bitmap, const RECT& area) {
  bitmap->SetPixelFormat(pf24bit);
  routine(bitmap, area, bitmap, TopLeft(area));
}

}  // namespace

TLMDBitmapEffectObject::TLMDBitmapEffectObject() : FAlphaBlend(std::make_unique<TLMDAlphaObject>()) {
  FAlphaBlend->OnChange = TNotifyEvent(this, &TLMDBitmapEffectObject::GetChange);
}

TLMDBitmapEffectObject::~TLMDBitmapEffectObject() { FAlphaBlend->OnChange = nullptr; }

void TLMDBitmapEffectObject::Assign(TPersistent* source) {
  if (source == this) return;
  auto* other = dynamic_cast<TLMDBitmapEffectObject*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  FFlipVertical = other->FFlipVertical;
  FFlipHorizontal = other->FFlipHorizontal;
  FGrayScale = other->FGrayScale;
  FInvert = other->FInvert;
  FBrightness = other->FBrightness;
  SetBoolean(4, other->FBuffered);
  FAlphaBlend->Assign(other->FAlphaBlend.get());
  EndUpdate(true);
}

void TLMDBitmapEffectObject::Change() {
  DestroyBuffer();
  inherited::Change();
}

AnsiString TLMDBitmapEffectObject::GetSetStr() const {
  AnsiString tags;
  const auto add = [&tags](bool active, const char* tag) {
    if (!active) return;
    if (!tags.empty()) tags += ",";
    tags += tag;
  };
  add(FAlphaBlend->FillObject()->Style() != sfNone, "alpha");
  add(FFlipVertical, "FV");
  add(FFlipHorizontal, "FH");
  add(FGrayScale, "GS");
  add(FInvert, "INV");
  add(FBrightness != 0, "B");
  return "{" + (tags.empty() ? AnsiString("Disabled") : tags) + "}";
}

bool TLMDBitmapEffectObject::GetBoolean(int32_t index) const {
  switch (index) {
    case 0: return FFlipVertical;
    case 1: return FFlipHorizontal;
    case 2: return FGrayScale;
    case 3: return FInvert;
    case 4: return FBuffered;
    default: return FMonochrome;
  }
}

void TLMDBitmapEffectObject::SetBoolean(int32_t index, bool value) {
  if (value == GetBoolean(index)) return;
  switch (index) {
    case 0: FFlipVertical = value; break;
    case 1: FFlipHorizontal = value; break;
    case 2: FGrayScale = value; break;
    case 3: FInvert = value; break;
    case 4:
      FBuffered = value;
      FBuffer = value ? std::make_unique<TBitmap>() : nullptr;
      break;
    case kMonochromeIndex: FMonochrome = value; break;
    default: return;
  }
  GetChange(this);
}

void TLMDBitmapEffectObject::SetBrightness(TLMDBrightness value) {
  if (value < -kMaxBrightness || value > kMaxBrightness) {
    throw ERangeError(Format("Value %d is out of range %d..%d", {int32_t{value}, -kMaxBrightness, kMaxBrightness}));
  }
  if (value == FBrightness) return;
  FBrightness = value;
  GetChange(this);
}

bool TLMDBitmapEffectObject::Enabled() const {
  return FFlipVertical || FFlipHorizontal || FGrayScale || FInvert || FAlphaBlend->Enabled() || FBrightness != 0;
}

bool TLMDBitmapEffectObject::DrawBuffer(TBitmap* bitmap) {
  if (!FBuffered || !FBufferValid) return false;
  CopyArea(FBuffer.get(), WholeOf(FBuffer.get()), bitmap, POINT{0, 0});
  return true;
}

void TLMDBitmapEffectObject::FillBuffer(TBitmap* bitmap) {
  if (!FBuffered) return;
  FBuffer->Assign(bitmap);
  FBufferValid = true;
}

void TLMDBitmapEffectObject::ApplyPixelEffects(TBitmap* bitmap, const RECT& area) const {
  if (FFlipVertical) RunInPlace(LMDBMPFlipVertical, bitmap, area);
  if (FFlipHorizontal) RunInPlace(LMDBMPFlipHorizonzal, bitmap, area);
  if (FGrayScale) RunInPlace(LMDBMPGrayScale, bitmap, area);
  if (FInvert) RunInPlace(LMDBMPInvert, bitmap, area);
}

void TLMDBitmapEffectObject::ApplyBrightness(TBitmap* bitmap, const RECT& area) const {
  if (FBrightness == 0) return;
  bitmap->SetPixelFormat(pf24bit);
  LMDBMPBrightness(bitmap, area, bitmap, TopLeft(area), FBrightness);
}

void TLMDBitmapEffectObject::Draw(TBitmap* bitmap) {
  if (DrawBuffer(bitmap)) return;
  const RECT whole = WholeOf(bitmap);
  ApplyPixelEffects(bitmap, whole);
  if (FMonochrome) bitmap->SetMonochrome(true);
  ApplyBrightness(bitmap, whole);
  FAlphaBlend->AlphaBlend(bitmap);
  FillBuffer(bitmap);
}

void TLMDBitmapEffectObject::DrawCopy(TBitmap* source, TBitmap* dest) {
  CopyArea(source, WholeOf(source), dest, POINT{0, 0});
  Draw(dest);
}

void TLMDBitmapEffectObject::DrawCopyFromRect(TBitmap* source, const RECT& rect, TBitmap* dest) {
  CopyArea(source, rect, dest, POINT{0, 0});
  Draw(dest);
}

void TLMDBitmapEffectObject::DrawCopyRect(TBitmap* source, const RECT& rect, const POINT& point, TBitmap* dest) {
  if (DrawBuffer(dest)) return;
  CopyArea(source, rect, dest, point);
  const RECT area{point.x, point.y, point.x + rect.right - rect.left, point.y + rect.bottom - rect.top};
  ApplyPixelEffects(dest, area);
  ApplyBrightness(dest, area);
  FillBuffer(dest);
}

void TLMDBitmapEffectObject::DrawCutRect(TBitmap* source, const RECT& rect, const RECT& destRect, TBitmap* dest) {
  TBitmap processed;
  processed.SetPixelFormat(pf24bit);
  processed.SetSize(std::max<int32_t>(0, rect.right - rect.left), std::max<int32_t>(0, rect.bottom - rect.top));
  CopyArea(source, rect, &processed, POINT{0, 0});
  Draw(&processed);
  CopyArea(source, rect, dest, POINT{0, 0});
  CopyArea(&processed, destRect, dest, TopLeft(destRect));
}

void TLMDBitmapEffectObject::DrawCutRect2(TBitmap* source, const RECT& rect, const RECT& destRect, TBitmap* dest) {
  if (DrawBuffer(dest)) return;
  CopyArea(source, rect, dest, POINT{0, 0});
  ApplyPixelEffects(dest, destRect);
  ApplyBrightness(dest, destRect);
  // The fill is painted two pixels larger than the source rectangle, as the area it blends with.
  FAlphaBlend->BlendRect(dest, destRect, SIZE{rect.right - rect.left + 2, rect.bottom - rect.top + 2});
  FillBuffer(dest);
}
