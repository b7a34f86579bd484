#include "LMDUtilsBitmap.h"

#include <LMDProcs.h>
#include <SysUtils.h>
#include <TFinally.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kDestAndNotSource = 0x00220326;

int64_t WidthOf(const RECT& rect) { return int64_t{rect.right} - rect.left; }
int64_t HeightOf(const RECT& rect) { return int64_t{rect.bottom} - rect.top; }

RECT Sized(int64_t left, int64_t top, int64_t width, int64_t height) {
  return RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(left + width),
              static_cast<LONG>(top + height)};
}

class TDcColours {
 public:
  TDcColours(HDC dc, TColor text, TColor background)
      : FDC(dc), FText(SetTextColor(dc, ColorToRGB(text))), FBackground(SetBkColor(dc, ColorToRGB(background))) {}
  ~TDcColours() {
    SetTextColor(FDC, FText);
    SetBkColor(FDC, FBackground);
  }
  TDcColours(const TDcColours&) = delete;
  TDcColours& operator=(const TDcColours&) = delete;

 private:
  HDC FDC;
  COLORREF FText;
  COLORREF FBackground;
};

// A monochrome device-dependent bitmap in a memory device context of its own: a blit into it
// turns the source's background colour white and every other colour black; a blit out of it
// paints its white in the target's background colour and its black in the target's text colour.
class TMonoBitmap {
 public:
  TMonoBitmap(int width, int height)
      : FDC(CreateCompatibleDC(nullptr)), FBitmap(CreateBitmap(width, height, 1, 1, nullptr)) {
    if (FDC == nullptr || FBitmap == nullptr) {
      Release();
      throw EOutOfResources();
    }
    FOld = SelectObject(FDC, FBitmap);
  }
  ~TMonoBitmap() { Release(); }
  TMonoBitmap(const TMonoBitmap&) = delete;
  TMonoBitmap& operator=(const TMonoBitmap&) = delete;

  HDC Handle() const { return FDC; }

 private:
  void Release() {
    if (FOld != nullptr) SelectObject(FDC, FOld);
    if (FBitmap != nullptr) DeleteObject(FBitmap);
    if (FDC != nullptr) DeleteDC(FDC);
  }

  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld = nullptr;
};

// Where the copies go: one rectangle per copy, the first being the covered one.
std::vector<RECT> Targets(const RECT& dest, int64_t sw, int64_t sh, uint16_t mode) {
  const int64_t width = WidthOf(dest);
  const int64_t height = HeightOf(dest);
  std::vector<RECT> targets;
  if (mode & kLMDBmpTile) {
    if (sw <= 0 || sh <= 0) return targets;
    for (int64_t y = 0; y <= height / sh; ++y) {
      for (int64_t x = 0; x <= width / sw; ++x) targets.push_back(Sized(dest.left + x * sw, dest.top + y * sh, sw, sh));
    }
  } else if (mode & kLMDBmpStretch) {
    RECT target = dest;
    const bool keepWidth = (mode & kLMDBmpKeepWidth) != 0;
    const bool keepHeight = (mode & kLMDBmpKeepHeight) != 0;
    if (sw > 0 && sh > 0 && keepWidth && keepHeight) {
      const RECT fitted = LMDAffineRect(Sized(0, 0, sw, sh), dest);
      target = Sized(dest.left, dest.top, WidthOf(fitted), HeightOf(fitted));
    } else if (sw > 0 && sh > 0 && keepHeight) {
      target = Sized(dest.left, dest.top, width, Round(static_cast<long double>(width) / sw * sh));
    } else if (sw > 0 && sh > 0 && keepWidth) {
      target = Sized(dest.left, dest.top, Round(static_cast<long double>(height) / sh * sw), height);
    }
    targets.push_back(target);
  } else if (mode & kLMDBmpCenter) {
    targets.push_back(Sized(dest.left + (width - sw) / 2, dest.top + (height - sh) / 2, sw, sh));
  } else {
    targets.push_back(Sized(dest.left, dest.top, sw, sh));
  }
  return targets;
}

void Blit(HDC dc, const RECT& target, HDC source, const RECT& sourceRect, DWORD rop) {
  StretchBlt(dc, target.left, target.top, static_cast<int>(WidthOf(target)), static_cast<int>(HeightOf(target)), source,
             sourceRect.left, sourceRect.top, static_cast<int>(WidthOf(sourceRect)),
             static_cast<int>(HeightOf(sourceRect)), rop);
}

// Paints the image where the mask is black and keeps the destination where it is white.
void DrawThroughMask(HDC dc, const RECT& target, HDC image, HDC mask, const RECT& sourceRect) {
  const TDcColours colours(dc, clBlack, clWhite);
  Blit(dc, target, mask, sourceRect, SRCAND);
  Blit(dc, target, image, sourceRect, SRCPAINT);
}

void DrawCopy(TCanvas* canvas, const RECT& target, TCanvas* source, const RECT& sourceRect, uint16_t mode,
              TColor transparent, void* data, TBitmap* mask, TBitmap* image) {
  HDC dc = canvas->Handle();
  if ((mode & kLMDBmpBrushCopy) && data != nullptr) {
    auto* bitmap = static_cast<TBitmap*>(data);
    canvas->Brush()->SetColor(transparent);
    canvas->BrushCopy(target, bitmap, sourceRect, bitmap->TransparentColor());
  } else if ((mode & kLMDBmpMasked) && data != nullptr) {
    DrawThroughMask(dc, target, source->Handle(), static_cast<TCanvas*>(data)->Handle(), sourceRect);
  } else if (mask != nullptr) {
    DrawThroughMask(dc, target, image->Canvas()->Handle(), mask->Canvas()->Handle(),
                    Sized(0, 0, WidthOf(sourceRect), HeightOf(sourceRect)));
  } else if (source != nullptr) {
    Blit(dc, target, source->Handle(), sourceRect, SRCCOPY);
  }
}

}  // namespace

RECT LMDBmpDrawExt(TCanvas* canvas, const RECT& dest, TCanvas* source, const RECT& sourceRect, uint16_t mode,
                   TColor transparent, void* data) {
  if (IsRectEmpty(&dest)) return RECT{};
  const int64_t sw = WidthOf(sourceRect);
  const int64_t sh = HeightOf(sourceRect);
  if ((mode & kLMDBmpStretch) && !(mode & kLMDBmpTile)) SetStretchBltMode(canvas->Handle(), COLORONCOLOR);
  const std::vector<RECT> targets = Targets(dest, sw, sh, mode);
  if (targets.empty()) return dest;
  const RECT covered = (mode & kLMDBmpTile) || IsRectEmpty(&targets.front()) ? dest : targets.front();

  TBitmap mask;
  TBitmap image;
  const bool makeMasks = !(mode & (kLMDBmpBrushCopy | kLMDBmpMasked)) && (mode & kLMDBmpTransparent) && source != nullptr;
  if (makeMasks) {
    LMDBmpCreateMasksExt(source, sourceRect, &mask, &image, transparent);
  }
  for (const RECT& target : targets) {
    DrawCopy(canvas, target, source, sourceRect, mode, transparent, data, makeMasks ? &mask : nullptr, &image);
  }
  return covered;
}

RECT LMDBmpDraw(TCanvas* canvas, const RECT& dest, TBitmap* bitmap, uint16_t mode, TColor transparent) {
  const RECT whole{0, 0, bitmap->Width(), bitmap->Height()};
  if (HPALETTE palette = bitmap->Palette(); (mode & kLMDBmpPalette) && palette != nullptr) {
    SelectPalette(canvas->Handle(), palette, FALSE);
    RealizePalette(canvas->Handle());
  }
  if (mode & kLMDBmpBrushCopy) return LMDBmpDrawExt(canvas, dest, nullptr, whole, mode, transparent, bitmap);
  return LMDBmpDrawExt(canvas, dest, bitmap->Canvas(), whole, mode, transparent, nullptr);
}

RECT LMDBmpClipDrawExt(TCanvas* canvas, const RECT& dest, TCanvas* source, const RECT& sourceRect, uint16_t mode,
                       int32_t offset, TColor transparent, void* data) {
  if (!(mode & kLMDBmpClip)) return LMDBmpDrawExt(canvas, dest, source, sourceRect, mode, transparent, data);
  const int dx = static_cast<int16_t>(offset & 0xFFFF);
  const int dy = static_cast<int16_t>((offset >> 16) & 0xFFFF);
  HDC dc = canvas->Handle();
  HRGN clip = CreateRectRgn(dest.left + dx, dest.top + dy, dest.right + dx, dest.bottom + dy);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  RECT covered{};
  const TFinally unclip([&] { SelectClipRgn(dc, nullptr); });
  covered = LMDBmpDrawExt(canvas, dest, source, sourceRect, mode, transparent, data);
  return covered;
}

RECT LMDBmpClipDraw(TCanvas* canvas, const RECT& dest, TBitmap* bitmap, uint16_t mode, int32_t offset,
                    TColor transparent) {
  const RECT whole{0, 0, bitmap->Width(), bitmap->Height()};
  if (mode & kLMDBmpBrushCopy) {
    return LMDBmpClipDrawExt(canvas, dest, nullptr, whole, mode, offset, transparent, bitmap);
  }
  return LMDBmpClipDrawExt(canvas, dest, bitmap->Canvas(), whole, mode, offset, transparent, nullptr);
}

RECT LMDBmpStretchDraw(TCanvas* canvas, const RECT& dest, TBitmap* bitmap) {
  return LMDBmpDraw(canvas, dest, bitmap, kLMDBmpStretch | kLMDBmpPalette, 0);
}

RECT LMDMaskBmpDraw(TCanvas* canvas, const RECT& dest, TBitmap* bitmap, TColor transparent, TColor maskColor,
                    TBitmap* maskImage) {
  TBitmap mask;
  LMDBmpCreateMasks(bitmap, &mask, maskImage, maskColor);
  return LMDBmpDraw(canvas, dest, maskImage, kLMDBmpTransparent | kLMDBmpPalette, transparent);
}

void LMDBmpCreateMasksExt(TCanvas* canvas, const RECT& rect, TBitmap* mask, TBitmap* image, TColor transparent) {
  const int width = static_cast<int>(WidthOf(rect));
  const int height = static_cast<int>(HeightOf(rect));
  image->SetSize(width, height);
  mask->SetMonochrome(true);
  mask->SetSize(width, height);
  HDC source = canvas->Handle();
  BitBlt(image->Canvas()->Handle(), 0, 0, width, height, source, rect.left, rect.top, SRCCOPY);
  const TMonoBitmap split(std::max(width, 1), std::max(height, 1));
  {
    const COLORREF previous = SetBkColor(source, ColorToRGB(transparent));
    BitBlt(split.Handle(), 0, 0, width, height, source, rect.left, rect.top, SRCCOPY);
    SetBkColor(source, previous);
  }
  // Out of the split, white stays white and black stays black in both bitmaps; the image keeps
  // its pixels where the split is black and turns black where it is white.
  HDC maskDC = mask->Canvas()->Handle();
  const TDcColours maskColours(maskDC, clBlack, clWhite);
  BitBlt(maskDC, 0, 0, width, height, split.Handle(), 0, 0, SRCCOPY);
  HDC imageDC = image->Canvas()->Handle();
  const TDcColours imageColours(imageDC, clBlack, clWhite);
  BitBlt(imageDC, 0, 0, width, height, split.Handle(), 0, 0, kDestAndNotSource);
}

void LMDBmpCreateMasks(TBitmap* bitmap, TBitmap* mask, TBitmap* image, TColor transparent) {
  LMDBmpCreateMasksExt(bitmap->Canvas(), RECT{0, 0, bitmap->Width(), bitmap->Height()}, mask, image, transparent);
}

void LMDBmpDrawDisabledState(TBitmap* dest, TBitmap* source, int32_t x, int32_t y) {
  const int32_t width = source->Width();
  const int32_t height = source->Height();
  const TColor transparent = ColorToRGB(source->TransparentColor());
  std::vector<bool> painted(static_cast<size_t>(width) * static_cast<size_t>(std::max(height, 0)));
  for (int32_t py = 0; py < height; ++py) {
    for (int32_t px = 0; px < width; ++px) {
      const TColor pixel = source->Canvas()->Pixel(px, py);
      painted[static_cast<size_t>(py) * width + px] = pixel != transparent && pixel != clWhite;
    }
  }
  TCanvas* canvas = dest->Canvas();
  canvas->Brush()->SetColor(transparent);
  canvas->FillRect(RECT{0, 0, dest->Width(), dest->Height()});
  for (const auto& [shift, color] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
    const TColor rgb = ColorToRGB(color);
    for (int32_t py = 0; py < height; ++py) {
      for (int32_t px = 0; px < width; ++px) {
        if (painted[static_cast<size_t>(py) * width + px]) canvas->SetPixel(x + shift + px, y + shift + py, rgb);
      }
    }
  }
}

void LMDBmpCreateGrayscale(TBitmap* dest, TBitmap* source) {
  dest->Assign(source);
  const int32_t width = source->Width();
  const int32_t height = source->Height();
  if (width <= 0 || height <= 0) return;
  TCanvas* canvas = dest->Canvas();
  const TColor reference = canvas->Pixel(0, 0);
  auto sum = [](TColor c) { return int64_t{GetRValue(c)} + GetGValue(c) + GetBValue(c); };
  int64_t total = 0;
  int64_t counted = 0;
  for (int32_t py = 0; py < height; ++py) {
    for (int32_t px = 0; px < width; ++px) {
      const TColor pixel = canvas->Pixel(px, py);
      if (pixel == reference) continue;
      total += sum(pixel);
      ++counted;
    }
  }
  const double average = counted == 0 ? 0.0 : static_cast<double>(total) / static_cast<double>(counted);
  const int64_t base = -Round(200.0L - average);
  const TColor highlight = ColorToRGB(clBtnHighlight);
  const TColor shadow = ColorToRGB(clBtnShadow);
  for (int32_t py = 0; py < height; ++py) {
    for (int32_t px = 0; px < width; ++px) {
      const TColor pixel = canvas->Pixel(px, py);
      if (pixel == reference) continue;
      const int64_t s = sum(pixel);
      const TColor gray = s > base + 550 ? clWhite : s > base + 250 ? highlight : s > base + 50 ? shadow : clBlack;
      canvas->SetPixel(px, py, gray);
    }
  }
}

void LMDBmpCreateFromRect(TBitmap* bitmap, const RECT& rect, TColor color) {
  if (IsRectEmpty(&rect)) return;
  bitmap->SetSize(rect.right - rect.left, rect.bottom - rect.top);
  bitmap->Canvas()->Brush()->SetColor(color);
  bitmap->Canvas()->FillRect(RECT{0, 0, bitmap->Width(), bitmap->Height()});
}

void LMDCopyBmpSize(TBitmap* source, TBitmap* dest) { dest->SetSize(source->Width(), source->Height()); }
