// A program started with its stdout on a pipe, read line by line with a time limit; killed at
// the end if it is still running.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& arguments, const std::string& display);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  // The next line without its newline; none when the program ends or the time runs out.
  std::optional<std::string> ReadLine(int timeoutMs);
  // The exit status; none when the program is still running after the time limit.
  std::optional<int> Wait(int timeoutMs);

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  std::string buffer_;
  std::optional<int> status_;
};
