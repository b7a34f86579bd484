#include "LMDGlyphKinds.h"

#include <array>
#include <string_view>

namespace {

constexpr int32_t kCellWidth = 13;
constexpr int32_t kCellHeight = 14;
constexpr int32_t kCells = 8;

// The pictures, one cell after the other in the order of the kinds from gkEllipsis; '.' is the
// background, which the bottom-left pixel makes the glyph's transparent colour.
constexpr std::array<std::string_view, kCells * kCellHeight> kPictures = {
    // Ellipsis
    ".............",
    ".............",
    ".............",
    ".............",
    ".............",
    ".............",
    ".............",
    ".............",
    ".............",
    ".............",
    ".kk..kk..kk..",
    ".kk..kk..kk..",
    ".............",
    ".............",
    // File
    ".............",
    "..kkkkkkk....",
    "..kwwwwwkk...",
    "..kwwwwwkwk..",
    "..kwwwwwkkkk.",
    "..kwwwwwwwwk.",
    "..kwkkkkkwwk.",
    "..kwwwwwwwwk.",
    "..kwkkkkkkwk.",
    "..kwwwwwwwwk.",
    "..kwkkkkkkwk.",
    "..kwwwwwwwwk.",
    "..kkkkkkkkkk.",
    ".............",
    // Folder
    ".............",
    ".............",
    "..kkkk.......",
    ".kyyyyk......",
    ".kyyyyykkkkk.",
    ".kyyyyyyyyyk.",
    ".kywwwwwwwok.",
    ".kywyyyyyyok.",
    ".kywyyyyyyok.",
    ".kywyyyyyyok.",
    ".kyooooooook.",
    ".kkkkkkkkkkk.",
    ".............",
    ".............",
    // Calculator
    "..kkkkkkkkk..",
    "..ksssssssk..",
    "..ksbbbbbsk..",
    "..ksbbbbbsk..",
    "..ksssssssk..",
    "..ksksksksk..",
    "..ksssssssk..",
    "..ksksksksk..",
    "..ksssssssk..",
    "..ksksksksk..",
    "..ksssssssk..",
    "..ksksksrsk..",
    "..ksssssssk..",
    "..kkkkkkkkk..",
    // Calender
    ".............",
    ".kkkkkkkkkkk.",
    ".krrrrrrrrrk.",
    ".krrrrrrrrrk.",
    ".kkkkkkkkkkk.",
    ".kwwwwwwwwwk.",
    ".kwkwkwkwkwk.",
    ".kwwwwwwwwwk.",
    ".kwkwkwkwkwk.",
    ".kwwwwwwwwwk.",
    ".kwkwkwkwkwk.",
    ".kwwwwwwwwwk.",
    ".kkkkkkkkkkk.",
    ".............",
    // Search
    ".............",
    "...kkkk......",
    "..kwwwwk.....",
    ".kwwsswwk....",
    ".kwsswwwk....",
    ".kwswwwwk....",
    ".kwwwwwwk....",
    "..kwwwwk.....",
    "...kkkkkk....",
    "........kk...",
    ".........kk..",
    "..........kk.",
    "...........k.",
    ".............",
    // Color
    ".............",
    ".kkkkkkkkkkk.",
    ".krrrrkGGGGk.",
    ".krrrrkGGGGk.",
    ".krrrrkGGGGk.",
    ".krrrrkGGGGk.",
    ".kkkkkkkkkkk.",
    ".kBBBBkyyyyk.",
    ".kBBBBkyyyyk.",
    ".kBBBBkyyyyk.",
    ".kBBBBkyyyyk.",
    ".kkkkkkkkkkk.",
    ".............",
    ".............",
    // Font
    ".............",
    "......k......",
    ".....kkk.....",
    ".....kkk.....",
    "....kk.kk....",
    "....kk.kk....",
    "...kk...kk...",
    "...kkkkkkk...",
    "..kk.....kk..",
    "..kk.....kk..",
    ".kkkk...kkkk.",
    ".............",
    ".............",
    ".............",
};

TColor ColorOf(char code) {
  switch (code) {
    case 'k': return clBlack;
    case 'w': return clWhite;
    case 's': return clSilver;
    case 'y': return clYellow;
    case 'o': return clOlive;
    case 'b': return clNavy;
    case 'r': return clRed;
    case 'G': return clGreen;
    case 'B': return clBlue;
    default: return clFuchsia;
  }
}

void PaintStrip(TBitmap* strip) {
  strip->SetSize(kCells * kCellWidth, kCellHeight);
  TCanvas* canvas = strip->Canvas();
  for (int32_t cell = 0; cell < kCells; ++cell) {
    for (int32_t y = 0; y < kCellHeight; ++y) {
      const std::string_view row = kPictures[static_cast<size_t>(cell * kCellHeight + y)];
      for (int32_t x = 0; x < kCellWidth; ++x) canvas->SetPixel(cell * kCellWidth + x, y, ColorOf(row[x]));
    }
  }
}

}  // namespace

void LMDGetGlyphKind(TBitmap* bitmap, TLMDGlyphKind kind) {
  if (kind == TLMDGlyphKind::gkCustom) return;
  PaintStrip(bitmap);
  const int32_t left = (static_cast<int32_t>(kind) - 1) * kCellWidth;
  bitmap->Canvas()->CopyRect(RECT{0, 0, kCellWidth, kCellHeight}, bitmap->Canvas(),
                             RECT{left, 0, left + kCellWidth, kCellHeight});
  bitmap->SetWidth(kCellWidth);
}
