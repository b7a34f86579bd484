// Unit Messages: the message record that travels through Perform, WndProc and Dispatch.
#pragma once

#include "System.h"

#include <windows.h>

#include <cstdint>

// A window message as the framework's handlers see it; Result is what the sender gets back.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  // Mouse messages: the point in client coordinates, signed (negative while captured).
  int XPos() const { return static_cast<int16_t>(LParam & 0xFFFF); }
  int YPos() const { return static_cast<int16_t>((LParam >> 16) & 0xFFFF); }
  POINT Pos() const { return POINT{XPos(), YPos()}; }
  // Mouse messages: the MK_ flags.
  UINT Keys() const { return static_cast<UINT>(WParam); }
};

// The type of a control's WindowProc: replaceable to subclass a control.
using TWndMethod = TEvent<TMessage&>;

// Packs a point into the LParam of a mouse message.
inline LPARAM PointToLParam(int x, int y) {
  return static_cast<LPARAM>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                             (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
}
