// Unit FacesPage: the gallery's page of button faces: a speed button in each style, up,
// pressed and disabled.
#pragma once

#include <TForm.h>

class TFacesPage : public TForm {
  TAWO_CLASS(TFacesPage, TForm)

 public:
  explicit TFacesPage(TComponent* owner);
};
