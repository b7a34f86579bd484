#include "LMDCustomButton.h"

#include <Controls.h>

TAWO_IMPLEMENT_CLASS(TLMDCustomButton)

TLMDCustomButton::TLMDCustomButton(TComponent* owner) : TButton(owner) {
  TControlStyle style = ControlStyle();
  style.Include(csReplicatable);
  SetControlStyle(style);
  SetBounds(Left(), Top(), 75, 25);
}

void TLMDCustomButton::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= BS_OWNERDRAW;
}

void TLMDCustomButton::SetButtonStyle(bool isDefault) {
  if (isDefault == FActiveDefault) return;
  FActiveDefault = isDefault;
  if (HandleAllocated()) Invalidate();
}

void TLMDCustomButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      CNDrawItem(message);
      return;
    case CN_MEASUREITEM:
      CNMeasureItem(message);
      return;
    case WM_LBUTTONDBLCLK:
      WMLButtonDblClk(message);
      return;
    default:
      inherited::Dispatch(message);
  }
}

// Each press of a double click is a press of the button, so a double click clicks twice.
void TLMDCustomButton::WMLButtonDblClk(TMessage& message) {
  message.Result = Perform(WM_LBUTTONDOWN, message.WParam, message.LParam);
}

void TLMDCustomButton::CNMeasureItem(TMessage& message) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
  item->itemWidth = static_cast<UINT>(Width());
  item->itemHeight = static_cast<UINT>(Height());
  message.Result = TRUE;
}

void TLMDCustomButton::CNDrawItem(TMessage& message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  PaintFace(item->hDC, item->rcItem, item->itemState);
  message.Result = TRUE;
}

void TLMDCustomButton::PaintFace(HDC dc, RECT rect, UINT itemState) {
  const bool pressed = (itemState & ODS_SELECTED) != 0;
  const bool focused = (itemState & ODS_FOCUS) != 0;
  HBRUSH face = CreateSolidBrush(ColorToRGB(Color()));
  FillRect(dc, &rect, face);
  DeleteObject(face);
  if (focused || FActiveDefault) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  RECT text = rect;
  if (pressed) OffsetRect(&text, 1, 1);
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Enabled() ? ColorToRGB(Font()->Color()) : GetSysColor(COLOR_GRAYTEXT));
  const AnsiString caption = Caption();
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  if (focused) {
    RECT focus = rect;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}
