#include "TextRenderer.h"

#include "Painter.h"
#include "RealizedBrush.h"
#include "SpanPainter.h"
#include "TextRules.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint8_t kPatCopy = 0xF0;

// Device positions stay far inside 64 bits, however far text is placed.
long long Round(double value) { return static_cast<long long>(std::floor(std::clamp(value, -1.0e15, 1.0e15) + 0.5)); }

}  // namespace

TextPlacement TextPlacement::For(POINT reference, UINT align, const FontFace& font, int width) {
  const double angle = font.Angle();
  TextPlacement place{static_cast<double>(reference.x), static_cast<double>(reference.y), std::cos(angle),
                      -std::sin(angle), std::sin(angle), std::cos(angle)};
  if (angle == 0) place = TextPlacement{place.x, place.y, 1, 0, 0, 1};
  const TEXTMETRICA& metrics = font.Metrics();
  double down = 0;
  if ((align & TA_BASELINE) == TA_BASELINE) {
    down = 0;
  } else if (align & TA_BOTTOM) {
    down = -metrics.tmDescent;
  } else {
    down = metrics.tmAscent;
  }
  double along = 0;
  if ((align & TA_CENTER) == TA_CENTER) {
    along = -(width / 2);  // whole pixels, as the unrotated case rounds
  } else if (align & TA_RIGHT) {
    along = -width;
  }
  double origin[2];
  place.At(along, down, origin);
  place.x = origin[0];
  place.y = origin[1];
  return place;
}

TextRenderer::Origin TextRenderer::GlyphOrigin(const TextPlacement& place, size_t index) const {
  double point[2];
  place.At(layout_.OffsetOf(index), 0, point);
  return Origin{Round(point[0]), Round(point[1])};
}

void TextRenderer::FillBand(SpanPainter& painter, const TextPlacement& place, double top, double bottom) const {
  const double width = layout_.Width();
  double corners[4][2];
  place.At(0, top, corners[0]);
  place.At(width, top, corners[1]);
  place.At(width, bottom, corners[2]);
  place.At(0, bottom, corners[3]);
  if (!text_rules::kOpaqueRotatedCell && font_.Angle() != 0) {
    double box[4] = {corners[0][0], corners[0][1], corners[0][0], corners[0][1]};
    for (const auto& c : corners) {
      box[0] = std::min(box[0], c[0]);
      box[1] = std::min(box[1], c[1]);
      box[2] = std::max(box[2], c[0]);
      box[3] = std::max(box[3], c[1]);
    }
    const double rect[4][2] = {{box[0], box[1]}, {box[2], box[1]}, {box[2], box[3]}, {box[0], box[3]}};
    painter.FillConvex(rect, 4);
    return;
  }
  painter.FillConvex(corners, 4);
}

void TextRenderer::DrawGlyphs(SpanPainter& painter, const TextPlacement& place) const {
  for (size_t i = 0; i < layout_.Advances().size(); ++i) {
    const Origin origin = GlyphOrigin(place, i);
    for (const GlyphRun& run : font_.GlyphFor(bytes_[i]).runs) {
      painter.Paint(origin.y + run.y, origin.x + run.left, origin.x + run.right);
    }
  }
}

void TextRenderer::Draw(const TextPlacement& place, UINT options, const std::optional<RECT>& rect) {
  const DcState& state = dc_.State();
  if (rect && (options & ETO_OPAQUE)) {
    Painter(dc_).FillRect(*rect, RealizedBrush::Solid(dc_.PixelFromColor(state.backgroundColor)), kPatCopy);
  }
  const std::optional<RECT> clip = rect && (options & ETO_CLIPPED) ? rect : std::nullopt;
  const TEXTMETRICA& metrics = font_.Metrics();
  if (state.backgroundMode == OPAQUE && !layout_.Advances().empty()) {
    SpanPainter background(dc_, state.backgroundColor, clip);
    FillBand(background, place, -metrics.tmAscent, metrics.tmDescent);
  }
  SpanPainter ink(dc_, state.textColor, clip);
  DrawGlyphs(ink, place);
  if (layout_.Advances().empty()) return;
  if (metrics.tmUnderlined) {
    const LineBand band = font_.Underline();
    FillBand(ink, place, band.top, band.top + band.thickness);
  }
  if (metrics.tmStruckOut) {
    const LineBand band = font_.Strikeout();
    FillBand(ink, place, band.top, band.top + band.thickness);
  }
}

void TextRenderer::AppendOutlines(const TextPlacement& place, OutlineSink& sink) {
  for (size_t i = 0; i < layout_.Advances().size(); ++i) {
    const Origin origin = GlyphOrigin(place, i);
    font_.AppendOutline(bytes_[i], static_cast<double>(origin.x), static_cast<double>(origin.y), sink);
  }
  const TEXTMETRICA& metrics = font_.Metrics();
  if (layout_.Advances().empty() || font_.IsRaster()) return;
  auto band = [&](LineBand line) {
    double corner[2];
    place.At(0, line.top, corner);
    sink.MoveTo(corner[0], corner[1]);
    place.At(layout_.Width(), line.top, corner);
    sink.LineTo(corner[0], corner[1]);
    place.At(layout_.Width(), line.top + line.thickness, corner);
    sink.LineTo(corner[0], corner[1]);
    place.At(0, line.top + line.thickness, corner);
    sink.LineTo(corner[0], corner[1]);
    sink.CloseContour();
  };
  if (metrics.tmUnderlined) band(font_.Underline());
  if (metrics.tmStruckOut) band(font_.Strikeout());
}
