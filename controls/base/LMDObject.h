// Unit LMDObject: the base of the library's persistent sub-objects (fill, gradient, bevel ...),
// which tell their holder of every change through one OnChange event.
#pragma once

#include <TPersistent.h>

class TLMDObject : public TPersistent {
  TAWO_CLASS(TLMDObject, TPersistent)

 public:
  TLMDObject() = default;

  TNotifyEvent OnChange;

  bool Updating() const { return FUpdating; }
  // A flag, not a counter: the first EndUpdate ends the silent state.
  void BeginUpdate() { FUpdating = true; }
  void EndUpdate(bool doChange);

  // The handler a sub-object gives to the objects it owns: any change inside surfaces as one
  // Change of this object.
  virtual void GetChange(TObject* sender);
  // Tells the holder, unless updating; descendants recompute derived values first.
  virtual void Change();
  // A one-line summary of the current setting; empty for the base.
  virtual AnsiString GetSetStr() const;

 protected:
  // A setter's work: store the value and notify, when it differs from the field.
  template <class T>
  void StoreAndNotify(T& field, T value) {
    if (value == field) return;
    field = value;
    Change();
  }

 private:
  bool FUpdating = false;
};
