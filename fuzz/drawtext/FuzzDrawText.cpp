// DrawTextEx, ExtTextOut and TabbedTextOut with arbitrary text, flags, font and rectangle on a
// small DC. Input: a 12-byte header, then the text.
//   0-3  DrawText format (little endian)     4  font: face (low 2 bits), bold, italic,
//   5    rectangle width  6 rectangle height      underline, strikeout, 90/45 degrees
//   7    character extra (signed)  8 tab length  9-10 margins (signed)  11 count mode
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kHeader = 12;
constexpr const char* kFaces[] = {"MS Sans Serif", "Arial", "Courier New", "System"};

struct Canvas {
  HDC dc = nullptr;
  Canvas() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 48;
    info.bmiHeader.biHeight = -32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  }
};

HFONT MakeFont(uint8_t selector) {
  LOGFONTA lf{};
  lf.lfHeight = (selector & 0x80) ? 16 : -11;
  lf.lfWeight = (selector & 0x04) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (selector >> 3) & 1;
  lf.lfUnderline = (selector >> 4) & 1;
  lf.lfStrikeOut = (selector >> 5) & 1;
  lf.lfEscapement = (selector & 0x40) ? ((selector & 0x80) ? 900 : 450) : 0;
  std::strcpy(lf.lfFaceName, kFaces[selector & 3]);
  return CreateFontIndirectA(&lf);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Canvas canvas;
  if (size < kHeader) return 0;
  UINT format = 0;
  std::memcpy(&format, data, sizeof format);
  const size_t length = size - kHeader;
  // Room for DT_MODIFYSTRING: the text, four more characters and a terminating zero.
  std::vector<char> text(length + 5, '\0');
  std::memcpy(text.data(), data + kHeader, length);
  const int count = data[11] % 3 == 0 ? -1 : static_cast<int>(length) - (data[11] % 3 == 2 ? 1 : 0);

  HFONT font = MakeFont(data[4]);
  HGDIOBJ previous = SelectObject(canvas.dc, font);
  SetTextCharacterExtra(canvas.dc, static_cast<int8_t>(data[7]));
  SetBkMode(canvas.dc, (data[4] & 1) ? TRANSPARENT : OPAQUE);

  RECT rect{2, 1, 2 + data[5] % 64, 1 + data[6] % 48};
  DRAWTEXTPARAMS params{sizeof params, data[8] % 16, static_cast<int8_t>(data[9]), static_cast<int8_t>(data[10]), 0};
  DrawTextExA(canvas.dc, text.data(), count, &rect, format, (format & 1u << 31) ? nullptr : &params);

  const UINT textLength = static_cast<UINT>(std::strlen(text.data()));
  RECT clip{0, 0, data[5] % 48, data[6] % 32};
  ExtTextOutA(canvas.dc, rect.left, rect.top, ETO_OPAQUE | ETO_CLIPPED, &clip, text.data(), textLength, nullptr);
  const INT stops[2] = {static_cast<int8_t>(data[9]), static_cast<int8_t>(data[10])};
  TabbedTextOutA(canvas.dc, 0, 0, text.data(), static_cast<int>(textLength), data[8] % 3, stops, data[7] % 5);

  SetTextCharacterExtra(canvas.dc, 0);
  SelectObject(canvas.dc, previous);
  DeleteObject(font);
  return 0;
}
