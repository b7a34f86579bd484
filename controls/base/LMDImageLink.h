// Unit LMDImageLink: TLMDImageLink, a control's side of its image container: the container,
// the item indices and the change link registered with it. The windowless and the windowed
// control bases both keep one.
#pragma once

#include "LMDChangeLink.h"

#include <TComponent.h>

#include <memory>

class TLMDCustomImageList;

class TLMDImageLink {
 public:
  // Container changes reach `onChange` with the container as sender.
  explicit TLMDImageLink(TNotifyEvent onChange);
  ~TLMDImageLink();
  TLMDImageLink(const TLMDImageLink&) = delete;
  TLMDImageLink& operator=(const TLMDImageLink&) = delete;

  TLMDCustomImageList* ImageList() const { return FImageList; }
  // Moves the change link to `value` (even when it is the current one) and asks the container
  // to tell `client` of its destruction.
  void SetImageList(TLMDCustomImageList* value, TComponent* client);
  // 0 ImageIndex, 1 ListIndex.
  int32_t GetIndex(int32_t index) const { return index == 0 ? FImageIndex : FListIndex; }
  // Stores a new non-negative index; false when the value was refused or unchanged.
  bool SetIndex(int32_t index, int32_t value);
  // True unless a container is linked and holds the item (ListIndex, ImageIndex).
  bool IMLEmpty() const;

 private:
  TLMDCustomImageList* FImageList = nullptr;
  int32_t FImageIndex = 0;
  int32_t FListIndex = 0;
  std::unique_ptr<TLMDChangeLink> FChangeLink;
};
