// A logical font: the LOGFONT it was created from. Realisation onto a face happens when text
// is drawn or measured.
#pragma once

#include "GdiObject.h"

class GdiFont : public GdiObject {
 public:
  explicit GdiFont(const LOGFONTA& logFont) : GdiObject(OBJ_FONT), logFont_(logFont) {}

  const LOGFONTA& LogFont() const { return logFont_; }

 private:
  LOGFONTA logFont_;
};
