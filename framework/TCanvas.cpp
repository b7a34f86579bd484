#include "TCanvas.h"

#include "TBitmap.h"
#include "TBitmapCanvas.h"
#include "TGraphic.h"

#include <winuser.h>

using enum TBrushStyle;
using enum TCanvasStateItem;

TAWO_IMPLEMENT_CLASS(TCanvas)

namespace {

constexpr TCanvasState kPenAndBrush{csHandleValid, csPenValid, csBrushValid};
constexpr TCanvasState kFontAndBrush{csHandleValid, csFontValid, csBrushValid};

RECT Rect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }

}  // namespace

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  FFont->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
  FPen->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
  FBrush->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle() {
  RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
  return FHandle;
}

void TCanvas::SetHandle(HDC handle) {
  if (handle == FHandle) return;
  if (FHandle != nullptr) {
    DeselectHandles();
    FHandle = nullptr;
    FState.Exclude(csHandleValid);
  }
  if (handle != nullptr) {
    FHandle = handle;
    FState.Include(csHandleValid);
    POINT current{};
    GetCurrentPositionEx(FHandle, &current);
    FPenPos = current;
  }
}

POINT TCanvas::PenPos() { return FPenPos; }

void TCanvas::Lock() {
  FLock.lock();
  ++FLockCount;
}

void TCanvas::Unlock() {
  --FLockCount;
  FLock.unlock();
}

bool TCanvas::TryLock() {
  if (!FLock.try_lock()) return false;
  ++FLockCount;
  return true;
}

void TCanvas::CreateHandle() { throw EInvalidOperation(SNoCanvasHandle); }

void TCanvas::RequiredState(TCanvasState required) {
  const TCanvasState needed = required - FState;
  if (needed.Empty()) return;
  if (needed.Contains(csHandleValid)) {
    CreateHandle();
    if (FHandle == nullptr) throw EInvalidOperation(SNoCanvasHandle);
  }
  if (needed.Contains(csFontValid)) CreateFont();
  if (needed.Contains(csPenValid)) CreatePen();
  if (needed.Contains(csBrushValid)) CreateBrush();
}

void TCanvas::CreateFont() {
  HGDIOBJ previous = SelectObject(FHandle, FFont->Handle());
  if (FOldFont == nullptr) FOldFont = previous;
  SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont->Color())));
  FState.Include(csFontValid);
}

void TCanvas::CreatePen() {
  HGDIOBJ previous = SelectObject(FHandle, FPen->Handle());
  if (FOldPen == nullptr) FOldPen = previous;
  SetROP2(FHandle, PenModeToRop2(FPen->Mode()));
  FState.Include(csPenValid);
}

void TCanvas::CreateBrush() {
  HGDIOBJ previous = SelectObject(FHandle, FBrush->Handle());
  if (FOldBrush == nullptr) FOldBrush = previous;
  if (FBrush->Style() == bsSolid) {
    SetBkColor(FHandle, static_cast<COLORREF>(ColorToRGB(FBrush->Color())));
    SetBkMode(FHandle, OPAQUE);
  } else {
    // Hatches are drawn over the brush colour's complement background, as the framework does.
    SetBkColor(FHandle, ~static_cast<COLORREF>(ColorToRGB(FBrush->Color())) & 0xFFFFFF);
    SetBkMode(FHandle, TRANSPARENT);
  }
  FState.Include(csBrushValid);
}

void TCanvas::DeselectHandles() {
  if (FHandle == nullptr) return;
  if (FOldPen != nullptr) SelectObject(FHandle, FOldPen);
  if (FOldBrush != nullptr) SelectObject(FHandle, FOldBrush);
  if (FOldFont != nullptr) SelectObject(FHandle, FOldFont);
  FOldPen = FOldBrush = FOldFont = nullptr;
  FState -= TCanvasState{csPenValid, csBrushValid, csFontValid};
}

void TCanvas::ObjectChanged(TObject* sender) {
  if (FHandle == nullptr) return;
  // The object is about to delete its GDI handle: put the DC's original back first.
  if (sender == FFont.get() && FState.Contains(csFontValid)) {
    SelectObject(FHandle, FOldFont);
    FOldFont = nullptr;
    FState.Exclude(csFontValid);
  } else if (sender == FPen.get() && FState.Contains(csPenValid)) {
    SelectObject(FHandle, FOldPen);
    FOldPen = nullptr;
    FState.Exclude(csPenValid);
  } else if (sender == FBrush.get() && FState.Contains(csBrushValid)) {
    SelectObject(FHandle, FOldBrush);
    FOldBrush = nullptr;
    FState.Exclude(csBrushValid);
  }
}

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::Changing() { OnChanging(this); }
void TCanvas::Changed() { OnChange(this); }

// ---------------------------------------------------------------------------------------------
// Shapes.

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState({csHandleValid, csPenValid});
  ::Arc(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState(kPenAndBrush);
  ::Chord(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState(kPenAndBrush);
  ::Pie(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState(kPenAndBrush);
  ::Ellipse(FHandle, x1, y1, x2, y2);
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState(kPenAndBrush);
  ::Rectangle(FHandle, x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  Changing();
  RequiredState(kPenAndBrush);
  ::RoundRect(FHandle, x1, y1, x2, y2, x3, y3);
  Changed();
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  Changing();
  RequiredState(kPenAndBrush);
  ::Polygon(FHandle, points.data(), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
  Changing();
  RequiredState({csHandleValid, csPenValid});
  ::Polyline(FHandle, points.data(), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState({csHandleValid});
  MoveToEx(FHandle, x, y, nullptr);
  FPenPos = POINT{x, y};
}

void TCanvas::LineTo(int x, int y) {
  Changing();
  RequiredState({csHandleValid, csPenValid});
  ::LineTo(FHandle, x, y);
  FPenPos = POINT{x, y};
  Changed();
}

void TCanvas::FillRect(const RECT& rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::FillRect(FHandle, &rect, FBrush->Handle());
  Changed();
}

void TCanvas::FrameRect(const RECT& rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::FrameRect(FHandle, &rect, FBrush->Handle());
  Changed();
}

void TCanvas::DrawFocusRect(const RECT& rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::DrawFocusRect(FHandle, &rect);
  Changed();
}

// ---------------------------------------------------------------------------------------------
// Graphics and copies.

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  DrawGraphic(Rect(x, y, x + graphic->Width(), y + graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const RECT& rect, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  DrawGraphic(rect, graphic);
}

void TCanvas::DrawGraphic(const RECT& rect, TGraphic* graphic) {
  Changing();
  RequiredState({csHandleValid});
  // A monochrome image takes its two colours from the DC: 1-bits the background, 0-bits
  // the text colour.
  SetBkColor(FHandle, static_cast<COLORREF>(ColorToRGB(FBrush->Color())));
  SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont->Color())));
  FState -= TCanvasState{csFontValid, csBrushValid};
  graphic->Draw(this, rect);
  Changed();
}

void TCanvas::CopyRect(const RECT& dest, TCanvas* canvas, const RECT& source) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
  auto* bitmapCanvas = dynamic_cast<TBitmapCanvas*>(canvas);
  const TBitmap::TMonochromeColors colors(bitmapCanvas != nullptr ? bitmapCanvas->Bitmap() : nullptr,
                                          canvas->FHandle, FHandle);
  StretchBlt(FHandle, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             canvas->FHandle, source.left, source.top, source.right - source.left,
             source.bottom - source.top, static_cast<DWORD>(FCopyMode));
  Changed();
}

void TCanvas::BrushCopy(const RECT& dest, TBitmap* bitmap, const RECT& source, TColor color) {
  if (bitmap == nullptr || bitmap->Empty()) return;
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  const int width = source.right - source.left;
  const int height = source.bottom - source.top;
  HDC sourceDc = bitmap->Canvas()->Handle();
  // Mask: 1 where the source has `color`.
  TBitmap mask;
  mask.Assign(bitmap);
  mask.SetTransparentColor(color);
  HDC maskDc = CreateCompatibleDC(FHandle);
  HGDIOBJ oldMask = SelectObject(maskDc, mask.MaskHandle());
  const COLORREF oldBk = SetBkColor(FHandle, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(FHandle, RGB(0, 0, 0));
  const int destWidth = dest.right - dest.left;
  const int destHeight = dest.bottom - dest.top;
  // dest = (source AND NOT mask) OR (brush AND mask): copy the source, then the ROP
  // 0xE20746 (DSPDxax) puts the brush where the mask is 1.
  StretchBlt(FHandle, dest.left, dest.top, destWidth, destHeight, sourceDc, source.left,
             source.top, width, height, SRCCOPY);
  StretchBlt(FHandle, dest.left, dest.top, destWidth, destHeight, maskDc, source.left,
             source.top, width, height, 0x00E20746);
  SetBkColor(FHandle, oldBk);
  SetTextColor(FHandle, oldText);
  SelectObject(maskDc, oldMask);
  DeleteDC(maskDc);
  Changed();
}

// ---------------------------------------------------------------------------------------------
// Text.

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
  Changing();
  RequiredState(kFontAndBrush);
  ExtTextOutA(FHandle, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
  MoveTo(x + TextWidth(text), y);
  Changed();
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const AnsiString& text) {
  Changing();
  RequiredState(kFontAndBrush);
  UINT options = ETO_CLIPPED;
  if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutA(FHandle, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
  Changed();
}

SIZE TCanvas::TextExtent(const AnsiString& text) {
  RequiredState({csHandleValid, csFontValid});
  SIZE size{0, 0};
  GetTextExtentPoint32A(FHandle, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

// ---------------------------------------------------------------------------------------------
// Pixels and clipping.

TColor TCanvas::Pixel(int x, int y) {
  RequiredState({csHandleValid});
  return static_cast<TColor>(GetPixel(FHandle, x, y));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  Changing();
  RequiredState({csHandleValid, csPenValid});
  ::SetPixel(FHandle, x, y, static_cast<COLORREF>(ColorToRGB(color)));
  Changed();
}

RECT TCanvas::ClipRect() {
  RequiredState({csHandleValid});
  RECT rect{};
  GetClipBox(FHandle, &rect);
  return rect;
}
