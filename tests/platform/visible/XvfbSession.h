// An X display for tests: the one in $DISPLAY, or a private Xvfb started on the first free
// display number from :99 and stopped at the end.
#pragma once

#include <sys/types.h>

#include <string>

class XvfbSession {
 public:
  // True when the programs the tests drive (Xvfb, xdotool) are installed.
  static bool ToolsInstalled();

  XvfbSession();
  ~XvfbSession();
  XvfbSession(const XvfbSession&) = delete;
  XvfbSession& operator=(const XvfbSession&) = delete;

  // Empty when no display could be opened.
  const std::string& Display() const { return display_; }

 private:
  static bool OnPath(const char* program);
  bool StartXvfb(int number);

  std::string display_;
  pid_t server_ = -1;
};
