#include "Forms.h"

#include "Classes.h"
#include "TApplication.h"
#include "TCustomForm.h"
#include "TScreen.h"

namespace {

// References to other forms in form descriptions (Form2.PopupMenu1) find them by name.
TComponent* FindFormByName(const AnsiString& name) {
  for (int i = 0; i < Screen->CustomFormCount(); ++i) {
    TCustomForm* form = Screen->CustomForms(i);
    if (SameText(form->Name(), name)) return form;
  }
  return nullptr;
}

void StartForms() {
  static bool started = false;
  if (started) return;
  started = true;
  Screen = new TScreen(nullptr);
  Application = new TApplication(nullptr);
  RegisterFindGlobalComponent(&FindFormByName);
}

}  // namespace

constinit TUnitGlobal<TApplication> Application{&StartForms};
constinit TUnitGlobal<TScreen> Screen{&StartForms};
