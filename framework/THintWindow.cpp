#include "THintWindow.h"

#include "TScreen.h"

#include <algorithm>

using enum TBrushStyle;

TAWO_IMPLEMENT_CLASS(THintWindow)

namespace {
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.WindowClass.style |= CS_SAVEBITS;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void THintWindow::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTTRANSPARENT;
    return;
  }
  inherited::Dispatch(message);
}

void THintWindow::Paint() {
  RECT rect = ClientRect();
  rect.left += 2;
  rect.top += 2;
  Canvas()->Font()->Assign(Font());
  Canvas()->Brush()->SetStyle(bsClear);
  const AnsiString text = Caption();
  DrawTextA(Canvas()->Handle(), text.c_str(), static_cast<int>(text.size()), &rect, kTextFormat);
}

RECT THintWindow::CalcHintRect(int maxWidth, const AnsiString& hint) {
  RECT rect{0, 0, maxWidth, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, Font()->Handle());
  DrawTextA(dc, hint.c_str(), static_cast<int>(hint.size()), &rect, kTextFormat | DT_CALCRECT);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  rect.right += 6;
  rect.bottom += 2;
  return rect;
}

void THintWindow::ActivateHint(RECT rect, const AnsiString& hint) {
  SetCaption(hint);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  rect.left = std::max(0, std::min<int>(rect.left, Screen->Width() - width));
  rect.top = std::max(0, std::min<int>(rect.top, Screen->Height() - height));
  SetBounds(rect.left, rect.top, width, height);
  SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
  Update();
}

bool THintWindow::IsShown() { return HandleAllocated() && IsWindowVisible(Handle()); }

bool THintWindow::IsHintMsg(const MSG& msg) const {
  const UINT m = msg.message;
  return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || m == CM_ACTIVATE || m == CM_DEACTIVATE || m == CM_APPKEYDOWN ||
         m == CM_APPSYSCOMMAND || m == WM_COMMAND || (m > WM_MOUSEMOVE && m <= WM_MOUSELAST) || m == WM_NCMOUSEMOVE;
}
