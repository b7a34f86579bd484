// Unit LMDCustomButton: TLMDCustomButton, a push button whose face the control paints itself:
// a BUTTON-class window with BS_OWNERDRAW that paints on the owner-draw request its parent
// reflects to it. For now it paints the plain look: a raised face (sunken while pressed), the
// focus frame, and the caption in the button's font.
#pragma once

#include <StdCtrls.h>

class TLMDCustomButton : public TButton {
  TAWO_CLASS(TLMDCustomButton, TButton)

 public:
  explicit TLMDCustomButton(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  // The framework tells the button here whether Enter would press it; an owner-drawn button
  // keeps its window style and shows it with the dark frame instead.
  void SetButtonStyle(bool isDefault) override;
  void Dispatch(TMessage& message) override;

 private:
  void CNDrawItem(TMessage& message);
  void CNMeasureItem(TMessage& message);
  void WMLButtonDblClk(TMessage& message);
  void PaintFace(HDC dc, RECT rect, UINT itemState);

  bool FActiveDefault = false;
};
