// The boundary between USER and whatever shows the windows: a headless virtual screen or
// host windows. USER owns windows, z-order, painting and input routing; a backend only shows
// top-level surfaces, reports host input and sets the pointer shape.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PixelSurface.h"

// One top-level window, as USER identifies it to the backend (the HWND value).
using SurfaceId = uintptr_t;

// What a top-level window is to the host: a window its window manager may decorate, place and
// focus, or a popup (a menu, a hint) shown exactly where it is put, which the window manager
// leaves alone and which never takes the keyboard focus.
enum class SurfaceRole { Window, Popup };

enum class CursorShape {
  Arrow,
  IBeam,
  Wait,
  Cross,
  UpArrow,
  SizeNWSE,
  SizeNESW,
  SizeWE,
  SizeNS,
  SizeAll,
  No,
  Hand,
  AppStarting,
  Help,
  Hidden,
};

// Host input, in screen coordinates and Windows terms (virtual keys, Windows-1250 text), and
// what the host's window manager did to a window: asked to close it, moved it, gave or took
// its keyboard focus, iconified or restored it.
struct InputEvent {
  enum class Kind {
    MouseMove,
    ButtonDown,
    ButtonUp,
    Wheel,
    KeyDown,
    KeyUp,
    Char,
    CloseRequest,
    Moved,
    FocusGained,
    FocusLost,
    Minimized,
    Restored,
  };
  enum class Button { Left, Right, Middle };

  Kind kind = Kind::MouseMove;
  POINT screen{0, 0};  // mouse events
  Button button = Button::Left;
  int wheelDelta = 0;   // multiples of WHEEL_DELTA, positive away from the user
  UINT virtualKey = 0;  // key events
  UINT scanCode = 0;
  bool extendedKey = false;
  unsigned char character = 0;  // Char
  SurfaceId surface = 0;        // window events: the host window concerned
  POINT origin{0, 0};           // Moved: the window's new top-left corner on the screen
};

// Receives host input; implemented by USER, which queues it like any other input.
class InputSink {
 public:
  virtual ~InputSink() = default;
  virtual void Deliver(const InputEvent& event) = 0;
};

class DisplayBackend {
 public:
  virtual ~DisplayBackend() = default;

  virtual const char* Name() const = 0;
  virtual SIZE ScreenSize() const = 0;
  // True when the backend shows one composed screen: USER then clips each window against the
  // top-level windows above it and repaints what they uncover. False when every top-level
  // window is its own host window and the host composes them.
  virtual bool ComposesScreen() const = 0;

  // Top-level surfaces. `bounds` is the window rectangle in screen coordinates.
  virtual void CreateSurface(SurfaceId id, const RECT& bounds, SurfaceRole role) = 0;
  virtual void DestroySurface(SurfaceId id) = 0;
  virtual void ShowSurface(SurfaceId id, bool visible) = 0;
  virtual void MoveSurface(SurfaceId id, const RECT& bounds) = 0;
  // The z-order of the top-level windows, topmost first.
  virtual void RestackSurfaces(const std::vector<SurfaceId>& topToBottom) = 0;
  // The title the host shows for the window (task bars, window lists), in the ANSI code page.
  virtual void SetSurfaceTitle(SurfaceId id, const std::string& title) = 0;
  // The icon the host shows for the window: 32-bit pixels with their alpha in the top byte.
  virtual void SetSurfaceIcon(SurfaceId id, const PixelSurface& icon) = 0;
  // Iconified on the host, or shown again where it was.
  virtual void SetSurfaceMinimized(SurfaceId id, bool minimized) = 0;
  // New pixels of a top-level window; `changed` is in the surface's own coordinates.
  virtual void Present(SurfaceId id, const PixelSurface& pixels, const RECT& changed) = 0;

  virtual void SetCursor(CursorShape shape) = 0;

  // Hands pending host input to `sink` without waiting.
  virtual void PollEvents(InputSink& sink) = 0;
  // Waits until host input may be pending, Wake() is called or `timeoutMs` passes
  // (negative: no limit). Called only by the thread that pumps messages.
  virtual void WaitEvents(int timeoutMs) = 0;
  // Ends a WaitEvents early; callable from any thread.
  virtual void Wake() = 0;
};
