// Unit LMDBmp: ELMDWrongBmpSize, raised when a pixel routine's rectangle or target area does not
// lie inside its bitmap.
#pragma once

#include <SysUtils.h>

class ELMDWrongBmpSize : public Exception {
  TAWO_CLASS(ELMDWrongBmpSize, Exception)

 public:
  using Exception::Exception;
};
