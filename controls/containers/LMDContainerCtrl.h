// Unit lmdcont: TLMDContainerCtrl, the form-side holder of the global lists. A form that
// carries one stores the four lists of the global container in its description, in binary
// properties named after the list kinds, and fills the global lists when it is loaded.
#pragma once

#include "LMDContainer.h"

#include <LMDCustomComponent.h>
#include <TFiler.h>

#include <memory>

class TLMDContainerCtrl : public TLMDCustomComponent {
  TAWO_CLASS(TLMDContainerCtrl, TLMDCustomComponent)

 public:
  // At design time a second one on a form raises LMDEOneInstError.
  explicit TLMDContainerCtrl(TComponent* owner);
  // Removed at design time, it takes the global lists' contents with it.
  ~TLMDContainerCtrl() override;

  // Its own container while the form is designed, the global one at run time.
  TLMDContainer* Container() const;

 protected:
  void DefineProperties(TFiler& filer) override;

 private:
  std::unique_ptr<TLMDContainer> FOwnContainer;
};
