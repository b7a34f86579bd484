// Unit Controls: TControl, the visible component: bounds inside a parent, visibility, colour,
// font, caption, hint, mouse events, and the message path Perform → WindowProc → WndProc →
// Dispatch → DefaultHandler that works without a window.
#pragma once

#include "Controls.h"
#include "TComponent.h"
#include "TFont.h"

#include <windows.h>

#include <memory>

class TBasicAction;
class TControlActionLink;
class TSizeConstraints;

class TControl : public TComponent {
  TAWO_CLASS(TControl, TComponent)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  // Leaves the parent (its area is repainted) while the control is still whole.
  void BeforeDestruction() override;

  // Sends a message straight to WindowProc; needs no window.
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
  // The replaceable entry of every message; WndProc by default.
  TWndMethod WindowProc;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  // Bounds in the parent's client coordinates. Left, Top, Width and Height all go through
  // SetBounds, which does nothing when nothing changes.
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetBoundsRect(const RECT& rect) {
    SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  }
  virtual RECT ClientRect();
  int ClientWidth() { return ClientRect().right; }
  int ClientHeight() { return ClientRect().bottom; }
  void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
  void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
  virtual POINT ClientOrigin();
  POINT ClientToScreen(POINT point);
  POINT ScreenToClient(POINT point);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors value);

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle value) { FControlStyle = value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState value) { FControlState = value; }

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  void Show();
  void Hide();
  // Visible here and in every parent up to a form that is shown.
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool value);

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);

  // Caption and Text are the same string.
  AnsiString Caption() const { return GetText(); }
  void SetCaption(const AnsiString& value) { SetText(value); }
  AnsiString Text() const { return GetText(); }
  void SetText(const AnsiString& value);

  const AnsiString& Hint() const { return FHint; }
  void SetHint(const AnsiString& value) { FHint = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool value);

  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);

  // The pop-up menu, a TPopupMenu (completed by the Menus unit, which pops it up).
  template <class M = TPopupMenu>
  M* PopupMenu() const {
    return static_cast<M*>(FPopupMenu);
  }
  template <class M = TPopupMenu>
  void SetPopupMenu(M* menu) {
    SetPopupMenuComponent(menu);
  }
  TComponent* PopupMenuComponent() const { return FPopupMenu; }
  void SetPopupMenuComponent(TComponent* menu);

  bool MouseCapture();
  void SetMouseCapture(bool value);

  // Repainting: Invalidate marks the area, Update paints what is marked, Repaint does both
  // (an opaque graphic control paints at once), Refresh = Repaint.
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }

  void BringToFront();
  void SendToBack();

  // The action whose caption, enabled state, hint and visibility the control shows while
  // it has not changed them itself; a click executes it.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* action);

  // An action may be offered to each visible control; the base handles none.
  virtual bool ExecuteAction(TBasicAction* action);

  // Dragging: with dmAutomatic a left press starts a drag (Mouse.DragImmediate, else once the
  // pointer moved Mouse.DragThreshold pixels); BeginDrag starts one by code (a negative
  // threshold takes Mouse's), EndDrag ends it with or without a drop.
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode value) { FDragMode = value; }
  TDragKind DragKind() const { return FDragKind; }
  void SetDragKind(TDragKind value) { FDragKind = value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor value) { FDragCursor = value; }
  void BeginDrag(bool immediate, int threshold = -1);
  void EndDrag(bool drop);
  bool Dragging() const;

  // Docking: the site the control is docked in (null when it was never docked), whether that
  // is a floating window, and docking by code. ManualDock with no site floats the control.
  TWinControl* HostDockSite() const { return FHostDockSite; }
  bool Floating() const;
  bool ManualDock(TWinControl* newDockSite, TControl* dropControl = nullptr,
                  TAlign controlSide = TAlign::alNone);
  // Puts the control into a new floating window whose client area is `screenPos`.
  bool ManualFloat(const RECT& screenPos);

  TSizeConstraints* Constraints() const { return FConstraints.get(); }
  void SetConstraints(TSizeConstraints* value);

  // Right-to-left: BiDiMode follows the parent's while ParentBiDiMode.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool value);
  // BiDiMode, Color and Font are written only when they do not follow the parent.
  bool IsBiDiModeStored() const { return !FParentBiDiMode; }
  bool IsColorStored() const { return !FParentColor; }
  bool IsFontStored() const { return !FParentFont; }
  bool UseRightToLeftAlignment() const { return FBiDiMode == TBiDiMode::bdRightToLeft; }
  bool UseRightToLeftReading() const { return FBiDiMode != TBiDiMode::bdLeftToRight; }
  // DrawText flags for the control's text: left and right alignment swapped when aligning
  // right to left, DT_RTLREADING when reading right to left.
  UINT DrawTextBiDiModeFlags(UINT flags) const;
  UINT DrawTextBiDiModeFlagsReadingOnly() const;
  // The alignment the control shows: left and right swapped when aligning right to left.
  TAlignment BiDiAlignment(TAlignment alignment) const;

  // The drag events; the dock events' targets are the site and the dragged control.
  void DoEndDrag(TObject* target, int x, int y);
  void DoEndDock(TObject* target, int x, int y);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;
  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  TStartDockEvent OnStartDock;
  TEndDragEvent OnEndDock;

 protected:
  virtual void WndProc(TMessage& message);
  // The handlers of the control's messages; unhandled ones end in DefaultHandler. An override
  // handles its own numbers and passes the rest (and its "inherited") to the base.
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  virtual AnsiString GetText() const { return FText; }
  void ChangeName(const AnsiString& newName) override;
  void Notification(TComponent* component, TOperation operation) override;
  void ReadState(TReader& reader) override;

  virtual void SetClientSize(int width, int height);
  // Marks the control's area on the parent window; `opaque` spares the erase beneath it.
  void InvalidateControl(bool isVisible, bool isOpaque);
  void RequestAlign();
  virtual void Resize();
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Paint() {}
  // The palette the control's pictures need realised; none for true-colour controls.
  virtual HPALETTE GetPalette() { return nullptr; }
  virtual TComponent* GetPopupMenu() const { return FPopupMenu; }
  // Takes the action's properties; while loading only into those still at their defaults.
  virtual void ActionChange(TObject* sender, bool checkDefaults);
  // Stores the bounds without repainting (the window moved, or reading a stream).
  void UpdateBoundsFields(int left, int top, int width, int height);
  // Remembers where the anchored sides stand relative to the parent's client size now.
  void UpdateAnchorRules();
  // Moves or stretches a control that is not aligned to keep its anchored sides where they
  // were relative to the parent's client area of `parentSize`.
  void AnchorTo(POINT parentSize);
  void Loaded() override;

  // A drag over the control (Accept: OnDragOver is assigned and agrees) and a drop on it.
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y);
  virtual void DoStartDrag(TDragObject*& dragObject);
  virtual void DoStartDock(TDragDockObject*& dragObject);
  // BiDiMode is written only where it is the control's own.
  // Brings a new size into Constraints.
  void ConstrainSize(int& width, int& height) const;
  // Docks into `site` at `rect` (the site's client coordinates), leaving the old site.
  void DockInto(TWinControl* site, const RECT& rect);

  void CMFontChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMParentColorChanged(TMessage& message);
  void CMParentFontChanged(TMessage& message);
  void CMParentShowHintChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMHitTest(TMessage& message);
  void WMSetText(TMessage& message);
  void WMGetText(TMessage& message);
  void WMGetTextLength(TMessage& message);
  void WMLButtonDown(TMessage& message);
  void WMLButtonDblClk(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void WMRButtonDown(TMessage& message);
  void WMRButtonUp(TMessage& message);
  void WMMButtonDown(TMessage& message);
  void WMMButtonUp(TMessage& message);
  void WMMouseMove(TMessage& message);
  void WMContextMenu(TMessage& message);
  void WMCancelMode(TMessage& message);
  void CMDrag(TMessage& message);
  void CMBiDiModeChanged(TMessage& message);
  void CMParentBiDiModeChanged(TMessage& message);

  TControlStyle FControlStyle{TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                              TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks};
  TControlState FControlState;

 private:
  friend class TWinControl;
  friend class TDragSession;

  void FontChanged(TObject* sender);
  void DoMouseDown(const TMessage& message, TMouseButton button, TShiftState shift);
  void DoMouseUp(const TMessage& message, TMouseButton button);
  void SetZOrder(bool topMost);
  void ConstraintsChanged(TObject* sender);
  // Leaves the dock site without asking it.
  void LeaveHostDockSite();
  // Docks into a new floating window, or moves the one that holds the control already.
  void FloatInto(const RECT& screenPos);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  TAnchors FAnchors{TAnchorKind::akLeft, TAnchorKind::akTop};
  // The anchored reference per axis: the size when both sides are anchored, the left (top)
  // when only the right (bottom) is, the centre when neither is.
  POINT FAnchorRules{};
  POINT FOriginalParentSize{};
  bool FAnchorMove = false;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  AnsiString FText;
  AnsiString FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TComponent* FPopupMenu = nullptr;
  std::unique_ptr<TControlActionLink> FActionLink;
  TDragMode FDragMode = TDragMode::dmManual;
  TDragKind FDragKind = TDragKind::dkDrag;
  TCursor FDragCursor = crDrag;
  TWinControl* FHostDockSite = nullptr;
  std::unique_ptr<TSizeConstraints> FConstraints;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  bool FParentBiDiMode = true;
};
