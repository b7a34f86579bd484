// Unit ImgList: TImageList, the image list as placed on a form: its size, masking and colour
// are published.
#pragma once

#include "TCustomImageList.h"

class TImageList : public TCustomImageList {
  TAWO_CLASS(TImageList, TCustomImageList)

 public:
  explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};
