// Unit ActnList: TCustomActionList, the holder of a form's actions and of the image list
// their ImageIndex refers to.
#pragma once

#include "TComponent.h"

#include <vector>

class TContainedAction;
class TCustomImageList;

class TCustomActionList : public TComponent {
  TAWO_CLASS(TCustomActionList, TComponent)

 public:
  explicit TCustomActionList(TComponent* owner) : TComponent(owner) {}
  // Its actions stay (their owner frees them) but leave the list.
  ~TCustomActionList() override;

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TContainedAction* Actions(int index) const { return FActions.at(index); }
  int IndexOf(const TContainedAction* action) const;

  TCustomImageList* Images() const { return FImages; }
  // Tells every action's clients, so that they show the new images.
  void SetImages(TCustomImageList* images);

  // Streams the actions owned by `root` as children.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  TNotifyEvent OnChange;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TContainedAction;
  void AddAction(TContainedAction* action);
  void RemoveAction(TContainedAction* action);
  void ImagesChanged();

  std::vector<TContainedAction*> FActions;
  TCustomImageList* FImages = nullptr;
};
