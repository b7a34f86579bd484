// A backend without host windows: a virtual screen kept in memory. Input arrives only by
// injection (winport.h), so the backend itself never produces events; waiting ends on Wake().
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "DisplayBackend.h"

class HeadlessBackend : public DisplayBackend {
 public:
  static constexpr SIZE kScreenSize{1024, 768};

  const char* Name() const override { return "headless"; }
  SIZE ScreenSize() const override { return kScreenSize; }
  bool ComposesScreen() const override { return true; }

  void CreateSurface(SurfaceId, const RECT&, SurfaceRole) override {}
  void DestroySurface(SurfaceId) override {}
  void ShowSurface(SurfaceId, bool) override {}
  void MoveSurface(SurfaceId, const RECT&) override {}
  void RestackSurfaces(const std::vector<SurfaceId>&) override {}
  // The screen shows titles and minimised windows as USER draws and places them.
  void SetSurfaceTitle(SurfaceId, const std::string&) override {}
  void SetSurfaceIcon(SurfaceId, const PixelSurface&) override {}
  void SetSurfaceMinimized(SurfaceId, bool) override {}
  // The screen is composed from the surfaces themselves; presenting only counts.
  void Present(SurfaceId, const PixelSurface&, const RECT&) override { ++presented_; }
  unsigned Presented() const { return presented_; }
  void SetCursor(CursorShape shape) override { cursor_ = shape; }
  CursorShape Cursor() const { return cursor_; }

  void PollEvents(InputSink&) override {}
  void WaitEvents(int timeoutMs) override;
  void Wake() override;

 private:
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wakePending_ = false;
  std::atomic<unsigned> presented_ = 0;
  CursorShape cursor_ = CursorShape::Arrow;
};
