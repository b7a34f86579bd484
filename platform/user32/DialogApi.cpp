// IsDialogMessageA: the dialog manager's keyboard handling for any parent window.
#include "DialogNavigation.h"
#include "WindowTable.h"

extern "C" BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
  if (!lpMsg) return FALSE;
  std::shared_ptr<Window> dialog = WindowTable::Instance().Find(hDlg);
  std::shared_ptr<Window> target = WindowTable::Instance().Find(lpMsg->hwnd);
  if (!dialog || !target || !dialog->Contains(target.get())) return FALSE;
  if (lpMsg->message == WM_KEYDOWN) {
    HWND focus = GetFocus();
    std::shared_ptr<Window> focused = WindowTable::Instance().Find(focus);
    if (!focused || !dialog->Contains(focused.get())) focus = nullptr;
    const LRESULT code = focus ? SendMessageA(focus, WM_GETDLGCODE, lpMsg->wParam, reinterpret_cast<LPARAM>(lpMsg)) : 0;
    if (!(code & DLGC_WANTALLKEYS) &&
        DialogNavigation::HandleKey(hDlg, focus, static_cast<UINT>(lpMsg->wParam), code)) {
      return TRUE;
    }
  }
  TranslateMessage(lpMsg);
  DispatchMessageA(lpMsg);
  return TRUE;
}
