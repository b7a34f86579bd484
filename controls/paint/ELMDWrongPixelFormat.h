// Unit LMDBmp: ELMDWrongPixelFormat, raised when a pixel routine is given a bitmap that does not
// hold 24-bit pixels.
#pragma once

#include <SysUtils.h>

class ELMDWrongPixelFormat : public Exception {
  TAWO_CLASS(ELMDWrongPixelFormat, Exception)

 public:
  using Exception::Exception;
};
