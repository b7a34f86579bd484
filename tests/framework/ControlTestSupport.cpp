#include "ControlTestSupport.h"

TAWO_IMPLEMENT_CLASS(TTestGraphic)
TAWO_IMPLEMENT_CLASS(TTestWindowed)
