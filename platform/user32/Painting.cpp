#include "Painting.h"

#include <vector>

#include "WindowDcs.h"
#include "WindowTable.h"

namespace {

Region ClientBox(const Window& w) { return Region::FromRect(RECT{0, 0, w.ClientWidth(), w.ClientHeight()}); }

// The window rectangle in the window's client coordinates.
Region WindowBox(const Window& w) {
  RECT box{w.windowRect.left - w.clientRect.left, w.windowRect.top - w.clientRect.top,
           w.windowRect.right - w.clientRect.left, w.windowRect.bottom - w.clientRect.top};
  return Region::FromRect(box);
}

}  // namespace

Region Painting::FrameArea(const Window& w) { return Region::Combine(WindowBox(w), ClientBox(w), RGN_DIFF); }

bool Painting::AffectsChildren(const Window& window, UINT flags) {
  if (flags & RDW_ALLCHILDREN) return true;
  return !(flags & RDW_NOCHILDREN) && !(window.style & WS_CLIPCHILDREN);
}

void Painting::Apply(Window& w, const std::optional<Region>& requested, UINT flags) {
  if (!w.IsVisibleOnScreen() || !w.IsAlive()) return;
  const Region clientBox = ClientBox(w);
  const Region windowBox = WindowBox(w);
  const Region area =
      requested ? Region::Combine(*requested, windowBox, RGN_AND) : ((flags & RDW_FRAME) ? windowBox : clientBox);
  const Region clientPart = Region::Combine(area, clientBox, RGN_AND);
  const bool touchesFrame =
      !Region::Combine(area, clientBox, RGN_DIFF).IsEmpty() || (!requested && (flags & RDW_FRAME));

  if (flags & RDW_INVALIDATE) {
    w.updateRegion = Region::Combine(w.updateRegion, clientPart, RGN_OR);
    if ((flags & RDW_ERASE) && !clientPart.IsEmpty()) w.erasePending = true;
    if ((flags & RDW_FRAME) && touchesFrame) w.framePending = true;
  }
  if (flags & RDW_INTERNALPAINT) w.internalPaint = true;
  if (flags & RDW_VALIDATE) {
    w.updateRegion = requested ? Region::Combine(w.updateRegion, clientPart, RGN_DIFF) : Region();
    if (w.updateRegion.IsEmpty()) w.erasePending = false;
    if (!requested || (flags & RDW_NOFRAME)) w.framePending = false;
  }
  if (flags & RDW_NOERASE) w.erasePending = false;
  if (flags & RDW_NOINTERNALPAINT) w.internalPaint = false;
  if (AffectsChildren(w, flags)) ApplyToChildren(w, area, flags);
}

// A child's share of the parent's area includes its frame, so invalidating the parent over a
// child invalidates the child's frame too.
void Painting::ApplyToChildren(Window& parent, const Region& area, UINT flags) {
  const std::vector<std::shared_ptr<Window>> children = parent.children;
  for (const auto& child : children) {
    if (!(child->style & WS_VISIBLE)) continue;
    Region share = area.Intersected(child->windowRect);
    if (share.IsEmpty()) continue;
    share.Offset(-child->clientRect.left, -child->clientRect.top);
    UINT childFlags = flags;
    if (flags & RDW_INVALIDATE) childFlags |= RDW_FRAME;
    Apply(*child, share, childFlags);
  }
}

bool Painting::NeedsPaint(const Window& w) {
  return w.IsAlive() && w.IsVisibleOnScreen() && (!w.updateRegion.IsEmpty() || w.internalPaint || w.framePending);
}

std::shared_ptr<Window> Painting::NextToPaint(const MessageFilter& filter, DWORD threadId) {
  std::vector<std::shared_ptr<Window>> pending(WindowTable::Instance().Desktop().children.rbegin(),
                                               WindowTable::Instance().Desktop().children.rend());
  // Depth first, parents before children, top of the z-order first.
  while (!pending.empty()) {
    std::shared_ptr<Window> w = pending.back();
    pending.pop_back();
    if (!(w->style & WS_VISIBLE)) continue;
    if (w->threadId == threadId && NeedsPaint(*w) && filter.MatchesWindow(w->handle)) return w;
    pending.insert(pending.end(), w->children.rbegin(), w->children.rend());
  }
  return nullptr;
}

bool Painting::SendFrameAndErase(const std::shared_ptr<Window>& w, HDC paintDc) {
  if (w->framePending) {
    w->framePending = false;
    SendMessageA(w->handle, WM_NCPAINT, 1, 0);
    if (!w->IsAlive()) return false;
  }
  if (!w->erasePending) return false;
  w->erasePending = false;
  HDC dc = paintDc ? paintDc : WindowDcs::Get(w->handle, nullptr, WindowDcs::kUseStyle | DCX_INTERSECTUPDATE);
  const LRESULT erased = SendMessageA(w->handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  if (!paintDc) WindowDcs::Release(dc);
  return erased == 0;
}

void Painting::FlushOne(const std::shared_ptr<Window>& w, UINT flags) {
  if (!NeedsPaint(*w)) return;
  if (flags & RDW_UPDATENOW) {
    SendMessageA(w->handle, WM_PAINT, 0, 0);
  } else if (w->framePending || w->erasePending) {
    // BeginPaint reports an early erase nobody handled through fErase.
    const bool unhandled = SendFrameAndErase(w, nullptr);
    if (w->IsAlive()) w->eraseUnhandled = w->eraseUnhandled || unhandled;
  }
}

void Painting::Flush(const std::shared_ptr<Window>& w, UINT flags) {
  if (!(flags & (RDW_UPDATENOW | RDW_ERASENOW)) || !w->IsAlive()) return;
  FlushOne(w, flags);
  if (!w->IsAlive() || !AffectsChildren(*w, flags)) return;
  const std::vector<std::shared_ptr<Window>> children = w->children;
  for (const auto& child : children) {
    if (child->IsAlive()) Flush(child, flags);
  }
}
