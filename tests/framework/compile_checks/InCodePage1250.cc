// Must compile: the same command as NotInCodePage1250.cc with only code page 1250 letters.
#include "System.h"

AnsiString Text() { return "Straße Zażółć"_a; }
