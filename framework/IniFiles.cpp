#include "IniFiles.h"

#include "TypInfo.h"

TAWO_IMPLEMENT_CLASS(EIniFileException)
