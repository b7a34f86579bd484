// Message-sequence testing: a window procedure that records every message its windows
// receive, and comparison against expected tables in the style of
//   { hwnd-role, message, flags }   with optional entries and parameter checks.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct LoggedMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// One expected message. `optional` entries may be missing; with `checkWParam` /
// `checkLParam` the parameter must match.
struct Expected {
  UINT message;
  HWND hwnd = nullptr;  // null: any window
  bool optional = false;
  bool checkWParam = false;
  WPARAM wParam = 0;
  bool checkLParam = false;
  LPARAM lParam = 0;
};

inline Expected Msg(UINT message, HWND hwnd = nullptr) { return Expected{message, hwnd}; }
inline Expected Optional(UINT message, HWND hwnd = nullptr) { return Expected{message, hwnd, true}; }
inline Expected WithW(Expected e, WPARAM w) {
  e.checkWParam = true;
  e.wParam = w;
  return e;
}
inline Expected WithL(Expected e, LPARAM l) {
  e.checkLParam = true;
  e.lParam = l;
  return e;
}

class MessageLog {
 public:
  static MessageLog& Instance() {
    static MessageLog log;
    return log;
  }

  void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (recording_ && !Ignored(message)) entries_.push_back(LoggedMessage{hwnd, message, wParam, lParam});
  }
  void Clear() { entries_.clear(); }
  void SetRecording(bool on) { recording_ = on; }
  const std::vector<LoggedMessage>& Entries() const { return entries_; }
  // Messages that depend on pointer movement or cursor handling and would make most
  // sequences noisy; tests of those messages turn this off.
  void IgnoreNoise(bool ignore) { ignoreNoise_ = ignore; }

  std::vector<UINT> Messages(HWND hwnd = nullptr) const {
    std::vector<UINT> out;
    for (const auto& e : entries_) {
      if (!hwnd || e.hwnd == hwnd) out.push_back(e.message);
    }
    return out;
  }

  // Compares the log with the table; on mismatch the failure lists both.
  ::testing::AssertionResult Matches(const std::vector<Expected>& expected) const {
    size_t got = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
      const Expected& e = expected[i];
      const bool match = got < entries_.size() && Fits(entries_[got], e);
      if (match) {
        ++got;
      } else if (!e.optional) {
        return ::testing::AssertionFailure() << "expected " << Name(e.message) << " at position " << got << "\n"
                                             << Describe(expected);
      }
    }
    if (got != entries_.size()) {
      return ::testing::AssertionFailure()
             << "unexpected " << Name(entries_[got].message) << " at position " << got << "\n"
             << Describe(expected);
    }
    return ::testing::AssertionSuccess();
  }

  static std::string Name(UINT message) {
    static const std::map<UINT, std::string> names{
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
        {WM_CANCELMODE, "WM_CANCELMODE"},
        {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_TIMER, "WM_TIMER"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_GETDLGCODE, "WM_GETDLGCODE"},
        {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
        {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
        {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_USER, "WM_USER"},
    };
    const auto it = names.find(message);
    if (it != names.end()) return it->second;
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "0x%04X", message);
    return buffer;
  }

 private:
  bool Ignored(UINT message) const {
    if (!ignoreNoise_) return false;
    switch (message) {
      case WM_NCHITTEST:
      case WM_SETCURSOR:
      case WM_GETTEXT:
      case WM_GETTEXTLENGTH:
      case WM_CTLCOLORBTN:
        return true;
      default:
        return false;
    }
  }

  static bool Fits(const LoggedMessage& got, const Expected& e) {
    return got.message == e.message && (!e.hwnd || got.hwnd == e.hwnd) && (!e.checkWParam || got.wParam == e.wParam) &&
           (!e.checkLParam || got.lParam == e.lParam);
  }

  std::string Describe(const std::vector<Expected>& expected) const {
    std::string out = "  expected:";
    for (const auto& e : expected) out += " " + Name(e.message) + (e.optional ? "?" : "");
    out += "\n  got:     ";
    for (const auto& g : entries_) out += " " + Name(g.message);
    return out;
  }

  std::vector<LoggedMessage> entries_;
  bool recording_ = true;
  bool ignoreNoise_ = true;
};
