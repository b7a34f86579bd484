#include "LMDProcs.h"

#include <algorithm>
#include <cmath>
#include <utility>

using enum TLMDPathPrefix;

namespace {

template <class T>
void CheckNotEmpty(std::initializer_list<T> values) {
  if (values.size() == 0) throw ERangeError("The list of values is empty");
}

// Reads a folder through a Win32 call that fills a buffer of MAX_PATH characters.
template <class Query>
AnsiString QueryFolder(Query query) {
  char buffer[MAX_PATH];
  const UINT length = query(buffer, MAX_PATH);
  return AnsiString(buffer, std::min<UINT>(length, MAX_PATH));
}

// A byte has bits 0 to 7; any other bit number selects nothing.
uint8_t BitMask(int bit) { return bit >= 0 && bit < 8 ? static_cast<uint8_t>(1u << bit) : 0; }

}  // namespace

RECT LMDExpandRect(const RECT& rect, int32_t n) {
  return RECT{rect.left - n, rect.top - n, rect.right + n, rect.bottom + n};
}

void LMDAdjustRect(RECT& rect, int32_t dx, int32_t dy) {
  rect.right += dx;
  rect.bottom += dy;
}

void LMDAdjustRectExt(RECT& rect, int32_t dLeft, int32_t dTop, int32_t dRight, int32_t dBottom) {
  rect.left += dLeft;
  rect.top += dTop;
  rect.right += dRight;
  rect.bottom += dBottom;
}

RECT LMDAffineRect(const RECT& source, const RECT& target) {
  const int32_t sw = source.right - source.left;
  const int32_t sh = source.bottom - source.top;
  if (sw <= 0 || sh <= 0) return RECT{target.left, target.top, target.left, target.top};
  const long double tw = target.right - target.left;
  const long double th = target.bottom - target.top;
  const long double scale = std::min(tw / sw, th / sh);
  const auto width = static_cast<int32_t>(Trunc(sw * scale));
  const auto height = static_cast<int32_t>(Trunc(sh * scale));
  return RECT{target.left, target.top, target.left + width, target.top + height};
}

void LMDGetRectWH(const RECT& rect, int32_t& width, int32_t& height) {
  width = rect.right - rect.left;
  height = rect.bottom - rect.top;
}

bool LMDRectinRect(const RECT& inner, const RECT& outer) {
  return PtInRect(&outer, POINT{inner.left, inner.top}) && PtInRect(&outer, POINT{inner.right, inner.bottom});
}

void LMDCalcRotRect(RECT& rect, int32_t angle) {
  if (angle == 0) return;
  const long double theta = angle * 0.017453292519943295L;
  const int32_t hx = (rect.right - rect.left) / 2;
  const int32_t hy = (rect.bottom - rect.top) / 2;
  const int32_t cx = rect.left + hx;
  const int32_t cy = rect.top + hy;
  const long double sn = std::sin(theta);
  const long double cs = std::cos(theta);
  const auto p = static_cast<int32_t>(Round(hx * cs - hy * sn));
  const auto q = static_cast<int32_t>(Round(hx * cs + hy * sn));
  const auto u = static_cast<int32_t>(Round(hx * sn - hy * cs));
  const auto v = static_cast<int32_t>(Round(hx * sn + hy * cs));
  const int32_t left = std::min({cx - p, cx - q, cx + q, cx + p});
  const int32_t right = std::max({cx - p, cx - q, cx + q, cx + p});
  const int32_t top = std::min({cy + u, cy + v, cy - v, cy - u});
  const int32_t bottom = std::max({cy + u, cy + v, cy - v, cy - u});
  rect = RECT{0, 0, right - left, bottom - top};
}

int32_t LMDMax(std::initializer_list<int32_t> values) {
  CheckNotEmpty(values);
  return std::max(values);
}

int32_t LMDMin(std::initializer_list<int32_t> values) {
  CheckNotEmpty(values);
  return std::min(values);
}

long double LMDMaxR(std::initializer_list<long double> values) {
  CheckNotEmpty(values);
  return std::max(values);
}

long double LMDMinR(std::initializer_list<long double> values) {
  CheckNotEmpty(values);
  return std::min(values);
}

int32_t LMDMidI(int32_t a, int32_t b) { return static_cast<int32_t>((int64_t{a} + b) / 2); }

void LMDSwapInt(int32_t& a, int32_t& b) { std::swap(a, b); }

void LMDSwapString(AnsiString& a, AnsiString& b) { std::swap(a, b); }

// Squaring gives the same wrapped product as n single multiplications, in log n steps.
int32_t LMDExp(int32_t base, int32_t n) {
  uint32_t result = 1;
  uint32_t factor = static_cast<uint32_t>(base);
  for (int32_t rest = n; rest > 0; rest /= 2) {
    if (rest % 2 != 0) result *= factor;
    factor *= factor;
  }
  return static_cast<int32_t>(result);
}

void LMDSetBit(uint8_t& value, int bit, bool on) {
  const uint8_t mask = BitMask(bit);
  value = on ? static_cast<uint8_t>(value | mask) : static_cast<uint8_t>(value & ~mask);
}

void LMDSetBitUpTo(uint8_t& value, int n) {
  for (int bit = 0; bit <= std::min(n, 7); ++bit) LMDSetBit(value, bit, true);
}

bool LMDGetBit(uint8_t value, int bit) { return (value & BitMask(bit)) != 0; }

void LMDMidpoint(const std::vector<POINT>& points, int32_t count, POINT& out) {
  if (count <= 0) return;
  if (static_cast<std::size_t>(count) > points.size()) throw ERangeError("More points counted than listed");
  int64_t sumX = 0;
  int64_t sumY = 0;
  for (int32_t i = 0; i < count; ++i) {
    sumX += points[i].x;
    sumY += points[i].y;
  }
  out = POINT{static_cast<LONG>(sumX / count), static_cast<LONG>(sumY / count)};
}

void LMDOffsetPoints(std::vector<POINT>& points, int32_t dx, int32_t dy) {
  for (POINT& point : points) {
    point.x += dx;
    point.y += dy;
  }
}

void LMDNullPoints(std::vector<POINT>& points) {
  for (POINT& point : points) point = POINT{0, 0};
}

AnsiString LMDCreatePathPrefix(TLMDPathPrefix prefix, bool trailingBackslash) {
  AnsiString path;
  switch (prefix) {
    case ppWindows: path = LMDWindowsDirectory(); break;
    case ppSystem: path = LMDSystemDirectory(); break;
    case ppProgram: path = LMDAppPath(); break;
    default: return AnsiString();
  }
  const bool endsInBackslash = !path.empty() && path.back() == '\\';
  if (trailingBackslash && !endsInBackslash) path += '\\';
  if (!trailingBackslash && endsInBackslash) path.pop_back();
  return path;
}

AnsiString LMDAppPath() { return ExtractFilePath(ParamStr(0)); }

AnsiString LMDWindowsDirectory() { return QueryFolder(GetWindowsDirectoryA); }

AnsiString LMDSystemDirectory() { return QueryFolder(GetSystemDirectoryA); }

AnsiString LMDExtractFileName(const AnsiString& path) { return ChangeFileExt(ExtractFileName(path), ""); }

AnsiString LMDAppIniName() { return "SOFTWARE\\" + LMDExtractFileName(ParamStr(0)); }

RECT LMDAlignRect(TLMDAlignment alignment, const RECT& object, const RECT& container) {
  const int64_t objectWidth = int64_t{object.right} - object.left;
  const int64_t objectHeight = int64_t{object.bottom} - object.top;
  const int64_t column = static_cast<int64_t>(alignment) % 3;
  const int64_t row = static_cast<int64_t>(alignment) / 3;
  const int64_t left = container.left + (int64_t{container.right} - container.left - objectWidth) * column / 2;
  const int64_t top = container.top + (int64_t{container.bottom} - container.top - objectHeight) * row / 2;
  return RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(left + objectWidth),
              static_cast<LONG>(top + objectHeight)};
}
