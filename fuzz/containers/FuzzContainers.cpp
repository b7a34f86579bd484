// A bitmap list or an image list read from a list record or from a binary form description
// (chosen by the first byte): reading must either succeed or raise one of the framework's
// exceptions, and a list that was read answers its queries and draws each of its images.
#include <LMDBitmapList.h>
#include <LMDImageList.h>
#include <TBitmap.h>
#include <TMemoryStream.h>

#include <cstdint>

namespace {

// Bigger images are read but not drawn, to keep each run short.
constexpr int64_t kMaxDrawnPixels = 1 << 20;

void Read(TLMDCustomImageList& list, TMemoryStream& stream, bool asForm) {
  if (asForm) {
    stream.ReadComponent(&list);
  } else {
    list.LoadFromStream(stream);
  }
}

void Exercise(TLMDCustomImageList& list) {
  TBitmap target;
  target.SetSize(16, 16);
  for (int i = 0; i < list.Count(); ++i) {
    if (int64_t{list.Dimensions(i, 0)} * list.Dimensions(i, 1) > kMaxDrawnPixels) continue;
    for (int image = 0; list.IsValidItem(i, image) && image < 4; ++image) {
      list.TransparentColor(i, image);
      list.Draw(target.Canvas(), 0, 0, i, image);
      list.DrawExt(target.Canvas(), RECT{0, 0, 16, 16}, 8 | 64, i, image);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  TMemoryStream stream;
  stream.WriteBuffer(data + 1, static_cast<int64_t>(size - 1));
  stream.SetPosition(0);
  const bool asForm = (data[0] & 1) != 0;
  TLMDBitmapList bitmaps(nullptr);
  TLMDImageList strips(nullptr);
  TLMDCustomImageList& list = (data[0] & 2) != 0 ? static_cast<TLMDCustomImageList&>(strips) : bitmaps;
  try {
    Read(list, stream, asForm);
  } catch (const Exception&) {
    return 0;
  }
  Exercise(list);
  return 0;
}
