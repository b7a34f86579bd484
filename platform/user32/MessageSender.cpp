#include "MessageSender.h"

#include "MessageQueue.h"
#include "ThreadIdentity.h"
#include "WindowTable.h"

LRESULT MessageSender::Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w) return 0;
  const DWORD current = ThreadIdentity::Current();
  if (w->IsRoot() || w->threadId == current) return CallWindowProcA(w->procedure, hwnd, message, wParam, lParam);

  std::shared_ptr<MessageQueue> target = MessageQueue::ForThread(w->threadId);
  if (!target) return 0;
  auto sent = std::make_shared<SentMessage>();
  sent->message.hwnd = hwnd;
  sent->message.message = message;
  sent->message.wParam = wParam;
  sent->message.lParam = lParam;
  sent->senderThread = current;
  target->PostSent(sent);
  MessageQueue& own = MessageQueue::Current();
  while (!sent->done.load()) {
    if (HandleIncoming() > 0) continue;
    if (!MessageQueue::ForThread(w->threadId)) return 0;  // the receiving thread has ended
    own.WaitForWake(50);
  }
  return sent->result;
}

int MessageSender::HandleIncoming() {
  MessageQueue& queue = MessageQueue::Current();
  int count = 0;
  while (std::shared_ptr<SentMessage> sent = queue.TakeSent()) {
    ++queue.handlingSentMessages;
    std::shared_ptr<Window> w = WindowTable::Instance().Find(sent->message.hwnd);
    sent->result = w ? CallWindowProcA(w->procedure, sent->message.hwnd, sent->message.message, sent->message.wParam,
                                       sent->message.lParam)
                     : 0;
    --queue.handlingSentMessages;
    sent->done = true;
    if (std::shared_ptr<MessageQueue> sender = MessageQueue::ForThread(sent->senderThread)) sender->Wake();
    ++count;
  }
  return count;
}

bool MessageSender::InSendFromOtherThread() { return MessageQueue::Current().handlingSentMessages > 0; }
