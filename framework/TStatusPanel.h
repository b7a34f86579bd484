// Unit ComCtrls: TStatusPanel, one field of a status bar: its text, width, alignment and
// bevel. A change repaints the bar through its collection.
#pragma once

#include "Classes.h"
#include "TCollection.h"

TAWO_ENUM(TStatusPanelBevel, pbNone, pbLowered, pbRaised)
TAWO_ENUM(TStatusPanelStyle, psText, psOwnerDraw)

class TStatusPanel : public TCollectionItem {
  TAWO_CLASS(TStatusPanel, TCollectionItem)

 public:
  explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

  const AnsiString& Text() const { return FText; }
  void SetText(const AnsiString& text);
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t width);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel bevel);
  TStatusPanelStyle Style() const { return FStyle; }
  void SetStyle(TStatusPanelStyle style);

  void Assign(TPersistent* source) override;
  AnsiString DisplayName() const override { return FText.empty() ? inherited::DisplayName() : FText; }

 private:
  AnsiString FText;
  int32_t FWidth = 50;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TStatusPanelBevel FBevel = TStatusPanelBevel::pbLowered;
  TStatusPanelStyle FStyle = TStatusPanelStyle::psText;
};
