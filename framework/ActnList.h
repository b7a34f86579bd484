// Unit ActnList: actions with the properties their clients show, and the list that holds
// them. The classes have their own headers; TBasicAction and TBasicActionLink belong to the
// Classes unit.
#pragma once

#include "TAction.h"
#include "TActionLink.h"
#include "TActionList.h"
#include "TBasicAction.h"
#include "TBasicActionLink.h"
#include "TContainedAction.h"
#include "TCustomAction.h"
#include "TCustomActionList.h"
