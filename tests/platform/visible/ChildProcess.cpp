#include "ChildProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const std::string& display) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    close(pipeFds[1]);
    setenv("DISPLAY", display.c_str(), 1);
    unsetenv("WINDISPLAY");
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipeFds[1]);
  output_ = pipeFds[0];
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0 && !status_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (output_ >= 0) close(output_);
}

std::optional<std::string> ChildProcess::ReadLine(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (const size_t newline = buffer_.find('\n'); newline != std::string::npos) {
      std::string line = buffer_.substr(0, newline);
      buffer_.erase(0, newline + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || output_ < 0) return std::nullopt;
    pollfd fd{output_, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
    char chunk[256];
    const ssize_t got = read(output_, chunk, sizeof chunk);
    if (got <= 0) return std::nullopt;
    buffer_.append(chunk, static_cast<size_t>(got));
  }
}

std::optional<int> ChildProcess::Wait(int timeoutMs) {
  if (status_) return status_;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      return status_;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::nullopt;
}
