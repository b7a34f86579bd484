#include "TActionList.h"

#include "TCustomImageList.h"

TAWO_PUBLISHED(TActionList, published) {
  published.Property("Images", &TActionList::Images, &TActionList::SetImages);
  published.Property("OnChange", &TActionList::OnChange);
}
