// Unit LMDWndProcRelay: TLMDWndProcRelay, the window procedure a TLMDWndProcComponent puts in
// front of a window's own: an object instance that hands every message to the component.
//
// Hooks on one window form a chain, each relay calling the procedure it replaced. A relay on top
// of the chain is taken out by putting that procedure back. One with another procedure on top
// cannot be taken out, since that procedure calls it: it lets go of its component and passes
// messages straight on until the window ends, or until the hook above it is removed and skips
// it.
#pragma once

#include <Messages.h>
#include <System.h>

#include <windows.h>

class TLMDWndProcRelay : public TObject {
 public:
  // Makes the object instance for `target`; the window is not touched yet.
  TLMDWndProcRelay(HWND window, const TWndMethod& target);
  ~TLMDWndProcRelay() override;
  TLMDWndProcRelay(const TLMDWndProcRelay&) = delete;
  TLMDWndProcRelay& operator=(const TLMDWndProcRelay&) = delete;

  HWND Window() const { return FWindow; }
  WNDPROC Instance() const { return FInstance; }
  WNDPROC Previous() const { return FPrevious; }

  // Saves the window's procedure and installs the instance instead; false when the window
  // has none (it does not exist).
  bool Install();
  // Calls the replaced procedure with the message.
  LRESULT CallPrevious(const TMessage& message) const;
  // Takes the relay out of the window's chain and frees it, or leaves it relaying on its own
  // when another procedure sits on top of it.
  static void Remove(TLMDWndProcRelay* relay);

 private:
  void Relay(TMessage& message);
  // Whether the window's current procedure is this relay's instance.
  bool OnTop() const;
  // The procedure to put back: the replaced one, skipping relays that relay on their own.
  WNDPROC UnwrapPrevious() const;

  HWND FWindow;
  WNDPROC FInstance = nullptr;
  WNDPROC FPrevious = nullptr;
  TWndMethod FTarget;
};
