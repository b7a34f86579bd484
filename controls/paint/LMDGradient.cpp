#include "LMDGradient.h"

#include "LMDUtils.h"

#include <TFiler.h>
#include <TReader.h>
#include <TWriter.h>

using enum TLMDGradientStyle;

namespace {

const char* const kStyleTexts[] = {"horizontal",   "vertical",    "square",       "elliptic",      "top left",
                                   "top right",    "bottom left", "bottom right", "top left diag", "top right diag"};

}  // namespace

TAWO_PUBLISHED(TLMDGradient, published) {
  published.Property("Color", &TLMDGradient::Color, &TLMDGradient::SetColor).Type(TColorTypeInfo()).Default(clBlue);
  published.Property("ColorCount", &TLMDGradient::ColorCount, &TLMDGradient::SetColorCount).Default(16);
  published.Property("Style", &TLMDGradient::Style, &TLMDGradient::SetStyle).Default(gstVertical);
  published.Property("EndColor", &TLMDGradient::EndColor, &TLMDGradient::SetEndColor)
      .Type(TColorTypeInfo())
      .Default(clBlack);
  published.Property("PaletteRealize", &TLMDGradient::PaletteRealize, &TLMDGradient::SetPaletteRealize)
      .Default(false);
  published.Property("TwoColors", &TLMDGradient::TwoColors, &TLMDGradient::SetTwoColors).Default(true);
}

TLMDGradient::TLMDGradient() { InitPalette(); }

TLMDGradient::~TLMDGradient() { DestroyPalette(); }

void TLMDGradient::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "ColorList",
      [this](TReader& reader) {
        BeginUpdate();
        reader.ReadListBegin();
        while (!reader.EndOfList()) FColors.push_back(reader.ReadInteger());
        reader.ReadListEnd();
        EndUpdate(true);
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (TColor color : FColors) writer.WriteInteger(color);
        writer.WriteListEnd();
      },
      !FColors.empty());
}

void TLMDGradient::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TLMDGradient*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  FColorCount = other->FColorCount;
  FColor = other->FColor;
  FStyle = other->FStyle;
  FEndColor = other->FEndColor;
  FPaletteRealize = other->FPaletteRealize;
  FTwoColors = other->FTwoColors;
  FColors = other->FColors;
  EndUpdate(true);
}

void TLMDGradient::Change() {
  InitPalette();
  inherited::Change();
}

AnsiString TLMDGradient::GetSetStr() const {
  const AnsiString mode = FTwoColors ? ", 2 col mode" : ", mult. col mode";
  return AnsiString(kStyleTexts[static_cast<size_t>(FStyle)]) + ", Col: " + IntToStr(FColorCount) + mode;
}

void TLMDGradient::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  InitPalette();
  Change();
}

void TLMDGradient::SetColorCount(int32_t value) {
  const TLMDColorCount count = LMDCheckRange(value, kLMDColorCountRange);
  if (count == FColorCount) return;
  FColorCount = count;
  Change();
}

void TLMDGradient::SetStyle(TLMDGradientStyle value) {
  if (value > gstTopRightDiagonal) throw ERangeError("Invalid gradient style");
  StoreAndNotify(FStyle, value);
}

void TLMDGradient::SetEndColor(TColor value) {
  StoreAndNotify(FEndColor, value);
}

void TLMDGradient::SetPaletteRealize(bool value) {
  StoreAndNotify(FPaletteRealize, value);
}

void TLMDGradient::SetTwoColors(bool value) {
  StoreAndNotify(FTwoColors, value);
}

// Notifies no one, but keeps the table in step so that the next paint shows the new stops.
void TLMDGradient::SetColors(const TLMDColorList& colors) {
  if (&colors != &FColors) FColors = colors;
  InitPalette();
}

void TLMDGradient::InitPalette() {
  DestroyPalette();
  BuildColorTable();
  if (FPaletteRealize) FPalette = LMDGradientCreatePalette(&FColorTable);
}

void TLMDGradient::DestroyPalette() {
  if (FPalette != nullptr && DeleteObject(FPalette)) FPalette = nullptr;
  FColorTable.clear();
}

void TLMDGradient::BuildColorTable() {
  if (FTwoColors) {
    LMDGradientCreateColorList(FColor, FEndColor, FColorCount, &FColorTable, true);
    return;
  }
  if (FColors.size() < 2) return;
  const auto perPair = static_cast<uint8_t>(FColorCount / FColors.size());
  LMDGradientCreateColorList(FColors[0], FColors[1], perPair, &FColorTable, true);
  for (std::size_t i = 1; i + 1 < FColors.size(); ++i) {
    LMDGradientCreateColorList(FColors[i], FColors[i + 1], perPair, &FColorTable, false);
  }
}

void TLMDGradient::PaintGradient(TCanvas* canvas, const RECT& rect) {
  const uint16_t flags = FPaletteRealize ? LMD_GRADIENT_PALETTE : 0;
  LMDGradientPaintExt(canvas, rect, FStyle, &FColorTable, FPalette, flags, 0);
}

void TLMDGradient::SetRealPalette(TCanvas* canvas) {
  if (!FPaletteRealize) return;
  SelectPalette(canvas->Handle(), FPalette, FALSE);
  RealizePalette(canvas->Handle());
}
