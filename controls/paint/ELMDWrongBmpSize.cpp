#include "ELMDWrongBmpSize.h"

#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(ELMDWrongBmpSize)
