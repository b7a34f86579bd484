#include "DeferredSaves.h"

#include <array>
#include <atomic>
#include <cstdlib>

namespace {

// Constant-initialised and never destroyed, so that Run stays safe during exit. One slot per
// system library that defers saves.
constinit std::array<std::atomic<DeferredSaves::Save>, 4> saves{};

}  // namespace

void DeferredSaves::Register(Save save) {
  for (std::atomic<Save>& slot : saves) {
    Save empty = nullptr;
    if (slot.compare_exchange_strong(empty, save)) break;
  }
  std::atexit(save);
}

void DeferredSaves::Run() {
  for (const std::atomic<Save>& slot : saves) {
    if (Save save = slot.load()) save();
  }
}
