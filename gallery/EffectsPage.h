// Unit EffectsPage: the gallery's page of bitmap effects: one picture through each effect of
// the library's effect object, alpha blended with a gradient and a brush, and two combined.
#pragma once

#include <TForm.h>

class TEffectsPage : public TForm {
  TAWO_CLASS(TEffectsPage, TForm)

 public:
  explicit TEffectsPage(TComponent* owner);
};
