#include "WindowProgress.h"

#include <TApplication.h>

void WindowProgress::ProcessMessages() {
  Application->ProcessMessages();
}

void WindowProgress::ShowMessage(const AnsiString& text, const AnsiString& caption) {
  Application->MessageBox(text, caption, 0);
}
