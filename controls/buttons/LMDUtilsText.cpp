#include "LMDUtilsText.h"

#include "LMDFXCaption.h"

#include <LMDProcs.h>
#include <LMDUtils.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using enum TBrushStyle;
using enum TLMDDisabledStyle;
using enum TLMDDrawTextStyle;
using enum TLMDThreeDOrientation;
using enum TLMDThreeDStyle;
using enum TPenStyle;

namespace {

// How the text is placed: as the caller formats it (plain caption effect), at the FX effect's
// position, or rotated about that position.
enum class TFxMode { Plain, Positioned, Rotated };

TFxMode FxModeOf(const TLMD3DCaption* effect) {
  const auto* fx = dynamic_cast<const TLMDFxCaption*>(effect);
  if (fx == nullptr) return TFxMode::Plain;
  return fx->Angle() == 0 ? TFxMode::Positioned : TFxMode::Rotated;
}

bool IsOutlineOrExtrusion(TLMDThreeDStyle style) {
  return style == tdOutline || style == tdExtrude || style == tdExtrudeEnh;
}

// The pixels the effect adds to the text's width and height when it is measured for layout.
int32_t DepthAllowance(TLMDThreeDStyle style, const TLMD3DCaption& effect) {
  const int32_t light = effect.LightDepth();
  const int32_t shadow = effect.ShadowDepth();
  switch (style) {
    case tdNone: return 0;
    case tdSunken:
    case tdRaised: return light;
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised: return light + shadow;
    case tdShadow:
    case tdOutline:
    case tdExtrude:
    case tdExtrudeEnh: return shadow;
  }
  return 0;
}

// The pixels the light and shadow copies reach beyond the face; outlines and extrusions are
// not counted.
int32_t CopiesExtent(TLMDThreeDStyle style, const TLMD3DCaption& effect) {
  return IsOutlineOrExtrusion(style) ? 0 : DepthAllowance(style, effect);
}

int32_t CopiesExtentOf(const TLMD3DCaption* effect) {
  return effect != nullptr ? CopiesExtent(effect->Style(), *effect) : 0;
}

// Pulls a rotated text's position back toward the corner by half the copies' offset.
int32_t DepthCorrection(const TLMD3DCaption& effect) {
  if (effect.Style() == tdOutline) return 0;
  return std::max(0, DepthAllowance(effect.Style(), effect) / 2 - 1);
}

int32_t TracingOf(const TLMD3DCaption* effect) { return effect != nullptr ? effect->Tracing() : 0; }

// DrawTextEx on a private copy with room for an ellipsis: DT_MODIFYSTRING writes into it.
void DrawTextIn(HDC dc, const AnsiString& text, RECT& rect, UINT format) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.resize(text.size() + 5, '\0');
  DrawTextExA(dc, buffer.data(), static_cast<int>(text.size()), &rect, format, nullptr);
}

// Character extra spacing for a scope; the previous spacing comes back at its end.
class TTracingScope {
 public:
  TTracingScope(HDC dc, int32_t tracing) : FDC(tracing != 0 ? dc : nullptr) {
    if (FDC != nullptr) FPrevious = SetTextCharacterExtra(FDC, tracing);
  }
  ~TTracingScope() {
    if (FDC != nullptr) SetTextCharacterExtra(FDC, FPrevious);
  }
  TTracingScope(const TTracingScope&) = delete;
  TTracingScope& operator=(const TTracingScope&) = delete;

 private:
  HDC FDC;
  int FPrevious = 0;
};

// Narrows the device context's clipping to a rectangle for a scope; the clip region it had
// before (or none) comes back at its end, so a caller's own clipping survives.
class TClipScope {
 public:
  TClipScope(HDC dc, const RECT& rect) : FDC(dc), FSaved(CreateRectRgn(0, 0, 0, 0)) {
    FHadClip = FSaved != nullptr && GetClipRgn(FDC, FSaved) == 1;
    IntersectClipRect(FDC, rect.left, rect.top, rect.right, rect.bottom);
  }
  ~TClipScope() {
    SelectClipRgn(FDC, FHadClip ? FSaved : nullptr);
    if (FSaved != nullptr) DeleteObject(FSaved);
  }
  TClipScope(const TClipScope&) = delete;
  TClipScope& operator=(const TClipScope&) = delete;

 private:
  HDC FDC;
  HRGN FSaved;
  bool FHadClip = false;
};

// The canvas font turned by the angle, for ExtTextOut passes; deleted at the end of its scope,
// so the canvas keeps its own font.
class TRotatedFont {
 public:
  TRotatedFont(TFont* font, int32_t angle) {
    LOGFONTA logFont = font->LogFont();
    logFont.lfEscapement = angle * 10;
    logFont.lfOrientation = angle * 10;
    FHandle = CreateFontIndirectA(&logFont);
    if (FHandle == nullptr) throw EOutOfResources();
  }
  ~TRotatedFont() { DeleteObject(FHandle); }
  TRotatedFont(const TRotatedFont&) = delete;
  TRotatedFont& operator=(const TRotatedFont&) = delete;

  void TextOut(HDC dc, POINT at, const AnsiString& text) const {
    HGDIOBJ previous = SelectObject(dc, FHandle);
    ExtTextOutA(dc, at.x, at.y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
    SelectObject(dc, previous);
  }

 private:
  HFONT FHandle = nullptr;
};

// The screen's device context for a scope.
class TScreenDC {
 public:
  TScreenDC() : FDC(GetDC(nullptr)) {
    if (FDC == nullptr) throw EOutOfResources();
  }
  ~TScreenDC() { ReleaseDC(nullptr, FDC); }
  TScreenDC(const TScreenDC&) = delete;
  TScreenDC& operator=(const TScreenDC&) = delete;

  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
};

// A canvas drawing on the screen's device context for a scope; it gets back the device
// context it had before.
class TScreenBinding {
 public:
  explicit TScreenBinding(TCanvas* canvas)
      : FCanvas(canvas), FPrevious(canvas->HandleAllocated() ? canvas->Handle() : nullptr) {
    FCanvas->SetHandle(FScreen.Handle());
  }
  ~TScreenBinding() { FCanvas->SetHandle(FPrevious); }
  TScreenBinding(const TScreenBinding&) = delete;
  TScreenBinding& operator=(const TScreenBinding&) = delete;

 private:
  TScreenDC FScreen;
  TCanvas* FCanvas;
  HDC FPrevious;
};

TFont* Required(TFont* font) {
  if (font == nullptr) throw EInvalidPointer("No font to measure with");
  return font;
}

// A font selected into the screen's device context for a scope.
class TScreenFont {
 public:
  explicit TScreenFont(TFont* font) : FPrevious(SelectObject(FScreen.Handle(), Required(font)->Handle())) {}
  ~TScreenFont() { SelectObject(FScreen.Handle(), FPrevious); }
  TScreenFont(const TScreenFont&) = delete;
  TScreenFont& operator=(const TScreenFont&) = delete;

  HDC Handle() const { return FScreen.Handle(); }

 private:
  TScreenDC FScreen;
  HGDIOBJ FPrevious;
};

// One copy of the text: the move from the previous copy's place, and its colour.
struct TPass {
  int32_t Dx;
  int32_t Dy;
  TColor Color;
};

// The copies an effect draws, in order; the last one is the text's face.
struct TPassPlan {
  int32_t RightCut = 0;  // taken off the working rectangle's right edge first
  int32_t StartDx = 0;   // the working rectangle's move before the first copy
  int32_t StartDy = 0;
  std::vector<TPass> Passes;
};

// The extrusion's trail: copies one pixel apart toward the face, on the side the orientation
// names; the face stands on the last copy.
void PlanExtrusion(const TLMD3DCaption& effect, bool enhanced, TPassPlan& plan) {
  const int32_t depth = effect.ShadowDepth();
  int32_t stepX = 1;
  int32_t stepY = 1;
  const TLMDThreeDOrientation orientation = effect.Orientation();
  if (orientation == toBottomRight || orientation == toTopRight) {
    plan.StartDx = depth + 1;
    stepX = -1;
  }
  if (orientation == toBottomRight || orientation == toBottomLeft) {
    plan.StartDy = depth + 1;
    stepY = -1;
  }
  const TColor farColor = ColorToRGB(effect.LightColor());
  const TColor nearColor = ColorToRGB(effect.ShadowColor());
  for (int32_t k = depth - 1; k >= 0; --k) {
    const TColor color = enhanced ? LMDGradientGetColor(nearColor, farColor, k, depth) : effect.ShadowColor();
    plan.Passes.push_back({stepX, stepY, color});
  }
}

TPassPlan PlanPasses(TLMDThreeDStyle style, const TLMD3DCaption& effect, TColor face) {
  const int32_t l = effect.LightDepth();
  const int32_t s = effect.ShadowDepth();
  const TColor light = effect.LightColor();
  const TColor shadow = effect.ShadowColor();
  TPassPlan plan;
  plan.RightCut = CopiesExtent(style, effect);
  switch (style) {
    case tdNone: plan.Passes = {{0, 0, face}}; break;
    case tdSunken: plan.Passes = {{l, l, light}, {-l, -l, face}}; break;
    case tdRaised: plan.Passes = {{0, 0, light}, {l, l, face}}; break;
    case tdSunkenShadow:
    case tdPColorSunken: plan.Passes = {{0, 0, shadow}, {l + s, l + s, light}, {-l, -l, face}}; break;
    case tdRaisedShadow:
    case tdPColorRaised: plan.Passes = {{l + s, l + s, shadow}, {-(l + s), -(l + s), light}, {l, l, face}}; break;
    case tdShadow: plan.Passes = {{s, s, shadow}, {-s, -s, face}}; break;
    case tdOutline: plan.Passes = {{s / 2, s / 2, face}}; break;
    case tdExtrude:
    case tdExtrudeEnh:
      PlanExtrusion(effect, style == tdExtrudeEnh, plan);
      plan.Passes.push_back({0, 0, face});
      break;
  }
  return plan;
}

// The style actually drawn and the colour of the text's face.
struct TLook {
  TLMDThreeDStyle Style;
  TColor Face;
};

// Enabled text shows the effect's style; disabled text is gray, and sunken when the
// DisabledStyle asks for the 3D look.
TLook ChooseLook(TCanvas* canvas, const TLMD3DCaption& effect, TLMDDrawTextStyles styles) {
  const TLMDThreeDStyle style = effect.Style();
  const TLMDDisabledStyle disabled = effect.DisabledStyle();
  if (styles.Contains(dtEnabled) || disabled == dsNone) {
    const bool backgroundFace = style == tdPColorSunken || style == tdPColorRaised;
    return {style, backgroundFace ? canvas->Brush()->Color() : canvas->Font()->Color()};
  }
  const bool sunken = disabled == ds3d || (disabled == dsAuto && styles.Contains(dt3DDisabled));
  return {sunken ? tdSunken : style, clGrayText};
}

// Draws the planned copies, each moved from the previous one's place.
void DrawCopies(TCanvas* canvas, const AnsiString& text, const TPassPlan& plan, RECT work, UINT format,
                const TRotatedFont* rotated) {
  work.right -= plan.RightCut;
  OffsetRect(&work, plan.StartDx, plan.StartDy);
  for (const TPass& pass : plan.Passes) {
    canvas->Font()->SetColor(pass.Color);
    OffsetRect(&work, pass.Dx, pass.Dy);
    if (rotated != nullptr) {
      rotated->TextOut(canvas->Handle(), POINT{work.left, work.top}, text);
    } else {
      DrawTextIn(canvas->Handle(), text, work, format);
    }
  }
}

// The outline style: the glyphs' outlines are gathered in a path and only they are stroked.
void StrokeCopies(TCanvas* canvas, const AnsiString& text, const TPassPlan& plan, const RECT& work, UINT format,
                  const TRotatedFont* rotated, TColor color, int32_t width) {
  canvas->Pen()->SetStyle(psSolid);
  HDC dc = canvas->Handle();
  BeginPath(dc);
  try {
    DrawCopies(canvas, text, plan, work, format, rotated);
  } catch (...) {
    AbortPath(dc);
    throw;
  }
  EndPath(dc);
  canvas->Pen()->SetColor(color);
  canvas->Pen()->SetWidth(width);
  StrokePath(canvas->Handle());
}

void DrawWithEffect(TCanvas* canvas, const AnsiString& text, const TLMD3DCaption& effect, const RECT& dest,
                    UINT format, TLMDDrawTextStyles styles) {
  const TFxMode mode = FxModeOf(&effect);
  const TLook look = ChooseLook(canvas, effect, styles);
  std::unique_ptr<TRotatedFont> rotated;
  RECT work = dest;
  if (mode != TFxMode::Plain) {
    const auto& fx = static_cast<const TLMDFxCaption&>(effect);
    if (mode == TFxMode::Rotated) rotated = std::make_unique<TRotatedFont>(canvas->Font(), fx.Angle());
    work.left += fx.PosX();
    work.top += fx.PosY();
  }
  TTracingScope tracing(canvas->Handle(), effect.Tracing());
  const TPassPlan plan = PlanPasses(look.Style, effect, look.Face);
  canvas->Brush()->SetStyle(bsClear);
  if (look.Style == tdOutline) {
    StrokeCopies(canvas, text, plan, work, format, rotated.get(), look.Face, effect.ShadowDepth());
  } else {
    DrawCopies(canvas, text, plan, work, format, rotated.get());
  }
}

// Measures one line for a rotating effect and centres the rotated text in its bounding box.
void CalcRotated(TCanvas* canvas, const AnsiString& text, TLMDFxCaption& fx, RECT& rect) {
  SIZE size;
  {
    TTracingScope tracing(canvas->Handle(), fx.Tracing());
    size = canvas->TextExtent(text);
  }
  const int32_t allowance = DepthAllowance(fx.Style(), fx);
  rect = RECT{0, 0, size.cx + allowance, size.cy + allowance};
  LMDCalcRotRect(rect, fx.Angle());

  const long double angle = fx.Angle() * 0.017453292519943295L;
  const int32_t cx = rect.left + (rect.right - rect.left) / 2;
  const int32_t cy = rect.top + (rect.bottom - rect.top) / 2;
  const int32_t w2 = size.cx / 2;
  const int32_t h2 = size.cy / 2;
  const int32_t correction = DepthCorrection(fx);
  const int64_t x = Round(cx - w2 * std::cos(angle) - h2 * std::sin(angle)) - correction;
  const int64_t y = Round(cy + w2 * std::sin(angle) - h2 * std::cos(angle)) - correction;
  // A position cannot lie before the box: rounding at its edge stays at the edge.
  fx.SetPosXY(static_cast<int32_t>(std::clamp<int64_t>(x, 0, 0xFFFF)),
              static_cast<int32_t>(std::clamp<int64_t>(y, 0, 0xFFFF)));
}

void CalcFormatted(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect, RECT& rect, bool wordBreak,
                   bool accelChar, UINT extraFormat) {
  if (auto* fx = dynamic_cast<TLMDFxCaption*>(effect)) fx->SetPosXY(0, 0);
  UINT format = extraFormat | DT_CALCRECT | DT_NOCLIP;
  if (wordBreak) format |= DT_WORDBREAK;
  if (!accelChar) format |= DT_NOPREFIX;
  const bool measuredAsBlank = text.empty() || (accelChar && text == "&");
  {
    TTracingScope tracing(canvas->Handle(), TracingOf(effect));
    DrawTextIn(canvas->Handle(), measuredAsBlank ? AnsiString(" ") : text, rect, format);
  }
  if (effect == nullptr) return;
  const int32_t allowance = DepthAllowance(effect->Style(), *effect);
  rect.right += allowance;
  rect.bottom += allowance;
}

SIZE ScreenTextExtent(TFont* font, const AnsiString& text, int32_t tracing) {
  TScreenFont screen(font);
  TTracingScope spacing(screen.Handle(), tracing);
  SIZE size{0, 0};
  if (!GetTextExtentPoint32A(screen.Handle(), text.data(), static_cast<int>(text.size()), &size)) return SIZE{0, 0};
  return size;
}

bool IsTrueType(HDC dc) {
  TEXTMETRICA metrics{};
  return GetTextMetricsA(dc, &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

}  // namespace

void LMDDrawTextExt(TCanvas* canvas, const AnsiString& text, const TLMD3DCaption* effect, const RECT& dest,
                    UINT format, TLMDDrawTextStyles styles, const RECT* clip) {
  if (text.empty() || IsRectEmpty(&dest)) return;
  std::unique_ptr<TClipScope> clipping;
  if (styles.Contains(dtClip)) clipping = std::make_unique<TClipScope>(canvas->Handle(), clip != nullptr ? *clip : dest);
  if (effect == nullptr) {
    RECT rect = dest;
    DrawTextIn(canvas->Handle(), text, rect, format);
    return;
  }
  DrawWithEffect(canvas, text, *effect, dest, format, styles);
}

void LMDDrawText(TCanvas* canvas, const AnsiString& text, const TLMD3DCaption* effect, const RECT& dest,
                 uint16_t format) {
  LMDDrawTextExt(canvas, text, effect, dest, format, TLMDDrawTextStyles{dtEnabled}, nullptr);
}

void LMDDrawTextCalcExt(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect, RECT& rect, TFont* font,
                        bool wordBreak, bool accelChar, int32_t margins, UINT extraFormat) {
  TScreenBinding binding(canvas);
  if (font != nullptr) canvas->SetFont(font);
  if (FxModeOf(effect) == TFxMode::Rotated) {
    CalcRotated(canvas, text, static_cast<TLMDFxCaption&>(*effect), rect);
  } else {
    CalcFormatted(canvas, text, effect, rect, wordBreak, accelChar, extraFormat);
  }
  rect.right += 2 * (margins + 1);
  rect.bottom += 2 * (margins + 1);
}

void LMDDrawTextCalc(const AnsiString& text, TLMD3DCaption* effect, RECT& rect, TFont* font, bool wordBreak,
                     bool accelChar, int32_t margins, UINT extraFormat) {
  TCanvas canvas;
  LMDDrawTextCalcExt(&canvas, text, effect, rect, font, wordBreak, accelChar, margins, extraFormat);
}

RECT LMDAlignTextRect(TLMDAlignment alignment, const AnsiString& text, TLMD3DCaption* effect, const RECT& rect,
                      TFont* font, bool wordBreak, bool accelChar, UINT extraFormat) {
  RECT measured = rect;
  measured.right -= 1;
  LMDDrawTextCalc(text, effect, measured, font, wordBreak, accelChar, 0, extraFormat);
  return LMDAlignRect(alignment, measured, rect);
}

int32_t LMDGet3DTextWidth(const AnsiString& text, const TLMD3DCaption* effect, TFont* font) {
  return ScreenTextExtent(font, text, TracingOf(effect)).cx + CopiesExtentOf(effect);
}

int32_t LMDGet3DTextHeight(const TLMD3DCaption* effect, TFont* font) {
  return LMDGetFontHeight(font) + CopiesExtentOf(effect);
}

int32_t LMDGetFontHeight(TFont* font) { return ScreenTextExtent(font, "W", 0).cy; }

bool LMDIsTrueTypeFont(TFont* font) {
  TScreenFont screen(font);
  return IsTrueType(screen.Handle());
}

bool LMDIsTrueTypeFontCheck(TCanvas* canvas) { return IsTrueType(canvas->Handle()); }
