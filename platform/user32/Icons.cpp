#include "Icons.h"

#include <map>
#include <mutex>
#include <vector>

namespace {

constexpr int kIconSide = 32;
constexpr WORD kFirstSystemIcon = 32512;  // IDI_APPLICATION
constexpr WORD kLastSystemIcon = 32517;   // IDI_WINLOGO

// Created icons' handles count up from here, apart from cursors and GDI objects.
constexpr uintptr_t kFirstCreatedHandle = 0x30000;

struct IconTable {
  std::mutex mutex;
  std::map<HICON, std::shared_ptr<const PixelSurface>> icons;
  uintptr_t nextHandle = kFirstCreatedHandle;
};

IconTable& Table() {
  static IconTable table;
  return table;
}

std::shared_ptr<PixelSurface> NewIconSurface(int width, int height) {
  return PixelSurface::Create(width, height, PixelSurface::Format{});
}

// The classic application icon: a white window with a navy title bar and a black frame.
std::shared_ptr<const PixelSurface> ApplicationIcon() {
  std::shared_ptr<PixelSurface> icon = NewIconSurface(kIconSide, kIconSide);
  for (int y = 3; y < 29; ++y) {
    for (int x = 1; x < 31; ++x) {
      const bool frame = y == 3 || y == 28 || x == 1 || x == 30;
      const bool title = y >= 4 && y < 9;
      icon->WritePixel(x, y, frame ? 0xFF000000 : title ? 0xFF000080 : 0xFFFFFFFF);
    }
  }
  return icon;
}

// 32-bit top-down pixels of a bitmap; empty when it cannot be read.
std::vector<uint32_t> PixelsOfBitmap(HDC dc, HBITMAP bitmap, BITMAPINFO& info) {
  BITMAP described{};
  if (!bitmap || !GetObjectA(bitmap, sizeof described, &described) || described.bmWidth <= 0 ||
      described.bmHeight <= 0 || described.bmWidth > 256 || described.bmHeight > 256) {
    return {};
  }
  info = BITMAPINFO{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = described.bmWidth;
  info.bmiHeader.biHeight = -described.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(described.bmWidth) * described.bmHeight);
  if (GetDIBits(dc, bitmap, 0, described.bmHeight, pixels.data(), &info, DIB_RGB_COLORS) != described.bmHeight) {
    return {};
  }
  return pixels;
}

}  // namespace

HICON Icons::System(LPCSTR name) {
  if (!IS_INTRESOURCE(name)) return nullptr;
  const auto ordinal = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  if (ordinal < kFirstSystemIcon || ordinal > kLastSystemIcon) return nullptr;
  // Every system icon looks like the application icon here; each keeps its own handle.
  const auto handle = reinterpret_cast<HICON>(static_cast<uintptr_t>(ordinal));
  IconTable& table = Table();
  std::lock_guard lock(table.mutex);
  std::shared_ptr<const PixelSurface>& pixels = table.icons[handle];
  if (!pixels) pixels = ApplicationIcon();
  return handle;
}

HICON Icons::Create(const ICONINFO& info) {
  HDC screen = GetDC(nullptr);
  BITMAPINFO colourInfo{}, maskInfo{};
  const std::vector<uint32_t> colour = PixelsOfBitmap(screen, info.hbmColor, colourInfo);
  const std::vector<uint32_t> mask = PixelsOfBitmap(screen, info.hbmMask, maskInfo);
  ReleaseDC(nullptr, screen);
  const int width = colourInfo.bmiHeader.biWidth;
  const int height = -colourInfo.bmiHeader.biHeight;
  if (colour.empty() || mask.empty() || maskInfo.bmiHeader.biWidth != width || -maskInfo.bmiHeader.biHeight != height) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::shared_ptr<PixelSurface> pixels = NewIconSurface(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t at = static_cast<size_t>(y) * width + x;
      const bool transparent = (mask[at] & 0xFFFFFF) != 0;
      pixels->WritePixel(x, y, transparent ? 0 : (colour[at] & 0xFFFFFF) | 0xFF000000);
    }
  }
  IconTable& table = Table();
  std::lock_guard lock(table.mutex);
  const auto handle = reinterpret_cast<HICON>(table.nextHandle);
  table.nextHandle += 4;
  table.icons[handle] = std::move(pixels);
  return handle;
}

bool Icons::Destroy(HICON icon) {
  if (reinterpret_cast<uintptr_t>(icon) < kFirstCreatedHandle) return false;
  IconTable& table = Table();
  std::lock_guard lock(table.mutex);
  return table.icons.erase(icon) == 1;
}

std::shared_ptr<const PixelSurface> Icons::PixelsOf(HICON icon) {
  IconTable& table = Table();
  std::lock_guard lock(table.mutex);
  const auto found = table.icons.find(icon);
  return found == table.icons.end() ? nullptr : found->second;
}
