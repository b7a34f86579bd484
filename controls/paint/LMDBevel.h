// Unit LMDBevel: TLMDBevel, the border drawn around a control's client area in one of four
// modes (custom bevels with a border ring, a standard border style, a Windows edge on chosen
// sides, the Windows client edge). It knows how many pixels it takes and paints itself.
#pragma once

#include "LMDGraph.h"

#include <LMDObject.h>
#include <TCanvas.h>

#include <windows.h>

TAWO_ENUM(TLMDBevelMode, bmCustom, bmStandard, bmEdge, bmWindows)
TAWO_ENUM(TLMDEdgeStyle, etRaisedInner, etRaisedOuter, etSunkenInner, etSunkenOuter, etBump, etEtched, etRaised,
          etSunken)

class TLMDBevel : public TLMDObject {
  TAWO_CLASS(TLMDBevel, TLMDObject)

 public:
  TLMDBevel() = default;

  void Assign(TPersistent* source) override;
  // Recomputes the cached extents, then notifies.
  void Change() override;
  AnsiString GetSetStr() const override;

  TLMDBevelStyle StyleInner() const { return FStyleInner; }
  void SetBevelStyleInner(TLMDBevelStyle value);
  TLMDBevelStyle StyleOuter() const { return FStyleOuter; }
  void SetBevelStyleOuter(TLMDBevelStyle value);
  int32_t WidthInner() const { return FWidthInner; }
  void SetBevelWidthInner(int32_t value);
  int32_t WidthOuter() const { return FWidthOuter; }
  void SetBevelWidthOuter(int32_t value);
  int32_t BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int32_t value);
  int32_t BorderInnerWidth() const { return FBorderInnerWidth; }
  void SetBorderSpace(int32_t value);
  TLMDFrameSides BorderSides() const { return FBorderSides; }
  void SetBorderSides(TLMDFrameSides value);
  TLMDEdgeStyle EdgeStyle() const { return FEdgeStyle; }
  void SetEdgeStyle(TLMDEdgeStyle value);
  TLMDBevelMode Mode() const { return FMode; }
  void SetMode(TLMDBevelMode value);
  TLMDBorderStyle StandardStyle() const { return FStandardStyle; }
  // Notifies only in standard mode, the one mode that paints it.
  void SetStyle(TLMDBorderStyle value);

  // The three colours by index: 0 BorderColor, 1 LightColor, 2 ShadowColor.
  TColor GetColor(int32_t index) const;
  void SetColor(int32_t index, TColor value);
  TColor BorderColor() const { return FBorderColor; }
  TColor LightColor() const { return FLightColor; }
  TColor ShadowColor() const { return FShadowColor; }

  // Set by a windowed owner that shows the Windows client edge itself; takes effect in the
  // extents at the next change.
  bool SupportNativeBorder() const { return FSupportNativeBorder; }
  void SetSupportNativeBorder(bool value) { FSupportNativeBorder = value; }
  // True when the owner must recreate its window; clears the pending request.
  bool GetRecreateWnd();

  // The pixels the border takes for the current properties.
  int32_t GetBevelExtend() const;
  // The extents of the last change: at the left and top, and at the right and bottom.
  int32_t Extend() const { return FExtend; }
  int32_t FarExtend() const { return FFarExtend; }
  // The area inside the bevel.
  RECT ClientRect(const RECT& rect) const;
  // Paints the bevel and returns the area inside it. Transparent leaves the border ring, the
  // spacing ring and the shadow's corner squares unpainted.
  RECT PaintBevel(TCanvas* canvas, const RECT& rect, bool transparent);

 private:
  bool IsShadowed() const {
    return FMode == TLMDBevelMode::bmCustom && FStyleOuter == TLMDBevelStyle::bvShadow;
  }
  void PaintCustom(TCanvas* canvas, RECT& rect, bool transparent) const;
  void PaintEdge(TCanvas* canvas, RECT& rect) const;
  void PaintRing(TCanvas* canvas, RECT& rect, int32_t width, bool transparent) const;

  TLMDBevelStyle FStyleInner = TLMDBevelStyle::bvNone;
  TLMDBevelStyle FStyleOuter = TLMDBevelStyle::bvNone;
  TLMDBevelWidth FWidthInner = 1;
  TLMDBevelWidth FWidthOuter = 1;
  TColor FBorderColor = clBtnFace;
  TLMDBorderWidth FBorderInnerWidth = 0;
  TLMDBorderWidth FBorderWidth = 0;
  TLMDFrameSides FBorderSides = kLMDAllFrameSides;
  TLMDEdgeStyle FEdgeStyle = TLMDEdgeStyle::etEtched;
  int32_t FExtend = 0;
  int32_t FFarExtend = 0;
  TColor FLightColor = clBtnHighlight;
  TLMDBevelMode FMode = TLMDBevelMode::bmCustom;
  TColor FShadowColor = clBtnShadow;
  TLMDBorderStyle FStandardStyle = TLMDBorderStyle::lsSingleLowered;
  bool FSupportNativeBorder = false;
  bool FRecreatePending = false;
};
