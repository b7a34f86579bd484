// Unit FramesPage: the gallery's page of 3D borders and bevels: a progress fill in each border
// style of its bar and in each bevel mode.
#pragma once

#include <TForm.h>

class TFramesPage : public TForm {
  TAWO_CLASS(TFramesPage, TForm)

 public:
  explicit TFramesPage(TComponent* owner);
};
