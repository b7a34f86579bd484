// DIB descriptions and bits from untrusted bytes: the description parser, decoding (including
// RLE), and the DIB entry points fed with what the parser accepted.
#include <windows.h>

#include <DibInfo.h>

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const UINT usage = data[0] & 1 ? DIB_PAL_COLORS : DIB_RGB_COLORS;
  std::vector<uint8_t> bytes(data + 1, data + size);  // aligned copy
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data());
  const std::optional<DibInfo> dib = DibInfo::Parse(info, bytes.size(), usage, {});
  if (!dib) return 0;
  const uint8_t* bits = bytes.data() + dib->HeaderBytes();
  const size_t bitsSize = bytes.size() - dib->HeaderBytes();
  dib->Decode(bits, bitsSize);

  // The APIs trust the caller for the size of the bits, as Win32 does: give them only bit
  // buffers that are as large as the description says.
  if (bitsSize < dib->DataSize() || dib->Width() > 512 || dib->Height() > 512) return 0;
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
  return 0;
}
