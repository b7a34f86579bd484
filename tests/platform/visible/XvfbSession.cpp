#include "XvfbSession.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>

bool XvfbSession::OnPath(const char* program) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  std::string_view rest = path;
  while (!rest.empty()) {
    const size_t colon = rest.find(':');
    const std::string dir(rest.substr(0, colon));
    const std::string candidate = dir + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return true;
    if (colon == std::string_view::npos) break;
    rest.remove_prefix(colon + 1);
  }
  return false;
}

bool XvfbSession::ToolsInstalled() { return OnPath("Xvfb") && OnPath("xdotool"); }

bool XvfbSession::StartXvfb(int number) {
  const std::string name = ":" + std::to_string(number);
  const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
  struct stat info{};
  if (stat(socket.c_str(), &info) == 0) return false;  // taken
  server_ = fork();
  if (server_ == 0) {
    execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (stat(socket.c_str(), &info) == 0) {
      display_ = name;
      return true;
    }
    if (waitpid(server_, nullptr, WNOHANG) == server_) break;  // the server gave up
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(server_, SIGTERM);
  waitpid(server_, nullptr, 0);
  server_ = -1;
  return false;
}

XvfbSession::XvfbSession() {
  if (const char* existing = std::getenv("DISPLAY"); existing && *existing) {
    display_ = existing;
    return;
  }
  for (int number = 99; number < 120 && display_.empty(); ++number) StartXvfb(number);
}

XvfbSession::~XvfbSession() {
  if (server_ > 0) {
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
  }
}
