// Host windows through SDL2: every top-level window is one borderless SDL window showing its
// backing surface (USER draws the frame and caption itself). Only the changed rectangle of a
// surface is copied and uploaded. Host mouse, wheel, key and text events become InputEvents in
// screen coordinates; a close request from the desktop becomes CloseRequest. Waiting sleeps in
// SDL_WaitEventTimeout, and Wake() pushes an SDL user event, so an idle program uses no CPU.
#pragma once

#include "DisplayBackend.h"

#include <SDL.h>

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

  void CreateSurface(SurfaceId id, const RECT& bounds) override;
  void DestroySurface(SurfaceId id) override;
  void ShowSurface(SurfaceId id, bool visible) override;
  void MoveSurface(SurfaceId id, const RECT& bounds) override;
  void RestackSurfaces(const std::vector<SurfaceId>& topToBottom) override;
  void Present(SurfaceId id, const PixelSurface& pixels, const RECT& changed) override;
  void SetCursor(CursorShape shape) override;

  void PollEvents(InputSink& sink) override;
  void WaitEvents(int timeoutMs) override;
  void Wake() override;

 private:
  struct HostWindow {
    SDL_Window* window = nullptr;
    RECT bounds{};
    bool visible = false;
  };

  HostWindow* Find(SurfaceId id);
  std::optional<SurfaceId> SurfaceOf(Uint32 windowId) const;
  POINT ToScreen(Uint32 windowId, int x, int y) const;
  void Translate(const SDL_Event& event, InputSink& sink);
  void TranslateWindowEvent(const SDL_WindowEvent& event, InputSink& sink);
  void TranslateText(const char* utf8, InputSink& sink);
  static UINT VirtualKeyOf(const SDL_Keysym& key);

  bool open_ = false;
  Uint32 wakeEvent_ = 0;
  std::thread::id displayThread_;
  std::map<SurfaceId, HostWindow> windows_;
  std::vector<SurfaceId> stacking_;  // the last order applied, topmost first
  std::map<CursorShape, SDL_Cursor*> cursors_;
};
