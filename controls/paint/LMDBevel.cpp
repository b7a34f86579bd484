#include "LMDBevel.h"

#include "LMDUtils.h"

using enum TLMDBevelMode;
using enum TLMDBevelStyle;
using enum TLMDBorderStyle;
using enum TLMDEdgeStyle;
using enum TLMDFrameSide;

namespace {

bool IsFrameStyle(TLMDBevelStyle style) { return style == bvFrameLowered || style == bvFrameRaised; }

// What one bevel takes from each side: its width, one more for the frame styles.
int32_t BevelTake(TLMDBevelStyle style, int32_t width) {
  if (style == bvNone) return 0;
  return width + (IsFrameStyle(style) ? 1 : 0);
}

constexpr UINT kEdgeKinds[] = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER, BDR_SUNKENOUTER,
                               EDGE_BUMP,       EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};

UINT SideFlags(TLMDFrameSides sides) {
  UINT flags = 0;
  if (sides.Contains(fsBottom)) flags |= BF_BOTTOM;
  if (sides.Contains(fsTop)) flags |= BF_TOP;
  if (sides.Contains(fsRight)) flags |= BF_RIGHT;
  if (sides.Contains(fsLeft)) flags |= BF_LEFT;
  return flags;
}

const char* const kModeTexts[] = {"Custom style", "Standard style", "Etged style", "Windows style"};

}  // namespace

TAWO_PUBLISHED(TLMDBevel, published) {
  published.Property("StyleInner", &TLMDBevel::StyleInner, &TLMDBevel::SetBevelStyleInner).Default(bvNone);
  published.Property("StyleOuter", &TLMDBevel::StyleOuter, &TLMDBevel::SetBevelStyleOuter).Default(bvNone);
  published.Property("WidthInner", &TLMDBevel::WidthInner, &TLMDBevel::SetBevelWidthInner).Default(1);
  published.Property("WidthOuter", &TLMDBevel::WidthOuter, &TLMDBevel::SetBevelWidthOuter).Default(1);
  published.Property("BorderColor", &TLMDBevel::GetColor, &TLMDBevel::SetColor, 0)
      .Type(TColorTypeInfo())
      .Default(clBtnFace);
  published.Property("BorderSides", &TLMDBevel::BorderSides, &TLMDBevel::SetBorderSides).Default(kLMDAllFrameSides);
  published.Property("BorderWidth", &TLMDBevel::BorderWidth, &TLMDBevel::SetBorderWidth).Default(0);
  published.Property("BorderInnerWidth", &TLMDBevel::BorderInnerWidth, &TLMDBevel::SetBorderSpace).Default(0);
  published.Property("EdgeStyle", &TLMDBevel::EdgeStyle, &TLMDBevel::SetEdgeStyle).Default(etEtched);
  published.Property("LightColor", &TLMDBevel::GetColor, &TLMDBevel::SetColor, 1)
      .Type(TColorTypeInfo())
      .Default(clBtnHighlight);
  published.Property("Mode", &TLMDBevel::Mode, &TLMDBevel::SetMode).NoDefault();
  published.Property("ShadowColor", &TLMDBevel::GetColor, &TLMDBevel::SetColor, 2)
      .Type(TColorTypeInfo())
      .Default(clBtnShadow);
  published.Property("StandardStyle", &TLMDBevel::StandardStyle, &TLMDBevel::SetStyle).Default(lsSingleLowered);
}

void TLMDBevel::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TLMDBevel*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  FStyleInner = other->FStyleInner;
  FStyleOuter = other->FStyleOuter;
  FWidthInner = other->FWidthInner;
  FWidthOuter = other->FWidthOuter;
  FBorderSides = other->FBorderSides;
  FBorderInnerWidth = other->FBorderInnerWidth;
  FBorderWidth = other->FBorderWidth;
  FBorderColor = other->FBorderColor;
  FLightColor = other->FLightColor;
  FShadowColor = other->FShadowColor;
  FMode = other->FMode;
  FStandardStyle = other->FStandardStyle;
  FEdgeStyle = other->FEdgeStyle;
  FSupportNativeBorder = other->FSupportNativeBorder;
  Change();
}

void TLMDBevel::Change() {
  FExtend = GetBevelExtend();
  FFarExtend = IsShadowed() ? FWidthInner + FWidthOuter + FBorderInnerWidth : FExtend;
  inherited::Change();
}

AnsiString TLMDBevel::GetSetStr() const { return AnsiString("{") + kModeTexts[static_cast<size_t>(FMode)] + "}"; }

void TLMDBevel::SetBevelStyleInner(TLMDBevelStyle value) {
  if (value == FStyleInner) return;
  if (FStyleInner == bvShadow) FStyleOuter = bvNone;
  FStyleInner = value;
  if (value == bvShadow) FStyleOuter = bvShadow;
  Change();
}

void TLMDBevel::SetBevelStyleOuter(TLMDBevelStyle value) {
  if (value == FStyleOuter) return;
  if (FStyleOuter == bvShadow) FStyleInner = bvNone;
  FStyleOuter = value;
  if (value == bvShadow) FStyleInner = bvShadow;
  Change();
}

void TLMDBevel::SetBevelWidthInner(int32_t value) {
  const TLMDBevelWidth width = LMDCheckRange(value, kLMDBevelWidthRange);
  if (width == FWidthInner) return;
  FWidthInner = width;
  Change();
}

void TLMDBevel::SetBevelWidthOuter(int32_t value) {
  const TLMDBevelWidth width = LMDCheckRange(value, kLMDBevelWidthRange);
  if (width == FWidthOuter) return;
  FWidthOuter = width;
  Change();
}

void TLMDBevel::SetBorderWidth(int32_t value) {
  const TLMDBorderWidth width = LMDCheckRange(value, kLMDBorderWidthRange);
  if (width == FBorderWidth) return;
  FBorderWidth = width;
  Change();
}

void TLMDBevel::SetBorderSpace(int32_t value) {
  const TLMDBorderWidth width = LMDCheckRange(value, kLMDBorderWidthRange);
  if (width == FBorderInnerWidth) return;
  FBorderInnerWidth = width;
  Change();
}

void TLMDBevel::SetBorderSides(TLMDFrameSides value) {
  StoreAndNotify(FBorderSides, value);
}

void TLMDBevel::SetEdgeStyle(TLMDEdgeStyle value) {
  if (value > etSunken) throw ERangeError("Invalid edge style");
  StoreAndNotify(FEdgeStyle, value);
}

void TLMDBevel::SetMode(TLMDBevelMode value) {
  if (value > bmWindows) throw ERangeError("Invalid bevel mode");
  if (value == FMode) return;
  if (FSupportNativeBorder && (FMode == bmWindows || value == bmWindows)) FRecreatePending = true;
  FMode = value;
  Change();
}

void TLMDBevel::SetStyle(TLMDBorderStyle value) {
  if (value == FStandardStyle) return;
  FStandardStyle = value;
  if (FMode == bmStandard) Change();
}

TColor TLMDBevel::GetColor(int32_t index) const {
  switch (index) {
    case 0: return FBorderColor;
    case 1: return FLightColor;
    default: return FShadowColor;
  }
}

void TLMDBevel::SetColor(int32_t index, TColor value) {
  TColor* target = index == 0 ? &FBorderColor : index == 1 ? &FLightColor : index == 2 ? &FShadowColor : nullptr;
  if (target == nullptr) {
    Change();
    return;
  }
  if (*target == value) return;
  *target = value;
  Change();
}

bool TLMDBevel::GetRecreateWnd() {
  const bool recreate = FRecreatePending || (FMode == bmWindows && FSupportNativeBorder);
  FRecreatePending = false;
  return recreate;
}

int32_t TLMDBevel::GetBevelExtend() const {
  const int32_t spacing = FBorderInnerWidth;
  switch (FMode) {
    case bmCustom:
      if (FStyleInner == bvShadow) return FWidthInner + spacing;
      return FBorderWidth + spacing + BevelTake(FStyleOuter, FWidthOuter) + BevelTake(FStyleInner, FWidthInner);
    case bmStandard: return LMDDrawStdFrameExt(FStandardStyle) + spacing;
    case bmEdge: return FBorderSides.Empty() ? spacing : 2 + spacing;
    case bmWindows: return FSupportNativeBorder ? 0 : 2 + spacing;
  }
  return 0;
}

RECT TLMDBevel::ClientRect(const RECT& rect) const {
  RECT client = rect;
  if (IsShadowed()) {
    const int32_t nearSide = FWidthInner + FBorderInnerWidth;
    const int32_t farSide = FWidthInner + FWidthOuter + FBorderInnerWidth;
    client.left += nearSide;
    client.top += nearSide;
    client.right -= farSide;
    client.bottom -= farSide;
  } else {
    InflateRect(&client, -FExtend, -FExtend);
  }
  return client;
}

RECT TLMDBevel::PaintBevel(TCanvas* canvas, const RECT& rect, bool transparent) {
  RECT r = rect;
  if (FExtend == 0) return r;
  switch (FMode) {
    case bmCustom: PaintCustom(canvas, r, transparent); break;
    case bmStandard: LMDDrawStdFrame(canvas, r, FStandardStyle, 0); break;
    case bmEdge: PaintEdge(canvas, r); break;
    case bmWindows: LMDDrawStdFrame(canvas, r, lsLoweredExt, 0); break;
  }
  PaintRing(canvas, r, FBorderInnerWidth, transparent);
  return r;
}

void TLMDBevel::PaintCustom(TCanvas* canvas, RECT& rect, bool transparent) const {
  if (FStyleOuter == bvShadow) {
    LMDDrawFrameShadow(canvas, rect, FLightColor, FShadowColor, FBorderColor, FWidthOuter, FWidthInner, transparent, 0);
    return;
  }
  LMDDrawFrame3D(canvas, rect, FStyleOuter, FLightColor, FShadowColor, FWidthOuter);
  PaintRing(canvas, rect, FBorderWidth, transparent);
  LMDDrawFrame3D(canvas, rect, FStyleInner, FLightColor, FShadowColor, FWidthInner);
}

// The edge takes 2 pixels from every side, whichever sides it draws.
void TLMDBevel::PaintEdge(TCanvas* canvas, RECT& rect) const {
  if (FBorderSides.Empty()) return;
  DrawEdge(canvas->Handle(), &rect, kEdgeKinds[static_cast<size_t>(FEdgeStyle)], SideFlags(FBorderSides));
  InflateRect(&rect, -2, -2);
}

void TLMDBevel::PaintRing(TCanvas* canvas, RECT& rect, int32_t width, bool transparent) const {
  if (transparent) {
    InflateRect(&rect, -width, -width);
    return;
  }
  canvas->Brush()->SetColor(FBorderColor);
  for (int32_t i = 0; i < width; ++i) {
    canvas->FrameRect(rect);
    InflateRect(&rect, -1, -1);
  }
}
