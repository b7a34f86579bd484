#include "RealizedBrush.h"

#include "GdiBrush.h"
#include "GdiHandleTable.h"

#include <algorithm>

namespace {

// Hatch patterns, one byte per row, most significant bit leftmost.
constexpr uint8_t kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // HS_DIAGCROSS
};

int PositiveModulo(int value, int modulus) {
  const int m = value % modulus;
  return m < 0 ? m + modulus : m;
}

}  // namespace

RealizedBrush RealizedBrush::Null() {
  RealizedBrush brush;
  brush.null_ = true;
  return brush;
}

RealizedBrush RealizedBrush::Solid(uint32_t pixel) {
  RealizedBrush brush;
  brush.pixels_ = {pixel};
  return brush;
}

RealizedBrush RealizedBrush::FromHandle(DeviceContext& dc, HBRUSH handle) {
  const auto* brush = GdiHandleTable::Instance().Get<GdiBrush>(handle);
  if (!brush || brush->Style() == BS_NULL) return Null();
  const DcState& state = dc.State();
  if (brush->Style() == BS_SOLID) {
    return Solid(dc.PixelFromColor(brush->UsesDcColor() ? state.dcBrushColor : brush->Color()));
  }

  RealizedBrush out;
  const POINT surfaceOrigin = dc.SurfaceOrigin();
  out.origin_ = {surfaceOrigin.x + state.brushOrigin.x, surfaceOrigin.y + state.brushOrigin.y};
  if (brush->Style() == BS_HATCHED) {
    const uint8_t* rows = kHatches[brush->Hatch() <= HS_DIAGCROSS ? brush->Hatch() : 0];
    const uint32_t ink = dc.PixelFromColor(brush->Color());
    const uint32_t paper = dc.PixelFromColor(state.backgroundColor);
    const bool transparent = state.backgroundMode == TRANSPARENT;
    out.width_ = out.height_ = 8;
    out.pixels_.resize(64);
    if (transparent) out.paint_.resize(64);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        const bool set = (rows[y] >> (7 - x)) & 1;
        out.pixels_[y * 8 + x] = set ? ink : paper;
        if (transparent) out.paint_[y * 8 + x] = set;
      }
    }
    return out;
  }

  const PixelSurface& pattern = *brush->Pattern();
  out.width_ = pattern.Width();
  out.height_ = pattern.Height();
  out.pixels_.resize(static_cast<size_t>(out.width_) * out.height_);
  const uint32_t zeroBit = dc.PixelFromColor(state.textColor);
  const uint32_t oneBit = dc.PixelFromColor(state.backgroundColor);
  for (int y = 0; y < out.height_; ++y) {
    for (int x = 0; x < out.width_; ++x) {
      const uint32_t raw = pattern.ReadPixel(x, y);
      out.pixels_[static_cast<size_t>(y) * out.width_ + x] =
          pattern.IsMonochromeDdb() ? (raw ? oneBit : zeroBit) : dc.PixelFromColor(pattern.ColorFromPixel(raw));
    }
  }
  return out;
}

int RealizedBrush::Column(int x) const { return PositiveModulo(x - origin_.x, width_); }
int RealizedBrush::Line(int y) const { return PositiveModulo(y - origin_.y, height_); }

void RealizedBrush::Row(int x, int y, int count, uint32_t* out) const {
  if (IsSolid()) {
    std::fill_n(out, count, pixels_.front());
    return;
  }
  const uint32_t* row = pixels_.data() + static_cast<size_t>(Line(y)) * width_;
  int column = Column(x);
  for (int i = 0; i < count; ++i) {
    out[i] = row[column];
    if (++column == width_) column = 0;
  }
}

void RealizedBrush::MaskRow(int x, int y, int count, uint8_t* out) const {
  if (paint_.empty()) {
    std::fill_n(out, count, uint8_t{1});
    return;
  }
  const uint8_t* row = paint_.data() + static_cast<size_t>(Line(y)) * width_;
  int column = Column(x);
  for (int i = 0; i < count; ++i) {
    out[i] = row[column];
    if (++column == width_) column = 0;
  }
}
