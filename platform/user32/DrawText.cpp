// DrawText, DrawTextEx and TabbedTextOut: formatted text in a rectangle on top of the GDI
// text functions.
#include "DrawTextLines.h"
#include "DrawTextMeasure.h"

#include <TextRules.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

constexpr int kDefaultTabCharacters = 8;

// Positions computed in 64 bits and brought back into the coordinate range.
int Clamp(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN / 2, INT_MAX / 2)); }

struct Format {
  UINT flags;
  int tabCharacters = kDefaultTabCharacters;
  int leftMargin = 0;
  int rightMargin = 0;
};

// DrawText packs the tab size into bits 8-15 when DT_TABSTOP is set (those bits are not flags
// then); DrawTextEx takes it from its parameters.
Format ReadFormat(UINT flags, const DRAWTEXTPARAMS* params) {
  Format format{flags};
  if (params) {
    format.leftMargin = params->iLeftMargin;
    format.rightMargin = params->iRightMargin;
    if ((flags & DT_TABSTOP) && params->iTabLength > 0) format.tabCharacters = params->iTabLength;
  } else if (flags & DT_TABSTOP) {
    const int packed = static_cast<int>((flags >> 8) & 0xFF);
    if (packed > 0) format.tabCharacters = packed;
    format.flags &= ~0xFF00u;
  }
  if (format.flags & DT_CALCRECT) format.flags |= DT_NOCLIP;
  return format;
}

// Selects the system font for DT_INTERNAL and puts the previous font back afterwards.
class InternalFont {
 public:
  InternalFont(HDC dc, bool active) : dc_(dc), previous_(active ? SelectObject(dc, GetStockObject(SYSTEM_FONT)) : nullptr) {}
  ~InternalFont() {
    if (previous_) SelectObject(dc_, previous_);
  }
  InternalFont(const InternalFont&) = delete;
  InternalFont& operator=(const InternalFont&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

class TextBox {
 public:
  TextBox(HDC dc, const RECT& rect, const Format& format, const TEXTMETRICA& tm, const DrawTextMeasure& measure)
      : dc_(dc), rect_(rect), format_(format), tm_(tm), measure_(measure) {}

  int LineHeight() const {
    return tm_.tmHeight + ((format_.flags & DT_EXTERNALLEADING) ? tm_.tmExternalLeading : 0);
  }
  int AvailableWidth() const {
    return Clamp(static_cast<long long>(rect_.right) - rect_.left - format_.leftMargin - format_.rightMargin);
  }

  int LineX(int width) const {
    const long long left = static_cast<long long>(rect_.left) + format_.leftMargin;
    const long long right = static_cast<long long>(rect_.right) - format_.rightMargin;
    if (format_.flags & DT_CENTER) return Clamp((left + right - width) / 2);
    if (format_.flags & DT_RIGHT) return Clamp(right - width);
    return Clamp(left);
  }

  // Single-line text may sit in the middle or at the bottom of the rectangle.
  int LineY(int y) const {
    if (!(format_.flags & DT_SINGLELINE) || (format_.flags & DT_CALCRECT)) return y;
    const long long top = rect_.top, bottom = rect_.bottom;
    if (format_.flags & DT_VCENTER) return Clamp(top + (bottom - top) / 2 - tm_.tmHeight / 2);
    if (format_.flags & DT_BOTTOM) return Clamp(bottom - tm_.tmHeight);
    return y;
  }

  void Draw(const DisplayLine& line, int x, int y) const {
    const bool clip = !(format_.flags & DT_NOCLIP);
    const UINT options = (clip ? ETO_CLIPPED : 0) | ((format_.flags & DT_RTLREADING) ? ETO_RTLREADING : 0);
    if (!(format_.flags & DT_PREFIXONLY)) DrawSegments(line.text, x, y, options);
    if (line.underline >= 0) DrawAccelerator(line, x, y, clip);
  }

 private:
  void DrawSegments(const std::string& text, int x, int y, UINT options) const {
    const bool tabs = format_.flags & DT_EXPANDTABS;
    size_t begin = 0;
    while (begin <= text.size()) {
      const size_t end = tabs ? std::min(text.find('\t', begin), text.size()) : text.size();
      if (end > begin) {
        const int offset = measure_.Width(std::string_view(text).substr(0, begin));
        ExtTextOutA(dc_, Clamp(static_cast<long long>(x) + offset), y, options, &rect_, text.data() + begin, static_cast<UINT>(end - begin), nullptr);
      }
      begin = end + 1;
    }
  }

  // A one-pixel line under the accelerator character, in the text colour.
  void DrawAccelerator(const DisplayLine& line, int x, int y, bool clip) const {
    const std::string_view text(line.text);
    const size_t index = static_cast<size_t>(line.underline);
    const long long row = static_cast<long long>(y) + tm_.tmAscent + 1;
    RECT bar{Clamp(static_cast<long long>(x) + measure_.Width(text.substr(0, index))), Clamp(row),
             Clamp(static_cast<long long>(x) + measure_.Width(text.substr(0, index + 1)) - text_rules::kPrefixUnderlineShortening),
             Clamp(row + 1)};
    if (clip && !IntersectRect(&bar, &bar, &rect_)) return;
    HBRUSH brush = CreateSolidBrush(GetTextColor(dc_));
    FillRect(dc_, &bar, brush);
    DeleteObject(brush);
  }

  HDC dc_;
  RECT rect_;
  const Format& format_;
  const TEXTMETRICA& tm_;
  const DrawTextMeasure& measure_;
};

// Writes an ellipsized single line back into the caller's buffer (DT_MODIFYSTRING), which
// must have room for the text plus four characters.
void ModifyString(LPSTR buffer, size_t length, const DisplayLine& line) {
  const size_t room = length + 4;
  const size_t copied = std::min(line.text.size(), room - 1);
  std::memcpy(buffer, line.text.data(), copied);
  buffer[copied] = '\0';
}

int DrawTextImpl(HDC hdc, LPCSTR text, LPSTR writable, int count, LPRECT rect, UINT flags, LPDRAWTEXTPARAMS params) {
  TEXTMETRICA tm{};
  if (!GetTextMetricsA(hdc, &tm)) return 0;
  if (!rect || count < -1 || (count > 0 && !text) || (params && params->cbSize != sizeof(DRAWTEXTPARAMS))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (count == 0) return 0;
  const size_t length = count == -1 ? (text ? std::strlen(text) : 0) : static_cast<size_t>(count);
  const Format format = ReadFormat(flags, params);

  const InternalFont internal(hdc, format.flags & DT_INTERNAL);
  if (format.flags & DT_INTERNAL) GetTextMetricsA(hdc, &tm);
  const std::string_view content(text ? text : "", length);
  const DrawTextMeasure measure(hdc, content, format.tabCharacters * tm.tmAveCharWidth, format.flags & DT_EXPANDTABS);
  if (!measure.Valid()) return 0;
  const TextBox box(hdc, *rect, format, tm, measure);
  const int lineHeight = box.LineHeight();

  if (length == 0) {  // count -1 on an empty (or null) string
    if (format.flags & DT_CALCRECT) {
      rect->right = rect->left;
      rect->bottom = Clamp(static_cast<long long>(rect->top) + ((format.flags & DT_SINGLELINE) ? lineHeight : 0));
    }
    if (params) params->uiLengthDrawn = 0;
    return lineHeight;
  }

  const bool calculate = format.flags & DT_CALCRECT;
  const bool clip = !(format.flags & DT_NOCLIP);
  DrawTextLines lines(content, format.flags, box.AvailableWidth(), measure);
  DisplayLine line;
  int y = rect->top;
  int widest = 0;
  size_t lineCount = 0;
  while (lines.Next(line)) {
    ++lineCount;
    const int lineY = box.LineY(y);
    const bool partlyHidden = static_cast<long long>(lineY) + lineHeight > rect->bottom;
    if ((format.flags & DT_EDITCONTROL) && clip && partlyHidden) break;
    if (!calculate) box.Draw(line, box.LineX(line.width), lineY);
    if (line.ellipsized && (format.flags & DT_MODIFYSTRING) && writable && lineCount == 1) ModifyString(writable, length, line);
    widest = std::max(widest, line.width);
    y = Clamp(static_cast<long long>(lineY) + lineHeight);
    if (!calculate && clip && y > rect->bottom) break;
  }
  if (params) params->uiLengthDrawn = static_cast<UINT>(lines.Consumed());
  if (calculate) {
    rect->right = Clamp(static_cast<long long>(rect->left) + widest + format.leftMargin + format.rightMargin);
    rect->bottom = y;
  }
  const int height = Clamp(static_cast<long long>(y) - rect->top);
  return height == 0 ? 1 : height;
}

}  // namespace

extern "C" {

int WINAPI DrawTextExA(HDC hdc, LPSTR lpchText, int cchText, LPRECT lprc, UINT format, LPDRAWTEXTPARAMS lpdtp) {
  return DrawTextImpl(hdc, lpchText, lpchText, cchText, lprc, format, lpdtp);
}

int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  return DrawTextImpl(hdc, lpchText, nullptr, cchText, lprc, format, nullptr);
}

LONG WINAPI TabbedTextOutA(HDC hdc, int x, int y, LPCSTR lpString, int chCount, int nTabPositions,
                           const INT* lpnTabStopPositions, int nTabOrigin) {
  TEXTMETRICA tm{};
  if (!GetTextMetricsA(hdc, &tm)) return 0;
  if (chCount < 0 || (chCount > 0 && !lpString) || nTabPositions < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // Without positions the stops are eight average characters apart; one position is the
  // distance between stops; more are the stops themselves, from the tab origin.
  const bool list = nTabPositions > 1 && lpnTabStopPositions;
  const int interval = nTabPositions == 1 && lpnTabStopPositions && lpnTabStopPositions[0] > 0
                           ? lpnTabStopPositions[0]
                           : std::max(1, kDefaultTabCharacters * static_cast<int>(tm.tmAveCharWidth));
  auto nextStop = [&](int position) {
    const long long relative = static_cast<long long>(position) - nTabOrigin;
    if (list) {
      for (int i = 0; i < nTabPositions; ++i) {
        const long long stop = std::llabs(static_cast<long long>(lpnTabStopPositions[i]));  // negative: right-aligned stop
        if (stop > relative) return Clamp(nTabOrigin + stop);
      }
    }
    const long long stops = relative >= 0 ? relative / interval + 1 : relative / interval;
    return Clamp(nTabOrigin + stops * interval);
  };
  const bool opaque = GetBkMode(hdc) == OPAQUE;
  int position = x;
  int begin = 0;
  while (true) {
    int end = begin;
    while (end < chCount && lpString[end] != '\t') ++end;
    SIZE size{};
    GetTextExtentPoint32A(hdc, lpString + begin, end - begin, &size);
    ExtTextOutA(hdc, position, y, 0, nullptr, lpString + begin, static_cast<UINT>(end - begin), nullptr);
    position = Clamp(static_cast<long long>(position) + size.cx);
    if (end >= chCount) break;
    const int stop = std::max(position, nextStop(position));
    if (opaque) {
      const RECT gap{position, y, stop, Clamp(static_cast<long long>(y) + tm.tmHeight)};
      ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &gap, nullptr, 0, nullptr);
    }
    position = stop;
    begin = end + 1;
  }
  const int width = Clamp(static_cast<long long>(position) - x);
  return static_cast<LONG>(MAKELONG(static_cast<WORD>(width), static_cast<WORD>(tm.tmHeight)));
}

}  // extern "C"
