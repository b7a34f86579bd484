#include "TMouse.h"

#include "TypInfo.h"

TAWO_IMPLEMENT_CLASS(TMouse)

namespace {
void StartMouse();
}  // namespace

constinit TUnitGlobal<TMouse> Mouse{&StartMouse};

namespace {
void StartMouse() {
  static TMouse mouse;
  Mouse = &mouse;
}
}  // namespace
