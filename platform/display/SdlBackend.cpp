#include "SdlBackend.h"

#include <winnls.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kWheelDelta = 120;  // WHEEL_DELTA

RECT Clip(const RECT& r, int width, int height) {
  return RECT{std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0), std::min<LONG>(r.right, width),
              std::min<LONG>(r.bottom, height)};
}

SDL_SystemCursor SystemCursorOf(CursorShape shape) {
  switch (shape) {
    case CursorShape::IBeam:
      return SDL_SYSTEM_CURSOR_IBEAM;
    case CursorShape::Wait:
      return SDL_SYSTEM_CURSOR_WAIT;
    case CursorShape::Cross:
      return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case CursorShape::SizeNWSE:
      return SDL_SYSTEM_CURSOR_SIZENWSE;
    case CursorShape::SizeNESW:
      return SDL_SYSTEM_CURSOR_SIZENESW;
    case CursorShape::SizeWE:
      return SDL_SYSTEM_CURSOR_SIZEWE;
    case CursorShape::SizeNS:
      return SDL_SYSTEM_CURSOR_SIZENS;
    case CursorShape::SizeAll:
      return SDL_SYSTEM_CURSOR_SIZEALL;
    case CursorShape::No:
      return SDL_SYSTEM_CURSOR_NO;
    case CursorShape::Hand:
      return SDL_SYSTEM_CURSOR_HAND;
    case CursorShape::AppStarting:
      return SDL_SYSTEM_CURSOR_WAITARROW;
    default:
      return SDL_SYSTEM_CURSOR_ARROW;
  }
}

std::optional<InputEvent::Button> ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return InputEvent::Button::Left;
    case SDL_BUTTON_RIGHT:
      return InputEvent::Button::Right;
    case SDL_BUTTON_MIDDLE:
      return InputEvent::Button::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace

SdlBackend::SdlBackend() {
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Our windows are plain pixel buffers: the host framebuffer, never a renderer that would
  // re-create a window (and lose its position) when its surface is first taken.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // SIGINT and SIGTERM end the program as they end any other; SDL would turn them into a quit
  // event that no window asked for.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A desktop program does not hold off the screen saver.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "sdl display: %s\n", SDL_GetError());
    return;
  }
  wakeEvent_ = SDL_RegisterEvents(1);
  displayThread_ = std::this_thread::get_id();
  SDL_StartTextInput();
  open_ = true;
}

SdlBackend::~SdlBackend() {
  if (!open_) return;
  for (auto& [id, host] : windows_) SDL_DestroyWindow(host.window);
  for (auto& [shape, cursor] : cursors_) SDL_FreeCursor(cursor);
  SDL_Quit();
}

SIZE SdlBackend::ScreenSize() const {
  SDL_Rect bounds{0, 0, 1024, 768};
  if (open_) SDL_GetDisplayBounds(0, &bounds);
  return SIZE{bounds.w, bounds.h};
}

SdlBackend::HostWindow* SdlBackend::Find(SurfaceId id) {
  const auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

std::optional<SurfaceId> SdlBackend::SurfaceOf(Uint32 windowId) const {
  SDL_Window* window = SDL_GetWindowFromID(windowId);
  for (const auto& [id, host] : windows_) {
    if (host.window == window) return id;
  }
  return std::nullopt;
}

POINT SdlBackend::ToScreen(Uint32 windowId, int x, int y) const {
  int left = 0, top = 0;
  if (SDL_Window* window = SDL_GetWindowFromID(windowId)) SDL_GetWindowPosition(window, &left, &top);
  return POINT{left + x, top + y};
}

void SdlBackend::CreateSurface(SurfaceId id, const RECT& bounds) {
  if (!open_) return;
  const int width = std::max<int>(1, bounds.right - bounds.left);
  const int height = std::max<int>(1, bounds.bottom - bounds.top);
  SDL_Window* window = SDL_CreateWindow("", bounds.left, bounds.top, width, height,
                                        SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
  if (!window) {
    std::fprintf(stderr, "sdl display: %s\n", SDL_GetError());
    return;
  }
  windows_[id] = HostWindow{window, bounds, false};
}

void SdlBackend::DestroySurface(SurfaceId id) {
  if (HostWindow* host = Find(id)) {
    SDL_DestroyWindow(host->window);
    windows_.erase(id);
    std::erase(stacking_, id);
  }
}

void SdlBackend::ShowSurface(SurfaceId id, bool visible) {
  HostWindow* host = Find(id);
  if (!host || host->visible == visible) return;
  host->visible = visible;
  if (visible) {
    SDL_ShowWindow(host->window);
  } else {
    SDL_HideWindow(host->window);
  }
}

void SdlBackend::MoveSurface(SurfaceId id, const RECT& bounds) {
  HostWindow* host = Find(id);
  if (!host) return;
  const RECT& old = host->bounds;
  if (old.left != bounds.left || old.top != bounds.top) SDL_SetWindowPosition(host->window, bounds.left, bounds.top);
  if (old.right - old.left != bounds.right - bounds.left || old.bottom - old.top != bounds.bottom - bounds.top) {
    SDL_SetWindowSize(host->window, std::max<int>(1, bounds.right - bounds.left),
                      std::max<int>(1, bounds.bottom - bounds.top));
  }
  host->bounds = bounds;
}

// Raises the windows from the bottom up, so the host ends with our order; only when it changed,
// because raising may also move the host's keyboard focus.
void SdlBackend::RestackSurfaces(const std::vector<SurfaceId>& topToBottom) {
  std::vector<SurfaceId> shown;
  for (SurfaceId id : topToBottom) {
    if (HostWindow* host = Find(id); host && host->visible) shown.push_back(id);
  }
  if (shown == stacking_) return;
  stacking_ = shown;
  for (auto it = shown.rbegin(); it != shown.rend(); ++it) SDL_RaiseWindow(Find(*it)->window);
}

void SdlBackend::Present(SurfaceId id, const PixelSurface& pixels, const RECT& changed) {
  HostWindow* host = Find(id);
  if (!host || !host->visible || pixels.BitsPerPixel() != 32) return;
  SDL_Surface* target = SDL_GetWindowSurface(host->window);
  if (!target) return;
  const RECT r = Clip(changed, std::min(pixels.Width(), target->w), std::min(pixels.Height(), target->h));
  if (r.right <= r.left || r.bottom <= r.top) return;
  // A 32-bit DIB row is B, G, R, X bytes: SDL's XRGB8888 on a little-endian host.
  auto* destination = static_cast<uint8_t*>(target->pixels) + r.top * target->pitch +
                      r.left * target->format->BytesPerPixel;
  SDL_LockSurface(target);
  for (int y = r.top; y < r.bottom; ++y, destination += target->pitch) {
    SDL_ConvertPixels(r.right - r.left, 1, SDL_PIXELFORMAT_RGB888, pixels.Row(y) + r.left * 4, pixels.Stride(),
                      target->format->format, destination, target->pitch);
  }
  SDL_UnlockSurface(target);
  const SDL_Rect area{r.left, r.top, r.right - r.left, r.bottom - r.top};
  SDL_UpdateWindowSurfaceRects(host->window, &area, 1);
}

void SdlBackend::SetCursor(CursorShape shape) {
  if (!open_) return;
  if (shape == CursorShape::Hidden) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_Cursor*& cursor = cursors_[shape];
  if (!cursor) cursor = SDL_CreateSystemCursor(SystemCursorOf(shape));
  if (cursor) SDL_SetCursor(cursor);
  SDL_ShowCursor(SDL_ENABLE);
}

UINT SdlBackend::VirtualKeyOf(const SDL_Keysym& key) {
  const SDL_Keycode code = key.sym;
  if (code >= SDLK_a && code <= SDLK_z) return static_cast<UINT>('A' + (code - SDLK_a));
  if (code >= SDLK_0 && code <= SDLK_9) return static_cast<UINT>('0' + (code - SDLK_0));
  if (code >= SDLK_F1 && code <= SDLK_F12) return static_cast<UINT>(VK_F1 + (code - SDLK_F1));
  if (key.scancode >= SDL_SCANCODE_KP_1 && key.scancode <= SDL_SCANCODE_KP_9) {
    return static_cast<UINT>(VK_NUMPAD1 + (key.scancode - SDL_SCANCODE_KP_1));
  }
  switch (code) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_HOME:
      return VK_HOME;
    case SDLK_END:
      return VK_END;
    case SDLK_PAGEUP:
      return VK_PRIOR;
    case SDLK_PAGEDOWN:
      return VK_NEXT;
    case SDLK_INSERT:
      return VK_INSERT;
    case SDLK_DELETE:
      return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
      return VK_MENU;
    case SDLK_CAPSLOCK:
      return VK_CAPITAL;
    case SDLK_KP_0:
      return VK_NUMPAD0;
    case SDLK_COMMA:
      return VK_OEM_COMMA;
    case SDLK_PERIOD:
      return VK_OEM_PERIOD;
    case SDLK_MINUS:
      return VK_OEM_MINUS;
    case SDLK_EQUALS:
      return VK_OEM_PLUS;
    case SDLK_SEMICOLON:
      return VK_OEM_1;
    case SDLK_SLASH:
      return VK_OEM_2;
    case SDLK_BACKQUOTE:
      return VK_OEM_3;
    case SDLK_LEFTBRACKET:
      return VK_OEM_4;
    case SDLK_BACKSLASH:
      return VK_OEM_5;
    case SDLK_RIGHTBRACKET:
      return VK_OEM_6;
    case SDLK_QUOTE:
      return VK_OEM_7;
    default:
      return 0;
  }
}

// TranslateMessage already makes ASCII characters from key presses, so only the characters a
// key press cannot give (letters of the host's layout outside ASCII) arrive as text.
void SdlBackend::TranslateText(const char* utf8, InputSink& sink) {
  WCHAR wide[32];
  const int count = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 32);
  for (int i = 0; i + 1 < count; ++i) {
    if (wide[i] < 0x80) continue;
    char character = 0;
    BOOL defaulted = FALSE;
    if (WideCharToMultiByte(1250, 0, &wide[i], 1, &character, 1, nullptr, &defaulted) != 1 || defaulted) continue;
    InputEvent event;
    event.kind = InputEvent::Kind::Char;
    event.character = static_cast<unsigned char>(character);
    sink.Deliver(event);
  }
}

void SdlBackend::TranslateWindowEvent(const SDL_WindowEvent& event, InputSink& sink) {
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      if (const std::optional<SurfaceId> id = SurfaceOf(event.windowID)) {
        InputEvent close;
        close.kind = InputEvent::Kind::CloseRequest;
        close.surface = *id;
        sink.Deliver(close);
      }
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      if (SDL_Window* window = SDL_GetWindowFromID(event.windowID)) SDL_UpdateWindowSurface(window);
      break;
    default:
      break;
  }
}

void SdlBackend::Translate(const SDL_Event& e, InputSink& sink) {
  InputEvent event;
  switch (e.type) {
    case SDL_MOUSEMOTION:
      event.kind = InputEvent::Kind::MouseMove;
      event.screen = ToScreen(e.motion.windowID, e.motion.x, e.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const std::optional<InputEvent::Button> button = ButtonOf(e.button.button);
      if (!button) return;
      event.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
      event.button = *button;
      event.screen = ToScreen(e.button.windowID, e.button.x, e.button.y);
      break;
    }
    case SDL_MOUSEWHEEL: {
      event.kind = InputEvent::Kind::Wheel;
      const int direction = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
      event.wheelDelta = e.wheel.y * kWheelDelta * direction;
      int x = 0, y = 0;
      SDL_GetGlobalMouseState(&x, &y);
      event.screen = POINT{x, y};
      if (event.wheelDelta == 0) return;
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      event.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
      event.virtualKey = VirtualKeyOf(e.key.keysym);
      if (event.virtualKey == 0) return;
      break;
    case SDL_TEXTINPUT:
      TranslateText(e.text.text, sink);
      return;
    case SDL_WINDOWEVENT:
      TranslateWindowEvent(e.window, sink);
      return;
    default:
      return;  // includes our wake-up event
  }
  sink.Deliver(event);
}

void SdlBackend::PollEvents(InputSink& sink) {
  if (!open_) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) Translate(event, sink);
}

void SdlBackend::WaitEvents(int timeoutMs) {
  if (!open_) return;
  if (timeoutMs < 0) {
    SDL_WaitEvent(nullptr);
  } else {
    SDL_WaitEventTimeout(nullptr, timeoutMs);
  }
}

// Only another thread can find the display's thread waiting. A wake-up from the display's own
// thread is skipped: SDL would address it to the window of its last timed wait, which may have
// been destroyed since, and the X server answers that with a fatal BadWindow.
void SdlBackend::Wake() {
  if (!open_ || std::this_thread::get_id() == displayThread_) return;
  SDL_Event event{};
  event.type = wakeEvent_;
  SDL_PushEvent(&event);
}
