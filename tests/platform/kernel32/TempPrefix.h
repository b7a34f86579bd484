// A fresh prefix in a temporary folder for each test, and small helpers for files in it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#include <windows.h>
#include <winport.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempPrefix : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tawo-prefix-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    WinportSetPrefix(root_.c_str());
    WinportGetPrefix();
  }

  void TearDown() override {
    ASSERT_EQ(chdir("/"), 0);
    WinportSetPrefix(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // Host path of a path below drive_c ("Program Files/x").
  std::string DriveC(const std::string& below = "") const {
    return root_ + "/drive_c" + (below.empty() ? "" : "/" + below);
  }

  static void Write(const std::string& host, const std::string& content) {
    std::ofstream(host, std::ios::binary) << content;
  }

  static std::string Read(const std::string& host) {
    std::ifstream in(host, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  static bool CreateWithContent(LPCSTR path, const std::string& content) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == content.size();
  }

  std::string root_;
};
