#include "TImageList.h"

TAWO_PUBLISHED(TImageList, published) {
  published.Property("BkColor", &TImageList::BkColor, &TImageList::SetBkColor).Default(clNone).Type(TColorTypeInfo());
  published.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
  published.Property("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(true);
  published.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
  published.Property("OnChange", &TImageList::OnChange);
}
