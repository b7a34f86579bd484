#include <sys/wait.h>

#include <cstring>
#include <thread>

#include "TempPrefix.h"

namespace {

class Process : public TempPrefix {};

TEST_F(Process, NamedMutexReportsAnExistingNameAcrossProcessesOfThePrefix) {
  HANDLE first = CreateMutexA(nullptr, FALSE, "tawo.exe");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  HANDLE second = CreateMutexA(nullptr, TRUE, "tawo.exe");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  CreateMutexA(nullptr, FALSE, "TAWO.EXE");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS)) << "names are case-sensitive";

  pid_t child = fork();
  if (child == 0) {
    HANDLE other = CreateMutexA(nullptr, FALSE, "tawo.exe");
    _exit(other && GetLastError() == ERROR_ALREADY_EXISTS ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "another process sees the name";

  CloseHandle(first);
  CloseHandle(second);
  child = fork();
  if (child == 0) {
    HANDLE other = CreateMutexA(nullptr, FALSE, "tawo.exe");
    _exit(other && GetLastError() == ERROR_SUCCESS ? 0 : 1);
  }
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "gone with the last handle";
}

TEST_F(Process, MutexOwnershipIsPerThreadAndCounted) {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, nullptr);
  ASSERT_NE(mutex, nullptr);
  EXPECT_EQ(WaitForSingleObject(mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0)) << "recursive for the owner";
  DWORD other = 0;
  std::thread([&] { other = WaitForSingleObject(mutex, 10); }).join();
  EXPECT_EQ(other, static_cast<DWORD>(WAIT_TIMEOUT));
  std::thread([&] { other = ReleaseMutex(mutex) ? 0 : GetLastError(); }).join();
  EXPECT_EQ(other, static_cast<DWORD>(ERROR_NOT_OWNER));
  EXPECT_TRUE(ReleaseMutex(mutex));
  EXPECT_TRUE(ReleaseMutex(mutex));
  EXPECT_FALSE(ReleaseMutex(mutex));
  std::thread([&] { other = WaitForSingleObject(mutex, 0); }).join();
  EXPECT_EQ(other, static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_TRUE(CloseHandle(mutex));
  EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(CreateMutexA(nullptr, FALSE, "a\\b"), nullptr);
}

TEST_F(Process, IdentityReportsWindows2000) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  EXPECT_EQ(version.dwMajorVersion, 5u);
  EXPECT_EQ(version.dwMinorVersion, 0u);
  EXPECT_EQ(version.dwBuildNumber, 2195u);
  EXPECT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
  OSVERSIONINFOEXA extended{};
  extended.dwOSVersionInfoSize = sizeof extended;
  EXPECT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended)));
  version.dwOSVersionInfoSize = 10;
  EXPECT_FALSE(GetVersionExA(&version));

  char name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof name;
  ASSERT_TRUE(GetComputerNameA(name, &size));
  EXPECT_EQ(size, std::strlen(name));
  DWORD tiny = 1;
  EXPECT_FALSE(GetComputerNameA(name, &tiny));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BUFFER_OVERFLOW));
  EXPECT_EQ(tiny, size + 1);

  char user[64];
  DWORD userSize = 1;
  EXPECT_FALSE(GetUserNameA(user, &userSize));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_TRUE(GetUserNameA(user, &userSize));
  EXPECT_EQ(userSize, std::strlen(user) + 1);

  EXPECT_EQ(GetCurrentProcessId(), static_cast<DWORD>(getpid()));
  EXPECT_TRUE(CloseHandle(GetCurrentProcess())) << "a pseudo handle";
  std::string line = GetCommandLineA();
  EXPECT_EQ(line.substr(0, 3), "Z:\\") << line;

  setenv("TAWO_TEST_VARIABLE", "wartość", 1);
  char value[16];
  EXPECT_EQ(GetEnvironmentVariableA("TAWO_TEST_VARIABLE", value, sizeof value), 7u);
  EXPECT_STREQ(value, "warto\x9C\xE6") << "converted to code page 1250";
  EXPECT_EQ(GetEnvironmentVariableA("TAWO_TEST_VARIABLE", value, 3), 8u);
  EXPECT_EQ(GetEnvironmentVariableA("TAWO_NO_SUCH_VARIABLE", value, sizeof value), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
}

TEST_F(Process, ShuttingDownIsRefusedAndPrivilegesAreNotGranted) {
  HANDLE token = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
  TOKEN_PRIVILEGES privileges{};
  ASSERT_TRUE(LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid));
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  EXPECT_TRUE(AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ALL_ASSIGNED));
  EXPECT_FALSE(ExitWindowsEx(EWX_SHUTDOWN | EWX_FORCE, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PRIVILEGE_NOT_HELD));
  EXPECT_FALSE(ExitWindowsEx(EWX_LOGOFF, 0));
  LUID luid;
  EXPECT_FALSE(LookupPrivilegeValueA(nullptr, "SeNoSuchPrivilege", &luid));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_SUCH_PRIVILEGE));
  EXPECT_TRUE(CloseHandle(token));
  EXPECT_FALSE(AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Time, CalendarConversionsRoundTrip) {
  SYSTEMTIME epoch{1970, 1, 0, 1, 0, 0, 0, 0};
  FILETIME file;
  ASSERT_TRUE(SystemTimeToFileTime(&epoch, &file));
  EXPECT_EQ((static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime, 116444736000000000ull);
  SYSTEMTIME leap{2024, 2, 0, 29, 23, 59, 58, 999};
  ASSERT_TRUE(SystemTimeToFileTime(&leap, &file));
  SYSTEMTIME back;
  ASSERT_TRUE(FileTimeToSystemTime(&file, &back));
  EXPECT_EQ(back.wYear, 2024);
  EXPECT_EQ(back.wMonth, 2);
  EXPECT_EQ(back.wDay, 29);
  EXPECT_EQ(back.wDayOfWeek, 4) << "a Thursday";
  EXPECT_EQ(back.wSecond, 58);
  EXPECT_EQ(back.wMilliseconds, 999);
  SYSTEMTIME invalid{2023, 2, 0, 29, 0, 0, 0, 0};
  EXPECT_FALSE(SystemTimeToFileTime(&invalid, &file));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  WORD date, time;
  ASSERT_TRUE(SystemTimeToFileTime(&leap, &file));
  ASSERT_TRUE(FileTimeToDosDateTime(&file, &date, &time));
  EXPECT_EQ(date, ((2024 - 1980) << 9) | (2 << 5) | 29);
  EXPECT_EQ(time, (23 << 11) | (59 << 5) | 29);
  LARGE_INTEGER frequency, first, second;
  ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
  QueryPerformanceCounter(&first);
  QueryPerformanceCounter(&second);
  EXPECT_GE(second.QuadPart, first.QuadPart);
  EXPECT_GT(frequency.QuadPart, 0);
}

ULONGLONG FixedClock() { return 5'000'000'000ull; }

TEST(Time, TickCountsFollowTheReplaceableClock) {
  WinportSetClock(FixedClock);
  EXPECT_EQ(GetTickCount(), 5000u);
  EXPECT_EQ(GetTickCount64(), 5000u);
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  EXPECT_EQ(counter.QuadPart, 50'000'000);
  WinportSetClock(nullptr);
  EXPECT_NE(GetTickCount64(), 5000u);
}

}  // namespace
