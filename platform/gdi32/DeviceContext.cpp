#include "DeviceContext.h"

#include "GdiBitmap.h"
#include "GdiHandleTable.h"
#include "GdiPalette.h"
#include "StockObjects.h"

void RetainGdiObject(HGDIOBJ object) {
  if (GdiObject* o = GdiHandleTable::Instance().Find(object)) o->AddSelection();
}

void ReleaseGdiObject(HGDIOBJ object) {
  GdiHandleTable& table = GdiHandleTable::Instance();
  GdiObject* o = table.Find(object);
  if (!o) return;
  o->RemoveSelection();
  if (o->DeletePending() && o->SelectionCount() <= 0) table.Remove(object);
}

DeviceContext* DeviceContext::FromHandle(HDC handle) {
  auto* dc = GdiHandleTable::Instance().Get<DeviceContext>(handle);
  if (!dc) SetLastError(ERROR_INVALID_HANDLE);
  return dc;
}

HDC DeviceContext::CreateOnSurface(std::shared_ptr<PixelSurface> surface, POINT origin, std::optional<Region> visible) {
  auto owned = std::make_unique<DeviceContext>(Kind::Surface);
  DeviceContext* dc = owned.get();
  dc->BindSurface(std::move(surface), origin, std::move(visible));
  HDC handle = static_cast<HDC>(GdiHandleTable::Instance().Add(std::move(owned)));
  dc->SetHandle(handle);
  dc->SelectDefaults();
  return handle;
}

DeviceContext::DeviceContext(Kind kind) : GdiObject(kind == Kind::Memory ? OBJ_MEMDC : OBJ_DC), kind_(kind) {}

DeviceContext::~DeviceContext() {
  for (const DcState& state : saved_) Release(state);
  Release(state_);
  if (bitmap_) {
    if (GdiBitmap* b = GdiHandleTable::Instance().Get<GdiBitmap>(bitmap_)) b->SetSelectedInto(nullptr);
    ReleaseGdiObject(bitmap_);
  }
}

void DeviceContext::SelectDefaults() {
  state_.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  state_.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  state_.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  state_.palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
  Retain(state_);
  if (kind_ == Kind::Memory) {
    Select(StockBitmap());
  }
}

void DeviceContext::Retain(const DcState& state) {
  RetainGdiObject(state.pen);
  RetainGdiObject(state.brush);
  RetainGdiObject(state.font);
  RetainGdiObject(state.palette);
}

void DeviceContext::Release(const DcState& state) {
  ReleaseGdiObject(state.pen);
  ReleaseGdiObject(state.brush);
  ReleaseGdiObject(state.font);
  ReleaseGdiObject(state.palette);
}

HGDIOBJ& DeviceContext::SlotFor(DWORD type) {
  switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
      return reinterpret_cast<HGDIOBJ&>(state_.pen);
    case OBJ_BRUSH:
      return reinterpret_cast<HGDIOBJ&>(state_.brush);
    case OBJ_FONT:
      return reinterpret_cast<HGDIOBJ&>(state_.font);
    default:
      return reinterpret_cast<HGDIOBJ&>(state_.palette);
  }
}

HGDIOBJ DeviceContext::Select(HGDIOBJ object) {
  GdiObject* o = GdiHandleTable::Instance().Find(object);
  if (!o) return nullptr;
  switch (o->Type()) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
    case OBJ_BRUSH:
    case OBJ_FONT:
    case OBJ_PAL: {
      HGDIOBJ& slot = SlotFor(o->Type());
      HGDIOBJ previous = slot;
      if (previous == object) return previous;
      RetainGdiObject(object);
      slot = object;
      ReleaseGdiObject(previous);
      return previous;
    }
    case OBJ_BITMAP: {
      auto* bitmap = static_cast<GdiBitmap*>(o);
      if (kind_ != Kind::Memory) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
      }
      if (bitmap_ == object) return object;
      if (bitmap->SelectedInto() && !bitmap->IsStock()) {
        SetLastError(ERROR_INVALID_PARAMETER);  // already selected into another DC
        return nullptr;
      }
      HBITMAP previous = bitmap_;
      if (!bitmap->IsStock()) bitmap->SetSelectedInto(handle_);
      RetainGdiObject(object);
      bitmap_ = static_cast<HBITMAP>(object);
      surface_ = bitmap->Surface();
      drawable_.reset();
      if (previous) {
        if (GdiBitmap* old = GdiHandleTable::Instance().Get<GdiBitmap>(previous)) {
          if (!old->IsStock()) old->SetSelectedInto(nullptr);
        }
        ReleaseGdiObject(previous);
      }
      return previous;
    }
    case OBJ_REGION:
      // Selecting a region is SelectClipRgn; the result is the region type, not an object.
      return nullptr;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

void DeviceContext::BindSurface(std::shared_ptr<PixelSurface> surface, POINT origin, std::optional<Region> visible) {
  surface_ = std::move(surface);
  origin_ = origin;
  visible_ = std::move(visible);
  drawable_.reset();
}

Region DeviceContext::VisibleArea() const {
  Region area = Region::FromRect(surface_->Bounds());
  area.Offset(-origin_.x, -origin_.y);
  return visible_ ? Region::Combine(area, *visible_, RGN_AND) : area;
}

namespace {

// Coordinates are 32-bit and wrap like the platform's own arithmetic instead of overflowing.
LONG Shift(LONG value, LONG minus, LONG plus) {
  return static_cast<LONG>(static_cast<uint32_t>(value) - static_cast<uint32_t>(minus) + static_cast<uint32_t>(plus));
}

}  // namespace

POINT DeviceContext::ToDevice(int x, int y) const {
  return POINT{Shift(x, state_.windowOrigin.x, state_.viewportOrigin.x), Shift(y, state_.windowOrigin.y, state_.viewportOrigin.y)};
}

POINT DeviceContext::ToLogical(int x, int y) const {
  return POINT{Shift(x, state_.viewportOrigin.x, state_.windowOrigin.x), Shift(y, state_.viewportOrigin.y, state_.windowOrigin.y)};
}

const Region& DeviceContext::Drawable() {
  if (!drawable_) {
    Region area = VisibleArea();
    if (state_.clip) area = Region::Combine(area, *state_.clip, RGN_AND);
    area.Offset(origin_.x, origin_.y);
    drawable_ = std::move(area);
  }
  return *drawable_;
}

const Region& DeviceContext::DrawingArea() {
  if (drawnHook_) drawnHook_();
  return Drawable();
}

void DeviceContext::SetClip(std::optional<Region> clip) {
  state_.clip = std::move(clip);
  drawable_.reset();
}

COLORREF DeviceContext::ResolveColor(COLORREF color) const {
  switch (color >> 24) {
    case 0x01: {
      const auto* palette = GdiHandleTable::Instance().Get<GdiPalette>(state_.palette);
      if (!palette || palette->Entries().empty()) return RGB(0, 0, 0);
      size_t index = color & 0xFFFF;
      if (index >= palette->Entries().size()) index = 0;
      const PALETTEENTRY& e = palette->Entries()[index];
      return RGB(e.peRed, e.peGreen, e.peBlue);
    }
    default:
      return color & 0x00FFFFFF;
  }
}

uint32_t DeviceContext::PixelFromColor(COLORREF color) const {
  const PixelSurface& surface = *surface_;
  if ((color & 0xFFFF0000) == 0x10FF0000 && surface.IsIndexed()) {  // DIBINDEX
    return (color & 0xFFFF) & surface.PixelMask();
  }
  const COLORREF rgb = ResolveColor(color);
  if (!surface.IsMonochromeDdb()) return surface.PixelFromColor(rgb);
  if (rgb == RGB(0, 0, 0)) return 0;
  if (rgb == RGB(255, 255, 255)) return 1;
  const uint32_t backgroundBit = surface.PixelFromColor(ResolveColor(state_.backgroundColor));
  return rgb == ResolveColor(state_.backgroundColor) ? backgroundBit : backgroundBit ^ 1;
}

int DeviceContext::Save() {
  saved_.push_back(state_);
  Retain(state_);
  return static_cast<int>(saved_.size());
}

bool DeviceContext::Restore(int level) {
  const int depth = static_cast<int>(saved_.size());
  if (level < 0) level = depth + level + 1;
  if (level <= 0 || level > depth) return false;
  DcState restored = saved_[level - 1];
  Retain(restored);
  for (int i = depth - 1; i >= level - 1; --i) Release(saved_[i]);
  saved_.resize(level - 1);
  Release(state_);
  state_ = std::move(restored);
  drawable_.reset();
  return true;
}
