// The message queue of one thread: posted messages (any thread may post), input already routed
// to this thread's windows, the quit flag, timers, and the thread's input state (focus, active
// window, capture, key states, mouse tracking).
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

#include "MessageFilter.h"
#include "TimerList.h"

using KeyStates = std::array<BYTE, 256>;

// An input message with the key states that held when it happened.
struct RoutedInput {
  MSG message;
  KeyStates keys;
};

// A message sent from another thread, waiting for this thread to run it and for the reply.
struct SentMessage {
  MSG message{};
  DWORD senderThread = 0;
  LRESULT result = 0;
  std::atomic<bool> done{false};
};

struct MouseTracking {
  HWND window = nullptr;
  DWORD flags = 0;  // TME_LEAVE, TME_HOVER
  DWORD hoverTime = 0;
  DWORD hoverStart = 0;
  POINT hoverPoint{0, 0};
};

class MessageQueue {
 public:
  explicit MessageQueue(DWORD threadId) : threadId_(threadId) {}

  // The calling thread's queue, created on first use.
  static MessageQueue& Current();
  // The queue of a thread that has one; null otherwise.
  static std::shared_ptr<MessageQueue> ForThread(DWORD threadId);

  DWORD ThreadId() const { return threadId_; }

  // --- Any thread ------------------------------------------------------------------------
  void Post(const MSG& message);
  void PostSent(std::shared_ptr<SentMessage> message);
  void Wake();

  // --- The owning thread -----------------------------------------------------------------
  std::optional<MSG> TakePosted(const MessageFilter& filter, bool remove);
  std::shared_ptr<SentMessage> TakeSent();
  bool HasSent();
  bool HasPosted(const MessageFilter& filter);
  // Waits for Wake() or the timeout (negative: none); through the display backend when this
  // thread pumps it.
  void WaitForWake(int timeoutMs);
  void PumpDisplay() { pumpsDisplay_ = true; }
  bool PumpsDisplay() const { return pumpsDisplay_; }

  void SetQuit(int exitCode) {
    quitPending = true;
    quitCode = exitCode;
  }

  bool quitPending = false;
  int quitCode = 0;
  std::deque<RoutedInput> input;
  TimerList timers;
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  KeyStates keys{};
  MouseTracking tracking;
  DWORD lastMessageTime = 0;
  POINT lastMessagePos{0, 0};
  int handlingSentMessages = 0;  // depth of messages from other threads being handled

 private:
  DWORD threadId_;
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wakePending_ = false;
  bool pumpsDisplay_ = false;
  struct Posted {
    uint64_t sequence;
    MSG message;
  };
  std::deque<Posted> posted_;
  std::deque<std::shared_ptr<SentMessage>> sent_;
  uint64_t nextSequence_ = 0;
};
