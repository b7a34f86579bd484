#include "DrawTextMeasure.h"

#include <algorithm>
#include <climits>

namespace {

int Clamp(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN / 2, INT_MAX / 2)); }

// Running width of a line: a segment that has characters adds the overhang once at its end.
struct Cursor {
  long long position = 0;
  bool segmentHasText = false;
};

}  // namespace

DrawTextMeasure::DrawTextMeasure(HDC dc, std::string_view text, int tabWidth, bool expandTabs)
    : tabWidth_(std::max(1, tabWidth)), expandTabs_(expandTabs) {
  // One call for the range of characters used keeps unused glyphs out of the font's cache.
  unsigned char low = '.', high = '.';
  for (const char ch : text) {
    low = std::min(low, static_cast<unsigned char>(ch));
    high = std::max(high, static_cast<unsigned char>(ch));
  }
  TEXTMETRICA tm{};
  valid_ = GetTextMetricsA(dc, &tm) && GetCharWidth32A(dc, low, high, widths_.data() + low);
  extra_ = GetTextCharacterExtra(dc);
  overhang_ = tm.tmOverhang;
}

long long DrawTextMeasure::NextTabStop(long long position) const {
  const long long stops = position >= 0 ? position / tabWidth_ + 1 : position / tabWidth_;
  return stops * tabWidth_;
}

int DrawTextMeasure::Width(std::string_view text) const {
  Cursor cursor;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\t' && expandTabs_) {
      if (cursor.segmentHasText) cursor.position += overhang_;
      cursor.position = NextTabStop(cursor.position);
      cursor.segmentHasText = false;
    } else {
      cursor.position += Advance(c);
      cursor.segmentHasText = true;
    }
  }
  return Clamp(cursor.position + (cursor.segmentHasText ? overhang_ : 0));
}

size_t DrawTextMeasure::FitCount(std::string_view text, int maxWidth) const {
  Cursor cursor;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    long long width;
    if (c == '\t' && expandTabs_) {
      cursor.position = NextTabStop(cursor.position + (cursor.segmentHasText ? overhang_ : 0));
      cursor.segmentHasText = false;
      width = cursor.position;
    } else {
      cursor.position += Advance(c);
      cursor.segmentHasText = true;
      width = cursor.position + overhang_;
    }
    if (width > maxWidth) return i;
  }
  return text.size();
}
