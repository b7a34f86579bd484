// Class identifiers of the shell.
#pragma once

#include "guiddef.h"

extern "C" const CLSID CLSID_ShellLink;
