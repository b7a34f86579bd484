// The path routines of unit LMDProcs: the program, Windows and system folders, and the folder
// a path prefix names.
#pragma once

#include <TypInfo.h>

TAWO_ENUM(TLMDPathPrefix, ppWindows, ppSystem, ppProgram, ppFixed)

// The folder of the running program's file, ending in a backslash.
AnsiString LMDAppPath();
AnsiString LMDWindowsDirectory();
AnsiString LMDSystemDirectory();
// The folder `prefix` names ('' for ppFixed), with or without one trailing backslash.
AnsiString LMDCreatePathPrefix(TLMDPathPrefix prefix, bool trailingBackslash);
