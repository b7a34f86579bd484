// A device context: the drawing state (selected objects, colours, modes, origins, clip) bound
// to a pixel surface. Memory DCs draw on their selected bitmap; surface DCs (windows, the
// screen) draw on a shared surface at an origin, limited to a visible region.
#pragma once

#include "GdiObject.h"
#include "Path.h"
#include "PixelSurface.h"
#include "Region.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct DcState {
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  HPALETTE palette = nullptr;
  COLORREF backgroundColor = RGB(255, 255, 255);
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF dcBrushColor = RGB(255, 255, 255);
  COLORREF dcPenColor = RGB(0, 0, 0);
  int backgroundMode = OPAQUE;
  int rop2 = R2_COPYPEN;
  int stretchMode = BLACKONWHITE;
  int polyFillMode = ALTERNATE;
  int arcDirection = AD_COUNTERCLOCKWISE;
  UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
  int charExtra = 0;
  POINT windowOrigin{0, 0};
  POINT viewportOrigin{0, 0};
  POINT currentPosition{0, 0};
  POINT brushOrigin{0, 0};
  std::optional<Region> clip;  // device coordinates; none means the whole surface
};

class DeviceContext : public GdiObject {
 public:
  enum class Kind { Memory, Surface };

  explicit DeviceContext(Kind kind);
  ~DeviceContext() override;

  // The live DC behind a handle, or null with ERROR_INVALID_HANDLE.
  static DeviceContext* FromHandle(HDC handle);
  // Creates a DC drawing on `surface` (see BindSurface); the platform's window and screen DCs.
  static HDC CreateOnSurface(std::shared_ptr<PixelSurface> surface, POINT origin, std::optional<Region> visible);

  Kind GetKind() const { return kind_; }
  HDC Handle() const { return handle_; }
  void SetHandle(HDC handle) { handle_ = handle; }

  // Selects the stock defaults; called once the DC has its handle.
  void SelectDefaults();

  DcState& State() { return state_; }
  const DcState& State() const { return state_; }

  // --- Objects ---------------------------------------------------------------------------
  // Selects a pen, brush, font, palette or bitmap; returns the previous object of that kind,
  // or null (with an error) when the object cannot be selected here.
  HGDIOBJ Select(HGDIOBJ object);
  HBITMAP Bitmap() const { return bitmap_; }

  // --- Surface ---------------------------------------------------------------------------
  PixelSurface& Surface() const { return *surface_; }
  const std::shared_ptr<PixelSurface>& SharedSurface() const { return surface_; }
  // Binds a surface DC: device (0,0) is `origin` on the surface; drawing is limited to
  // `visible` (device coordinates) when given.
  void BindSurface(std::shared_ptr<PixelSurface> surface, POINT origin, std::optional<Region> visible);
  POINT SurfaceOrigin() const { return origin_; }
  // The area of the surface the DC may draw on, in device coordinates, before the clip region.
  Region VisibleArea() const;
  // Called whenever a primitive is about to draw through this DC: a window's DC tells its
  // window, which then reaches the screen even while the DC is held.
  void SetDrawnHook(std::function<void()> hook) { drawnHook_ = std::move(hook); }

  // --- Coordinates -------------------------------------------------------------------------
  POINT ToDevice(int x, int y) const;
  POINT ToLogical(int x, int y) const;

  // --- Clipping ------------------------------------------------------------------------------
  // What primitives may touch, in surface coordinates: surface ∩ visible ∩ clip.
  const Region& Drawable();
  // Drawable(), for a primitive that is about to draw there.
  const Region& DrawingArea();
  void SetClip(std::optional<Region> clip);

  // --- Colours -------------------------------------------------------------------------------
  // Resolves PALETTEINDEX and PALETTERGB forms to a plain RGB colour.
  COLORREF ResolveColor(COLORREF color) const;
  // The surface pixel value that a colour paints as, including the monochrome rule.
  uint32_t PixelFromColor(COLORREF color) const;

  // --- Path ---------------------------------------------------------------------------------
  // The path being recorded (after BeginPath) or waiting to be drawn (after EndPath), if any.
  std::optional<Path>& CurrentPath() { return path_; }

  // --- Save and restore ------------------------------------------------------------------------
  int Save();
  bool Restore(int level);

 private:
  void Retain(const DcState& state);
  void Release(const DcState& state);
  HGDIOBJ& SlotFor(DWORD type);

  Kind kind_;
  HDC handle_ = nullptr;
  DcState state_;
  std::vector<DcState> saved_;
  HBITMAP bitmap_ = nullptr;
  std::shared_ptr<PixelSurface> surface_;
  POINT origin_{0, 0};
  std::optional<Region> visible_;
  std::optional<Region> drawable_;  // cache of Drawable()
  std::optional<Path> path_;
  std::function<void()> drawnHook_;
};

// Selection bookkeeping shared with the object API: keeps an object alive while a DC (or a
// saved DC state) refers to it, and performs a deferred DeleteObject when the last one lets go.
void RetainGdiObject(HGDIOBJ object);
void ReleaseGdiObject(HGDIOBJ object);
