// Must fail to compile: 'ß' is in code page 1250 but '中' is not.
#include "System.h"

AnsiString Text() { return "Straße 中"_a; }
