#include "Window.h"

bool Window::IsVisibleOnScreen() const {
  for (const Window* w = this; w && !w->IsRoot(); w = w->parent) {
    if (!(w->style & WS_VISIBLE)) return false;
  }
  return root != Root::MessageOnly && (!parent || parent->root != Root::MessageOnly);
}

Window* Window::TopLevel() {
  Window* w = this;
  while (w && w->parent && !w->parent->IsRoot()) w = w->parent;
  return w && !w->IsRoot() ? w : nullptr;
}

bool Window::Contains(const Window* other) const {
  for (const Window* w = other; w; w = w->parent) {
    if (w == this) return true;
  }
  return false;
}

POINT Window::ClientOriginOnScreen() const {
  POINT origin{clientRect.left, clientRect.top};
  for (const Window* p = parent; p && !p->IsRoot(); p = p->parent) {
    origin.x += p->clientRect.left;
    origin.y += p->clientRect.top;
  }
  return origin;
}

POINT Window::WindowOriginOnScreen() const {
  POINT origin{windowRect.left, windowRect.top};
  for (const Window* p = parent; p && !p->IsRoot(); p = p->parent) {
    origin.x += p->clientRect.left;
    origin.y += p->clientRect.top;
  }
  return origin;
}

RECT Window::WindowRectOnScreen() const {
  const POINT o = WindowOriginOnScreen();
  return RECT{o.x, o.y, o.x + Width(), o.y + Height()};
}

RECT Window::ClientRectOnScreen() const {
  const POINT o = ClientOriginOnScreen();
  return RECT{o.x, o.y, o.x + ClientWidth(), o.y + ClientHeight()};
}

RECT Window::ClientRectInWindow() const {
  return RECT{clientRect.left - windowRect.left, clientRect.top - windowRect.top, clientRect.right - windowRect.left,
              clientRect.bottom - windowRect.top};
}
