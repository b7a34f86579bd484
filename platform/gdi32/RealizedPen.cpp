#include "RealizedPen.h"

#include "GdiHandleTable.h"
#include "GdiPen.h"

#include <numeric>

namespace {

// Dash patterns of 1-pixel pens, alternating on and off lengths in pixels.
std::vector<int> CosmeticPattern(UINT dashStyle) {
  switch (dashStyle) {
    case PS_DASH:
      return {18, 6};
    case PS_DOT:
      return {3, 3};
    case PS_DASHDOT:
      return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
      return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE:
      return {1, 1};
    default:
      return {};
  }
}

// Extended pens made with PS_GEOMETRIC; their dash styles are not drawn (they are solid).
bool IsExtendedGeometric(const GdiPen& pen) {
  return pen.Type() == OBJ_EXTPEN && (pen.Style() & PS_TYPE_MASK) == PS_GEOMETRIC;
}

}  // namespace

RealizedPen RealizedPen::FromDc(DeviceContext& dc) {
  RealizedPen out;
  const auto* pen = GdiHandleTable::Instance().Get<GdiPen>(dc.State().pen);
  if (!pen || pen->DashStyle() == PS_NULL) return out;

  const DcState& state = dc.State();
  out.pixel_ = dc.PixelFromColor(pen->UsesDcColor() ? state.dcPenColor : pen->Color());
  out.gapPixel_ = dc.PixelFromColor(state.backgroundColor);
  out.paintsGaps_ = state.backgroundMode == OPAQUE;
  out.insideFrame_ = pen->DashStyle() == PS_INSIDEFRAME;
  if (pen->Width() > 1) {
    // Wide pens are drawn solid. CreatePen pens always have round caps and joins (the zero
    // flags); extended pens carry their own.
    out.kind_ = Kind::Wide;
    out.width_ = pen->Width();
    out.endCap_ = pen->Style() & PS_ENDCAP_MASK;
    out.join_ = pen->Style() & PS_JOIN_MASK;
    return out;
  }
  out.kind_ = Kind::Cosmetic;
  if (!IsExtendedGeometric(*pen)) out.pattern_ = CosmeticPattern(pen->DashStyle());
  out.patternLength_ = std::accumulate(out.pattern_.begin(), out.pattern_.end(), 0);
  return out;
}

bool RealizedPen::IsDash(int64_t position) const {
  if (pattern_.empty()) return true;
  int offset = static_cast<int>(position % patternLength_);
  for (size_t i = 0; i < pattern_.size(); ++i) {
    if (offset < pattern_[i]) return i % 2 == 0;
    offset -= pattern_[i];
  }
  return true;
}
