// Starts a host program as a separate, detached process: the launcher forks a short-lived
// child that forks the program and exits at once, so the program never becomes a zombie of
// the caller, and a failed exec is reported back through a close-on-exec pipe.
#pragma once

#include <string>
#include <vector>

class ProcessLauncher {
 public:
  // Returns 0 once the program runs, else the errno of the failed start.
  static int Launch(const std::vector<std::string>& arguments, const std::string& workingDirectory);
};
