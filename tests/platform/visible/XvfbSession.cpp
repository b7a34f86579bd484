#include "XvfbSession.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
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

bool XvfbSession::WindowManagerInstalled() { return OnPath("twm"); }

bool XvfbSession::Xdotool(const std::string& arguments) const {
  const std::string command = "DISPLAY=" + display_ + " timeout 10 xdotool " + arguments + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// twm with the core "fixed" font (xfonts-base), since its default fonts need more packages.
// It is ready once its icon manager window exists.
bool XvfbSession::StartTwm() {
  char pattern[] = "/tmp/tawo-twmrc-XXXXXX";
  const int file = mkstemp(pattern);
  if (file < 0) return false;
  managerConfig_ = pattern;
  const std::string config =
      "TitleFont \"fixed\"\nResizeFont \"fixed\"\nMenuFont \"fixed\"\nIconFont \"fixed\"\n"
      "IconManagerFont \"fixed\"\nRandomPlacement\n";
  const bool written = write(file, config.data(), config.size()) == static_cast<ssize_t>(config.size());
  close(file);
  if (!written) return false;
  manager_ = fork();
  if (manager_ == 0) {
    setenv("DISPLAY", display_.c_str(), 1);
    setenv("LANG", "C", 1);
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDERR_FILENO);
    execlp("twm", "twm", "-f", managerConfig_.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (waitpid(manager_, nullptr, WNOHANG) == manager_) break;
    if (Xdotool("search --name 'TWM Icon Manager'")) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

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

XvfbSession::XvfbSession(Manager manager) {
  const char* existing = std::getenv("DISPLAY");
  if (manager == Manager::None && existing && *existing) {
    display_ = existing;
    return;
  }
  for (int number = 99; number < 120 && display_.empty(); ++number) StartXvfb(number);
  if (manager == Manager::Twm && !display_.empty() && !StartTwm()) display_.clear();
}

XvfbSession::~XvfbSession() {
  if (manager_ > 0) {
    kill(manager_, SIGTERM);
    waitpid(manager_, nullptr, 0);
  }
  if (!managerConfig_.empty()) unlink(managerConfig_.c_str());
  if (server_ > 0) {
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
  }
}
