// A fresh prefix with a small generated CD in C:\CD\, and a progress bar stand-in that records
// what the tree walks ask of the window.
#pragma once

#include <SysUtils.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "../platform/kernel32/TempPrefix.h"
#include "DemoCd.h"
#include "TreeProgress.h"

class RecordingProgress : public TreeProgress {
 public:
  static constexpr int kMaxValue = 3290;

  int UserValue() const override { return FValue; }
  // As the meter does: values outside 0..max are ignored.
  void SetUserValue(int value) override {
    if (value >= 0 && value <= kMaxValue) FValue = value;
  }
  void ProcessMessages() override {
    ProcessedAt.push_back(FValue);
    if (OnProcessMessages) OnProcessMessages();
  }
  void ShowMessage(const AnsiString& text, const AnsiString& caption) override {
    Messages.push_back(caption + "|" + text);
  }

  std::vector<int> ProcessedAt;
  std::vector<AnsiString> Messages;
  std::function<void()> OnProcessMessages;

 private:
  int FValue = 0;
};

class InstallerFixture : public TempPrefix {
 public:
  static constexpr DemoCdShape kSmallCd{250, 400 * 1024};

  // Writes the small CD to C:\CD\ with `program` (a Windows path) as tawo.exe.
  DemoCd MakeCd(const AnsiString& program = "") {
    DemoCd cd(kSmallCd);
    cd.Write("C:\\CD\\", program);
    return cd;
  }

  // Every file below a host folder, relative, with '/' separators.
  static std::set<std::string> FilesBelow(const std::string& host) {
    std::set<std::string> files;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(host, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      if (!it->is_directory()) files.insert(std::filesystem::relative(it->path(), host).string());
    }
    return files;
  }

  static std::string HostOf(const AnsiString& windows) {
    char host[4096];
    DWORD length = WinportGetHostPath(windows.c_str(), host, sizeof host);
    return length && length < sizeof host ? std::string(host, length) : std::string();
  }

 protected:
  RecordingProgress progress;
};
