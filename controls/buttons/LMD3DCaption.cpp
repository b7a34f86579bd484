#include "LMD3DCaption.h"

#include <LMDGraph.h>

using enum TLMDDisabledStyle;
using enum TLMDThreeDOrientation;
using enum TLMDThreeDStyle;

namespace {

constexpr TLMDRange kDepthRange{0, 255};

const char* const kStyleWords[] = {"Disabled",      "sunken",         "raised", "sunken shadow",
                                   "raised shadow", "PColor sunken",  "PColor raised",
                                   "shadow",        "outline",        "extrude", "extrude enh"};

}  // namespace

TAWO_PUBLISHED(TLMD3DCaption, published) {
  published.Property("DisabledStyle", &TLMD3DCaption::DisabledStyle, &TLMD3DCaption::SetDisabledStyle)
      .Default(dsAuto);
  published.Property("LightDepth", &TLMD3DCaption::GetDepth, &TLMD3DCaption::SetDepth, 0).Default(1);
  published.Property("ShadowDepth", &TLMD3DCaption::GetDepth, &TLMD3DCaption::SetDepth, 1).Default(1);
  published.Property("LightColor", &TLMD3DCaption::GetColor, &TLMD3DCaption::SetColor, 0)
      .Type(TColorTypeInfo())
      .Default(clBtnHighlight);
  published.Property("ShadowColor", &TLMD3DCaption::GetColor, &TLMD3DCaption::SetColor, 1)
      .Type(TColorTypeInfo())
      .Default(clBtnShadow);
  published.Property("Style", &TLMD3DCaption::Style, &TLMD3DCaption::SetStyle).Default(tdNone);
  published.Property("Orientation", &TLMD3DCaption::Orientation, &TLMD3DCaption::SetOrientation)
      .Default(toTopLeft);
  published.Property("Tracing", &TLMD3DCaption::Tracing, &TLMD3DCaption::SetTracing).Default(0);
}

void TLMD3DCaption::Assign(TPersistent* source) {
  if (source == this) return;
  auto* other = dynamic_cast<TLMD3DCaption*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  CopyEffect(*other);
  EndUpdate(true);
}

void TLMD3DCaption::CopyEffect(const TLMD3DCaption& source) {
  FDisabledStyle = source.FDisabledStyle;
  FLightDepth = source.FLightDepth;
  FShadowDepth = source.FShadowDepth;
  FLightColor = source.FLightColor;
  FShadowColor = source.FShadowColor;
  FStyle = source.FStyle;
  FTracing = source.FTracing;
}

AnsiString TLMD3DCaption::GetSetStr() const { return AnsiString("{") + kStyleWords[static_cast<size_t>(FStyle)] + "}"; }

void TLMD3DCaption::SetDisabledStyle(TLMDDisabledStyle value) {
  if (value > dsNone) throw ERangeError("Invalid disabled style");
  StoreAndNotify(FDisabledStyle, value);
}

int32_t TLMD3DCaption::GetDepth(int32_t index) const { return index == 0 ? FLightDepth : FShadowDepth; }

void TLMD3DCaption::SetDepth(int32_t index, int32_t value) {
  StoreAndNotify(index == 0 ? FLightDepth : FShadowDepth, LMDCheckRange(value, kDepthRange));
}

TColor TLMD3DCaption::GetColor(int32_t index) const { return index == 0 ? FLightColor : FShadowColor; }

void TLMD3DCaption::SetColor(int32_t index, TColor value) {
  StoreAndNotify(index == 0 ? FLightColor : FShadowColor, value);
}

void TLMD3DCaption::SetStyle(TLMDThreeDStyle value) {
  if (value > tdExtrudeEnh) throw ERangeError("Invalid 3D text style");
  StoreAndNotify(FStyle, value);
}

void TLMD3DCaption::SetOrientation(TLMDThreeDOrientation value) {
  if (value > toTopRight) throw ERangeError("Invalid 3D text orientation");
  StoreAndNotify(FOrientation, value);
}

void TLMD3DCaption::SetTracing(int32_t value) { StoreAndNotify(FTracing, value); }
