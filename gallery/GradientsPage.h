// Unit GradientsPage: the gallery's page of gradients: a full progress fill in each gradient
// style, and with fewer colours, a colour ramp instead of two colours and a realized palette.
#pragma once

#include <TForm.h>

class TGradientsPage : public TForm {
  TAWO_CLASS(TGradientsPage, TForm)

 public:
  explicit TGradientsPage(TComponent* owner);
};
