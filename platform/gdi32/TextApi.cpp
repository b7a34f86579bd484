// Text output: TextOut and ExtTextOut, and the text alignment they follow. Inside an open path
// they add the glyph outlines to the path instead of painting.
#include "DeviceContext.h"
#include "FontCache.h"
#include "GlyphPathSink.h"
#include "TextLayout.h"
#include "TextRenderer.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

namespace {

std::optional<RECT> DeviceRect(const DeviceContext& dc, const RECT* rect) {
  if (!rect) return std::nullopt;
  const POINT a = dc.ToDevice(rect->left, rect->top);
  const POINT b = dc.ToDevice(rect->right, rect->bottom);
  return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// TA_UPDATECP: the current position moves to the end of left-aligned text and to the start
// of right-aligned text; centred text leaves it where it was.
void MoveCurrentPosition(DcState& state, const FontFace& font, int width) {
  const UINT align = state.textAlign;
  if ((align & TA_CENTER) == TA_CENTER) return;
  const double distance = (align & TA_RIGHT) ? -width : width;
  const auto moved = [](LONG from, double by) {
    return static_cast<LONG>(std::clamp(std::floor(from + by + 0.5), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
  };
  state.currentPosition.x = moved(state.currentPosition.x, distance * std::cos(font.Angle()));
  state.currentPosition.y = moved(state.currentPosition.y, -distance * std::sin(font.Angle()));
}

}  // namespace

extern "C" {

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return GDI_ERROR;
  return std::exchange(dc->State().textAlign, align & TA_MASK);
}

UINT WINAPI GetTextAlign(HDC hdc) {
  const DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? dc->State().textAlign : GDI_ERROR;
}

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                        const INT* lpDx) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  if (c > INT_MAX || (c > 0 && !lpString) || (options & ETO_GLYPH_INDEX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  FontFace* font = FontCache::Instance().ForDc(*dc);
  if (!font) return FALSE;
  DcState& state = dc->State();
  const bool updateCp = (state.textAlign & TA_UPDATECP) != 0;
  const POINT logical = updateCp ? state.currentPosition : POINT{x, y};
  const auto* bytes = reinterpret_cast<const unsigned char*>(lpString);
  const TextLayout layout(*font, bytes, c, state.charExtra, lpDx);
  const TextPlacement place = TextPlacement::For(dc->ToDevice(logical.x, logical.y), state.textAlign, *font, layout.Width());
  TextRenderer renderer(*dc, *font, layout, bytes);
  std::optional<Path>& path = dc->CurrentPath();
  if (path && path->IsOpen()) {
    // Inside a path bracket text paints nothing: its outlines join the path.
    GlyphPathSink sink(*path);
    renderer.AppendOutlines(place, sink);
  } else {
    renderer.Draw(place, options, DeviceRect(*dc, lprect));
  }
  if (updateCp) MoveCurrentPosition(state, *font, layout.Width());
  return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  if (c < 0) {
    if (!DeviceContext::FromHandle(hdc)) return FALSE;
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return ExtTextOutA(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}

}  // extern "C"
