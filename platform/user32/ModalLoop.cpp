#include "ModalLoop.h"

#include <algorithm>

std::vector<ModalLoop::Running>& ModalLoop::Loops() {
  thread_local std::vector<Running> loops;
  return loops;
}

ModalLoop::Running* ModalLoop::Find(HWND dialog) {
  auto& loops = Loops();
  const auto it = std::find_if(loops.begin(), loops.end(), [dialog](const Running& r) { return r.dialog == dialog; });
  return it == loops.end() ? nullptr : &*it;
}

bool ModalLoop::End(HWND dialog, INT_PTR result) {
  Running* loop = Find(dialog);
  if (!loop) return false;
  loop->ended = true;
  loop->result = result;
  PostMessageA(dialog, WM_NULL, 0, 0);  // wakes the loop if it is waiting
  return true;
}

INT_PTR ModalLoop::Run(HWND dialog, const std::vector<HWND>& blocked) {
  std::vector<HWND> disabled;
  for (HWND hwnd : blocked) {
    if (IsWindow(hwnd) && IsWindowEnabled(hwnd)) {
      EnableWindow(hwnd, FALSE);
      disabled.push_back(hwnd);
    }
  }
  Loops().push_back(Running{dialog, false, 0});
  ShowWindow(dialog, SW_SHOWNORMAL);
  UpdateWindow(dialog);
  MSG msg;
  for (;;) {
    const Running* loop = Find(dialog);
    if (loop->ended || !IsWindow(dialog)) break;
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  const INT_PTR result = Find(dialog)->result;
  std::erase_if(Loops(), [dialog](const Running& r) { return r.dialog == dialog; });
  for (HWND hwnd : disabled) EnableWindow(hwnd, TRUE);
  return result;
}

extern "C" BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  if (!IsWindow(hDlg)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return ModalLoop::End(hDlg, nResult) ? TRUE : FALSE;
}
