// Unit LMDBaseGraphicButton: TLMDBaseGraphicButton, the windowless button. It follows the mouse
// itself and keeps a TLMDButtonState: a hot state checked by a hover timer, toggle buttons in
// groups, repeated clicks, a drop-down menu that may open only from a combo area at the right,
// accelerators, and see-through parts that take no clicks. It paints nothing itself:
// descendants paint the face and call DrawGlyphAndText.
#pragma once

#include "LMDButtonBase.h"
#include "LMDPoolTimer.h"

#include <LMDBaseControl.h>
#include <TBitmap.h>
#include <TCanvas.h>

#include <cstdint>
#include <memory>

class TLMDButtonLayout;
class TLMDFxCaption;
class TLMDGlyph;
class TPopupMenu;

class TLMDBaseGraphicButton : public TLMDBaseControl {
  TAWO_CLASS(TLMDBaseGraphicButton, TLMDBaseControl)

 public:
  // 25 × 25, opaque, capturing the mouse; clicks come from the button's own mouse handling.
  explicit TLMDBaseGraphicButton(TComponent* owner);
  ~TLMDBaseGraphicButton() override;

  TLMDButtonLayout* ButtonLayout() const { return FButtonLayout.get(); }
  void SetButtonLayout(TLMDButtonLayout* value);
  TLMDFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TLMDFxCaption* value);
  TBitmap* Glyph() const;
  // A glyph set directly detaches the image list.
  void SetGlyph(TBitmap* value);
  // The glyph is written to the form only when it does not come from an image list.
  virtual bool GlyphStored() const { return ImageList() == nullptr; }
  uint8_t NumGlyphs() const;
  void SetNumGlyphs(uint8_t value);

  bool RepeatedClick() const { return FRepeatedClick; }
  void SetRepeatedClick(bool value) { FRepeatedClick = value; }
  uint16_t RepeatingDelay() const { return FRepeatingDelay; }
  void SetRepeatingDelay(uint16_t value) { FRepeatingDelay = value; }
  uint16_t RepeatingInterval() const { return FRepeatingInterval; }
  void SetRepeatingInterval(uint16_t value) { FRepeatingInterval = value; }

  // With a combo the menu opens only from the rightmost DropDownComboWidth pixels; switching
  // it on or off widens or narrows the button by that much.
  bool DropDownCombo() const { return FDropDownCombo; }
  void SetDropDownCombo(bool value);
  int32_t DropDownComboWidth() const { return FDropDownComboWidth; }
  void SetDropDownComboWidth(int32_t value);
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* value);
  int32_t DropDownIndent() const { return FDropDownIndent; }
  void SetDropDownIndent(int32_t value);
  bool DropDownRight() const { return FDropDownRight; }
  void SetDropDownRight(bool value);

  // The text colour while hot or pressed, with EnterColorChange and AllowMouseOver.
  TColor EnterColor() const { return FEnterColor; }
  void SetEnterColor(TColor value);
  bool EnterColorChange() const { return FEnterColorChange; }
  void SetEnterColorChange(bool value);

  // Buttons of one parent with the same GroupIndex (not 0) are toggles of which one at most is
  // Pressed; AllowAllUp lets the pressed one be released too.
  int32_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t value);
  bool Pressed() const { return FPressed; }
  void SetPressed(bool value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);

  bool AllowMouseOver() const { return FAllowMouseOver; }
  void SetAllowMouseOver(bool value) { FAllowMouseOver = value; }
  // Clicks and hovering count only where VerifyTransparency says the button is.
  bool AllowTransparency() const { return FAllowTransparency; }
  void SetAllowTransparency(bool value) { FAllowTransparency = value; }
  // The parent shows through where the face leaves the background unpainted.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool HideHint() const { return FHideHint; }
  void SetHideHint(bool value) { FHideHint = value; }
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value);
  bool UseCaption() const { return FUseCaption; }
  void SetUseCaption(bool value);

  TLMDButtonState State() const { return FState; }
  TLMDButtonState PreviousState() const { return FPreviousState; }
  bool MouseOver() const { return FMouseOver; }
  bool GetDroppedState() const { return FState == TLMDButtonState::bsDropDownOpen; }
  // The caption as painted: empty without UseCaption.
  AnsiString GetCaption() const;
  // Whether (x, y) belongs to the button; the whole rectangle here.
  virtual bool VerifyTransparency(int x, int y);
  HPALETTE GetPalette() override;
  // Fires OnClick only.
  void Click() override;
  // Opens the drop-down menu at the button (state bsDropDownOpen while it is open).
  void DropDown();

  TNotifyEvent OnDropDown;

 protected:
  // The one way the state changes: drops what an inactive MDI application must not show,
  // repaints only when the new state can look different, and runs the hover timer.
  void StateChange(TLMDButtonState value);
  // Glyph and caption into `rect`, in the enter colour while hot or pressed.
  void DrawGlyphAndText(TCanvas* canvas, const RECT& rect);
  // Asks the parent to paint its background under `rect` onto `canvas`; false when it cannot.
  bool BackDrawArea(TCanvas* canvas, const RECT& rect, POINT point);
  // Paints now where the screen shows it: at once when opaque or when the parent keeps a
  // background bitmap, else through the parent's repaint.
  void RepaintButton();
  bool ComboActive() const { return FDropDownMenu != nullptr && FDropDownCombo; }
  // The combo area: the rightmost DropDownComboWidth pixels of the client rectangle.
  RECT ComboRect();
  // Whether a descendant's face looks different when hot whatever its glyph and colours.
  virtual bool HotFaceDiffers() const { return false; }
  virtual bool ShapeButtonColorChange() const { return false; }
  // Whether entering or leaving the button repaints the descendant's face.
  virtual bool MouseOverRepaints() const { return false; }
  // A descendant that draws its content moved while down may test hits with that shift.
  void SetPressedShift(bool value, uint8_t amount);
  void SetMouseOver(bool value);
  TLMDGlyph* GlyphObject() const { return FGlyph.get(); }

  bool CheckOptimized() override;
  void GetIMLChange(TObject* sender) override;
  void MouseEnter() override;
  void MouseExit() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void Dispatch(TMessage& message) override;
  // One repeat of a held button: later repeats come at RepeatingInterval.
  virtual void DoRepeatedClick();

 private:
  void FontChange(TObject* sender);
  // Whether the move from the current state to `value` cannot change the picture.
  bool SameLook(TLMDButtonState value) const;
  bool InsideForMove(int x, int y, bool widthInclusive);
  bool CursorInside();
  bool AnimatedGlyph() const;
  void AnnounceGroup();
  void VerifyMouseOver(TObject* sender);
  void RepeatTimerFired(TObject* sender);
  void CMButtonPressed(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMEnabledChanged(TMessage& message);

  std::unique_ptr<TLMDButtonLayout> FButtonLayout;
  std::unique_ptr<TLMDFxCaption> FFontFX;
  std::unique_ptr<TLMDGlyph> FGlyph;
  bool FRepeatedClick = false;
  uint16_t FRepeatingDelay = 500;
  uint16_t FRepeatingInterval = 100;
  bool FDropDownCombo = false;
  int32_t FDropDownComboWidth = 12;
  TPopupMenu* FDropDownMenu = nullptr;
  int32_t FDropDownIndent = 0;
  bool FDropDownRight = false;
  TColor FEnterColor = clCaptionText;
  bool FEnterColorChange = false;
  int32_t FGroupIndex = 0;
  bool FPressed = false;
  bool FAllowAllUp = false;
  bool FAllowMouseOver = false;
  bool FAllowTransparency = true;
  bool FTransparent = false;
  bool FHideHint = true;
  bool FMultiLine = false;
  bool FUseCaption = true;
  TLMDButtonState FState = TLMDButtonState::bsUp;
  TLMDButtonState FPreviousState = TLMDButtonState::bsUp;
  bool FMouseOver = false;
  bool FMouseHeld = false;
  TLMDPoolTimer FHoverTimer;
  TLMDPoolTimer FRepeatTimer;
  bool FInactivePass = false;
  bool FPressedShift = false;
  uint8_t FShiftAmount = 0;
};
