#include "TStatusPanels.h"

#include "TStatusBar.h"

TAWO_IMPLEMENT_CLASS(TStatusPanels)

TStatusPanels::TStatusPanels(TStatusBar* statusBar)
    : TCollection(TStatusPanel::ClassInfo()), FStatusBar(statusBar) {}

TPersistent* TStatusPanels::GetOwner() const { return FStatusBar; }

void TStatusPanels::Update(TCollectionItem*) { FStatusBar->Invalidate(); }
