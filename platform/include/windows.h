// The Win32 subset this project runs on. Code above the platform includes only this header
// (and the other SDK-named headers); it must also compile against the real SDK.
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winnls.h"
#include "wingdi.h"
#include "winuser.h"
#include "winreg.h"
#include "shellapi.h"
