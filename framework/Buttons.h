// Unit Buttons: bitmap buttons and their glyphs. The classes have their own headers.
#pragma once

#include "TBitBtn.h"
#include "TButtonGlyph.h"
