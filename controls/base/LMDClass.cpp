#include "LMDClass.h"

#include <SysUtils.h>

void LMDRaiseDockError(TComponent* control, TComponent* docked) {
  throw Exception("Component " + control->Name() +
                  ":\rA TLMDDockLabel- or Button component was already attached to the component: " +
                  docked->Name() + "\rOnly one LMDDockXXXX per control is allowed.");
}
