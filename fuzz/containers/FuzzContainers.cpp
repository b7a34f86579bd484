// A bitmap list read from a list record (first byte even) or from a binary form description
// (odd): reading must either succeed or raise one of the framework's exceptions, and a list
// that was read answers its queries and draws each of its items.
#include <LMDBitmapList.h>
#include <TBitmap.h>
#include <TMemoryStream.h>

#include <cstdint>

namespace {

// Bigger bitmaps are read but not drawn, to keep each run short.
constexpr int64_t kMaxDrawnPixels = 1 << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  TMemoryStream stream;
  stream.WriteBuffer(data + 1, static_cast<int64_t>(size - 1));
  stream.SetPosition(0);
  TLMDBitmapList list(nullptr);
  try {
    if (data[0] % 2 == 0) {
      list.LoadFromStream(stream);
    } else {
      stream.ReadComponent(&list);
    }
  } catch (const Exception&) {
    return 0;
  }
  TBitmap target;
  target.SetSize(16, 16);
  for (int i = 0; i < list.Count(); ++i) {
    if (!list.IsValidItem(i, 0)) continue;
    if (int64_t{list.Dimensions(i, 0)} * list.Dimensions(i, 1) > kMaxDrawnPixels) continue;
    list.TransparentColor(i, 0);
    list.Draw(target.Canvas(), 0, 0, i, 0);
    list.DrawExt(target.Canvas(), RECT{0, 0, 16, 16}, 8 | 64, i, 0);
  }
  return 0;
}
