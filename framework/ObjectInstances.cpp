// Unit Classes: window procedures bound to methods (MakeObjectInstance) and the utility
// windows made with them (AllocateHWnd). Each instance is one of a fixed set of procedures,
// each calling the method kept in its own slot.
#include "Classes.h"
#include "Forms.h"
#include "TApplication.h"

#include <array>
#include <utility>

namespace {

constexpr std::size_t kInstanceCount = 256;

struct Slot {
  TWndMethod Method;
  bool Used = false;
};

std::array<Slot, kInstanceCount>& Slots() {
  static std::array<Slot, kInstanceCount> slots;
  return slots;
}

template <std::size_t Index>
LRESULT CALLBACK InstanceProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  try {
    Slots()[Index].Method(message);
  } catch (...) {
    Application->HandleException(nullptr);
  }
  return message.Result;
}

template <std::size_t... Index>
constexpr std::array<WNDPROC, sizeof...(Index)> MakeProcs(std::index_sequence<Index...>) {
  return {&InstanceProc<Index>...};
}

constexpr std::array<WNDPROC, kInstanceCount> kProcs = MakeProcs(std::make_index_sequence<kInstanceCount>());

constexpr const char* kUtilWindowClass = "TPUtilWindow";

}  // namespace

WNDPROC MakeObjectInstance(const TWndMethod& method) {
  auto& slots = Slots();
  for (std::size_t i = 0; i < kInstanceCount; ++i) {
    if (slots[i].Used) continue;
    slots[i].Used = true;
    slots[i].Method = method;
    return kProcs[i];
  }
  throw EOutOfResources();
}

void FreeObjectInstance(WNDPROC instance) {
  for (std::size_t i = 0; i < kInstanceCount; ++i) {
    if (kProcs[i] != instance) continue;
    Slots()[i] = Slot{};
    return;
  }
}

HWND AllocateHWnd(const TWndMethod& method) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  WNDCLASSA registered{};
  if (!GetClassInfoA(module, kUtilWindowClass, &registered)) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kUtilWindowClass;
    if (RegisterClassA(&windowClass) == 0) throw EOutOfResources();
  }
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kUtilWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                module, nullptr);
  if (window == nullptr) throw EOutOfResources();
  if (method.Assigned()) {
    try {
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MakeObjectInstance(method)));
    } catch (...) {
      DestroyWindow(window);
      throw;
    }
  }
  return window;
}

void DeallocateHWnd(HWND window) {
  auto instance = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  DestroyWindow(window);
  if (instance != &DefWindowProcA) FreeObjectInstance(instance);
}
