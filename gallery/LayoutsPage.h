// Unit LayoutsPage: the gallery's page of glyph and text layouts: a glyph with its caption in
// each of the nine placements, every predefined glyph, and the drop-down arrow in each
// position.
#pragma once

#include <TForm.h>

class TLayoutsPage : public TForm {
  TAWO_CLASS(TLayoutsPage, TForm)

 public:
  explicit TLayoutsPage(TComponent* owner);
};
