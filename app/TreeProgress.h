// What the tree copy and the tree removal need from the window they work for: the progress
// bar's user value, a moment for pending messages, and the message box that reports a file
// that could not be copied.
#pragma once

#include <System.h>

class TreeProgress {
 public:
  virtual ~TreeProgress() = default;

  virtual int UserValue() const = 0;
  virtual void SetUserValue(int value) = 0;
  virtual void ProcessMessages() = 0;
  virtual void ShowMessage(const AnsiString& text, const AnsiString& caption) = 0;

  // One more file: the user value goes up by one (a value past the maximum is ignored by the
  // bar), and when the value read back is a multiple of `messagesEvery` pending messages are
  // processed, before the file itself is touched.
  void CountFile(int messagesEvery) {
    SetUserValue(UserValue() + 1);
    if (UserValue() % messagesEvery == 0) ProcessMessages();
  }
};
