// Unit ImgList: image lists. The classes have their own headers.
#pragma once

#include "TCustomImageList.h"
#include "TImageList.h"
#include "TypInfo.h"

// How an image list paints a masked image, and which of its two bitmaps it paints.
TAWO_ENUM(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent)
TAWO_ENUM(TImageType, itImage, itMask)
