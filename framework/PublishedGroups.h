// Groups of published properties that many controls share, with their classic stored
// defaults. A control's publisher names the groups it has beside its own properties.
#pragma once

#include "Controls.h"
#include "TSizeConstraints.h"
#include "TypInfo.h"

// Dragging and docking: the cursor, the kind, the mode and their events.
template <typename T>
void PublishDragging(TPublisher<T>& published) {
  published.Property("DragCursor", &T::DragCursor, &T::SetDragCursor).Type(TCursorTypeInfo()).Default(crDrag);
  published.Property("DragKind", &T::DragKind, &T::SetDragKind).Default(TDragKind::dkDrag);
  published.Property("DragMode", &T::DragMode, &T::SetDragMode).Default(TDragMode::dmManual);
  published.Property("OnDragDrop", &T::OnDragDrop);
  published.Property("OnDragOver", &T::OnDragOver);
  published.Property("OnEndDock", &T::OnEndDock);
  published.Property("OnEndDrag", &T::OnEndDrag);
  published.Property("OnStartDock", &T::OnStartDock);
  published.Property("OnStartDrag", &T::OnStartDrag);
}

// Placement and reading order: anchors, size constraints and the bidirectional mode (stored
// only when it does not follow the parent).
template <typename T>
void PublishLayout(TPublisher<T>& published) {
  published.Property("Anchors", &T::Anchors, &T::SetAnchors).Default(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop});
  published.Property("BiDiMode", &T::BiDiMode, &T::SetBiDiMode).Stored(&T::IsBiDiModeStored);
  published.Property("Constraints", &T::Constraints, &T::SetConstraints);
  published.Property("ParentBiDiMode", &T::ParentBiDiMode, &T::SetParentBiDiMode).Default(true);
}
