// Unit SysUtils: TFinally, the C++ form of try ... finally: the cleanup given runs when the
// scope ends, normally or by an exception. When an exception is already leaving the scope, an
// exception raised by the cleanup is dropped (C++ cannot carry two) and the first goes on.
#pragma once

#include <exception>
#include <utility>

template <class Cleanup>
class [[nodiscard]] TFinally {
 public:
  explicit TFinally(Cleanup cleanup) : FCleanup(std::move(cleanup)), FPendingExceptions(std::uncaught_exceptions()) {}
  TFinally(const TFinally&) = delete;
  TFinally& operator=(const TFinally&) = delete;

  ~TFinally() noexcept(false) {
    if (std::uncaught_exceptions() == FPendingExceptions) {
      FCleanup();
      return;
    }
    try {
      FCleanup();
    } catch (...) {
    }
  }

 private:
  Cleanup FCleanup;
  int FPendingExceptions;
};
