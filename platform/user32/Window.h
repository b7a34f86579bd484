// One window: its class, styles, place in the tree, geometry, text, procedure, paint state
// and (for a top-level window) the backing surface it and its children draw on.
//
// Rectangles are kept in the parent's client coordinates (screen coordinates for top-level
// windows). Windows live in the WindowTable and are shared: code that calls out to a window
// procedure keeps a shared_ptr, so a window destroyed by its own handler stays readable until
// the call returns.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "PixelSurface.h"
#include "Region.h"
#include "WindowClass.h"

class Window {
 public:
  enum class Life { Creating, Alive, Destroying, Destroyed };
  enum class Root { None, Desktop, MessageOnly };

  HWND handle = nullptr;
  std::shared_ptr<WindowClass> windowClass;
  DWORD threadId = 0;
  Root root = Root::None;  // the two invisible roots above all top-level windows
  Life life = Life::Creating;
  bool destroyRequested = false;  // DestroyWindow has begun; nested calls do nothing

  DWORD style = 0;
  DWORD exStyle = 0;
  Window* parent = nullptr;                       // a root for top-level windows
  std::vector<std::shared_ptr<Window>> children;  // z-order, topmost first
  HWND owner = nullptr;

  RECT windowRect{};
  RECT clientRect{};
  RECT normalRect{};  // the restored rectangle while minimized or maximized
  bool sizeMessagesOnFirstShow = false;

  std::string text;
  WNDPROC procedure = nullptr;
  HINSTANCE instance = nullptr;
  UINT_PTR id = 0;       // child windows: the control ID
  HMENU menu = nullptr;  // top-level windows
  HICON bigIcon = nullptr;    // WM_SETICON
  HICON smallIcon = nullptr;
  LONG_PTR userData = 0;
  std::vector<BYTE> extraBytes;

  // Paint state: the update region is in client coordinates.
  Region updateRegion;
  bool erasePending = false;
  bool framePending = false;
  bool internalPaint = false;
  bool eraseUnhandled = false;  // WM_ERASEBKGND was sent early and returned 0
  bool captionActive = false;   // as the last WM_NCACTIVATE said
  bool redrawOff = false;       // WM_SETREDRAW(FALSE): drawing stops, the window stays on screen

  std::shared_ptr<PixelSurface> surface;  // top-level windows
  HDC ownDc = nullptr;                    // CS_OWNDC

  bool IsRoot() const { return root != Root::None; }
  bool IsTopLevel() const { return parent && parent->IsRoot(); }
  // A top-level window of the desktop, which the display backend shows as a surface.
  bool HasHostSurface() const { return IsTopLevel() && parent->root == Root::Desktop; }
  bool IsChildStyle() const { return (style & WS_CHILD) != 0; }
  bool IsAlive() const { return life == Life::Creating || life == Life::Alive; }
  bool IsMinimized() const { return (style & WS_MINIMIZE) != 0; }
  bool IsMaximized() const { return (style & WS_MAXIMIZE) != 0; }
  bool IsEnabled() const { return (style & WS_DISABLED) == 0; }
  UINT ClassStyle() const { return windowClass ? windowClass->style : 0; }

  // True when the window and all its ancestors have WS_VISIBLE.
  bool IsVisibleOnScreen() const;
  // The top-level window above this one (itself when top-level); null for roots.
  Window* TopLevel();
  // True when `other` is this window or one of its descendants.
  bool Contains(const Window* other) const;

  POINT ClientOriginOnScreen() const;
  POINT WindowOriginOnScreen() const;
  RECT WindowRectOnScreen() const;
  RECT ClientRectOnScreen() const;
  // The client rectangle relative to the window rectangle's top-left corner.
  RECT ClientRectInWindow() const;
  int ClientWidth() const { return clientRect.right - clientRect.left; }
  int ClientHeight() const { return clientRect.bottom - clientRect.top; }
  int Width() const { return windowRect.right - windowRect.left; }
  int Height() const { return windowRect.bottom - windowRect.top; }
};
