// The window and range filter of GetMessage and PeekMessage.
#pragma once

#include <windows.h>

class MessageFilter {
 public:
  MessageFilter(HWND window, UINT first, UINT last) : window_(window), first_(first), last_(last) {}

  // All messages of the thread.
  static MessageFilter Any() { return MessageFilter(nullptr, 0, 0); }

  bool MatchesMessage(UINT message) const {
    return (first_ == 0 && last_ == 0) || (message >= first_ && message <= last_);
  }
  // Null: any window of the thread and thread messages; -1: thread messages only; otherwise
  // that window and its descendants.
  bool MatchesWindow(HWND target) const;
  bool Matches(const MSG& message) const { return MatchesMessage(message.message) && MatchesWindow(message.hwnd); }

 private:
  HWND window_;
  UINT first_;
  UINT last_;
};
