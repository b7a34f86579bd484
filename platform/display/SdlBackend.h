// Host windows through SDL2: every top-level window is one borderless SDL window showing its
// backing surface (USER draws the frame and caption itself) under the window's title and icon.
// Only the changed rectangle of a surface is copied and uploaded. Host mouse, wheel, key and
// text events become InputEvents in screen coordinates, mapped through the window's position as
// last reported to USER; what the window manager does (close requests, moves and placements,
// focus, iconifying) becomes window events. On X11 waiting sleeps in poll() on the X connection
// and an eventfd that Wake() writes, so an idle program uses no CPU and SDL never sends its own
// wake-up messages to windows (those travel on a second connection and can reach a window
// after it was destroyed, which X reports as a fatal BadWindow at exit).
#pragma once

#include "DisplayBackend.h"

#include <SDL.h>

#include <atomic>
#include <map>
#include <optional>
#include <thread>

class SdlBackend : public DisplayBackend {
 public:
  SdlBackend();
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  // False when SDL cannot open the host display.
  bool IsOpen() const { return open_; }

  const char* Name() const override { return "sdl"; }
  SIZE ScreenSize() const override;
  bool ComposesScreen() const override { return false; }

  void CreateSurface(SurfaceId id, const RECT& bounds, SurfaceRole role) override;
  void DestroySurface(SurfaceId id) override;
  void ShowSurface(SurfaceId id, bool visible) override;
  void MoveSurface(SurfaceId id, const RECT& bounds) override;
  void RestackSurfaces(const std::vector<SurfaceId>& topToBottom) override;
  void SetSurfaceTitle(SurfaceId id, const std::string& title) override;
  void SetSurfaceIcon(SurfaceId id, const PixelSurface& icon) override;
  void SetSurfaceMinimized(SurfaceId id, bool minimized) override;
  void Present(SurfaceId id, const PixelSurface& pixels, const RECT& changed) override;
  void SetCursor(CursorShape shape) override;

  void PollEvents(InputSink& sink) override;
  void WaitEvents(int timeoutMs) override;
  void Wake() override;

 private:
  struct HostWindow {
    SDL_Window* window = nullptr;
    SurfaceRole role = SurfaceRole::Window;
    RECT bounds{};  // where USER was last told the window is
    bool visible = false;
    bool minimized = false;
    bool unmappedByHost = false;  // iconified by a window manager that unmaps icons
  };

  // The window that keeps the keyboard focus while a popup is shown, and until when the host
  // may still report it lost on the popup's account (SDL applies focus changes late).
  struct FocusKeeper {
    SDL_Window* window = nullptr;
    Uint64 until = 0;
  };
  static constexpr Uint64 kFocusReturnMs = 500;

  HostWindow* Find(SurfaceId id);
  SDL_Window* FocusHolder();
  std::optional<SurfaceId> SurfaceOf(Uint32 windowId) const;
  POINT ToScreen(Uint32 windowId, int x, int y);
  void WatchHostConnection(SDL_Window* window);
  void Translate(const SDL_Event& event, InputSink& sink);
  void TranslateWindowEvent(const SDL_WindowEvent& event, InputSink& sink);
  // What the window manager did to a window, or nothing when it only echoes our own request.
  std::optional<InputEvent> WindowManagerEvent(const SDL_WindowEvent& event);
  void TranslateText(const char* utf8, InputSink& sink);
  static UINT VirtualKeyOf(const SDL_Keysym& key);

  bool open_ = false;
  std::atomic<int> hostConnection_ = -1;  // the X connection's socket, once a window told it
  int wakeFd_ = -1;
  Uint32 wakeEvent_ = 0;  // the wake-up where the host connection is unknown
  std::thread::id displayThread_;
  std::map<SurfaceId, HostWindow> windows_;
  std::vector<SurfaceId> stacking_;  // the last order applied, topmost first
  std::map<CursorShape, SDL_Cursor*> cursors_;
  FocusKeeper focusKeeper_;
};
