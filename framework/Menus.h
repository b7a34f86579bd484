// Unit Menus: menu items, menus and popup menus. The classes have their own headers.
#pragma once

#include "TMenu.h"
#include "TMenuItem.h"
#include "TPopupMenu.h"
