#include "LMDUtilsButtonFace.h"

#include <LMDApplication.h>
#include <LMDGraph.h>
#include <LMDUtils.h>

using enum TBrushStyle;
using enum TLMDBorderStyle;
using enum TLMDButtonState;
using enum TLMDUserButtonStyle;
using enum TPenStyle;

namespace {

// The ways of painting a face; ubsWin40 has two, chosen by LMD_BTNFACE_BEVELLED.
enum class TFaceFamily { Win31, BevelledWin40, PlainWin40, Flat, Delphi, Integrated };

TFaceFamily FamilyOf(TLMDUserButtonStyle style, uint16_t options) {
  switch (style) {
    case ubsWin31: return TFaceFamily::Win31;
    case ubsWin40: return (options & LMD_BTNFACE_BEVELLED) ? TFaceFamily::BevelledWin40 : TFaceFamily::PlainWin40;
    case ubsDelphi: return TFaceFamily::Delphi;
    case ubsIntegrated: return TFaceFamily::Integrated;
    default: return TFaceFamily::Flat;
  }
}

bool IsExplorer(TLMDUserButtonStyle style) { return style == ubsExplorer || style == ubsExplorerColored; }

bool IsPressedState(TLMDButtonState state) {
  return state == bsDown || state == bsDropDownOpen || state == bsDisabledDown;
}

void Shrink(RECT& rect, int32_t n) { InflateRect(&rect, -n, -n); }

void Edge(TCanvas* canvas, RECT& rect, UINT edge, UINT flags) { DrawEdge(canvas->Handle(), &rect, edge, flags); }

void Line(TCanvas* canvas, POINT from, POINT to) {
  canvas->MoveTo(from.x, from.y);
  canvas->LineTo(to.x, to.y);
}

void FillWithColor(TCanvas* canvas, const RECT& rect, TColor color) {
  TBrush* brush = canvas->Brush();
  brush->SetBitmap(nullptr);
  brush->SetStyle(bsSolid);
  brush->SetColor(color);
  canvas->FillRect(rect);
}

// The checkered brush stays selected while the face is painted, so that outlines drawn over
// the background keep its pattern inside.
void FillChecked(TCanvas* canvas, const RECT& rect, TColor color) {
  canvas->Brush()->SetBitmap(LMDApplication->GetBrushBitmap(color));
  canvas->FillRect(rect);
}

void PaintBackground(TCanvas* canvas, const RECT& rect, TLMDUserButtonStyle style, TFaceFamily family,
                     TLMDButtonState state, bool plainChecked, TColor color) {
  if (IsExplorer(style)) return;
  if (state == bsOptionSet && !(family == TFaceFamily::Flat && plainChecked)) {
    FillChecked(canvas, rect, color);
  } else {
    FillWithColor(canvas, rect, color);
  }
}

void RoundCorners(TCanvas* canvas, const RECT& r) {
  canvas->SetPixel(r.left, r.top, clBtnFace);
  canvas->SetPixel(r.left, r.bottom - 1, clBtnFace);
  canvas->SetPixel(r.right - 1, r.top, clBtnFace);
  canvas->SetPixel(r.right - 1, r.bottom - 1, clBtnFace);
}

// A one-pixel frame in the dark shadow colour on every side; the rectangle is not changed.
void PaintDarkFrame(TCanvas* canvas, RECT& rect, UINT middle) {
  Edge(canvas, rect, BDR_SUNKENOUTER, BF_SOFT | BF_LEFT | BF_TOP | middle);
  Edge(canvas, rect, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
}

void PaintWin31(TCanvas* canvas, RECT& rect, RECT& content, bool down, uint16_t options) {
  PaintDarkFrame(canvas, rect, 0);
  if (options & LMD_BTNFACE_ROUNDED) RoundCorners(canvas, rect);
  Shrink(rect, 1);
  if (down) {
    Edge(canvas, rect, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
  } else {
    Edge(canvas, rect, BDR_RAISEDINNER, BF_ADJUST | BF_RECT);
    Edge(canvas, rect, BDR_RAISEDINNER, BF_ADJUST | BF_RECT);
  }
  Shrink(content, 1);
}

void PaintBevelledWin40(TCanvas* canvas, RECT& rect, bool down, uint16_t options) {
  if (!down) {
    LMDDrawStdFrame(canvas, rect, lsRaisedspb, BF_RECT);
  } else if (options & LMD_BTNFACE_SUNKEN) {
    Edge(canvas, rect, EDGE_SUNKEN, BF_RECT);
  } else {
    LMDDrawStdFrame(canvas, rect, lsLowered, BF_RECT);
  }
}

// Up, focused or not, the raised outer ring in soft colours and the inner ring at the right
// and bottom: the lsRaisedspb border. Down, a black and a gray outline.
void PaintPlainWin40(TCanvas* canvas, RECT& rect, bool down) {
  if (!down) {
    LMDDrawStdFrame(canvas, rect, lsRaisedspb, BF_RECT);
    return;
  }
  TPen* pen = canvas->Pen();
  pen->SetStyle(psSolid);
  pen->SetColor(clBlack);
  canvas->Rectangle(rect);
  Shrink(rect, 1);
  pen->SetColor(clGray);
  canvas->Rectangle(rect);
  Shrink(rect, -1);
  pen->SetColor(clBlack);
}

void PaintFlat(TCanvas* canvas, RECT& rect, TLMDUserButtonStyle style, TLMDButtonState state, bool down,
               TColor color) {
  const bool mouseOver = state == bsMouseOver;
  if ((style == ubsDelphiFlat || style == ubsNavigator) && (down || mouseOver)) {
    canvas->Rectangle(rect);
    Shrink(rect, 1);
  }
  if (down) {
    Edge(canvas, rect, BDR_SUNKENOUTER, BF_ADJUST | BF_RECT);
  } else if (mouseOver) {
    Edge(canvas, rect, BDR_RAISEDINNER, BF_ADJUST | BF_RECT);
  } else if (!IsExplorer(style)) {
    FillWithColor(canvas, rect, color);
  }
}

void PaintDelphi(TCanvas* canvas, RECT& rect, bool down) {
  const RECT r = rect;
  TPen* pen = canvas->Pen();
  pen->SetStyle(psSolid);
  canvas->Brush()->SetBitmap(nullptr);
  canvas->Brush()->SetStyle(bsClear);
  pen->SetColor(clBlack);
  canvas->Rectangle(r);
  if (down) {
    pen->SetColor(clGray);
    Line(canvas, {r.left + 1, r.top + 1}, {r.right - 1, r.top + 1});
    Line(canvas, {r.left + 1, r.top + 1}, {r.left + 1, r.bottom - 1});
  } else {
    RECT inner = r;
    Shrink(inner, 1);
    Edge(canvas, inner, BDR_RAISEDINNER, BF_ADJUST | BF_RECT);
  }
}

// Up: a black outline whose top and left are painted over in clBtnFace, then a white outline
// inside whose right and bottom are painted over in gray.
void PaintIntegrated(TCanvas* canvas, const RECT& r, bool down) {
  TPen* pen = canvas->Pen();
  if (down) {
    pen->SetColor(clGray);
    canvas->Rectangle(r);
    return;
  }
  pen->SetColor(clBlack);
  canvas->Rectangle(r);
  pen->SetColor(clBtnFace);
  canvas->MoveTo(r.right - 2, r.top);
  canvas->LineTo(r.left, r.top);
  canvas->LineTo(r.left, r.bottom - 1);
  pen->SetColor(clWhite);
  canvas->Rectangle(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
  pen->SetColor(clGray);
  canvas->MoveTo(r.right - 2, r.top + 1);
  canvas->LineTo(r.right - 2, r.bottom - 2);
  canvas->LineTo(r.left, r.bottom - 2);
}

}  // namespace

bool LMDDrawBtnFace(TCanvas* canvas, bool plainChecked, RECT& rect, TLMDUserButtonStyle style,
                    TLMDButtonState state, uint16_t options, TColor color) {
  LMDCheckRange(state, bsUp, bsDisabledDown);
  style = LMDActualButtonStyle(style);
  const TFaceFamily family = FamilyOf(style, options);
  const bool down = state == bsOptionSet || IsPressedState(state);

  PaintBackground(canvas, rect, style, family, state, plainChecked, color);
  if (!down && (options & (LMD_BTNFACE_FOCUSED | LMD_BTNFACE_DEFAULT))) {
    PaintDarkFrame(canvas, rect, (options & LMD_BTNFACE_FILLFRAME) ? BF_MIDDLE : 0);
    if (style == ubsWin31 && (options & LMD_BTNFACE_ROUNDED)) {
      RoundCorners(canvas, rect);
      options &= ~LMD_BTNFACE_ROUNDED;
    }
    Shrink(rect, 1);
  }

  RECT content = rect;
  switch (family) {
    case TFaceFamily::Win31: PaintWin31(canvas, rect, content, down, options); break;
    case TFaceFamily::BevelledWin40: PaintBevelledWin40(canvas, rect, down, options); break;
    case TFaceFamily::PlainWin40: PaintPlainWin40(canvas, rect, down); break;
    case TFaceFamily::Flat: PaintFlat(canvas, rect, style, state, down, color); break;
    case TFaceFamily::Delphi: PaintDelphi(canvas, rect, down); break;
    case TFaceFamily::Integrated: PaintIntegrated(canvas, rect, down); break;
  }
  // The checkered bitmap is shared and repainted for other colours: the canvas must not keep it.
  canvas->Brush()->SetBitmap(nullptr);

  if (options & LMD_BTNFACE_FOCUSED) {
    RECT focus = content;
    Shrink(focus, down ? 4 : 3);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->DrawFocusRect(focus);
  }
  Shrink(content, 3);
  if (down) OffsetRect(&content, 1, 1);
  rect = content;
  return true;
}

bool LMDDrawBtnIsFlat(TLMDUserButtonStyle style) {
  switch (style) {
    case ubsDelphiFlat:
    case ubsFlat:
    case ubsFlatUnColored:
    case ubsNavigator:
    case ubsExplorer:
    case ubsExplorerColored: return true;
    default: return false;
  }
}
