// Entry points that Win32 lacks, for tests, tools and start-up code only. Each part of the
// platform keeps its own clearly marked section.
#pragma once

#include "windef.h"

// ---------------------------------------------------------------------------------------------
// System services (kernel32): the prefix, host paths and the clock.
// ---------------------------------------------------------------------------------------------
extern "C" {

// Selects the prefix folder (a host path, UTF-8). NULL returns to $WINPREFIX, or to
// $XDG_DATA_HOME/winprefix (~/.local/share/winprefix) when that is unset. The folder and its
// layout (drive_c with WINDOWS, Program Files and the user's profile) are created on first use.
// Open handles keep working; caches of paths and registry hives are dropped.
void WinportSetPrefix(const char* hostPath);

// The prefix folder in use (host path), creating it when needed. The text stays valid until the
// calling thread's next call.
const char* WinportGetPrefix(void);

// Maps a Windows path (code page 1250) to the host path (UTF-8) it resolves to; the last part
// need not exist. Returns the length written without the NUL, the size needed when the buffer
// is too small, or 0 with GetLastError set when the path cannot be resolved.
DWORD WinportGetHostPath(LPCSTR windowsPath, char* hostPath, DWORD size);

// Maps a host path (UTF-8, absolute or relative to the current folder) to its Windows form:
// C:\... inside drive_c, Z:\... elsewhere. Same return convention as WinportGetHostPath.
DWORD WinportGetWindowsPath(const char* hostPath, LPSTR windowsPath, DWORD size);

// Replaces the clock behind GetTickCount, GetTickCount64 and QueryPerformanceCounter by a
// function returning nanoseconds since an arbitrary start. NULL restores the monotonic clock.
void WinportSetClock(ULONGLONG (*nanoseconds)(void));

}
