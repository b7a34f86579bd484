#include "TButtonGlyph.h"

#include "TBitmap.h"
#include "TCanvas.h"

using enum TBitBtnKind;
using enum TBrushStyle;
using enum TButtonLayout;
using enum TButtonState;
using enum TPixelFormat;

TAWO_IMPLEMENT_CLASS(TButtonGlyph)

namespace {

constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// One axis of the layout: the glyph's and the text's start along it.
struct TAxisPlacement {
  int Glyph = 0;
  int Text = 0;
};

TAxisPlacement PlaceAlong(int room, int glyph, int text, bool glyphFirst, int margin, int spacing) {
  if (margin == -1 && spacing == -1) {
    margin = spacing = (room - (glyph + text)) / 3;
  } else if (margin == -1) {
    margin = (room - (glyph + spacing + text) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (room - margin - glyph - text) / 2;
  }
  TAxisPlacement placement;
  if (glyphFirst) {
    placement.Glyph = margin;
    placement.Text = margin + glyph + spacing;
  } else {
    placement.Glyph = room - margin - glyph;
    placement.Text = placement.Glyph - spacing - text;
  }
  return placement;
}

// Visits the pixels of a 24-bit bitmap row by row: x, y and the pixel's blue, green, red bytes.
template <class F>
void ForEachPixel(TBitmap& image, F visit) {
  for (int y = 0; y < image.Height(); ++y) {
    auto* row = static_cast<uint8_t*>(image.ScanLine(y));
    for (int x = 0; x < image.Width(); ++x) visit(x, y, row + 3 * x);
  }
}

void PutColor(uint8_t* pixel, COLORREF color) {
  pixel[0] = GetBValue(color);
  pixel[1] = GetGValue(color);
  pixel[2] = GetRValue(color);
}

// ---------------------------------------------------------------------------------------------
// The built-in pictures, one character per pixel: '.' is the transparent olive background.

constexpr int kArtSize = 18;
using TGlyphArt = const char* const[kArtSize];

TColor ArtColor(char code) {
  switch (code) {
    case 'g': return clGreen;
    case 'G': return 0x004000;
    case 'r': return clRed;
    case 'm': return clMaroon;
    case 't': return clTeal;
    case 'k': return clBlack;
    case 'y': return clYellow;
    case 'S': return clSilver;
    default: return clOlive;
  }
}

constexpr TGlyphArt kOkArt = {
    "..................",
    "..................",
    "..................",
    "..............G...",
    ".............Ggg..",
    "............Gggg..",
    "...........Gggg...",
    "..G.......Gggg....",
    ".Ggg.....Gggg.....",
    ".Gggg...Gggg......",
    "..Gggg.Gggg.......",
    "...GgggGggg.......",
    "....Gggggg........",
    ".....Gggg.........",
    "......Gg..........",
    ".......G..........",
    "..................",
    "..................",
};
constexpr TGlyphArt kXArt = {
    "..................",
    "..................",
    "..................",
    "...rm.......rm....",
    "...rrm.....rrm....",
    "....rrm...rrm.....",
    ".....rrm.rrm......",
    "......rrmrm.......",
    ".......rrm........",
    "......rrmrm.......",
    ".....rrm.rrm......",
    "....rrm...rrm.....",
    "...rrm.....rrm....",
    "...rm.......rm....",
    "..................",
    "..................",
    "..................",
    "..................",
};
constexpr TGlyphArt kHelpArt = {
    "..................",
    "..................",
    "......tttttt......",
    ".....tttttttt.....",
    "....ttt....ttt....",
    "....ttt....ttt....",
    "...........ttt....",
    "..........ttt.....",
    ".........ttt......",
    "........ttt.......",
    "........ttt.......",
    "........ttt.......",
    "..................",
    "........ttt.......",
    "........ttt.......",
    "..................",
    "..................",
    "..................",
};
constexpr TGlyphArt kNoArt = {
    "..................",
    "........rr........",
    ".....rrrrrrrr.....",
    "....rrrrrrrrrr....",
    "...rrr......rrr...",
    "..rrrrr......rrr..",
    "..rr.rrr......rr..",
    "..rr..rrr.....rr..",
    ".rrr...rrr....rrr.",
    ".rrr....rrr...rrr.",
    "..rr.....rrr..rr..",
    "..rr......rrr.rr..",
    "..rrr......rrrrr..",
    "...rrr......rrr...",
    "....rrrrrrrrrr....",
    ".....rrrrrrrr.....",
    "........rr........",
    "..................",
};
constexpr TGlyphArt kCloseArt = {
    "..................",
    "..................",
    "...kkkkkkkkkk.....",
    "...k.......kk.....",
    "...k......ySk.....",
    "...k.....yySk.....",
    "...k.....yySk.....",
    "...k.....yySk.....",
    "...k.....yySk.....",
    "...k.....kySk.....",
    "...k.....yySk.....",
    "...k.....yySk.....",
    "...k.....yySk.....",
    "...k......ySk.....",
    "...k.......kk.....",
    "...kkkkkkkkkk.....",
    "..................",
    "..................",
};
constexpr TGlyphArt kRetryArt = {
    "..........g.......",
    "..........gg......",
    "........ggggg.....",
    ".....ggggggggg....",
    "....ggggggggg.....",
    "...gggg...gg......",
    "...ggg....g.......",
    "...gg.............",
    "..ggg.............",
    "..ggg.............",
    "...gg........gg...",
    "...ggg......ggg...",
    "...gggg....gggg...",
    "....gggggggggg....",
    ".....gggggggg.....",
    "........gg........",
    "..................",
    "..................",
};
constexpr TGlyphArt kIgnoreArt = {
    "..................",
    "..................",
    ".........kk.......",
    "........kkkk......",
    "........kkkk......",
    ".........kk.......",
    "........kkk.......",
    ".......kkkkk......",
    "......kk.kk.k.....",
    ".....kk..kk..k....",
    ".........kk.......",
    "........kkk.......",
    ".......kk.kk......",
    "......kk...kk.....",
    ".....kk.....kk....",
    "....kk.......k....",
    "..................",
    "..................",
};
constexpr TGlyphArt kAllArt = {
    "..................",
    "..................",
    "..................",
    "..........G....G..",
    ".........Gg...Gg..",
    "........Ggg..Ggg..",
    ".......Ggg..Ggg...",
    ".G....Ggg..Ggg....",
    "Ggg..Ggg..Ggg.....",
    "Gggg.Ggg.Ggg......",
    ".GgggGgg.Ggg......",
    "..Gggggg.gg.......",
    "...Gggg..g........",
    "....Gg............",
    ".....G............",
    "..................",
    "..................",
    "..................",
};

const char* const* KindArt(TBitBtnKind kind) {
  switch (kind) {
    case bkOK:
    case bkYes: return kOkArt;
    case bkCancel:
    case bkAbort: return kXArt;
    case bkHelp: return kHelpArt;
    case bkNo: return kNoArt;
    case bkClose: return kCloseArt;
    case bkRetry: return kRetryArt;
    case bkIgnore: return kIgnoreArt;
    case bkAll: return kAllArt;
    default: return nullptr;
  }
}

}  // namespace

TButtonGlyph::TButtonGlyph() : FGlyph(std::make_unique<TBitmap>()) {
  FGlyph->OnChange = TNotifyEvent(this, &TButtonGlyph::GlyphChanged);
}

TButtonGlyph::~TButtonGlyph() = default;

void TButtonGlyph::GlyphChanged(TObject*) { OnChange(this); }

void TButtonGlyph::SetGlyph(TBitmap* glyph) { FGlyph->Assign(glyph); }

void TButtonGlyph::SetNumGlyphs(TNumGlyphs count) {
  if (count < 1 || count > 4 || count == FNumGlyphs) return;
  FNumGlyphs = count;
  OnChange(this);
}

SIZE TButtonGlyph::ImageSize() const {
  if (FGlyph->Empty()) return SIZE{0, 0};
  return SIZE{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

TButtonLayoutResult TButtonGlyph::CalcButtonLayout(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout,
                                                   int margin, int spacing) {
  if (glyph.cx == 0 || glyph.cy == 0 || text.cx == 0) spacing = 0;
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;
  const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
  TButtonLayoutResult result;
  POINT textPos{0, 0};
  if (across) {
    const TAxisPlacement x = PlaceAlong(client.cx, glyph.cx, text.cx, glyphFirst, margin, spacing);
    result.GlyphPos = POINT{x.Glyph, (client.cy - glyph.cy + 1) / 2};
    textPos = POINT{x.Text, (client.cy - text.cy + 1) / 2};
  } else {
    const TAxisPlacement y = PlaceAlong(client.cy, glyph.cy, text.cy, glyphFirst, margin, spacing);
    result.GlyphPos = POINT{(client.cx - glyph.cx + 1) / 2, y.Glyph};
    textPos = POINT{(client.cx - text.cx + 1) / 2, y.Text};
  }
  result.TextBounds = RECT{textPos.x, textPos.y, textPos.x + text.cx, textPos.y + text.cy};
  return result;
}

std::unique_ptr<TBitmap> TButtonGlyph::CreateDisabled(TBitmap* image) {
  auto source = std::make_unique<TBitmap>();
  source->Assign(image);
  source->SetPixelFormat(pf24bit);
  const auto key = static_cast<COLORREF>(ColorToRGB(image->TransparentColor())) & 0xFFFFFF;
  auto result = std::make_unique<TBitmap>();
  result->SetPixelFormat(pf24bit);
  result->SetSize(source->Width(), source->Height());
  ForEachPixel(*result, [&](int, int, uint8_t* pixel) { PutColor(pixel, key); });
  auto opaque = [&](int x, int y) {
    if (x < 0 || y < 0) return false;
    const auto* pixel = static_cast<uint8_t*>(source->ScanLine(y)) + 3 * x;
    return RGB(pixel[2], pixel[1], pixel[0]) != key;
  };
  const auto highlight = static_cast<COLORREF>(ColorToRGB(clBtnHighlight));
  const auto shadow = static_cast<COLORREF>(ColorToRGB(clBtnShadow));
  ForEachPixel(*result, [&](int x, int y, uint8_t* pixel) {
    if (opaque(x, y)) PutColor(pixel, shadow);
    else if (opaque(x - 1, y - 1)) PutColor(pixel, highlight);
  });
  result->SetTransparentColor(static_cast<TColor>(key));
  return result;
}

std::unique_ptr<TBitmap> TButtonGlyph::StateImage(TButtonState state) const {
  const SIZE size = ImageSize();
  int index = 0;
  if (state == bsDisabled && FNumGlyphs > 1) index = 1;
  else if (state == bsDown && FNumGlyphs > 2) index = 2;
  else if (state == bsExclusive && FNumGlyphs > 3) index = 3;
  auto image = std::make_unique<TBitmap>();
  image->SetPixelFormat(pf24bit);
  image->SetSize(size.cx, size.cy);
  image->Canvas()->CopyRect(RECT{0, 0, size.cx, size.cy}, FGlyph->Canvas(),
                            RECT{index * size.cx, 0, (index + 1) * size.cx, size.cy});
  image->SetTransparentColor(FGlyph->TransparentColor());
  if (state == bsDisabled && FNumGlyphs == 1) image = CreateDisabled(image.get());
  image->SetTransparent(true);
  return image;
}

void TButtonGlyph::DrawCaption(TCanvas* canvas, RECT bounds, const AnsiString& caption, TButtonState state,
                               UINT biDiFlags) const {
  if (caption.empty()) return;
  const UINT format = kCaptionFormat | biDiFlags;
  canvas->Brush()->SetStyle(bsClear);
  const TColor textColor = canvas->Font()->Color();
  if (state == bsDisabled) {
    RECT shifted = bounds;
    OffsetRect(&shifted, 1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    DrawTextA(canvas->Handle(), caption.c_str(), -1, &shifted, format);
    canvas->Font()->SetColor(clBtnShadow);
  }
  DrawTextA(canvas->Handle(), caption.c_str(), -1, &bounds, format);
  canvas->Font()->SetColor(textColor);
}

RECT TButtonGlyph::Draw(TCanvas* canvas, const RECT& client, POINT offset, const AnsiString& caption,
                        TButtonLayout layout, int margin, int spacing, TButtonState state, UINT biDiFlags) {
  SIZE text{0, 0};
  if (!caption.empty()) {
    RECT measure{0, 0, client.right - client.left, 0};
    DrawTextA(canvas->Handle(), caption.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE);
    text = SIZE{measure.right - measure.left, measure.bottom - measure.top};
  }
  const SIZE glyph = ImageSize();
  TButtonLayoutResult placed = CalcButtonLayout(
      SIZE{client.right - client.left, client.bottom - client.top}, glyph, text, layout, margin, spacing);
  const int dx = client.left + offset.x;
  const int dy = client.top + offset.y;
  if (glyph.cx > 0 && glyph.cy > 0) {
    std::unique_ptr<TBitmap> image = StateImage(state);
    canvas->Draw(placed.GlyphPos.x + dx, placed.GlyphPos.y + dy, image.get());
  }
  OffsetRect(&placed.TextBounds, dx, dy);
  DrawCaption(canvas, placed.TextBounds, caption, state, biDiFlags);
  return placed.TextBounds;
}

std::unique_ptr<TBitmap> TButtonGlyph::KindGlyph(TBitBtnKind kind) {
  const char* const* art = KindArt(kind);
  if (art == nullptr) return nullptr;
  auto normal = std::make_unique<TBitmap>();
  normal->SetPixelFormat(pf24bit);
  normal->SetSize(kArtSize, kArtSize);
  ForEachPixel(*normal, [&](int x, int y, uint8_t* pixel) { PutColor(pixel, static_cast<COLORREF>(ArtColor(art[y][x]))); });
  normal->SetTransparentColor(clOlive);
  std::unique_ptr<TBitmap> disabled = CreateDisabled(normal.get());
  auto strip = std::make_unique<TBitmap>();
  strip->SetPixelFormat(pf24bit);
  strip->SetSize(2 * kArtSize, kArtSize);
  strip->Canvas()->Draw(0, 0, normal.get());
  strip->Canvas()->Draw(kArtSize, 0, disabled.get());
  return strip;
}
