// Bitmap descriptions and bits from untrusted bytes, through the one parser (DibInfo).
// Input starting with "BM" (which no BITMAPINFO header size begins with) is a BMP file read
// by the framework: it either gives a bitmap or raises EInvalidGraphic (EOutOfResources when
// valid but too large to hold), and a bitmap that was read is also drawn, converted, saved and
// read again. Other input is a usage byte and a BITMAPINFO with its bits: the description
// parser, decoding (including RLE), and the DIB entry points fed with what the parser accepted.
#include <windows.h>

#include <DibInfo.h>

#include "TBitmap.h"
#include "TCanvas.h"
#include "TMemoryStream.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

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

void ReadFile(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<int64_t>(size));
  stream.SetPosition(0);
  TBitmap bitmap;
  try {
    bitmap.LoadFromStream(stream);
  } catch (const EInvalidGraphic&) {
    return;
  } catch (const EOutOfResources&) {  // a valid image larger than the surface allows
    return;
  }
  Exercise(bitmap);
}

void ReadDib(const uint8_t* data, size_t size) {
  const UINT usage = data[0] & 1 ? DIB_PAL_COLORS : DIB_RGB_COLORS;
  std::vector<uint8_t> bytes(data + 1, data + size);  // aligned copy
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data());
  const std::optional<DibInfo> dib = DibInfo::Parse(info, bytes.size(), usage, {});
  if (!dib) return;
  const uint8_t* bits = bytes.data() + dib->HeaderBytes();
  const size_t bitsSize = bytes.size() - dib->HeaderBytes();
  dib->Decode(bits, bitsSize);

  // The APIs trust the caller for the size of the bits, as Win32 does: give them only bit
  // buffers that are as large as the description says.
  if (bitsSize < dib->DataSize() || dib->Width() > 512 || dib->Height() > 512) return;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP target = CreateBitmap(16, 16, 1, 32, nullptr);
  HGDIOBJ previous = SelectObject(dc, target);
  SetDIBits(dc, target, 0, static_cast<UINT>(dib->Height()), bits, info, usage);
  StretchDIBits(dc, 0, 0, 16, 16, 0, 0, dib->Width(), dib->Height(), bits, info, usage, SRCCOPY);
  if (!dib->IsCompressed()) {
    SetDIBitsToDevice(dc, 0, 0, 8, 8, 0, 0, 0, static_cast<UINT>(dib->Height()), bits, info, usage);
    void* sectionBits = nullptr;
    HBITMAP section = CreateDIBSection(dc, info, usage, &sectionBits, nullptr, 0);
    if (section) {
      std::memcpy(sectionBits, bits, dib->ImageSize());
      HDC sectionDc = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(sectionDc, section);
      BitBlt(dc, 0, 0, 16, 16, sectionDc, 0, 0, SRCCOPY);
      SelectObject(sectionDc, old);
      DeleteDC(sectionDc);
      DeleteObject(section);
    }
  }
  SelectObject(dc, previous);
  DeleteObject(target);
  DeleteDC(dc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  if (data[0] == 'B' && data[1] == 'M') {
    ReadFile(data, size);
  } else {
    ReadDib(data, size);
  }
  return 0;
}
