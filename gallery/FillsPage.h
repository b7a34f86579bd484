// Unit FillsPage: the gallery's page of fill objects: a progress fill with each fill style, the
// bitmap placed in each tile mode, aligned and offset.
#pragma once

#include <TForm.h>

class TFillsPage : public TForm {
  TAWO_CLASS(TFillsPage, TForm)

 public:
  explicit TFillsPage(TComponent* owner);
};
