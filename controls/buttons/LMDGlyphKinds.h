// The buttons' predefined pictures: a strip of eight 13 x 14 cells, one per glyph kind from
// gkEllipsis to gkFont, drawn on a fuchsia background.
#pragma once

#include "LMDButtonBase.h"

#include <TBitmap.h>

// `bitmap` becomes the 13 x 14 picture of `kind` (the strip with the kind's cell copied to its
// left, cut to one cell); gkCustom leaves it alone.
void LMDGetGlyphKind(TBitmap* bitmap, TLMDGlyphKind kind);
