#include "Cursors.h"

#include <array>
#include <atomic>

#include "Display.h"

namespace {

struct SystemCursor {
  WORD ordinal;
  CursorShape shape;
};

constexpr std::array kSystemCursors{
    SystemCursor{32512, CursorShape::Arrow},       SystemCursor{32513, CursorShape::IBeam},
    SystemCursor{32514, CursorShape::Wait},        SystemCursor{32515, CursorShape::Cross},
    SystemCursor{32516, CursorShape::UpArrow},     SystemCursor{32640, CursorShape::SizeAll},
    SystemCursor{32641, CursorShape::Arrow},       SystemCursor{32642, CursorShape::SizeNWSE},
    SystemCursor{32643, CursorShape::SizeNESW},    SystemCursor{32644, CursorShape::SizeWE},
    SystemCursor{32645, CursorShape::SizeNS},      SystemCursor{32646, CursorShape::SizeAll},
    SystemCursor{32648, CursorShape::No},          SystemCursor{32649, CursorShape::Hand},
    SystemCursor{32650, CursorShape::AppStarting}, SystemCursor{32651, CursorShape::Help},
};

// Shared cursor handles are small fixed values: a base plus the table index.
constexpr uintptr_t kHandleBase = 0x10010;

// The arrow (the first system cursor) until someone sets another.
std::atomic<HCURSOR> current{reinterpret_cast<HCURSOR>(kHandleBase)};

}  // namespace

HCURSOR Cursors::System(LPCSTR name) {
  if (!IS_INTRESOURCE(name)) return nullptr;
  const auto ordinal = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  for (size_t i = 0; i < kSystemCursors.size(); ++i) {
    if (kSystemCursors[i].ordinal == ordinal) return reinterpret_cast<HCURSOR>(kHandleBase + i);
  }
  return nullptr;
}

std::optional<CursorShape> Cursors::ShapeOf(HCURSOR cursor) {
  const auto value = reinterpret_cast<uintptr_t>(cursor);
  if (value < kHandleBase || value >= kHandleBase + kSystemCursors.size()) return std::nullopt;
  return kSystemCursors[value - kHandleBase].shape;
}

HCURSOR Cursors::Current() { return current.load(); }

HCURSOR Cursors::SetCurrent(HCURSOR cursor) {
  const HCURSOR previous = current.exchange(cursor);
  if (previous != cursor) {
    Display::Backend().SetCursor(cursor ? ShapeOf(cursor).value_or(CursorShape::Arrow) : CursorShape::Hidden);
  }
  return previous;
}
