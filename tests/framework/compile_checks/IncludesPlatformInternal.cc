// Compiled with the framework's own include paths, this must fail: the framework sees only the
// SDK headers of the layer below, not how that layer is built.
#include "PathResolver.h"
