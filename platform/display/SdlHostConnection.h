// The socket of the host display connection an SDL window uses, for waiting on it with poll().
// Apart from the backend because the X headers it needs define names the backend uses.
#pragma once

#include <SDL.h>

// The X connection's file descriptor; -1 when the window is not on X11.
int SdlHostConnection(SDL_Window* window);
