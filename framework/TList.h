// Unit Classes: TList, an ordered list of object references (not owned) with the framework's
// index checks. A template here so that items keep their type.
#pragma once

#include "Classes.h"
#include "RTLConsts.h"

#include <algorithm>
#include <functional>
#include <vector>

template <class T>
class TList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  T* Items(int index) const { return FItems[Checked(index)]; }
  void SetItem(int index, T* item) { FItems[Checked(index)] = item; }
  T* First() const { return Items(0); }
  T* Last() const { return Items(Count() - 1); }

  int Add(T* item) {
    FItems.push_back(item);
    return Count() - 1;
  }
  void Insert(int index, T* item) {
    if (index < 0 || index > Count()) ListError(SListIndexError, index);
    FItems.insert(FItems.begin() + index, item);
  }
  void Delete(int index) { FItems.erase(FItems.begin() + Checked(index)); }
  // Removes the first entry equal to `item`; returns its index or -1.
  int Remove(T* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
  }
  // Removes and returns `item` (null when absent).
  T* Extract(T* item) { return Remove(item) >= 0 ? item : nullptr; }
  int IndexOf(const T* item) const {
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
  }
  void Exchange(int index1, int index2) { std::swap(FItems[Checked(index1)], FItems[Checked(index2)]); }
  void Move(int currentIndex, int newIndex) {
    if (currentIndex == newIndex) return;
    T* item = Items(currentIndex);
    Checked(newIndex);
    FItems.erase(FItems.begin() + currentIndex);
    FItems.insert(FItems.begin() + newIndex, item);
  }
  void Clear() { FItems.clear(); }
  // Drops the null entries.
  void Pack() { FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end()); }
  // `compare` returns <0, 0 or >0 as the framework's list sort callbacks do.
  void Sort(const std::function<int(T*, T*)>& compare) {
    std::stable_sort(FItems.begin(), FItems.end(), [&](T* a, T* b) { return compare(a, b) < 0; });
  }
  int Capacity() const { return static_cast<int>(FItems.capacity()); }
  void SetCapacity(int capacity) {
    if (capacity < Count()) ListError(SListCapacityError, capacity);
    FItems.reserve(static_cast<std::size_t>(capacity));
  }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  [[noreturn]] static void ListError(const char* message, int index) { throw EListError(Format(message, {index})); }
  std::size_t Checked(int index) const {
    if (index < 0 || index >= Count()) ListError(SListIndexError, index);
    return static_cast<std::size_t>(index);
  }

  std::vector<T*> FItems;
};
