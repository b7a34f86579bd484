// What the benchmarks that compare against a host command share: the wall time of a piece of
// work, and running the host command itself.
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
