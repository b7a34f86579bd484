// The stock objects, created on first use and never deleted.
#pragma once

#include <windows.h>

HGDIOBJ StockObject(int index);
// The 1x1 monochrome bitmap that a new memory DC holds and CreateBitmap(0, 0, ...) returns.
HBITMAP StockBitmap();
