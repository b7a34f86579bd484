// Unit StdCtrls: labels and push buttons, and the accelerator test they share. The classes
// have their own headers.
#pragma once

#include "System.h"
#include "TButton.h"
#include "TLabel.h"

#include <windows.h>

// Whether the character `key` is the one marked by '&' in `caption` ('&&' is a literal '&'),
// compared without regard to case.
bool IsAccel(WPARAM key, const AnsiString& caption);
