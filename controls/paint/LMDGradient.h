// Unit LMDGradient: TLMDGradient, the description of a gradient (two colours or a list of
// stops, a colour count and a style) with a colour table that is rebuilt on every change.
#pragma once

#include "LMDGraph.h"

#include <LMDObject.h>
#include <TCanvas.h>

#include <windows.h>

class TLMDGradient : public TLMDObject {
  TAWO_CLASS(TLMDGradient, TLMDObject)

 public:
  TLMDGradient();
  ~TLMDGradient() override;
  TLMDGradient(const TLMDGradient&) = delete;
  TLMDGradient& operator=(const TLMDGradient&) = delete;

  void DefineProperties(TFiler& filer) override;
  // One notification for the whole copy; the table is rebuilt once.
  void Assign(TPersistent* source) override;
  // Rebuilds the colour table (also while an update is open), then notifies.
  void Change() override;
  AnsiString GetSetStr() const override;

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int32_t ColorCount() const { return FColorCount; }
  void SetColorCount(int32_t value);
  TLMDGradientStyle Style() const { return FStyle; }
  void SetStyle(TLMDGradientStyle value);
  TColor EndColor() const { return FEndColor; }
  void SetEndColor(TColor value);
  bool PaletteRealize() const { return FPaletteRealize; }
  void SetPaletteRealize(bool value);
  bool TwoColors() const { return FTwoColors; }
  void SetTwoColors(bool value);

  // The stops of multi-colour mode. Neither way of changing them notifies; SetColors rebuilds
  // the table at once, direct edits are picked up at the next change.
  TLMDColorList& Colors() { return FColors; }
  const TLMDColorList& Colors() const { return FColors; }
  void SetColors(const TLMDColorList& colors);

  // The colours that are painted, index 0 first.
  const TLMDColorList& ColorTable() const { return FColorTable; }
  // Rebuilds the table and, with PaletteRealize, the palette.
  void InitPalette();
  // Deletes the palette (the handle is kept when the deletion fails) and empties the table.
  void DestroyPalette();
  HPALETTE GetPalette() const { return FPalette; }

  void PaintGradient(TCanvas* canvas, const RECT& rect);
  // With PaletteRealize, selects the palette as foreground palette and realises it.
  void SetRealPalette(TCanvas* canvas);

 private:
  void BuildColorTable();

  TLMDColorCount FColorCount = 16;
  TColor FColor = clBlue;
  TLMDColorList FColorTable;
  TColor FEndColor = clBlack;
  bool FPaletteRealize = false;
  HPALETTE FPalette = nullptr;
  TLMDGradientStyle FStyle = TLMDGradientStyle::gstVertical;
  TLMDColorList FColors;
  bool FTwoColors = true;
};
