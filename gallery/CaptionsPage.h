// Unit CaptionsPage: the gallery's page of caption effects: a speed button with each 3D text
// style, and captions rotated by 45, 90, 180 and 270 degrees.
#pragma once

#include <TForm.h>

class TCaptionsPage : public TForm {
  TAWO_CLASS(TCaptionsPage, TForm)

 public:
  explicit TCaptionsPage(TComponent* owner);
};
