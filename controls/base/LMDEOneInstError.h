// Unit LMDApplication: LMDEOneInstError, raised by components that may exist only once per
// form or program.
#pragma once

#include <SysUtils.h>

class LMDEOneInstError : public Exception {
  TAWO_CLASS(LMDEOneInstError, Exception)

 public:
  // Kind 0: a wrong owner or a second instance on a form; kind 1: a second instance in the
  // program; any other kind leaves the message empty.
  LMDEOneInstError(const AnsiString& text, int kind);

 private:
  static AnsiString MessageFor(const AnsiString& text, int kind);
};
