// Unit ActnList: TActionList, the action list as placed on a form.
#pragma once

#include "TCustomActionList.h"

class TActionList : public TCustomActionList {
  TAWO_CLASS(TActionList, TCustomActionList)

 public:
  explicit TActionList(TComponent* owner) : TCustomActionList(owner) {}
};
