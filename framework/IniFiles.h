// Unit IniFiles: its exception and message text. The classes have their own headers
// (TCustomIniFile.h, TIniFile.h); TRegistryIniFile is in the Registry unit.
#pragma once

#include "SysUtils.h"

TAWO_EXCEPTION(EIniFileException, Exception, "")

inline constexpr const char* SIniFileWriteError = "Unable to write to %s";
