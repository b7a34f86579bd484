#include "LMDEOneInstError.h"

#include "LMDConst.h"

#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(LMDEOneInstError)

LMDEOneInstError::LMDEOneInstError(const AnsiString& text, int kind) : Exception(MessageFor(text, kind)) {}

AnsiString LMDEOneInstError::MessageFor(const AnsiString& text, int kind) {
  switch (kind) {
    case 0: return text + ":\r" + IDS_INVALIDOWNER;
    case 1: return text + ":\r" + "Already one " + text + " control in this project!";
    default: return "";
  }
}
