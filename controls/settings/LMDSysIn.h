// Unit LMDSysIn: system information.
#pragma once

#include <System.h>

// The name of the logged-on user; '' when the system cannot tell.
AnsiString LMDSIUserName();
