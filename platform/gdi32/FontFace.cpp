#include "FontFace.h"

#include "TextRules.h"

#include <cp1250.h>

#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

int RoundToInt(double value) { return static_cast<int>(std::floor(value + 0.5)); }

// A glyph image as one byte per pixel, placed relative to the origin (top = rows above the
// baseline), before it becomes runs.
struct InkImage {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> ink;

  uint8_t& At(int x, int y) { return ink[static_cast<size_t>(y) * width + x]; }
  uint8_t At(int x, int y) const { return ink[static_cast<size_t>(y) * width + x]; }
};

InkImage FromSlot(const FT_GlyphSlot slot) {
  const FT_Bitmap& bitmap = slot->bitmap;
  InkImage image;
  image.left = slot->bitmap_left;
  image.top = slot->bitmap_top;
  image.width = static_cast<int>(bitmap.width);
  image.height = static_cast<int>(bitmap.rows);
  image.ink.assign(static_cast<size_t>(image.width) * image.height, 0);
  const int pitch = std::abs(bitmap.pitch);
  for (int y = 0; y < image.height; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * pitch;
    for (int x = 0; x < image.width; ++x) {
      const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] >> (7 - (x & 7))) & 1) != 0
                                                              : row[x] >= 128;
      image.At(x, y) = on ? 1 : 0;
    }
  }
  return image;
}

// Synthetic bold of a bitmap: the glyph ORed with itself one pixel to the right.
InkImage Embolden(const InkImage& source) {
  InkImage out = source;
  out.width = source.width + 1;
  out.ink.assign(static_cast<size_t>(out.width) * out.height, 0);
  for (int y = 0; y < source.height; ++y) {
    for (int x = 0; x < source.width; ++x) {
      if (!source.At(x, y)) continue;
      out.At(x, y) = 1;
      out.At(x + 1, y) = 1;
    }
  }
  return out;
}

// Synthetic italic of a raster glyph: rows move right by one pixel every two rows, counted
// from the bottom row of the cell.
InkImage Shear(const InkImage& source, int descent) {
  auto shiftOf = [&](int row) { return std::max(0, descent - 1 - (row - source.top)) / 2; };
  InkImage out = source;
  out.width = source.width + (source.height > 0 ? shiftOf(0) : 0);
  out.ink.assign(static_cast<size_t>(out.width) * out.height, 0);
  for (int y = 0; y < source.height; ++y) {
    for (int x = 0; x < source.width; ++x) {
      if (source.At(x, y)) out.At(x + shiftOf(y), y) = 1;
    }
  }
  return out;
}

std::vector<GlyphRun> RunsOf(const InkImage& image) {
  std::vector<GlyphRun> runs;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width;) {
      if (!image.At(x, y)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < image.width && image.At(x, y)) ++x;
      runs.push_back(GlyphRun{y - image.top, image.left + start, image.left + x});
    }
  }
  return runs;
}

// Flattens FreeType outline segments into the sink, mapping 26.6 font units (y up) to device
// pixels (y down) around the origin.
struct Flattener {
  OutlineSink& sink;
  double originX;
  double originY;
  FT_Vector last{0, 0};
  bool open = false;

  double X(const FT_Vector& v) const { return originX + v.x / 64.0; }
  double Y(const FT_Vector& v) const { return originY - v.y / 64.0; }

  void Line(const FT_Vector& to) {
    sink.LineTo(X(to), Y(to));
    last = to;
  }
  void Curve(const FT_Vector& c1, const FT_Vector& c2, const FT_Vector& to, bool cubic) {
    constexpr int kSteps = 8;
    const double x0 = X(last), y0 = Y(last);
    for (int i = 1; i <= kSteps; ++i) {
      const double t = static_cast<double>(i) / kSteps, s = 1 - t;
      double x, y;
      if (cubic) {
        x = s * s * s * x0 + 3 * s * s * t * X(c1) + 3 * s * t * t * X(c2) + t * t * t * X(to);
        y = s * s * s * y0 + 3 * s * s * t * Y(c1) + 3 * s * t * t * Y(c2) + t * t * t * Y(to);
      } else {
        x = s * s * x0 + 2 * s * t * X(c1) + t * t * X(to);
        y = s * s * y0 + 2 * s * t * Y(c1) + t * t * Y(to);
      }
      sink.LineTo(x, y);
    }
    last = to;
  }

  static int MoveTo(const FT_Vector* to, void* user) {
    auto* self = static_cast<Flattener*>(user);
    if (self->open) self->sink.CloseContour();
    self->sink.MoveTo(self->X(*to), self->Y(*to));
    self->last = *to;
    self->open = true;
    return 0;
  }
  static int LineTo(const FT_Vector* to, void* user) {
    static_cast<Flattener*>(user)->Line(*to);
    return 0;
  }
  static int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    static_cast<Flattener*>(user)->Curve(*control, *control, *to, false);
    return 0;
  }
  static int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    static_cast<Flattener*>(user)->Curve(*c1, *c2, *to, true);
    return 0;
  }
};

}  // namespace

std::unique_ptr<FontFace> FontFace::Open(const FontChoice& choice, const LOGFONTA& request) {
  FT_Face face = FreeTypeLibrary::Instance().OpenFace(choice.path, choice.faceIndex);
  if (!face) return nullptr;
  if (choice.raster ? !FT_HAS_FIXED_SIZES(face) : !FT_IS_SCALABLE(face)) {
    FreeTypeLibrary::Instance().CloseFace(face);
    return nullptr;
  }
  return std::unique_ptr<FontFace>(new FontFace(face, choice, request));
}

FontFace::FontFace(FT_Face face, const FontChoice& choice, const LOGFONTA& request)
    : face_(face), choice_(choice), faceName_(choice.faceName) {
  if (choice_.raster) {
    RealiseRaster();
  } else {
    angle_ = request.lfEscapement / 10.0 * kPi / 180.0;
    RealiseOutline(request);
    SetTransform();
  }
  metrics_.tmWeight = choice_.emboldened ? FW_BOLD : metrics_.tmWeight;
  metrics_.tmItalic = request.lfItalic ? 1 : 0;
  metrics_.tmUnderlined = request.lfUnderline ? 1 : 0;
  metrics_.tmStruckOut = request.lfStrikeOut ? 1 : 0;
  metrics_.tmDigitizedAspectX = 96;
  metrics_.tmDigitizedAspectY = 96;
  metrics_.tmCharSet = EASTEUROPE_CHARSET;  // every 8-bit string here is Windows-1250
}

FontFace::~FontFace() { FreeTypeLibrary::Instance().CloseFace(face_); }

void FontFace::RealiseRaster() {
  const RasterStrike& strike = *choice_.strike;
  for (int i = 0; i < face_->num_fixed_sizes; ++i) {
    if (face_->available_sizes[i].height == strike.pixelHeight) FT_Select_Size(face_, i);
  }
  const int bold = choice_.emboldened ? text_rules::kSyntheticBoldOverhang : 0;
  metrics_.tmHeight = strike.pixelHeight;
  metrics_.tmAscent = strike.ascent;
  metrics_.tmDescent = strike.pixelHeight - strike.ascent;
  metrics_.tmInternalLeading = strike.internalLeading;
  metrics_.tmExternalLeading = strike.externalLeading;
  metrics_.tmAveCharWidth = strike.averageWidth + bold;
  metrics_.tmMaxCharWidth = strike.maxWidth + bold;
  metrics_.tmWeight = choice_.raster->weight;
  metrics_.tmOverhang = bold;
  metrics_.tmFirstChar = raster_faces::kFirstChar;
  metrics_.tmLastChar = raster_faces::kLastChar;
  metrics_.tmDefaultChar = raster_faces::kDefaultChar;
  metrics_.tmBreakChar = raster_faces::kBreakChar;
  metrics_.tmPitchAndFamily = choice_.raster->pitchAndFamily;
  const int thickness = text_rules::RasterLineThickness(strike.pixelHeight);
  underline_ = LineBand{text_rules::kRasterUnderlineBelowBaseline, thickness};
  strikeout_ = LineBand{-text_rules::RasterStrikeoutAboveBaseline(strike.ascent), thickness};
  defaultGlyph_ = FT_Get_Char_Index(face_, raster_faces::kDefaultChar);
}

void FontFace::RealiseOutline(const LOGFONTA& request) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
  const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face_, FT_SFNT_POST));
  const int unitsPerEm = std::max<int>(1, face_->units_per_EM);
  const int winAscent = os2 && os2->version != 0xFFFF ? os2->usWinAscent : face_->ascender;
  const int winDescent = os2 && os2->version != 0xFFFF ? os2->usWinDescent : -face_->descender;
  const int hheaAscent = hhea ? hhea->Ascender : face_->ascender;
  const int hheaDescent = hhea ? hhea->Descender : face_->descender;
  const int lineGap = hhea ? hhea->Line_Gap : 0;

  const long long wanted = choice_.height < 0 ? -static_cast<long long>(choice_.height) : choice_.height;
  const int cell = static_cast<int>(std::min<long long>(wanted, 0x7FFF));
  const int ppem = choice_.height < 0 ? std::max(1, cell)
                                      : text_rules::CellHeightToPpem(cell, unitsPerEm, winAscent, winDescent);
  const double scale = static_cast<double>(ppem) / unitsPerEm;
  const int averageAtPpem = std::max(1, RoundToInt((os2 ? os2->xAvgCharWidth : unitsPerEm / 2) * scale));
  const long long widthRequest = std::clamp<long long>(request.lfWidth < 0 ? -static_cast<long long>(request.lfWidth) : request.lfWidth, 0, 0x7FFF);
  const int xppem = widthRequest > 0 ? std::max(1, static_cast<int>((ppem * widthRequest + averageAtPpem / 2) / averageAtPpem)) : ppem;
  const double xscale = static_cast<double>(xppem) / unitsPerEm;
  FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(xppem), static_cast<FT_UInt>(ppem));

  metrics_.tmAscent = RoundToInt(winAscent * scale);
  metrics_.tmDescent = RoundToInt(winDescent * scale);
  metrics_.tmHeight = metrics_.tmAscent + metrics_.tmDescent;
  metrics_.tmInternalLeading = metrics_.tmHeight - ppem;
  const int extraGap = lineGap - ((winAscent + winDescent) - (hheaAscent - hheaDescent));
  metrics_.tmExternalLeading = std::max(0, RoundToInt(extraGap * scale));
  metrics_.tmAveCharWidth = RoundToInt((os2 ? os2->xAvgCharWidth : unitsPerEm / 2) * xscale);
  metrics_.tmMaxCharWidth = RoundToInt((face_->bbox.xMax - face_->bbox.xMin) * xscale);
  metrics_.tmWeight = os2 && os2->version != 0xFFFF ? os2->usWeightClass : FW_NORMAL;
  metrics_.tmOverhang = 0;
  metrics_.tmFirstChar = 0x1E;
  metrics_.tmLastChar = 0xFF;
  metrics_.tmDefaultChar = 0x1F;
  metrics_.tmBreakChar = 0x20;
  const bool fixed = choice_.fixedPitch || FT_IS_FIXED_WIDTH(face_);
  metrics_.tmPitchAndFamily = static_cast<BYTE>(choice_.family | TMPF_VECTOR | (FT_IS_SFNT(face_) ? TMPF_TRUETYPE : 0) |
                                                (fixed ? 0 : TMPF_FIXED_PITCH));

  const int underlinePosition = choice_.imitatesArial ? text_rules::kArialUnderlinePosition
                                                      : (post ? static_cast<int>(post->underlinePosition) : -unitsPerEm / 10);
  const int underlineThickness = choice_.imitatesArial ? text_rules::kArialUnderlineThickness
                                                       : (post ? static_cast<int>(post->underlineThickness) : unitsPerEm / 20);
  const int underlineRows = std::max(1, RoundToInt(underlineThickness * scale));
  underline_ = LineBand{RoundToInt(-underlinePosition * scale) - underlineRows / 2, underlineRows};
  const int strikeoutRows = std::max(1, RoundToInt((os2 ? os2->yStrikeoutSize : unitsPerEm / 20) * scale));
  strikeout_ = LineBand{-RoundToInt((os2 ? os2->yStrikeoutPosition : unitsPerEm / 4) * scale), strikeoutRows};
}

void FontFace::SetTransform() {
  if (angle_ == 0 && !choice_.oblique) return;
  const double c = std::cos(angle_), s = std::sin(angle_);
  const double shear = choice_.oblique ? text_rules::kObliqueShear : 0.0;
  auto fixed = [](double v) { return static_cast<FT_Fixed>(std::lround(v * 65536.0)); };
  FT_Matrix matrix{fixed(c), fixed(c * shear - s), fixed(s), fixed(s * shear + c)};
  FT_Set_Transform(face_, &matrix, nullptr);
}

FT_UInt FontFace::GlyphIndex(unsigned char byte) const {
  if (byte < raster_faces::kFirstChar) return defaultGlyph_;
  const char16_t unicode = cp1250::ToUnicode(byte);
  if (unicode >= 0x80 && unicode < 0xA0) return defaultGlyph_;  // bytes code page 1250 leaves undefined
  const FT_UInt index = FT_Get_Char_Index(face_, unicode);
  return index ? index : defaultGlyph_;
}

FT_Int32 FontFace::LoadFlags() const {
  if (choice_.raster) return FT_LOAD_DEFAULT;
  FT_Int32 flags = FT_LOAD_TARGET_MONO;
  if (angle_ != 0 || choice_.oblique) flags |= FT_LOAD_NO_BITMAP;  // embedded bitmaps would not turn
  return flags;
}

Glyph FontFace::Load(unsigned char byte) {
  Glyph glyph;
  if (FreeTypeLibrary::Instance().LoadGlyph(face_, GlyphIndex(byte), LoadFlags()) != 0) return glyph;
  FT_GlyphSlot slot = face_->glyph;
  const bool outline = slot->format == FT_GLYPH_FORMAT_OUTLINE;
  if (outline && choice_.emboldened) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return glyph;
  InkImage image = FromSlot(slot);
  if (choice_.raster && choice_.oblique) image = Shear(image, metrics_.tmDescent);
  if (!outline && choice_.emboldened) image = Embolden(image);
  glyph.advance = static_cast<int>((slot->metrics.horiAdvance + 32) >> 6) + (choice_.emboldened ? 1 : 0);
  glyph.runs = RunsOf(image);
  return glyph;
}

const Glyph& FontFace::CachedGlyph(unsigned char byte) {
  std::unique_ptr<Glyph>& slot = glyphs_[byte];
  if (!slot) slot = std::make_unique<Glyph>(Load(byte));
  return *slot;
}

const Glyph& FontFace::GlyphFor(unsigned char byte) {
  std::lock_guard lock(mutex_);
  return CachedGlyph(byte);
}

void FontFace::Advances(unsigned first, unsigned last, INT* out) {
  std::lock_guard lock(mutex_);
  for (unsigned code = first; code <= last && code <= 0xFF; ++code) {
    out[code - first] = CachedGlyph(static_cast<unsigned char>(code)).advance;
  }
}

void FontFace::AppendOutline(unsigned char byte, double x, double y, OutlineSink& sink) {
  if (choice_.raster) return;
  std::lock_guard lock(mutex_);
  if (FreeTypeLibrary::Instance().LoadGlyph(face_, GlyphIndex(byte), FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0) return;
  FT_GlyphSlot slot = face_->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
  if (choice_.emboldened) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
  Flattener flattener{sink, x, y};
  const FT_Outline_Funcs funcs{&Flattener::MoveTo, &Flattener::LineTo, &Flattener::ConicTo, &Flattener::CubicTo, 0, 0};
  FT_Outline_Decompose(&slot->outline, &funcs, &flattener);
  if (flattener.open) sink.CloseContour();
}
