// BMP file images from untrusted bytes: the reader either gives a bitmap or raises
// EInvalidGraphic (EOutOfResources when valid but too large to hold). A bitmap that was read
// is also drawn, converted, saved and read again.
#include "TBitmap.h"
#include "TCanvas.h"
#include "TMemoryStream.h"

#include <cstdint>
#include <cstdlib>

using enum TPixelFormat;

namespace {

void Exercise(TBitmap& bitmap) {
  if (bitmap.Width() > 256 || bitmap.Height() > 256) return;
  TBitmap target;
  target.SetPixelFormat(pf24bit);
  target.SetSize(16, 16);
  bitmap.SetTransparent(true);
  target.Canvas()->Draw(0, 0, &bitmap);
  target.Canvas()->StretchDraw(RECT{0, 0, 16, 16}, &bitmap);

  TMemoryStream saved;
  bitmap.SaveToStream(saved);
  saved.SetPosition(0);
  TBitmap reread;
  reread.LoadFromStream(saved);  // what we wrote must read back
  if (reread.Width() != bitmap.Width() || reread.Height() != bitmap.Height()) std::abort();
  bitmap.SetPixelFormat(pf1bit);
  bitmap.SetPixelFormat(pf8bit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<int64_t>(size));
  stream.SetPosition(0);
  TBitmap bitmap;
  try {
    bitmap.LoadFromStream(stream);
  } catch (const EInvalidGraphic&) {
    return 0;
  } catch (const EOutOfResources&) {  // a valid image larger than the surface allows
    return 0;
  }
  Exercise(bitmap);
  return 0;
}
