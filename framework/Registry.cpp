#include "Registry.h"

#include "TypInfo.h"

TAWO_IMPLEMENT_CLASS(ERegistryException)
