// The two directions between a top-level window and the host window that shows it: USER tells
// the host the window's title and icon, and applies what the host's window manager did to the window
// (placed or moved it, gave or took its keyboard focus) as Windows applies the same change
// made by the user, with the usual messages.
#pragma once

#include "DisplayBackend.h"
#include "Window.h"

class HostWindowSync {
 public:
  // After creation and whenever the window's text changes.
  static void TellTitle(const Window& window);
  // After creation and WM_SETICON: the window's big icon, else its small one, else its class's,
  // else the system's application icon.
  static void TellIcon(const Window& window);
  static void Apply(const InputEvent& event);

 private:
  static void Moved(Window& window, POINT origin);
  static void FocusGained(const Window& window);
  static void FocusLost(const Window& window);
};
