// Unit ActnList: TActionLink, the link of a client that shows a TCustomAction's properties.
// The action calls a setter for each property the link says is linked; a client's link
// overrides the setters to apply the value to the client.
#pragma once

#include "TBasicActionLink.h"

class TActionLink : public TBasicActionLink {
  TAWO_CLASS(TActionLink, TBasicActionLink)

 public:
  TActionLink() = default;

  // A property is linked while the client still shows the action's value.
  virtual bool IsCaptionLinked() const;
  virtual bool IsCheckedLinked() const;
  virtual bool IsEnabledLinked() const;
  virtual bool IsHelpContextLinked() const;
  virtual bool IsHintLinked() const;
  virtual bool IsImageIndexLinked() const;
  virtual bool IsVisibleLinked() const;

  virtual void SetCaption(const AnsiString&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetHelpContext(int32_t) {}
  virtual void SetHint(const AnsiString&) {}
  virtual void SetImageIndex(int32_t) {}
  virtual void SetVisible(bool) {}

 protected:
  // The linked action, when it is a TCustomAction.
  bool HasCustomAction() const;
};
