// Unit LMDChangeLink: a client control's registration with a container (an image list and
// the like); the container calls every registered link when its items change.
#pragma once

#include <System.h>

class TLMDBaseContainer;

class TLMDChangeLink : public TObject {
  TAWO_CLASS(TLMDChangeLink, TObject)

 public:
  TLMDChangeLink() = default;
  // A link that is still registered unregisters itself first.
  ~TLMDChangeLink() override;

  TNotifyEvent OnChange;

  TLMDBaseContainer* Sender() const { return FSender; }
  void SetSender(TLMDBaseContainer* sender) { FSender = sender; }

  // Calls OnChange with the container (not the link) as the sender.
  virtual void Change();

 private:
  TLMDBaseContainer* FSender = nullptr;
};
