// Unit ActnList: TCustomAction, an action with the properties its clients show: caption,
// enabled and checked state, hint, image (an index into its action list's images) and
// visibility. Each change reaches the clients through their TActionLink, before the action
// stores it, so that a link can tell whether its client still shows the old value.
#pragma once

#include "TContainedAction.h"

class TActionLink;
class TCustomImageList;

class TCustomAction : public TContainedAction {
  TAWO_CLASS(TCustomAction, TContainedAction)

 public:
  explicit TCustomAction(TComponent* owner) : TContainedAction(owner) {}

  const AnsiString& Caption() const { return FCaption; }
  void SetCaption(const AnsiString& caption);
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t context);
  const AnsiString& Hint() const { return FHint; }
  void SetHint(const AnsiString& hint);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t index);
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  // The action list's images, or none.
  TCustomImageList* Images() const;

  // A disabled action does nothing and answers false.
  bool Execute() override;

 private:
  friend class TCustomActionList;
  void ImagesChanged();
  // Calls `apply` on each client link that is a TActionLink; they compare with the old value.
  template <class F>
  void TellLinks(F apply);

  AnsiString FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  int32_t FHelpContext = 0;
  AnsiString FHint;
  int32_t FImageIndex = -1;
  bool FVisible = true;
};
