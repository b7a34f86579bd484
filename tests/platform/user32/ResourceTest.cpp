// Resources of the program module: added by the start-up code, found by number or by name
// (case-insensitive), and only in the program's own module.
#include <gtest/gtest.h>
#include <windows.h>
#include <winport.h>

#include <string>

namespace {

std::string Bytes(HRSRC resource) {
  const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, resource)));
  return std::string(data, SizeofResource(nullptr, resource));
}

TEST(Resources, AreFoundByTypeAndNameInTheProgramModule) {
  ASSERT_TRUE(WinportAddResource(RT_BITMAP, MAKEINTRESOURCEA(7), "seven", 5));
  ASSERT_TRUE(WinportAddResource(RT_RCDATA, "Tfrm", "form", 4));
  ASSERT_TRUE(WinportAddResource(RT_RCDATA, "TFRM", "again", 5));  // replaces the one above

  const struct {
    HMODULE module;
    LPCSTR name;
    LPCSTR type;
    const char* bytes;  // null: not found
  } cases[] = {
      {nullptr, MAKEINTRESOURCEA(7), RT_BITMAP, "seven"},
      {GetModuleHandleA(nullptr), MAKEINTRESOURCEA(7), RT_BITMAP, "seven"},
      {nullptr, "tfrm", RT_RCDATA, "again"},
      {nullptr, MAKEINTRESOURCEA(7), RT_RCDATA, nullptr},
      {nullptr, MAKEINTRESOURCEA(8), RT_BITMAP, nullptr},
      {nullptr, "#7", RT_BITMAP, "seven"},  // "#n" is number n
      {reinterpret_cast<HMODULE>(0x10000000), MAKEINTRESOURCEA(7), RT_BITMAP, nullptr},
  };
  for (const auto& c : cases) {
    SetLastError(0);
    HRSRC found = FindResourceA(c.module, c.name, c.type);
    if (c.bytes == nullptr) {
      EXPECT_EQ(found, nullptr);
      EXPECT_NE(GetLastError(), 0u);
    } else {
      ASSERT_NE(found, nullptr);
      EXPECT_EQ(Bytes(found), c.bytes);
    }
  }
  EXPECT_FALSE(WinportAddResource(nullptr, "x", "", 0));
}

}  // namespace
