#include "TWinControl.h"

#include "RTLConsts.h"
#include "TApplication.h"
#include "TControlCanvas.h"
#include "TCustomForm.h"
#include "TDragDockObject.h"
#include "TFinally.h"
#include "TScreen.h"

#include <algorithm>
#include <unordered_map>

using enum TAlign;
using enum TComponentStateItem;
using enum TControlStateItem;
using enum TControlStyleItem;
using enum TDragMessage;

TAWO_IMPLEMENT_CLASS(TWinControl)

namespace {

// The framework control of each window made by CreateWnd.
std::unordered_map<HWND, TWinControl*>& ControlOfWindow() {
  static std::unordered_map<HWND, TWinControl*> map;
  return map;
}

// The control whose window is being created: its first message binds the window to it.
thread_local TWinControl* CreationControl = nullptr;

LRESULT CALLBACK InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

template <class List, class Item>
void ListRemove(List& list, Item item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

// Binds a new window to the control being created, then runs it through MainWndProc.
class TWindowBinding {
 public:
  static LRESULT Deliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FindControl(hwnd);
    if (control == nullptr) {
      control = CreationControl;
      if (control == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
      CreationControl = nullptr;
      control->FHandle = hwnd;
      ControlOfWindow()[hwnd] = control;
    }
    TMessage message{msg, wParam, lParam, 0};
    control->MainWndProc(message);
    return message.Result;
  }
  static void Unbind(TWinControl* control) {
    if (control->FHandle != nullptr) ControlOfWindow().erase(control->FHandle);
    control->FHandle = nullptr;
  }
};

namespace {
LRESULT CALLBACK InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return TWindowBinding::Deliver(hwnd, msg, wParam, lParam);
}
}  // namespace

TWinControl* FindControl(HWND handle) {
  if (handle == nullptr) return nullptr;
  auto& map = ControlOfWindow();
  auto found = map.find(handle);
  return found != map.end() ? found->second : nullptr;
}

// ---------------------------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner), FBrush(std::make_unique<TBrush>()) {
  FBrush->SetColor(Color());
}

TWinControl::~TWinControl() = default;

void TWinControl::BeforeDestruction() {
  Destroying();
  if (Parent() != nullptr) RemoveFocus(true);
  if (FHandle != nullptr) DestroyHandle();
  while (ControlCount() > 0) {
    TControl* child = Controls(ControlCount() - 1);
    RemoveControl(child);
    delete child;
  }
  for (TControl* client : FDockClients) client->FHostDockSite = nullptr;
  FDockClients.clear();
  inherited::BeforeDestruction();
}

// ---------------------------------------------------------------------------------------------
// The window.

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle != nullptr) return;
  if (Parent() != nullptr) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::SetParentWindow(HWND value) {
  if (FParentWindow == value) return;
  if (FHandle != nullptr && Parent() == nullptr) DestroyHandle();
  FParentWindow = value;
  UpdateControlState();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params = TCreateParams{};
  params.Caption = GetText();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle.Contains(csAcceptsControls)) {
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() != nullptr ? Parent()->Handle() : FParentWindow;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  params.WindowClass.lpfnWndProc = &DefWindowProcA;
  params.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  params.WindowClass.hbrBackground = nullptr;
  params.WindowClass.hInstance = GetModuleHandleA(nullptr);
  params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* className) {
  WNDCLASSA systemClass{};
  if (!GetClassInfoA(nullptr, className, &systemClass)) return;
  const HINSTANCE instance = params.WindowClass.hInstance;
  params.WindowClass = systemClass;
  params.WindowClass.hInstance = instance;
  params.WindowClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.WndParent == nullptr && (params.Style & WS_CHILD) != 0) {
    throw EInvalidOperation(Format(SParentRequired, {Name()}));
  }
  FDefWndProc = params.WindowClass.lpfnWndProc;
  WNDCLASSA registered{};
  const bool known = GetClassInfoA(params.WindowClass.hInstance, params.WinClassName.c_str(), &registered);
  if (!known || registered.lpfnWndProc != &InitWndProc) {
    if (known) UnregisterClassA(params.WinClassName.c_str(), params.WindowClass.hInstance);
    WNDCLASSA windowClass = params.WindowClass;
    windowClass.lpfnWndProc = &InitWndProc;
    windowClass.lpszClassName = params.WinClassName.c_str();
    if (RegisterClassA(&windowClass) == 0) throw EOutOfResources(SWindowClass);
  }
  CreationControl = this;
  CreateWindowHandle(params);
  CreationControl = nullptr;
  if (FHandle == nullptr) throw EOutOfResources(SWindowCreate);
  UpdateBounds();
  Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                  params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                  params.WindowClass.hInstance, params.Param);
}

void TWinControl::CreateHandle() {
  if (FHandle != nullptr) return;
  CreateWnd();
  if (Parent() != nullptr) {
    SetWindowPos(FHandle, Parent()->PrecedingWindow(this), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TWinControl::DestroyHandle() {
  if (FHandle == nullptr) return;
  for (TWinControl* child : FWinControls) child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  FreeDeviceContexts();
  FControlState.Include(csDestroyingHandle);
  HWND handle = FHandle;
  DestroyWindow(handle);
  FControlState.Exclude(csDestroyingHandle);
  TWindowBinding::Unbind(this);
  FShowing = false;
}

void TWinControl::RecreateWnd() {
  if (FHandle != nullptr) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  const bool wasFocused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (wasFocused && FHandle != nullptr) ::SetFocus(FHandle);
}

// The window that the control's window goes after in z-order: the next windowed sibling that
// has a window, or the top.
HWND TWinControl::PrecedingWindow(TWinControl* control) const {
  auto at = std::find(FWinControls.begin(), FWinControls.end(), control);
  if (at == FWinControls.end()) return HWND_TOP;
  for (++at; at != FWinControls.end(); ++at) {
    if ((*at)->FHandle != nullptr) return (*at)->FHandle;
  }
  return HWND_BOTTOM;
}

void TWinControl::MainWndProc(TMessage& message) {
  try {
    WindowProc(message);
  } catch (...) {
    FreeDeviceContexts();
    Application->HandleException(this);
    return;
  }
  FreeDeviceContexts();
}

// ---------------------------------------------------------------------------------------------
// Children.

TControl* TWinControl::Controls(int index) const {
  const int graphicCount = static_cast<int>(FControls.size());
  if (index < 0 || index >= ControlCount()) throw EListError(Format(SListIndexError, {index}));
  if (index < graphicCount) return FControls[static_cast<std::size_t>(index)];
  return FWinControls[static_cast<std::size_t>(index - graphicCount)];
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (; control != nullptr; control = control->Parent()) {
    if (control == this) return true;
  }
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    FWinControls.push_back(windowed);
    FTabList.push_back(windowed);
  } else {
    FControls.push_back(control);
  }
  control->FParent = this;
  if (!control->ComponentState().Contains(csReading)) {
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    control->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      windowed->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
      windowed->UpdateControlState();
    } else if (FHandle != nullptr) {
      control->Invalidate();
    }
    AlignControl(control);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed->RemoveFocus(true);
    windowed->DestroyHandle();
    ListRemove(FTabList, windowed);
    ListRemove(FWinControls, windowed);
  } else {
    if (FHandle != nullptr) control->InvalidateControl(control->Visible(), false);
    ListRemove(FControls, control);
  }
  control->FParent = nullptr;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
  if (!ComponentState().Contains(csDestroying)) Realign();
}

void TWinControl::MoveInZOrder(TControl* control, bool topMost) {
  auto reorder = [topMost](auto& list, auto* item) {
    auto at = std::find(list.begin(), list.end(), item);
    if (at == list.end()) return;
    list.erase(at);
    if (topMost) list.push_back(item);
    else list.insert(list.begin(), item);
  };
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    reorder(FWinControls, windowed);
    if (windowed->FHandle != nullptr) {
      SetWindowPos(windowed->FHandle, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  } else {
    reorder(FControls, control);
  }
}

TControl* TWinControl::ControlAtPos(POINT pos, bool allowDisabled, bool allowWinControls) {
  auto hits = [&](TControl* control) {
    const RECT bounds = control->BoundsRect();
    if (!control->Visible() || !(control->Enabled() || allowDisabled) || !PtInRect(&bounds, pos)) return false;
    return control->Perform(CM_HITTEST, 0, PointToLParam(pos.x - control->Left(), pos.y - control->Top())) != 0;
  };
  if (allowWinControls) {
    for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it) {
      if (hits(*it)) return *it;
    }
  }
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    if (hits(*it)) return *it;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (int i = 0; i < ControlCount(); ++i) {
    Controls(i)->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  Broadcast(message);
}

void TWinControl::SetChildOrder(TComponent* child, int order) {
  auto* control = dynamic_cast<TControl*>(child);
  if (control == nullptr) return;
  auto place = [order](auto& list, auto* item) {
    auto at = std::find(list.begin(), list.end(), item);
    if (at == list.end()) return;
    list.erase(at);
    const auto index = static_cast<std::size_t>(std::clamp(order, 0, static_cast<int>(list.size())));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), item);
  };
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) place(FWinControls, windowed);
  else place(FControls, control);
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    if (control->Owner() == root) proc(control);
  }
}

// ---------------------------------------------------------------------------------------------
// Showing.

void TWinControl::UpdateShowing() {
  const bool show = Visible() && !FControlState.Contains(csReadingState);
  if (show) {
    if (FHandle == nullptr) CreateHandle();
    for (TWinControl* child : std::vector<TWinControl*>(FWinControls)) child->UpdateShowing();
  }
  if (FHandle != nullptr && FShowing != show) {
    FShowing = show;
    try {
      Perform(CM_SHOWINGCHANGED, show ? 1 : 0, 0);
    } catch (...) {
      FShowing = !show;
      throw;
    }
  }
}

void TWinControl::UpdateControlState() {
  TWinControl* top = this;
  while (top->Parent() != nullptr) {
    top = top->Parent();
    if (!top->Showing()) return;
  }
  if (dynamic_cast<TCustomForm*>(top) != nullptr || top->FParentWindow != nullptr) UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage&) {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!Visible() && Parent() != nullptr) RemoveFocus(false);
  UpdateControlState();
}

// Aligns once after reading, and shows what the description made visible.
void TWinControl::ReadState(TReader& reader) {
  DisableAlign();
  try {
    inherited::ReadState(reader);
  } catch (...) {
    --FAlignLevel;
    throw;
  }
  FixupTabList();
  UpdateControlState();
  EnableAlign();
}

void TWinControl::Loaded() {
  inherited::Loaded();
  if (FHandle != nullptr) UpdateBounds();
  Realign();
}

// ---------------------------------------------------------------------------------------------
// Bounds and alignment.

void TWinControl::SetBounds(int left, int top, int width, int height) {
  ConstrainSize(width, height);
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (FHandle != nullptr && !IsIconic(FHandle)) {
    SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    UpdateBoundsFields(left, top, width, height);
  }
  RequestAlign();
}

// Reads the window's position and size back into the fields.
void TWinControl::UpdateBounds() {
  RECT rect{};
  GetWindowRect(FHandle, &rect);
  HWND parentWindow = GetParent(FHandle);
  if ((GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD) != 0 && parentWindow != nullptr) {
    MapWindowPoints(nullptr, parentWindow, reinterpret_cast<POINT*>(&rect), 2);
  }
  UpdateBoundsFields(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

RECT TWinControl::ClientRect() {
  if (FHandle == nullptr) return TControl::ClientRect();
  RECT rect{};
  GetClientRect(FHandle, &rect);
  return rect;
}

POINT TWinControl::ClientOrigin() {
  POINT origin{0, 0};
  ::ClientToScreen(Handle(), &origin);
  return origin;
}

void TWinControl::AlignControl(TControl* control) {
  if (FHandle == nullptr && ComponentState().Contains(csLoading)) return;
  if (FAlignLevel != 0 || ComponentState().Contains(csDestroying)) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  RECT rect{};
  AdjustClientRect(rect);
  AlignControls(control, rect);
  FControlState.Exclude(csAlignmentNeeded);
  --FAlignLevel;
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

// The aligned children in the order of their places; the control being moved wins a tie.
void TWinControl::AlignControls(TControl* control, RECT& rect) {
  auto place = [&](TAlign align) {
    std::vector<TControl*> list;
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* child = Controls(i);
      if (child->Align() == align && child->Visible()) list.push_back(child);
    }
    auto position = [align](TControl* c) {
      switch (align) {
        case alTop: return c->Top();
        case alBottom: return -(c->Top() + c->Height());
        case alLeft: return c->Left();
        case alRight: return -(c->Left() + c->Width());
        default: return 0;
      }
    };
    std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) {
      if (position(a) != position(b)) return position(a) < position(b);
      return a == control && b != control;
    });
    // A side takes what the child's constraints left it, not what it was offered.
    for (TControl* child : list) {
      const int width = child->Width();
      const int height = child->Height();
      switch (align) {
        case alTop:
          child->SetBounds(rect.left, rect.top, rect.right - rect.left, height);
          rect.top += child->Height();
          break;
        case alBottom:
          child->SetBounds(rect.left, rect.bottom - height, rect.right - rect.left, height);
          rect.bottom -= child->Height();
          break;
        case alLeft:
          child->SetBounds(rect.left, rect.top, width, rect.bottom - rect.top);
          rect.left += child->Width();
          break;
        case alRight:
          child->SetBounds(rect.right - width, rect.top, width, rect.bottom - rect.top);
          rect.right -= child->Width();
          break;
        case alClient:
          child->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
          break;
        default: break;
      }
    }
  };
  const RECT client = ClientRect();
  const POINT parentSize{client.right, client.bottom};
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) place(align);
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (child->Align() == alNone && child != control) child->AnchorTo(parentSize);
  }
}

// ---------------------------------------------------------------------------------------------
// Painting.

void TWinControl::Invalidate() { Perform(CM_INVALIDATE, 0, 0); }

void TWinControl::CMInvalidate(TMessage& message) {
  if (FHandle != nullptr && message.WParam == 0) {
    InvalidateRect(FHandle, nullptr, FControlStyle.Contains(csOpaque) ? FALSE : TRUE);
  }
}

void TWinControl::Update() {
  if (FHandle != nullptr) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

bool TWinControl::OpaqueSiblingCovers(const TControl* control, const RECT& rect) const {
  auto at = std::find(FControls.begin(), FControls.end(), control);
  while (at != FControls.begin()) {
    --at;
    const TControl* below = *at;
    if (!below->Visible() || !below->ControlStyle().Contains(csOpaque)) continue;
    const RECT bounds = below->BoundsRect();
    RECT common{};
    IntersectRect(&common, &rect, &bounds);
    if (EqualRect(&common, &rect)) return true;
  }
  return false;
}

void TWinControl::WMPaint(TMessage& message) {
  if (!FControlState.Contains(csCustomPaint) && ControlCount() == 0) DefaultHandler(message);
  else PaintHandler(message);
}

void TWinControl::PaintHandler(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  PAINTSTRUCT paint{};
  const bool ownDc = dc == nullptr;
  if (ownDc) dc = BeginPaint(FHandle, &paint);
  const TFinally endPaint([&] { if (ownDc) EndPaint(FHandle, &paint); });
  const int saved = SaveDC(dc);
  int clip = SIMPLEREGION;
  for (TControl* child : FControls) {
    if (child->Visible() && child->ControlStyle().Contains(csOpaque)) {
      clip = ExcludeClipRect(dc, child->Left(), child->Top(), child->Left() + child->Width(),
                             child->Top() + child->Height());
      if (clip == NULLREGION) break;
    }
  }
  if (clip != NULLREGION) PaintWindow(dc);
  RestoreDC(dc, saved);
  PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto start = std::find(FControls.begin(), FControls.end(), first);
  if (start == FControls.end()) start = FControls.begin();
  const std::vector<TControl*> graphic(start, FControls.end());
  for (TControl* child : graphic) {
    const RECT bounds = child->BoundsRect();
    if (!child->Visible() || !RectVisible(dc, &bounds)) continue;
    const int saved = SaveDC(dc);
    POINT origin{};
    GetWindowOrgEx(dc, &origin);
    SetWindowOrgEx(dc, origin.x - child->Left(), origin.y - child->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
  for (TWinControl* child : FWinControls) {
    if (!child->FCtl3D || !child->ControlStyle().Contains(csFramed) || !child->Visible()) continue;
    const RECT shadow{child->Left() - 1, child->Top() - 1, child->Left() + child->Width(),
                      child->Top() + child->Height()};
    const RECT highlight{child->Left(), child->Top(), child->Left() + child->Width() + 1,
                         child->Top() + child->Height() + 1};
    HBRUSH shadowBrush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
    FrameRect(dc, &shadow, shadowBrush);
    DeleteObject(shadowBrush);
    HBRUSH highlightBrush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    FrameRect(dc, &highlight, highlightBrush);
    DeleteObject(highlightBrush);
  }
}

void TWinControl::InvalidateFrame() {
  if (Parent() == nullptr || !Parent()->HandleAllocated()) return;
  RECT rect = BoundsRect();
  InflateRect(&rect, 1, 1);
  InvalidateRect(Parent()->FHandle, &rect, TRUE);
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  const RECT client = ClientRect();
  FillRect(reinterpret_cast<HDC>(message.WParam), &client, FBrush->Handle());
  message.Result = 1;
}

// ---------------------------------------------------------------------------------------------
// Messages.

bool TWinControl::IsControlMouseMsg(TMessage& message) {
  TControl* control = nullptr;
  if (GetCapture() == FHandle) {
    TControl* captured = GetCaptureControl();
    if (captured != nullptr && captured->Parent() == this) control = captured;
  } else {
    control = ControlAtPos(message.Pos(), false);
  }
  if (control == nullptr) return false;
  const LPARAM pos = PointToLParam(message.XPos() - control->Left(), message.YPos() - control->Top());
  message.Result = control->Perform(message.Msg, message.WParam, pos);
  return true;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS: {
      TCustomForm* form = GetParentForm(this);
      if (form != nullptr && !form->SetFocusedControl(this)) return;
      break;
    }
    case WM_KILLFOCUS:
      if (FControlState.Contains(csFocusing)) return;
      break;
    case WM_CANCELMODE: {
      TControl* captured = GetCaptureControl();
      if (GetCapture() == FHandle && captured != nullptr && captured->Parent() == this) {
        captured->Perform(WM_CANCELMODE, 0, 0);
      }
      break;
    }
    default:
      if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST && IsControlMouseMsg(message)) {
        if (message.Result == 0 && FHandle != nullptr) {
          DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam);
        }
        return;
      }
      break;
  }
  inherited::WndProc(message);
}

void TWinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: WMPaint(message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(message); return;
    case WM_SIZE: WMSize(message); return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(message); return;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(message); return;
    case WM_SETCURSOR: WMSetCursor(message); return;
    case WM_NCDESTROY: WMNCDestroy(message); return;
    case WM_CONTEXTMENU: WMContextMenu(message); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: WMKeyDown(message); return;
    case WM_KEYUP:
    case WM_SYSKEYUP: WMKeyUp(message); return;
    case WM_CHAR: WMChar(message); return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      if (!DoControlMsg(reinterpret_cast<HWND>(message.LParam), message)) inherited::Dispatch(message);
      return;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      if (!DoControlMsg(item != nullptr ? item->hwndItem : nullptr, message)) inherited::Dispatch(message);
      return;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      HWND child = item != nullptr && item->CtlID != 0 && FHandle != nullptr
                       ? GetDlgItem(FHandle, static_cast<int>(item->CtlID))
                       : nullptr;
      if (!DoControlMsg(child, message)) inherited::Dispatch(message);
      return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: CNKeyDown(message); return;
    case CN_CHAR:
    case CN_SYSCHAR: {
      TCustomForm* form = GetParentForm(this);
      const bool wantsChars = (Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) != 0;
      message.Result = !wantsChars && form != nullptr &&
                               form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0
                           ? 1
                           : 0;
      return;
    }
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: CNCtlColor(message); return;
    case CM_COLORCHANGED: CMColorChanged(message); return;
    case CM_FONTCHANGED: CMFontChanged(message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(message); return;
    case CM_VISIBLECHANGED: CMVisibleChanged(message); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(message); return;
    case CM_SHOWHINTCHANGED: CMShowHintChanged(message); return;
    case CM_INVALIDATE: CMInvalidate(message); return;
    case CM_ENTER: CMEnter(message); return;
    case CM_EXIT: CMExit(message); return;
    case CM_CTL3DCHANGED: CMCtl3DChanged(message); return;
    case CM_PARENTCTL3DCHANGED: CMParentCtl3DChanged(message); return;
    case CM_RECREATEWND: CMRecreateWnd(message); return;
    case CM_DRAG: CMDockDrag(message); return;
    case CM_BIDIMODECHANGED: CMBiDiModeChanged(message); return;
    case CM_SYSCOLORCHANGE:
    case CM_FOCUSCHANGED:
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR: Broadcast(message); return;
    case WM_SYSCOLORCHANGE: Perform(CM_SYSCOLORCHANGE, 0, 0); DefaultHandler(message); return;
    default: inherited::Dispatch(message); return;
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (FHandle == nullptr) {
    inherited::DefaultHandler(message);
    return;
  }
  if (message.Msg == WM_CONTEXTMENU && Parent() != nullptr) {
    message.Result = Parent()->Perform(message.Msg, message.WParam, message.LParam);
    if (message.Result != 0) return;
  }
  if (message.Msg >= WM_CTLCOLORMSGBOX && message.Msg <= WM_CTLCOLORSTATIC) {
    message.Result = SendMessageA(reinterpret_cast<HWND>(message.LParam), CN_BASE + message.Msg,
                                  message.WParam, message.LParam);
    return;
  }
  message.Result = CallWindowProcA(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

bool TWinControl::DoControlMsg(HWND child, TMessage& message) {
  TWinControl* control = FindControl(child);
  if (control == nullptr || control == this) return false;
  message.Result = control->Perform(message.Msg + CN_BASE, message.WParam, message.LParam);
  return true;
}

void TWinControl::CNCtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(FBrush->Color())));
  message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
}

void TWinControl::WMSize(TMessage& message) {
  if (FHandle != nullptr) UpdateBounds();
  DefaultHandler(message);
  Realign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMWindowPosChanged(TMessage& message) {
  const bool framed = FCtl3D && FControlStyle.Contains(csFramed) && Parent() != nullptr;
  if (framed) InvalidateFrame();
  if (!FControlState.Contains(csDestroyingHandle)) UpdateBounds();
  DefaultHandler(message);
  if (framed) InvalidateFrame();
}

// A size given to the window directly (by the window manager, or SetWindowPos) keeps to the
// constraints too.
void TWinControl::WMWindowPosChanging(TMessage& message) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
  if (pos != nullptr && (pos->flags & SWP_NOSIZE) == 0 &&
      !ComponentState().Contains(csReading) && !ComponentState().Contains(csDestroying)) {
    ConstrainSize(pos->cx, pos->cy);
  }
  DefaultHandler(message);
}

void TWinControl::WMSetCursor(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) == FHandle && LOWORD(message.LParam) == HTCLIENT) {
    POINT at{};
    GetCursorPos(&at);
    ::ScreenToClient(FHandle, &at);
    TControl* control = ControlAtPos(at, false);
    TCursor cursor = control != nullptr ? control->Cursor() : crDefault;
    if (cursor == crDefault) cursor = Cursor();
    if (Screen->Cursor() != crDefault) cursor = Screen->Cursor();
    if (cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMNCDestroy(TMessage& message) {
  DefaultHandler(message);
  TWindowBinding::Unbind(this);
  FShowing = false;
}

void TWinControl::WMContextMenu(TMessage& message) {
  if (message.Result != 0) return;
  if (FHandle != nullptr && !(message.XPos() == -1 && message.YPos() == -1)) {
    POINT at = message.Pos();
    ::ScreenToClient(FHandle, &at);
    if (TControl* control = ControlAtPos(at, false)) {
      message.Result = control->Perform(WM_CONTEXTMENU, 0, message.LParam);
    }
  }
  if (message.Result == 0) inherited::Dispatch(message);
}

// Keys a control does not want itself (Tab, arrows, Enter, Esc) go to its form as dialog keys.
void TWinControl::CNKeyDown(TMessage& message) {
  message.Result = 1;
  UINT mask = 0;
  switch (message.WParam) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
  }
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, message.WParam, message.LParam) == 0 &&
      (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0) return;
  }
  message.Result = 0;
}

void TWinControl::WMKeyDown(TMessage& message) {
  WORD key = static_cast<WORD>(message.WParam);
  if (!FControlStyle.Contains(csNoStdEvents)) KeyDown(key, KeyboardStateToShiftState());
  if (key == 0) return;
  message.WParam = key;
  DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message) {
  WORD key = static_cast<WORD>(message.WParam);
  if (!FControlStyle.Contains(csNoStdEvents)) KeyUp(key, KeyboardStateToShiftState());
  if (key == 0) return;
  message.WParam = key;
  DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message) {
  char key = static_cast<char>(message.WParam);
  if (!FControlStyle.Contains(csNoStdEvents)) KeyPress(key);
  if (key == 0) return;
  message.WParam = static_cast<unsigned char>(key);
  DefaultHandler(message);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyUp(WORD& key, TShiftState shift) { OnKeyUp(this, key, shift); }
void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }

// ---------------------------------------------------------------------------------------------
// Properties.

void TWinControl::CMColorChanged(TMessage& message) {
  inherited::Dispatch(message);
  FBrush->SetColor(Color());
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& message) {
  inherited::Dispatch(message);
  if (FHandle != nullptr) Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMBiDiModeChanged(TMessage& message) {
  inherited::Dispatch(message);
  NotifyControls(CM_PARENTBIDIMODECHANGED);
}

void TWinControl::CMShowHintChanged(TMessage& message) {
  inherited::Dispatch(message);
  NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMEnabledChanged(TMessage& message) {
  if (!Enabled() && Parent() != nullptr) RemoveFocus(false);
  if (FHandle != nullptr) EnableWindow(FHandle, Enabled() ? TRUE : FALSE);
  inherited::Dispatch(message);
}

void TWinControl::SetCtl3D(bool value) {
  if (FCtl3D == value) return;
  FCtl3D = value;
  FParentCtl3D = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool value) {
  if (FParentCtl3D == value) return;
  FParentCtl3D = value;
  if (Parent() != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::CMCtl3DChanged(TMessage&) {
  if (ControlStyle().Contains(csFramed)) InvalidateFrame();
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMParentCtl3DChanged(TMessage&) {
  if (!FParentCtl3D || Parent() == nullptr) return;
  SetCtl3D(Parent()->Ctl3D());
  FParentCtl3D = true;
}

// ---------------------------------------------------------------------------------------------
// Focus and tab order.

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->FTabList;
  auto at = std::find(list.begin(), list.end(), this);
  return at == list.end() ? -1 : static_cast<int>(at - list.begin());
}

// While a description is read, siblings that come later are not there yet to clamp against,
// so the value waits for FixupTabList.
void TWinControl::SetTabOrder(int value) {
  if (FControlState.Contains(csReadingState)) {
    FTabOrder = value;
  } else {
    UpdateTabOrder(value);
  }
}

void TWinControl::UpdateTabOrder(int index) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->FTabList;
  auto at = std::find(list.begin(), list.end(), this);
  if (at == list.end()) return;
  list.erase(at);
  list.insert(list.begin() + std::clamp(index, 0, static_cast<int>(list.size())), this);
}

void TWinControl::FixupTabList() {
  const std::vector<TWinControl*> children = FTabList;
  std::vector<TWinControl*> byOrder(children.size(), nullptr);
  for (TWinControl* child : children) {
    if (child->FTabOrder >= 0 && child->FTabOrder < static_cast<int>(byOrder.size())) byOrder[child->FTabOrder] = child;
  }
  for (std::size_t index = 0; index < byOrder.size(); ++index) {
    if (byOrder[index] != nullptr) byOrder[index]->UpdateTabOrder(static_cast<int>(index));
  }
}

void TWinControl::SetTabStop(bool value) {
  if (FTabStop == value) return;
  FTabStop = value;
  if (FHandle != nullptr) {
    LONG style = GetWindowLongA(FHandle, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG>(WS_TABSTOP));
    SetWindowLongA(FHandle, GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

bool TWinControl::CanFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return false;
  for (TWinControl* control = this; control != form; control = control->Parent()) {
    if (control == nullptr || !control->Visible() || !control->Enabled()) return false;
  }
  return form->Visible() && form->Enabled();
}

bool TWinControl::Focused() { return FHandle != nullptr && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else if (FParentWindow != nullptr) {
    ::SetFocus(Handle());
  } else {
    throw EInvalidOperation(Format(SParentRequired, {Name()}));
  }
}

void TWinControl::RemoveFocus(bool removing) {
  if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, removing);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* control : FTabList) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  auto at = std::find(list.begin(), list.end(), current);
  int start = at == list.end() ? (goForward ? static_cast<int>(list.size()) - 1 : 0)
                               : static_cast<int>(at - list.begin());
  const int count = static_cast<int>(list.size());
  int index = start;
  for (int step = 0; step < count; ++step) {
    index = goForward ? (index + 1) % count : (index + count - 1) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(index)];
    if (candidate == current) break;
    if ((!checkTabStop || candidate->FTabStop) && (!checkParent || candidate->Parent() == this) &&
        candidate->CanFocus()) {
      return candidate;
    }
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }
void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

// ---------------------------------------------------------------------------------------------
// Docking.

TControl* TWinControl::DockClients(int index) const {
  if (index < 0 || index >= DockClientCount()) throw EListError(Format(SListIndexError, {index}));
  return FDockClients[static_cast<std::size_t>(index)];
}

void TWinControl::AddDockClient(TControl* client) { FDockClients.push_back(client); }

void TWinControl::RemoveDockClient(TControl* client) { ListRemove(FDockClients, client); }

void TWinControl::GetSiteInfo(TControl* client, RECT& influenceRect, POINT mousePos, bool& canDock) {
  GetWindowRect(Handle(), &influenceRect);
  OnGetSiteInfo(this, client, influenceRect, mousePos, canDock);
}

bool TWinControl::DoUnDock(TWinControl* newTarget, TControl* client) {
  bool allow = true;
  OnUnDock(this, client, newTarget, allow);
  return allow;
}

void TWinControl::DoDockDrop(TDragDockObject* source, int x, int y) { OnDockDrop(this, source, x, y); }

// The docking half of CM_DRAG: a site accepts unless OnDockOver refuses; a drop docks the
// control where its dock rectangle lies.
void TWinControl::CMDockDrag(TMessage& message) {
  auto* drag = reinterpret_cast<TDragRec*>(message.LParam);
  if (drag == nullptr || !drag->Docking) {
    inherited::Dispatch(message);
    return;
  }
  auto* source = static_cast<TDragDockObject*>(drag->Source);
  const POINT at = ScreenToClient(drag->Pos);
  switch (static_cast<TDragMessage>(message.WParam)) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
      bool accept = true;
      OnDockOver(this, source, at.x, at.y, static_cast<TDragState>(message.WParam), accept);
      message.Result = accept ? 1 : 0;
      break;
    }
    case dmDragDrop: {
      RECT place = source->DockRect();
      MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
      source->Control()->DockInto(this, place);
      if (source->DropAlign() != alNone) source->Control()->SetAlign(source->DropAlign());
      DoDockDrop(source, at.x, at.y);
      break;
    }
    default: break;
  }
}
