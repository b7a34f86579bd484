// Sending, posting, retrieving, translating and dispatching messages.
#include "UserClock.h"
#include "KeyTranslation.h"
#include "MessagePump.h"
#include "MessageQueue.h"
#include "MessageSender.h"
#include "WindowTable.h"

namespace {

// Messages below WM_USER whose parameters point into the sender's memory cannot be posted.
bool CarriesPointer(UINT message) {
  switch (message) {
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_CREATE:
    case WM_NCCREATE:
    case WM_NCCALCSIZE:
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      return true;
    default:
      return false;
  }
}

MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = GetMessageTime();
  GetCursorPos(&msg.pt);
  return msg;
}

bool ValidFilterWindow(HWND hwnd) {
  return !hwnd || hwnd == reinterpret_cast<HWND>(-1) || WindowTable::Instance().Get(hwnd) != nullptr;
}

}  // namespace

extern "C" {

LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd == HWND_BROADCAST) {
    const auto tops = WindowTable::Instance().Desktop().children;
    for (const auto& top : tops) {
      if (top->IsAlive()) MessageSender::Send(top->handle, Msg, wParam, lParam);
    }
    return 0;
  }
  return MessageSender::Send(hWnd, Msg, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (CarriesPointer(Msg)) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return FALSE;
  }
  if (!hWnd) {
    MessageQueue::Current().Post(MakeMessage(nullptr, Msg, wParam, lParam));
    return TRUE;
  }
  if (hWnd == HWND_BROADCAST) {
    const auto tops = WindowTable::Instance().Desktop().children;
    for (const auto& top : tops) PostMessageA(top->handle, Msg, wParam, lParam);
    return TRUE;
  }
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return FALSE;
  std::shared_ptr<MessageQueue> queue = MessageQueue::ForThread(w->threadId);
  if (!queue) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  queue->Post(MakeMessage(hWnd, Msg, wParam, lParam));
  return TRUE;
}

BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (CarriesPointer(Msg)) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return FALSE;
  }
  std::shared_ptr<MessageQueue> queue = MessageQueue::ForThread(idThread);
  if (!queue) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  queue->Post(MakeMessage(nullptr, Msg, wParam, lParam));
  return TRUE;
}

VOID WINAPI PostQuitMessage(int nExitCode) { MessageQueue::Current().SetQuit(nExitCode); }

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!ValidFilterWindow(hWnd)) return FALSE;
  std::optional<MSG> msg = MessagePump::Peek(MessageFilter(hWnd, wMsgFilterMin, wMsgFilterMax), wRemoveMsg);
  if (!msg) return FALSE;
  *lpMsg = *msg;
  return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (!ValidFilterWindow(hWnd)) return -1;
  const MessageFilter filter(hWnd, wMsgFilterMin, wMsgFilterMax);
  for (;;) {
    if (std::optional<MSG> msg = MessagePump::Peek(filter, PM_REMOVE)) {
      *lpMsg = *msg;
      return msg->message == WM_QUIT ? 0 : 1;
    }
    MessagePump::Wait(filter);
  }
}

BOOL WINAPI WaitMessage(void) {
  MessagePump::Wait(MessageFilter::Any());
  return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg) return FALSE;
  const UINT message = lpMsg->message;
  if (message != WM_KEYDOWN && message != WM_KEYUP && message != WM_SYSKEYDOWN && message != WM_SYSKEYUP) return FALSE;
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    const std::optional<unsigned char> character =
        KeyTranslation::CharacterFor(static_cast<UINT>(lpMsg->wParam), MessageQueue::Current().keys);
    if (character) {
      PostMessageA(lpMsg->hwnd, message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, *character, lpMsg->lParam);
    }
  }
  return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
    const auto procedure = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
    procedure(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, UserClock::Now());
    return 0;
  }
  if (!lpMsg->hwnd) return 0;
  std::shared_ptr<Window> w = WindowTable::Instance().Get(lpMsg->hwnd);
  if (!w) return 0;
  if (w->threadId != MessageQueue::Current().ThreadId()) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return 0;
  }
  return CallWindowProcA(w->procedure, lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LONG WINAPI GetMessageTime(void) { return static_cast<LONG>(MessageQueue::Current().lastMessageTime); }

DWORD WINAPI GetMessagePos(void) {
  const POINT pos = MessageQueue::Current().lastMessagePos;
  return static_cast<DWORD>(MAKELONG(pos.x, pos.y));
}

BOOL WINAPI InSendMessage(void) { return MessageSender::InSendFromOtherThread() ? TRUE : FALSE; }

}  // extern "C"
