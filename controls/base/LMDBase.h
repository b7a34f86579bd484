// Unit LMDBase: the library's control messages, bounds-change states and stream constants.
#pragma once

#include <System.h>
#include <TypInfo.h>

#include <windows.h>

// The library's own control messages, above the framework's component-message base (0xB000).
constexpr UINT CM_TRANSPARENTCHANGED = 0xB0CD;
constexpr UINT CM_LMDBACKCHANGED = 0xB0CE;
constexpr UINT CM_LMDAFTERENTER = 0xB0CF;
constexpr UINT CM_LMDAFTEREXIT = 0xB0D0;
constexpr UINT CM_LMDBEVELCHANGED = 0xB0D1;
constexpr UINT CM_LMDSCROLLBOXSCROLLEVENT = 0xB0D4;

TAWO_ENUM(TLMDBoundsChangeState, bcSize, bcPos)
using TLMDBoundsChangeStates = TSet<TLMDBoundsChangeState>;

// Which of position and size differ between two bounds rectangles.
inline TLMDBoundsChangeStates LMDBoundsChanges(const RECT& before, const RECT& after) {
  TLMDBoundsChangeStates state;
  if (after.left != before.left || after.top != before.top) state.Include(TLMDBoundsChangeState::bcPos);
  if (after.right - after.left != before.right - before.left || after.bottom - after.top != before.bottom - before.top) {
    state.Include(TLMDBoundsChangeState::bcSize);
  }
  return state;
}

// The extra stream property of the control bases.
inline constexpr const char* IDS_INTERNAL = "Internal";
inline constexpr const char* LMD_DEFAULTFONT = "Arial";
inline constexpr const char* IDS_DEFAULTDELIMITER = ",";
