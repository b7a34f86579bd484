// Unit LMDCustomComponent: the base of the library's non-visual components, with the same
// change notification as the sub-objects.
#pragma once

#include <TComponent.h>

class TLMDCustomComponent : public TComponent {
  TAWO_CLASS(TLMDCustomComponent, TComponent)

 public:
  explicit TLMDCustomComponent(TComponent* owner) : TComponent(owner) {}

  TNotifyEvent OnChange;

  // Published by descendants; carries no behaviour.
  const AnsiString& About() const { return FAbout; }
  void SetAbout(const AnsiString& about) { FAbout = about; }

  bool Updating() const { return FUpdating; }
  void BeginUpdate() { FUpdating = true; }
  void EndUpdate(bool doChange);

  virtual void GetChange(TObject* sender);
  virtual void Change();

 private:
  AnsiString FAbout;
  bool FUpdating = false;
};
