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

#include "windows.h"

extern "C" {

// ==== Display and input ========================================================================
// The headless display keeps a virtual 1024 x 768 screen in memory; input injected here goes
// through the same queue as host input (hit-testing, capture, focus, double clicks).

// Chooses the display backend ("headless", or a host backend such as "sdl") before the first
// window exists; WINDISPLAY does the same from the environment. FALSE when the name is unknown
// or another backend is already in use.
BOOL WINAPI WinportSetDisplay(LPCSTR backendName);
// The backend in use ("headless", ...); choosing the default one if none is chosen yet.
LPCSTR WINAPI WinportDisplayName(void);

#define WINPORT_BUTTON_LEFT 0
#define WINPORT_BUTTON_RIGHT 1
#define WINPORT_BUTTON_MIDDLE 2

// Mouse input at screen coordinates.
VOID WINAPI WinportMouseMove(int x, int y);
VOID WINAPI WinportMouseDown(int button, int x, int y);
VOID WINAPI WinportMouseUp(int button, int x, int y);
// Move, press and release.
VOID WINAPI WinportMouseClick(int button, int x, int y);
// A wheel turn of `delta` (multiples of WHEEL_DELTA, positive away from the user).
VOID WINAPI WinportMouseWheel(int delta, int x, int y);
// A key going down or up (virtual key; the scan code is derived).
VOID WINAPI WinportKeyDown(UINT virtualKey);
VOID WINAPI WinportKeyUp(UINT virtualKey);
// Down and up.
VOID WINAPI WinportKeyPress(UINT virtualKey);
// Characters (Windows-1250) as typed text: each arrives as WM_CHAR at the focus window.
VOID WINAPI WinportTypeText(LPCSTR text);

// The clock behind message times, timers and double clicks (GetTickCount reads it too).
DWORD WINAPI WinportClockNow(void);
// The virtual clock stands still until advanced; switching it on freezes the current time.
VOID WINAPI WinportUseVirtualClock(BOOL enable);
BOOL WINAPI WinportIsVirtualClock(void);
// Moves the virtual clock forward by `milliseconds`. With `dispatch`, the calling thread's
// pending messages are translated and dispatched at every moment a timer falls due and at the
// end, so a 100 ms timer advanced by 1000 ms fires ten times; without it only the clock moves.
// WM_QUIT stops the dispatching and stays pending.
VOID WINAPI WinportAdvanceClock(DWORD milliseconds, BOOL dispatch);
// Translates and dispatches the calling thread's pending messages without waiting; returns how
// many were dispatched. WM_QUIT stops it and stays pending.
int WINAPI WinportDispatchPending(void);

// Called when the headless message loop has nothing to do, before the virtual clock jumps to
// the next timer: it may inject input (an automation script) and returns TRUE if it did.
typedef BOOL(CALLBACK* WINPORT_IDLEPROC)(LPVOID context);
VOID WINAPI WinportSetIdleHandler(WINPORT_IDLEPROC handler, LPVOID context);
// How long the headless message loop waits for other threads when nothing at all can happen
// (no timer, no input) before it ends the loop with WM_QUIT; INFINITE (the default) waits on,
// as a real display does. WINIDLELIMIT (milliseconds) sets it for a whole program, for tests
// that run programs headless and need them to end.
VOID WINAPI WinportSetIdleLimit(DWORD milliseconds);

// Screenshots: PNG, or BMP when the path ends in ".bmp". The screen is composed from the
// top-level windows; a window's shot is its window rectangle from its top-level's surface.
BOOL WINAPI WinportScreenshot(LPCSTR path);
BOOL WINAPI WinportWindowScreenshot(HWND hwnd, LPCSTR path);
// The colour of a pixel of the composed screen.
COLORREF WINAPI WinportScreenPixel(int x, int y);

// Adds a resource of the program module, as the resource section of an executable holds it:
// `type` and `name` are numbers (MAKEINTRESOURCE) or names (case-insensitive); the bytes are
// copied. A second resource of the same type and name replaces the first, whose locked bytes
// are then no longer valid.
BOOL WINAPI WinportAddResource(LPCSTR type, LPCSTR name, LPCVOID data, DWORD size);

// Debug counts for leak checks: live windows, window DCs not released, live GDI objects
// (stock objects excluded; window DCs and private DCs included).
UINT WINAPI WinportLiveWindowCount(void);
UINT WINAPI WinportLiveWindowDcCount(void);
UINT WINAPI WinportLiveGdiObjectCount(void);

}  // extern "C"
