// The main window's side of the tree walks: its progress bar, the application's message
// processing and its message box.
#pragma once

#include <LMDBaseMeter.h>

#include "TreeProgress.h"

class WindowProgress : public TreeProgress {
 public:
  explicit WindowProgress(TLMDBaseMeter& bar) : FBar(bar) {}

  int UserValue() const override { return FBar.UserValue(); }
  void SetUserValue(int value) override { FBar.SetUserValue(value); }
  void ProcessMessages() override;
  void ShowMessage(const AnsiString& text, const AnsiString& caption) override;

 private:
  TLMDBaseMeter& FBar;
};
