// Unit LMDBaseContainer: the client-registration half of the library's containers. Clients
// register change links; a change of the container reaches every link, in registration order.
#pragma once

#include "LMDCustomComponent.h"

#include <TList.h>

#include <memory>

class TLMDChangeLink;

class TLMDBaseContainer : public TLMDCustomComponent {
  TAWO_CLASS(TLMDBaseContainer, TLMDCustomComponent)

 public:
  // Containers are not inherited into descendant forms.
  explicit TLMDBaseContainer(TComponent* owner);
  // Unregisters every client, last first, so no link keeps pointing here.
  ~TLMDBaseContainer() override;

  // No duplicate check: registering a link twice lists it twice.
  void RegisterChanges(TLMDChangeLink* link);
  // Removes the first entry of the link; a link that is not listed is ignored.
  void UnRegisterChanges(TLMDChangeLink* link);
  // Every link's Change in list order, then the container's own OnChange.
  void Change() override;

  const TList<TLMDChangeLink>* Clients() const { return FClients.get(); }

 private:
  std::unique_ptr<TList<TLMDChangeLink>> FClients;
};
