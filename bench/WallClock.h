// What the benchmarks that compare against a host command share: the wall time of a piece of
// work, running the host command itself, and taking turns with it.
#pragma once

#include <chrono>
#include <cstdlib>
#include <string>

template <class Work>
double Seconds(Work work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A baseline that fails would make every ratio meaningless, so the run stops.
inline void Shell(const std::string& command) {
  if (std::system(command.c_str()) != 0) std::abort();
}

// The file system's state after the previous work (writeback, freshly freed inodes) weighs on
// whatever runs next, so the measured work and its baseline take turns going first (over an
// even number of iterations, so that each goes first equally often).
template <class First, class Second>
void InTurn(int iteration, First first, Second second) {
  if (iteration % 2 == 0) {
    first();
    second();
  } else {
    second();
    first();
  }
}
