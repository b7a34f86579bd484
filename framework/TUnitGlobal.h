// Unit System: TUnitGlobal, a global object of a unit (Application, Screen) that exists from
// the first use of it on. Reading it runs the unit's start-up, which makes the unit's objects
// in one fixed order, so no global depends on the order in which the program's files are
// initialised or on which of them the linker keeps.
#pragma once

template <class T>
class TUnitGlobal {
 public:
  using TStartUp = void (*)();

  explicit constexpr TUnitGlobal(TStartUp startUp) : FStartUp(startUp) {}
  TUnitGlobal(const TUnitGlobal&) = delete;
  TUnitGlobal& operator=(const TUnitGlobal&) = delete;

  // Replaces the object (the caller owns the one it replaced).
  TUnitGlobal& operator=(T* object) {
    FObject = object;
    return *this;
  }

  // The object, after the unit's start-up; null while the start-up makes the objects before it.
  T* Get() const {
    if (FObject == nullptr) FStartUp();
    return FObject;
  }
  T* operator->() const { return Get(); }
  operator T*() const { return Get(); }

 private:
  TStartUp FStartUp;
  T* FObject = nullptr;
};
