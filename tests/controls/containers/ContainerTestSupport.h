// Bitmaps and listeners shared by the container tests.
#pragma once

#include <LMDBitmapList.h>
#include <TBitmap.h>
#include <TypInfo.h>

#include <memory>
#include <vector>

// Records every notification it receives.
class ContainerListener : public TObject {
  TAWO_CLASS(ContainerListener, TObject)

 public:
  void Changed(TObject* sender) { senders.push_back(sender); }
  std::vector<TObject*> senders;
};

// A 24-bit bitmap whose pixel (x, y) is colour (x * 16 + seed, y * 16, seed).
inline std::unique_ptr<TBitmap> PatternBitmap(int width, int height, int seed) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(TPixelFormat::pf24bit);
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap->Canvas()->SetPixel(x, y, RGB((x * 16 + seed) & 0xFF, (y * 16) & 0xFF, seed));
  }
  return bitmap;
}

inline constexpr TColor kPaper = 0x00C0C0C0;

// A 24-bit drawing surface filled with kPaper.
inline std::unique_ptr<TBitmap> Surface(int width, int height) {
  auto surface = std::make_unique<TBitmap>();
  surface->SetPixelFormat(TPixelFormat::pf24bit);
  surface->SetSize(width, height);
  surface->Canvas()->Brush()->SetColor(kPaper);
  surface->Canvas()->FillRect(RECT{0, 0, width, height});
  return surface;
}

inline bool SamePixels(TBitmap* a, TBitmap* b) {
  if (a->Width() != b->Width() || a->Height() != b->Height()) return false;
  for (int y = 0; y < a->Height(); ++y) {
    for (int x = 0; x < a->Width(); ++x) {
      if (a->Canvas()->Pixel(x, y) != b->Canvas()->Pixel(x, y)) return false;
    }
  }
  return true;
}

inline TLMDBitmapListItem* AddBitmap(TLMDBitmapList& list, TBitmap* bitmap, const AnsiString& description = "",
                                     int32_t ident = 0) {
  auto* item = list.Item(list.Add());
  item->SetBitmap(bitmap);
  item->SetDescription(description);
  item->SetIdent(ident);
  return item;
}
