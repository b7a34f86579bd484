// Unit Controls: TWinControl, a control with a window: created lazily from CreateParams,
// parent of other controls (graphic children paint on its DC in z-order), focus and tab
// order, and reflection of child notifications as CN_ messages.
#pragma once

#include "TBrush.h"
#include "TControl.h"

#include <windows.h>

#include <memory>
#include <vector>

// What CreateWnd passes to RegisterClass and CreateWindowEx.
struct TCreateParams {
  AnsiString Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSA WindowClass{};
  AnsiString WinClassName;
};

class TWinControl : public TControl {
  TAWO_CLASS(TWinControl, TControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  // Destroys the window and every child control still parented here, last first.
  void BeforeDestruction() override;

  // The window, created on first use (with the parent's window first).
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // A top-level control without a parent control may live inside a foreign window.
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND value);

  // Children: the graphic ones first (bottom to top), then the windowed ones.
  int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
  TControl* Controls(int index) const;
  bool ContainsControl(TControl* control) const;
  // The topmost visible child at a client point whose CM_HITTEST answers non-zero; enabled
  // ones only unless allowed; windowed children only when allowed.
  TControl* ControlAtPos(POINT pos, bool allowDisabled, bool allowWinControls = false);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // Sends the message to each child in Controls order until one answers non-zero.
  void Broadcast(TMessage& message);
  void NotifyControls(UINT msg);

  // Paints the graphic children from `first` (all when null) that intersect the DC's clip,
  // then the 3D frames of framed windowed children.
  void PaintControls(HDC dc, TControl* first);
  // Whether an opaque visible graphic child below `control` covers `rect` entirely.
  bool OpaqueSiblingCovers(const TControl* control, const RECT& rect) const;

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() override;
  POINT ClientOrigin() override;
  bool Showing() const override { return FShowing; }
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  // Places the aligned children (alTop, alBottom, alLeft, alRight, then alClient).
  void Realign();
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void AlignControl(TControl* control);

  TBrush* Brush() const { return FBrush.get(); }
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool value);

  // Focus.
  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  virtual bool CanFocus();
  bool Focused();
  virtual void SetFocus();
  // The windowed children in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  // The next (or previous) child after `current` that can take the focus.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  // Destroys and creates the window again (after a change CreateParams reads).
  void RecreateWnd();

  // The entry of the window procedure; exceptions go to Application.HandleException.
  void MainWndProc(TMessage& message);

  // Docking: a dock site takes controls dragged onto it with DragKind dkDock; DockClients are
  // the controls docked here (HostDockSite = this), in the order they came.
  bool DockSite() const { return FDockSite; }
  void SetDockSite(bool value) { FDockSite = value; }
  int DockClientCount() const { return static_cast<int>(FDockClients.size()); }
  TControl* DockClients(int index) const;
  // Where the site takes `client` (screen coordinates) and whether it does; OnGetSiteInfo may
  // change both.
  virtual void GetSiteInfo(TControl* client, RECT& influenceRect, POINT mousePos, bool& canDock);
  // Asks OnUnDock whether `client` may leave for `newTarget` (null: floating).
  bool DoUnDock(TWinControl* newTarget, TControl* client);
  void DoDockDrop(TDragDockObject* source, int x, int y);

  TDockOverEvent OnDockOver;
  TDockDropEvent OnDockDrop;
  TUnDockEvent OnUnDock;
  TGetSiteInfoEvent OnGetSiteInfo;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

 protected:
  friend class TControl;
  friend class TCustomForm;

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  virtual void CreateParams(TCreateParams& params);
  // Takes a system class (such as BUTTON) as the window class: its procedure becomes the
  // default handler and it is registered under the framework class's name.
  void CreateSubClass(TCreateParams& params, const char* className);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  void CreateHandle();
  void DestroyHandle();
  virtual void PaintWindow(HDC dc);
  void PaintHandler(TMessage& message);
  virtual void AlignControls(TControl* control, RECT& rect);
  virtual void AdjustClientRect(RECT& rect) { rect = ClientRect(); }
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  // Shows or hides the window to match Visible and the parents, creating it when needed.
  void UpdateShowing();
  void UpdateControlState();
  void Loaded() override;
  void ReadState(TReader& reader) override;
  void SetChildOrder(TComponent* child, int order) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  // Drops the focus if it is on this control or a child (before hiding or disabling).
  void RemoveFocus(bool removing);

  void WMPaint(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMSize(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMNCDestroy(TMessage& message);
  void WMContextMenu(TMessage& message);
  void CNKeyDown(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMKeyUp(TMessage& message);
  void WMChar(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMShowingChanged(TMessage& message);
  void CMShowHintChanged(TMessage& message);
  void CMInvalidate(TMessage& message);
  void CMEnter(TMessage& message);
  void CMExit(TMessage& message);
  void CMCtl3DChanged(TMessage& message);
  void CMParentCtl3DChanged(TMessage& message);
  void CMRecreateWnd(TMessage& message);
  void CNCtlColor(TMessage& message);
  void CMDockDrag(TMessage& message);
  void CMBiDiModeChanged(TMessage& message);
  void WMWindowPosChanging(TMessage& message);

  // A client docked here or left; the base keeps the list.
  virtual void AddDockClient(TControl* client);
  virtual void RemoveDockClient(TControl* client);

  WNDPROC FDefWndProc = &DefWindowProcA;

 private:
  friend class TWindowBinding;

  // Reflects a child window's notification to the framework control owning it.
  bool DoControlMsg(HWND child, TMessage& message);
  bool IsControlMouseMsg(TMessage& message);
  void UpdateBounds();
  void MoveInZOrder(TControl* control, bool topMost);
  HWND PrecedingWindow(TWinControl* control) const;
  void InvalidateFrame();
  // Moves the control to `index` in its parent's tab list, clamped to the list.
  void UpdateTabOrder(int index);
  // After reading: puts the children whose descriptions gave a tab order at those places.
  void FixupTabList();

  HWND FHandle = nullptr;
  HWND FParentWindow = nullptr;
  bool FShowing = false;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FWinControls;
  std::vector<TWinControl*> FTabList;
  std::unique_ptr<TBrush> FBrush;
  int FAlignLevel = 0;
  bool FTabStop = false;
  int FTabOrder = -1;  // the tab order a description gave, applied once its siblings are read
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  bool FDockSite = false;
  std::vector<TControl*> FDockClients;
};
