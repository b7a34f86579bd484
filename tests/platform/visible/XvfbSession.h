// An X display for tests: the one in $DISPLAY, or a private Xvfb started on the first free
// display number from :99 and stopped at the end. With a window manager it is always a private
// Xvfb, managed by twm, which reparents, decorates and places windows as desktops do.
#pragma once

#include <sys/types.h>

#include <string>

class XvfbSession {
 public:
  // True when the programs the tests drive (Xvfb, xdotool) are installed.
  static bool ToolsInstalled();
  static bool WindowManagerInstalled();

  enum class Manager { None, Twm };
  explicit XvfbSession(Manager manager = Manager::None);
  ~XvfbSession();
  XvfbSession(const XvfbSession&) = delete;
  XvfbSession& operator=(const XvfbSession&) = delete;

  // Empty when no display could be opened.
  const std::string& Display() const { return display_; }

 private:
  static bool OnPath(const char* program);
  bool StartXvfb(int number);
  bool StartTwm();
  bool Xdotool(const std::string& arguments) const;

  std::string display_;
  pid_t server_ = -1;
  pid_t manager_ = -1;
  std::string managerConfig_;
};
