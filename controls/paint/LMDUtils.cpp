// The frame and border painters of unit LMDUtils.
#include "LMDUtils.h"

#include <vector>

using enum TBrushStyle;
using enum TLMDBevelStyle;
using enum TLMDBorderStyle;
using enum TPenStyle;

namespace {

struct TFrameColors {
  TColor TopLeft;
  TColor BottomRight;
};

TFrameColors FrameColors(TLMDBevelStyle style, TColor lightColor, TColor shadowColor) {
  switch (style) {
    case bvLowered:
    case bvFrameLowered: return {shadowColor, lightColor};
    case bvRaised:
    case bvFrameRaised: return {lightColor, shadowColor};
    default: return {clBlack, clBlack};
  }
}

void ShrinkRect(RECT& rect, int32_t n) { InflateRect(&rect, -n, -n); }

// Frame styles: nested outlines, the bottom-right ones shifted in, the top-left ones out.
void DrawFrameRings(TCanvas* canvas, RECT& rect, TFrameColors colors, int32_t width) {
  const RECT r = rect;
  for (int32_t i = 0; i < width; ++i) {
    canvas->Brush()->SetColor(colors.BottomRight);
    canvas->FrameRect(RECT{r.left + i + 1, r.top + i + 1, r.right, r.bottom});
    canvas->Brush()->SetColor(colors.TopLeft);
    canvas->FrameRect(RECT{r.left, r.top, r.right - i - 1, r.bottom - i - 1});
  }
  ShrinkRect(rect, width + 1);
}

// Width 1: two polylines; the last point of each is not painted, so the bottom-left corner
// belongs to the top-left colour and the top-right corner to the bottom-right colour.
void DrawThinBevel(TCanvas* canvas, RECT& rect, TFrameColors colors) {
  const RECT r = rect;
  TPen* pen = canvas->Pen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetColor(colors.TopLeft);
  canvas->Polyline({{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 1, r.top}});
  pen->SetColor(colors.BottomRight);
  canvas->Polyline({{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}});
  ShrinkRect(rect, 1);
}

// Wider bevels: two filled six-point polygons with mitred inner corners.
void DrawWideBevel(TCanvas* canvas, RECT& rect, TFrameColors colors, int32_t width) {
  const RECT r = rect;
  const int32_t il = r.left + width;
  const int32_t it = r.top + width;
  const int32_t ir = r.right - width;
  const int32_t ib = r.bottom - 1 - width;
  canvas->Pen()->SetStyle(psClear);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(colors.BottomRight);
  canvas->Polygon({{r.left, r.bottom}, {il, ib}, {ir, ib}, {ir, it}, {r.right, r.top}, {r.right, r.bottom}});
  canvas->Brush()->SetColor(colors.TopLeft);
  canvas->Polygon({{r.left, r.bottom - 1}, {il, ib}, {il, it}, {ir - 1, it}, {r.right - 1, r.top}, {r.left, r.top}});
  ShrinkRect(rect, width);
}

void Edge(TCanvas* canvas, RECT& rect, UINT edge, UINT flags) { DrawEdge(canvas->Handle(), &rect, edge, flags); }

void HorizontalLine(TCanvas* canvas, int32_t x1, int32_t x2, int32_t y) {
  canvas->MoveTo(x1, y);
  canvas->LineTo(x2, y);
}

void DrawTriangleLines(TCanvas* canvas, int32_t x, int32_t y, int32_t size, TColor color, bool pointingDown) {
  TPen* pen = canvas->Pen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetColor(color);
  if (pointingDown) {
    for (int32_t k = 0; k <= size - 2; ++k) HorizontalLine(canvas, x + k, x + 2 * size - k - 1, y + k);
    HorizontalLine(canvas, x + size - 1, x + size, y + size - 1);
  } else {
    const int32_t mid = x + size / 2;
    for (int32_t k = 0; k <= size - 1; ++k) HorizontalLine(canvas, mid - k, mid + k + 1, y + k);
  }
}

constexpr uint8_t kFormBorderSingle = 1;  // bsSingle

}  // namespace

bool LMDDrawFrame3D(TCanvas* canvas, RECT& rect, TLMDBevelStyle style, TColor lightColor, TColor shadowColor,
                    int32_t width) {
  if (width == 0 || style == bvNone || style == bvShadow || style > bvShadow) return false;
  const TFrameColors colors = FrameColors(style, lightColor, shadowColor);
  if (style == bvFrameLowered || style == bvFrameRaised) {
    DrawFrameRings(canvas, rect, colors, width);
  } else if (width == 1) {
    DrawThinBevel(canvas, rect, colors);
  } else {
    DrawWideBevel(canvas, rect, colors, width);
  }
  return true;
}

bool LMDDrawStdFrame(TCanvas* canvas, RECT& rect, TLMDBorderStyle style, uint16_t flags) {
  const UINT f = flags | BF_ADJUST;
  switch (style) {
    case lsNone: break;
    case lsSingle:
      Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_SOFT | BF_LEFT | BF_TOP);
      Edge(canvas, rect, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
      break;
    case lsLowered: Edge(canvas, rect, EDGE_SUNKEN, f | BF_SOFT | BF_RECT); break;
    case lsRaised: Edge(canvas, rect, EDGE_RAISED, f | BF_SOFT | BF_RECT); break;
    case lsRaisedspb:
      Edge(canvas, rect, BDR_RAISEDOUTER, f | BF_SOFT | BF_RECT);
      Edge(canvas, rect, BDR_RAISEDINNER, BF_ADJUST | BF_RIGHT | BF_BOTTOM);
      break;
    case lsLoweredspb:
      Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
      Edge(canvas, rect, BDR_SUNKENINNER, f | BF_LEFT | BF_TOP);
      break;
    case lsRaisedExt:
      Edge(canvas, rect, BDR_RAISEDOUTER, f | BF_SOFT | BF_RECT);
      Edge(canvas, rect, BDR_RAISEDINNER, BF_ADJUST | BF_RIGHT | BF_BOTTOM);
      ++rect.top;
      ++rect.left;
      break;
    case lsLoweredExt:
      Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
      Edge(canvas, rect, BDR_SUNKENINNER, BF_ADJUST | BF_LEFT | BF_TOP);
      --rect.right;
      --rect.bottom;
      break;
    case lsFrameInset: Edge(canvas, rect, EDGE_ETCHED, f | BF_RECT); break;
    case lsFrameOffset:
      Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
      Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
      break;
    case lsWindowBorder:
      Edge(canvas, rect, BDR_RAISEDOUTER, f | BF_RIGHT | BF_BOTTOM);
      ++rect.top;
      ++rect.left;
      Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
      break;
    case lsSingleRaised: Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT); break;
    case lsSingleLowered: Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT); break;
    case lsDoubleRaised:
      Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
      Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
      break;
    case lsDoubleLowered:
      Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
      Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
      break;
  }
  return true;
}

int32_t LMDDrawStdFrameExt(TLMDBorderStyle style) {
  switch (style) {
    case lsNone: return 0;
    case lsSingle:
    case lsSingleRaised:
    case lsSingleLowered: return 1;
    default: return 2;
  }
}

bool LMDDrawFrameShadow(TCanvas* canvas, RECT& rect, TColor frameColor, TColor shadowColor, TColor cornerColor,
                        TLMDShadowDepth depth, uint8_t frameWidth, bool transparent, uint16_t) {
  const RECT r = rect;
  const int32_t d = depth;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Pen()->SetStyle(psClear);
  canvas->Brush()->SetColor(shadowColor);
  canvas->FillRect(RECT{r.right - d, r.top + d, r.right, r.bottom});
  canvas->FillRect(RECT{r.left + d, r.bottom - d, r.right, r.bottom});
  if (!transparent) {
    canvas->Brush()->SetColor(cornerColor);
    canvas->FillRect(RECT{r.right - d, r.top, r.right, r.top + d});
    canvas->FillRect(RECT{r.left, r.bottom - d, r.left + d, r.bottom});
  }
  rect = RECT{r.left, r.top, r.right - d, r.bottom - d};
  canvas->Brush()->SetColor(frameColor);
  for (int i = 0; i < frameWidth; ++i) {
    canvas->FrameRect(rect);
    ShrinkRect(rect, 1);
  }
  canvas->Pen()->SetWidth(1);
  return true;
}

void LMDDrawBorder(TCanvas* canvas, const RECT& rect, TColor topLeftColor, TColor bottomRightColor) {
  canvas->Pen()->SetColor(topLeftColor);
  canvas->MoveTo(rect.left, rect.bottom - 1);
  canvas->LineTo(rect.left, rect.top);
  canvas->LineTo(rect.right - 1, rect.top);
  canvas->Pen()->SetColor(bottomRightColor);
  canvas->LineTo(rect.right - 1, rect.bottom - 1);
  canvas->LineTo(rect.left, rect.bottom - 1);
}

void LMDDrawTriangle(TCanvas* canvas, int32_t x, int32_t y, int32_t size, TColor color, bool pointingDown,
                     bool enabled) {
  if (size < 2 || size > 15) return;
  if (!enabled) {
    DrawTriangleLines(canvas, x + 1, y + 1, size, clHighlightText, pointingDown);
    color = clGrayText;
  }
  DrawTriangleLines(canvas, x, y, size, color, pointingDown);
}

int32_t LMDGetCtrlBorderWidth(bool ctl3D, TFormBorderStyle borderStyle) {
  if (static_cast<uint8_t>(borderStyle) != kFormBorderSingle) return 0;
  return ctl3D ? 2 : 1;
}
