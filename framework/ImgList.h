// Unit ImgList: image lists. The classes have their own headers.
#pragma once

#include "TCustomImageList.h"
#include "TImageList.h"
