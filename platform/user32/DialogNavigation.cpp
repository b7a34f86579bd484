#include "DialogNavigation.h"

#include <algorithm>

#include "WindowTable.h"

namespace {

bool Usable(const Window& w) { return (w.style & WS_VISIBLE) && w.IsEnabled(); }

void CollectTabStops(const Window& parent, std::vector<HWND>& out) {
  for (const auto& child : parent.children) {
    if (!Usable(*child)) continue;
    if (child->exStyle & WS_EX_CONTROLPARENT) {
      CollectTabStops(*child, out);
    } else if (child->style & WS_TABSTOP) {
      out.push_back(child->handle);
    }
  }
}

// The control of `dialog`'s order that is `hwnd` or contains it.
HWND Representative(const std::vector<HWND>& order, HWND hwnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hwnd);
  for (const Window* p = w.get(); p; p = p->parent) {
    if (std::find(order.begin(), order.end(), p->handle) != order.end()) return p->handle;
  }
  return nullptr;
}

}  // namespace

std::vector<HWND> DialogNavigation::TabStops(const Window& dialog) {
  std::vector<HWND> order;
  CollectTabStops(dialog, order);
  return order;
}

// The controls of the WS_GROUP group `member` belongs to, among its siblings.
std::vector<HWND> DialogNavigation::Group(const Window& dialog, HWND member) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(member);
  if (!w || !w->parent || !dialog.Contains(w.get())) return {};
  const auto& siblings = w->parent->children;
  size_t start = 0;
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i]->style & WS_GROUP) start = i;
    if (siblings[i] == w) break;
  }
  std::vector<HWND> group;
  for (size_t i = start; i < siblings.size(); ++i) {
    if (i > start && (siblings[i]->style & WS_GROUP)) break;
    if (Usable(*siblings[i])) group.push_back(siblings[i]->handle);
  }
  return group;
}

HWND DialogNavigation::Neighbour(const std::vector<HWND>& order, HWND from, bool backwards) {
  if (order.empty()) return nullptr;
  const auto it = std::find(order.begin(), order.end(), Representative(order, from));
  if (it == order.end()) return backwards ? order.back() : order.front();
  const auto index = static_cast<size_t>(it - order.begin());
  const size_t next = backwards ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
  return order[next];
}

void DialogNavigation::PressDefault(HWND dialog, HWND focus, LRESULT dialogCode) {
  if ((dialogCode & DLGC_DEFPUSHBUTTON) && IsWindowEnabled(focus)) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
    return;
  }
  const LRESULT defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  if (HIWORD(defId) == DC_HASDEFID) {
    const HWND button = GetDlgItem(dialog, LOWORD(defId));
    if (!button || IsWindowEnabled(button)) {
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defId), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
    return;
  }
  SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

bool DialogNavigation::HandleKey(HWND dialog, HWND focus, UINT virtualKey, LRESULT code) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(dialog);
  if (!w) return false;
  switch (virtualKey) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return false;
      const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
      if (const HWND next = Neighbour(TabStops(*w), focus, backwards)) SetFocus(next);
      return true;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (code & DLGC_WANTARROWS) return false;
      const bool backwards = virtualKey == VK_LEFT || virtualKey == VK_UP;
      if (const HWND next = Neighbour(Group(*w, focus), focus, backwards); next && next != focus) SetFocus(next);
      return true;
    }
    case VK_RETURN:
      PressDefault(dialog, focus, code);
      return true;
    case VK_ESCAPE:
      SendMessageA(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return true;
    default:
      return false;
  }
}
