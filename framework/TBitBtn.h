// Unit Buttons: TBitBtn, an owner-drawn push button with a glyph beside its caption. A kind
// other than bkCustom brings its caption, modal result, default or cancel role and picture.
#pragma once

#include "TButton.h"
#include "TButtonGlyph.h"

#include <memory>

class TBitmap;
class TCanvas;

class TBitBtn : public TButton {
  TAWO_CLASS(TBitBtn, TButton)

 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  // bkCustom as soon as Default, Cancel, ModalResult or the glyph differ from the kind's.
  TBitBtnKind Kind() const;
  void SetKind(TBitBtnKind kind);
  TBitmap* Glyph() const { return FGlyph->Glyph(); }
  void SetGlyph(TBitmap* glyph);
  TNumGlyphs NumGlyphs() const { return FGlyph->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs count) { FGlyph->SetNumGlyphs(count); }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout);
  // Pixels from the edge to the glyph; -1 centres glyph and caption together.
  int32_t Margin() const { return FMargin; }
  void SetMargin(int32_t margin);
  // Pixels between glyph and caption; -1 spreads them evenly.
  int32_t Spacing() const { return FSpacing; }
  void SetSpacing(int32_t spacing);

  // bkClose closes the form instead; the other kinds click as a button does.
  void Click() override;

  // What form descriptions store: only what differs from the kind.
  bool IsCustom() const { return Kind() == TBitBtnKind::bkCustom; }
  bool IsCustomCaption() const;

  // The default caption and modal result of a kind.
  static AnsiString KindCaption(TBitBtnKind kind);
  static TModalResult KindModalResult(TBitBtnKind kind);

 protected:
  void CreateParams(TCreateParams& params) override;
  void SetButtonStyle(bool isDefault) override;
  void Dispatch(TMessage& message) override;

 private:
  // The glyph beside the caption goes to the other side when aligning right to left.
  TButtonLayout BiDiLayout() const;
  void GlyphChanged(TObject* sender);
  void DrawItem(const DRAWITEMSTRUCT& item);

  std::unique_ptr<TButtonGlyph> FGlyph;
  std::unique_ptr<TCanvas> FCanvas;
  mutable TBitBtnKind FKind = TBitBtnKind::bkCustom;
  bool FModifiedGlyph = false;
  bool FIsFocused = false;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int32_t FMargin = -1;
  int32_t FSpacing = 4;
};
