#include "MessageQueue.h"

#include <chrono>
#include <unordered_map>
#include <vector>

#include "Display.h"
#include "ThreadIdentity.h"

namespace {

std::mutex& RegistryMutex() {
  static std::mutex mutex;
  return mutex;
}

std::unordered_map<DWORD, std::weak_ptr<MessageQueue>>& Registry() {
  static std::unordered_map<DWORD, std::weak_ptr<MessageQueue>> queues;
  return queues;
}

// Owns the thread's queue and unregisters it when the thread ends.
struct QueueHolder {
  std::shared_ptr<MessageQueue> queue;
  ~QueueHolder() {
    if (!queue) return;
    std::lock_guard lock(RegistryMutex());
    Registry().erase(queue->ThreadId());
  }
};

}  // namespace

MessageQueue& MessageQueue::Current() {
  thread_local QueueHolder holder;
  if (!holder.queue) {
    holder.queue = std::make_shared<MessageQueue>(ThreadIdentity::Current());
    std::lock_guard lock(RegistryMutex());
    Registry()[holder.queue->ThreadId()] = holder.queue;
  }
  return *holder.queue;
}

std::shared_ptr<MessageQueue> MessageQueue::ForThread(DWORD threadId) {
  std::lock_guard lock(RegistryMutex());
  const auto it = Registry().find(threadId);
  return it == Registry().end() ? nullptr : it->second.lock();
}

void MessageQueue::Post(const MSG& message) {
  {
    std::lock_guard lock(mutex_);
    posted_.push_back(Posted{nextSequence_++, message});
  }
  Wake();
}

void MessageQueue::PostSent(std::shared_ptr<SentMessage> message) {
  {
    std::lock_guard lock(mutex_);
    sent_.push_back(std::move(message));
  }
  Wake();
}

std::shared_ptr<SentMessage> MessageQueue::TakeSent() {
  std::lock_guard lock(mutex_);
  if (sent_.empty()) return nullptr;
  std::shared_ptr<SentMessage> message = sent_.front();
  sent_.pop_front();
  return message;
}

bool MessageQueue::HasSent() {
  std::lock_guard lock(mutex_);
  return !sent_.empty();
}

void MessageQueue::Wake() {
  {
    std::lock_guard lock(mutex_);
    wakePending_ = true;
  }
  woken_.notify_all();
  if (pumpsDisplay_) Display::Backend().Wake();
}

std::optional<MSG> MessageQueue::TakePosted(const MessageFilter& filter, bool remove) {
  // The filter may look windows up, so it runs on a copy without the lock held.
  std::vector<Posted> snapshot;
  {
    std::lock_guard lock(mutex_);
    snapshot.assign(posted_.begin(), posted_.end());
  }
  for (const Posted& candidate : snapshot) {
    if (!filter.Matches(candidate.message)) continue;
    if (remove) {
      std::lock_guard lock(mutex_);
      std::erase_if(posted_, [&](const Posted& p) { return p.sequence == candidate.sequence; });
    }
    return candidate.message;
  }
  return std::nullopt;
}

bool MessageQueue::HasPosted(const MessageFilter& filter) { return TakePosted(filter, false).has_value(); }

void MessageQueue::WaitForWake(int timeoutMs) {
  if (pumpsDisplay_) {
    {
      std::lock_guard lock(mutex_);
      if (wakePending_) {
        wakePending_ = false;
        return;
      }
    }
    Display::Backend().WaitEvents(timeoutMs);
    std::lock_guard lock(mutex_);
    wakePending_ = false;
    return;
  }
  std::unique_lock lock(mutex_);
  if (timeoutMs < 0) {
    woken_.wait(lock, [this] { return wakePending_; });
  } else {
    woken_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return wakePending_; });
  }
  wakePending_ = false;
}
