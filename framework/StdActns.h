// Unit StdActns: standard actions. The classes have their own headers.
#pragma once

#include "THintAction.h"
