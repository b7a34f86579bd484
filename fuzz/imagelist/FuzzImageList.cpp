// An image list read from a binary form description (its strips arrive as the Bitmap
// property): reading must either succeed or raise one of the framework's exceptions, and a
// list that was read draws each of its images.
#include "ImgList.h"
#include "TBitmap.h"
#include "TMemoryStream.h"

#include <cstdint>

namespace {

// Bigger lists are read but not drawn, to keep each run short.
constexpr int64_t kMaxDrawnPixels = 1 << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<int64_t>(size));
  stream.SetPosition(0);
  TImageList list(nullptr);
  try {
    stream.ReadComponent(&list);
  } catch (const Exception&) {
    return 0;
  }
  if (static_cast<int64_t>(list.Width()) * list.Height() > kMaxDrawnPixels) return 0;
  TBitmap target;
  target.SetSize(list.Width(), list.Height());
  for (int i = 0; i < list.Count(); ++i) list.Draw(target.Canvas(), 0, 0, i);
  return 0;
}
