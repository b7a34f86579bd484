#include "LMDCustomControl.h"

#include <LMDContainer.h>
#include <LMDCustomImageList.h>

#include <TBitmap.h>
#include <TFinally.h>

using enum TBrushStyle;
using enum TComponentStateItem;
using enum TControlStyleItem;
using enum TOperation;
using enum TPenStyle;

TAWO_IMPLEMENT_CLASS(TLMDCustomControl)

TLMDCustomControl::TLMDCustomControl(TComponent* owner)
    : TCustomControl(owner),
      FImageLink(TNotifyEvent(this, &TLMDCustomControl::GetIMLChange)),
      FBackFX(std::make_unique<TLMDBitmapEffectObject>()) {
  FBackFX->OnChange = TNotifyEvent(this, &TLMDCustomControl::GetChange);
  SetWidth(100);
  SetHeight(40);
  SetTabStop(false);
}

TLMDCustomControl::~TLMDCustomControl() { FBackFX->OnChange = nullptr; }

void TLMDCustomControl::SetMouseAbove(bool) {
  FMouseAbove = true;
}

void TLMDCustomControl::SetFlat(bool value) {
  if (value == FFlat) return;
  FFlat = value;
  DoFlatChanged();
  if (FFlat) RestoreBorderBack();
  else RestoreBorderFront();
}

void TLMDCustomControl::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  TControlStyle style = ControlStyle();
  if (value) style.Exclude(csOpaque);
  else style.Include(csOpaque);
  SetControlStyle(style);
  RecreateWnd();
}

void TLMDCustomControl::SetBoolean(bool value) {
  if (value == FEntered) return;
  FEntered = value;
  if (!FEntered && FFlat) RestoreBorderBack();
}

void TLMDCustomControl::SetImageList(TLMDCustomImageList* value) {
  FImageLink.SetImageList(value, this);
  GetIMLChange(nullptr);
}

void TLMDCustomControl::SetIndex(int32_t index, int32_t value) {
  if (FImageLink.SetIndex(index, value) && ImageList() != nullptr) GetIMLChange(nullptr);
}

void TLMDCustomControl::GetChange(TObject*) {
  if (FRepaintOnChange) Invalidate();
}

void TLMDCustomControl::GetIMLChange(TObject* sender) {
  GetChange(sender);
}

bool TLMDCustomControl::BackDrawArea(TCanvas*, const RECT&, POINT, UINT) {
  return false;
}

HPALETTE TLMDCustomControl::BackBitmapPalette() {
  if (BackBitmap() != nullptr) return nullptr;
  auto* parent = dynamic_cast<TLMDCustomControl*>(Parent());
  if (parent == nullptr || parent->BackBitmap() == nullptr) return nullptr;
  return parent->BackBitmap()->Palette();
}

void TLMDCustomControl::MouseEnter() {
  if (OnMouseEnter.Assigned()) OnMouseEnter(this);
  FMouseAbove = true;
}

void TLMDCustomControl::MouseExit() {
  FMouseAbove = false;
  if (!FEntered) RestoreBorderBack();
  if (OnMouseExit.Assigned()) OnMouseExit(this);
}

void TLMDCustomControl::DoEnter() {
  inherited::DoEnter();
  SetBoolean(true);
  if (FFlat) RestoreBorderFront();
}

void TLMDCustomControl::DoExit() {
  SetBoolean(false);
  RestoreBorderBack();
  inherited::DoExit();
}

void TLMDCustomControl::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  if (FTransparent && FTransparentMode == 1) params.ExStyle |= WS_EX_TRANSPARENT;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TLMDCustomControl::Paint() {
  if (IsLoading()) return;
  FillControl();
  if (ComponentState().Contains(csDesigning)) {
    if (GetEmpty()) DrawDashedFrame();
  } else {
    RestoreBorderBack();
  }
}

void TLMDCustomControl::DrawDashedFrame() {
  TCanvas* canvas = Canvas();
  canvas->Pen()->SetColor(clBlack);
  canvas->Pen()->SetStyle(psDash);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Rectangle(0, 0, Width(), Height());
}

void TLMDCustomControl::FillControl() {
  if (FTransparent && FTransparentMode == 1) {
    if (Parent() == nullptr) return;
    RECT area{};
    GetClipBox(Canvas()->Handle(), &area);
    OffsetRect(&area, Left(), Top());
    RedrawWindow(Parent()->Handle(), &area, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    return;
  }
  RepBack(ClientRect());
}

void TLMDCustomControl::RepBack(const RECT& rect) {
  if (CheckOptimized() && BackDrawArea(Canvas(), rect, POINT{0, 0}, 0)) return;
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(rect);
}

void TLMDCustomControl::InvalidateFrame() {
  if (Parent() == nullptr || !Parent()->HandleAllocated()) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(Parent()->Handle(), &bounds, TRUE);
}

RECT TLMDCustomControl::GetScreenRect(const RECT& rect) {
  const POINT topLeft = ClientToScreen(POINT{rect.left, rect.top});
  const POINT bottomRight = ClientToScreen(POINT{rect.right, rect.bottom});
  return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// The border is the window's non-client edge; without a window there is none to paint.
template <class F>
void TLMDCustomControl::PaintBorder(F paint) {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  RECT rect{};
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
  const TFinally release([&] {
    DeleteObject(face);
    DeleteObject(frame);
    ReleaseDC(window, dc);
  });
  paint(dc, rect, face, frame);
}

void TLMDCustomControl::RestoreBorderBack() {
  if (Focused() || !FFlat || FMouseAbove) return;
  const bool ctl3D = Ctl3D();
  PaintBorder([ctl3D](HDC dc, RECT rect, HBRUSH face, HBRUSH) {
    FrameRect(dc, &rect, face);
    if (!ctl3D) return;
    InflateRect(&rect, -1, -1);
    FrameRect(dc, &rect, face);
  });
}

void TLMDCustomControl::RestoreBorderFront() {
  const bool ctl3D = Ctl3D();
  PaintBorder([ctl3D](HDC dc, RECT rect, HBRUSH face, HBRUSH frame) {
    if (!ctl3D) {
      FrameRect(dc, &rect, frame);
      return;
    }
    const RECT shifted{rect.left + 1, rect.top + 1, rect.right, rect.bottom};
    FrameRect(dc, &shifted, frame);
    const RECT shrunk{rect.left, rect.top, rect.right - 1, rect.bottom - 1};
    FrameRect(dc, &shrunk, face);
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  });
}

void TLMDCustomControl::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  LMDDefineInternal(filer, ImageList(), [this](TLMDCustomImageList* list) { SetImageList(list); });
}

// A connector's items are complete only once the form is loaded.
void TLMDCustomControl::Loaded() {
  inherited::Loaded();
  if (LMDIsCollectionImageList(ImageList())) GetIMLChange(nullptr);
}

// A container being destroyed is no longer a container when its removal is announced, so the
// lists are recognised by identity alone.
void TLMDCustomControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove || component == nullptr) return;
  if (component == ImageList()) SetImageList(nullptr);
  TLMDAlphaObject* alpha = FBackFX->AlphaBlend();
  if (!ComponentState().Contains(csDestroying) && component == alpha->ImageList()) alpha->SetImageList(nullptr);
}

void TLMDCustomControl::BroadcastBackChanged() {
  TMessage message{CM_LMDBACKCHANGED, 0, 0, 0};
  Broadcast(message);
}

void TLMDCustomControl::BackChanged() {
  if (IsLoading() || ComponentState().Contains(csDestroying)) return;
  FBackFX->DestroyBuffer();
  if (CheckOptimized()) {
    Repaint();
    BroadcastBackChanged();
  } else {
    Invalidate();
  }
}

void TLMDCustomControl::AfterMove() {
  if (CheckOptimized()) {
    FBackFX->DestroyBuffer();
    Repaint();
    PaintControls(Canvas()->Handle(), nullptr);
  }
  if (FTransparent && FTransparentMode == 1) {
    Repaint();
    PaintControls(Canvas()->Handle(), nullptr);
  }
}

void TLMDCustomControl::AfterSize() {
  FBackFX->DestroyBuffer();
  if ((FTransparentMode == 1 && FTransparent) || CheckOptimized()) {
    Repaint();
    BroadcastBackChanged();
  } else {
    Invalidate();
  }
}

void TLMDCustomControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_LMDAFTERENTER:
      if (OnAfterEnter.Assigned()) OnAfterEnter(this);
      return;
    case CM_LMDAFTEREXIT:
      if (OnAfterExit.Assigned()) OnAfterExit(this);
      return;
    case CM_LMDBACKCHANGED:
      BackChanged();
      return;
    case CM_LMDSCROLLBOXSCROLLEVENT:
      if (CheckOptimized()) BroadcastBackChanged();
      return;
    case WM_ERASEBKGND:
      if ((FTransparentMode == 1 && FTransparent) || CheckOptimized()) {
        message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  inherited::Dispatch(message);
  switch (message.Msg) {
    case CM_MOUSEENTER:
      MouseEnter();
      break;
    case CM_MOUSELEAVE:
      MouseExit();
      break;
    case CM_SYSCOLORCHANGE:
      if (!FTransparent) Invalidate();
      break;
    case WM_SETFOCUS:
      PostMessage(Handle(), CM_LMDAFTERENTER, 0, 0);
      break;
    case WM_KILLFOCUS:
      PostMessage(Handle(), CM_LMDAFTEREXIT, 0, 0);
      break;
    case WM_MOVE:
      AfterMove();
      break;
    case WM_SIZE:
      AfterSize();
      break;
    default:
      break;
  }
}
