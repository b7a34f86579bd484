// TForm1's background panel, known in a unit of its own (see TForm1::BindPanel).
#include <TPanel.h>

#include "Main.h"

namespace {

// The form's field table cannot name the panel's class, so the reader finds it registered.
const bool registered = (RegisterClass(TPanel::ClassInfo()), true);

}  // namespace

void TForm1::BindPanel() {
  Panel1 = dynamic_cast<TPanel*>(FindComponent("Panel1"));
}
