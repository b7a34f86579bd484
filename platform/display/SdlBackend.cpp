#include "SdlBackend.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <winnls.h>

#include <algorithm>
#include <cstdio>

#include "SdlHostConnection.h"

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

// Text in the ANSI code page as UTF-8, which host window titles are.
std::string Utf8Of(const std::string& ansi) {
  if (ansi.empty()) return {};
  std::vector<WCHAR> wide(ansi.size() + 1);
  const int count = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                                        static_cast<int>(wide.size()));
  std::string utf8(static_cast<size_t>(count) * 3, '\0');
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, utf8.data(), static_cast<int>(utf8.size()),
                                        nullptr, nullptr);
  utf8.resize(static_cast<size_t>(std::max(bytes, 0)));
  return utf8;
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
  wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  displayThread_ = std::this_thread::get_id();
  SDL_StartTextInput();
  open_ = true;
}

SdlBackend::~SdlBackend() {
  if (!open_) return;
  for (auto& [id, host] : windows_) SDL_DestroyWindow(host.window);
  for (auto& [shape, cursor] : cursors_) SDL_FreeCursor(cursor);
  SDL_Quit();
  if (wakeFd_ >= 0) close(wakeFd_);
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

// Through the position USER knows, so a pointer event after a move maps as USER hit-tests it.
POINT SdlBackend::ToScreen(Uint32 windowId, int x, int y) {
  const std::optional<SurfaceId> id = SurfaceOf(windowId);
  const HostWindow* host = id ? Find(*id) : nullptr;
  return host ? POINT{host->bounds.left + x, host->bounds.top + y} : POINT{x, y};
}

void SdlBackend::WatchHostConnection(SDL_Window* window) {
  if (hostConnection_ < 0 && wakeFd_ >= 0) hostConnection_ = SdlHostConnection(window);
}

void SdlBackend::CreateSurface(SurfaceId id, const RECT& bounds, SurfaceRole role) {
  if (!open_) return;
  const int width = std::max<int>(1, bounds.right - bounds.left);
  const int height = std::max<int>(1, bounds.bottom - bounds.top);
  // A popup-menu window is one the X11 window manager does not manage (override-redirect).
  const Uint32 roleFlags = role == SurfaceRole::Popup ? SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR : 0;
  SDL_Window* window = SDL_CreateWindow("", bounds.left, bounds.top, width, height,
                                        SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN | roleFlags);
  if (!window) {
    std::fprintf(stderr, "sdl display: %s\n", SDL_GetError());
    return;
  }
  windows_[id] = HostWindow{window, role, bounds};
  WatchHostConnection(window);
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
  if (visible && host->role == SurfaceRole::Popup) {
    // A popup leaves the keyboard focus where it is, as a menu or a hint does. Without a
    // window manager that speaks the extended hints, SDL gives every window it shows the
    // focus: it goes back, and the holder's loss of it meanwhile is no loss.
    SDL_Window* holder = FocusHolder();
    SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "1");
    SDL_ShowWindow(host->window);
    if (holder != nullptr && holder != host->window) {
      SDL_SetWindowInputFocus(holder);
      focusKeeper_ = FocusKeeper{holder, SDL_GetTicks64() + kFocusReturnMs};
    }
  } else if (visible) {
    SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "0");
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

// The window with the keyboard focus; before SDL has heard where the focus is, the topmost
// shown window that is not a popup.
SDL_Window* SdlBackend::FocusHolder() {
  if (SDL_Window* focused = SDL_GetKeyboardFocus()) return focused;
  for (SurfaceId id : stacking_) {
    const HostWindow* host = Find(id);
    if (host != nullptr && host->role == SurfaceRole::Window) return host->window;
  }
  return nullptr;
}

void SdlBackend::SetSurfaceTitle(SurfaceId id, const std::string& title) {
  if (HostWindow* host = Find(id)) SDL_SetWindowTitle(host->window, Utf8Of(title).c_str());
}

void SdlBackend::SetSurfaceIcon(SurfaceId id, const PixelSurface& icon) {
  HostWindow* host = Find(id);
  if (!host || icon.BitsPerPixel() != 32) return;
  SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, icon.Width(), icon.Height(), 32, SDL_PIXELFORMAT_ARGB8888);
  if (!image) return;
  // B, G, R, A bytes are ARGB8888 on a little-endian host.
  for (int y = 0; y < icon.Height(); ++y) {
    std::copy_n(icon.Row(y), icon.Width() * 4, static_cast<uint8_t*>(image->pixels) + y * image->pitch);
  }
  SDL_SetWindowIcon(host->window, image);
  SDL_FreeSurface(image);
}

void SdlBackend::SetSurfaceMinimized(SurfaceId id, bool minimized) {
  HostWindow* host = Find(id);
  if (!host || host->minimized == minimized) return;
  host->minimized = minimized;
  host->unmappedByHost = false;
  if (minimized) {
    SDL_MinimizeWindow(host->window);
  } else {
    SDL_RestoreWindow(host->window);
  }
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

std::optional<InputEvent> SdlBackend::WindowManagerEvent(const SDL_WindowEvent& e) {
  const std::optional<SurfaceId> id = SurfaceOf(e.windowID);
  HostWindow* host = id ? Find(*id) : nullptr;
  if (!host) return std::nullopt;
  InputEvent event;
  event.surface = *id;
  switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
      event.kind = InputEvent::Kind::CloseRequest;
      return event;
    case SDL_WINDOWEVENT_MOVED:
      if (host->minimized || (e.data1 == host->bounds.left && e.data2 == host->bounds.top)) return std::nullopt;
      host->bounds = RECT{e.data1, e.data2, e.data1 + (host->bounds.right - host->bounds.left),
                          e.data2 + (host->bounds.bottom - host->bounds.top)};
      event.kind = InputEvent::Kind::Moved;
      event.origin = POINT{host->bounds.left, host->bounds.top};
      return event;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
      if (host->role == SurfaceRole::Popup) return std::nullopt;  // popups take no part in activation
      if (e.event == SDL_WINDOWEVENT_FOCUS_LOST && host->window == focusKeeper_.window &&
          SDL_GetTicks64() < focusKeeper_.until) {
        return std::nullopt;
      }
      event.kind = e.event == SDL_WINDOWEVENT_FOCUS_GAINED ? InputEvent::Kind::FocusGained : InputEvent::Kind::FocusLost;
      return event;
    case SDL_WINDOWEVENT_MINIMIZED:
      if (host->minimized) return std::nullopt;
      host->minimized = true;
      event.kind = InputEvent::Kind::Minimized;
      return event;
    // Some window managers iconify by unmapping: a window hidden while we show it was iconified,
    // and shown again it was restored.
    case SDL_WINDOWEVENT_HIDDEN:
      if (host->minimized || !host->visible) return std::nullopt;
      host->minimized = host->unmappedByHost = true;
      event.kind = InputEvent::Kind::Minimized;
      return event;
    case SDL_WINDOWEVENT_SHOWN:
      if (!host->unmappedByHost) return std::nullopt;
      host->minimized = host->unmappedByHost = false;
      event.kind = InputEvent::Kind::Restored;
      return event;
    case SDL_WINDOWEVENT_RESTORED:
      if (!host->minimized) return std::nullopt;
      host->minimized = host->unmappedByHost = false;
      event.kind = InputEvent::Kind::Restored;
      return event;
    default:
      return std::nullopt;
  }
}

void SdlBackend::TranslateWindowEvent(const SDL_WindowEvent& event, InputSink& sink) {
  if (event.event == SDL_WINDOWEVENT_EXPOSED) {
    if (SDL_Window* window = SDL_GetWindowFromID(event.windowID)) SDL_UpdateWindowSurface(window);
    return;
  }
  if (const std::optional<InputEvent> managed = WindowManagerEvent(event)) sink.Deliver(*managed);
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
      SDL_GetMouseState(&x, &y);
      event.screen = ToScreen(e.wheel.windowID, x, y);
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

// Pumping reads everything the X connection holds, so when no event is queued afterwards the
// next one can only arrive on the socket.
void SdlBackend::WaitEvents(int timeoutMs) {
  if (!open_) return;
  if (hostConnection_ < 0) {
    if (timeoutMs < 0) {
      SDL_WaitEvent(nullptr);
    } else {
      SDL_WaitEventTimeout(nullptr, timeoutMs);
    }
    return;
  }
  SDL_PumpEvents();
  if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
  pollfd watched[2] = {{hostConnection_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
  if (poll(watched, 2, timeoutMs) > 0 && (watched[1].revents & POLLIN)) {
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = read(wakeFd_, &count, sizeof count);
  }
}

// Only another thread can find the display's thread waiting; the display's own thread looks
// at its queues before it waits.
void SdlBackend::Wake() {
  if (!open_ || std::this_thread::get_id() == displayThread_) return;
  const uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
  if (hostConnection_ >= 0) return;
  SDL_Event event{};
  event.type = wakeEvent_;
  SDL_PushEvent(&event);
}
