// Unit ComCtrls: the status bar and its panels. The classes have their own headers.
#pragma once

#include "TStatusBar.h"
#include "TStatusPanel.h"
#include "TStatusPanels.h"
