// Unit LMDClass: helpers shared by the library's components.
#pragma once

#include <TComponent.h>

// Raises the framework's general exception for a second docking component on one control.
[[noreturn]] void LMDRaiseDockError(TComponent* control, TComponent* docked);
