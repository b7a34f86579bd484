// Unit ComCtrls: TStatusPanels, the fields of a status bar; a change repaints the bar.
#pragma once

#include "TCollection.h"
#include "TStatusPanel.h"

class TStatusBar;

class TStatusPanels : public TCollection {
  TAWO_CLASS(TStatusPanels, TCollection)

 public:
  explicit TStatusPanels(TStatusBar* statusBar);

  TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }

 protected:
  TPersistent* GetOwner() const override;
  void Update(TCollectionItem* item) override;

 private:
  TStatusBar* FStatusBar;
};
