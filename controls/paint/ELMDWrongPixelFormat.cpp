#include "ELMDWrongPixelFormat.h"

#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(ELMDWrongPixelFormat)
