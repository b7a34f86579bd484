// TRegistry against the platform registry of a fresh prefix.
#include <gtest/gtest.h>

#include "../platform/kernel32/TempPrefix.h"
#include "TRegistry.h"
#include "TStringList.h"

using enum TRegDataType;

namespace {

class RegistryTest : public TempPrefix {
 protected:
  static AnsiString FailureOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const ERegistryException& error) {
      return error.Message();
    }
    return "<no exception>";
  }

  static AnsiString Names(TStrings& list) { return list.CommaText(); }
};

TEST_F(RegistryTest, AbsoluteKeysStartAtTheRootRelativeKeysAtTheCurrentKey) {
  TRegistry registry;
  EXPECT_EQ(registry.RootKey(), HKEY_CURRENT_USER);
  EXPECT_EQ(registry.Access(), static_cast<REGSAM>(KEY_ALL_ACCESS));
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO", true));
  EXPECT_EQ(registry.CurrentPath(), "SOFTWARE\\Welgato\\TAWO");
  ASSERT_TRUE(registry.OpenKey("Settings\\", true));
  EXPECT_EQ(registry.CurrentPath(), "SOFTWARE\\Welgato\\TAWO\\Settings");
  registry.WriteString("Where", "nested");

  TRegistry other;
  EXPECT_TRUE(other.KeyExists("\\SOFTWARE\\Welgato\\TAWO\\Settings"));
  EXPECT_TRUE(other.KeyExists("SOFTWARE\\Welgato\\TAWO\\Settings"));  // no key open: from the root
  EXPECT_FALSE(other.KeyExists("Settings"));
  ASSERT_TRUE(other.OpenKey("\\software\\welgato\\tawo\\settings", false));
  EXPECT_EQ(other.ReadString("Where"), "nested");

  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE", false));
  EXPECT_EQ(registry.CurrentPath(), "SOFTWARE");
  HKEY before = registry.CurrentKey();
  EXPECT_FALSE(registry.OpenKey("Missing", false));
  EXPECT_EQ(registry.CurrentKey(), before);
  EXPECT_EQ(registry.CurrentPath(), "SOFTWARE");
  EXPECT_FALSE(registry.KeyExists("Missing"));

  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_EQ(registry.CurrentKey(), nullptr);
  EXPECT_EQ(registry.CurrentPath(), "");
}

TEST_F(RegistryTest, AHandMadeEmptyKeyCanBeOpened) {
  Write(root_ + "/user.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Welgato\\TAWO]\r\n");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO", false));
  EXPECT_FALSE(registry.HasSubKeys());
  EXPECT_EQ(registry.ReadString("instPath"), "");
  EXPECT_FALSE(registry.ValueExists("instPath"));
}

TEST_F(RegistryTest, ValuesKeepTheirTypes) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO", true));
  registry.WriteString("instPath", "C:\\Program Files\\Zażółć\\"_a);
  registry.WriteExpandString("Expand", "%WINDIR%\\x");
  registry.WriteInteger("Runs", -7);
  registry.WriteBool("Shown", true);
  registry.WriteFloat("Ratio", 0.1);
  registry.WriteDateTime("When", 38000.75);
  const unsigned char bytes[] = {0, 1, 0xFE};
  registry.WriteBinaryData("Blob", bytes, sizeof bytes);

  TRegistry reader;
  ASSERT_TRUE(reader.OpenKeyReadOnly("\\SOFTWARE\\Welgato\\TAWO"));
  EXPECT_EQ(reader.ReadString("INSTPATH"), "C:\\Program Files\\Zażółć\\"_a);
  EXPECT_EQ(reader.GetDataType("instPath"), rdString);
  EXPECT_EQ(reader.GetDataSize("instPath"), static_cast<int>("C:\\Program Files\\Zażółć\\"_a.size() + 1));
  EXPECT_EQ(reader.ReadString("Expand"), "%WINDIR%\\x");
  EXPECT_EQ(reader.GetDataType("Expand"), rdExpandString);
  EXPECT_EQ(reader.ReadInteger("Runs"), -7);
  EXPECT_EQ(reader.GetDataType("Runs"), rdInteger);
  EXPECT_TRUE(reader.ReadBool("Shown"));
  EXPECT_EQ(reader.ReadFloat("Ratio"), 0.1);
  EXPECT_EQ(reader.GetDataType("Ratio"), rdBinary);
  EXPECT_EQ(reader.GetDataSize("Ratio"), 8);
  EXPECT_EQ(reader.ReadDateTime("When"), 38000.75);
  unsigned char back[8] = {};
  EXPECT_EQ(reader.ReadBinaryData("Blob", back, sizeof back), 3);
  EXPECT_EQ(back[2], 0xFE);
  EXPECT_EQ(reader.GetDataSize("Nothing"), -1);
  EXPECT_EQ(reader.GetDataType("Nothing"), rdUnknown);

  // The string is stored as code page 1250 bytes with its terminating NUL.
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Welgato\\TAWO", 0, KEY_READ, &key), ERROR_SUCCESS);
  char raw[64] = {};
  DWORD size = sizeof raw;
  ASSERT_EQ(RegQueryValueExA(key, "instPath", nullptr, nullptr, reinterpret_cast<BYTE*>(raw), &size), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(AnsiString(raw, size), AnsiString("C:\\Program Files\\Za\xBF\xF3\xB3\xE6\\", 24) + '\0');
}

TEST_F(RegistryTest, ReadingTheWrongKindOfValueRaisesTheFrameworkMessages) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO", true));
  registry.WriteString("Text", "abc");
  registry.WriteInteger("Number", 5);
  const unsigned char four[] = {1, 2, 3, 4};
  registry.WriteBinaryData("Four", four, sizeof four);

  EXPECT_EQ(FailureOf([&] { registry.ReadInteger("Text"); }), "Invalid data type for 'Text'");
  EXPECT_EQ(FailureOf([&] { registry.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
  EXPECT_EQ(FailureOf([&] { registry.ReadBool("Missing"); }), "Failed to get data for 'Missing'");
  EXPECT_EQ(FailureOf([&] { registry.ReadString("Number"); }), "Invalid data type for 'Number'");
  EXPECT_EQ(FailureOf([&] { registry.ReadFloat("Four"); }), "Invalid data type for 'Four'");
  EXPECT_EQ(FailureOf([&] { registry.ReadFloat("Number"); }), "Invalid data type for 'Number'");
  char small[2];
  EXPECT_EQ(FailureOf([&] { registry.ReadBinaryData("Four", small, sizeof small); }), "Invalid data type for 'Four'");
  EXPECT_EQ(FailureOf([&] { registry.ReadBinaryData("Missing", small, sizeof small); }),
            "Failed to get data for 'Missing'");
  EXPECT_EQ(registry.ReadString("Missing"), "");
}

TEST_F(RegistryTest, WritesThatCannotHappenRaiseFailedToSetData) {
  TRegistry registry;
  EXPECT_EQ(FailureOf([&] { registry.WriteString("Nowhere", "x"); }), "Failed to set data for 'Nowhere'");
  ASSERT_TRUE(registry.CreateKey("\\SOFTWARE\\Welgato\\TAWO"));
  ASSERT_TRUE(registry.OpenKeyReadOnly("\\SOFTWARE\\Welgato\\TAWO"));
  EXPECT_EQ(FailureOf([&] { registry.WriteString("Wersja", "1.48"); }), "Failed to set data for 'Wersja'");
  EXPECT_EQ(FailureOf([&] { registry.WriteInteger("Runs", 1); }), "Failed to set data for 'Runs'");
  EXPECT_EQ(FailureOf([&] { registry.CreateKey("Child"); }), "Failed to create key Child");
  EXPECT_FALSE(registry.ValueExists("Wersja"));
  // The read-only key does not change the access later keys are opened with.
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO", false));
  registry.WriteString("Wersja", "1.48");
  EXPECT_EQ(registry.ReadString("Wersja"), "1.48");
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeSubtreeAndLeavesTheParent) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO\\A\\B\\C", true));
  registry.WriteString("deep", "x");
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO\\Z", true));
  registry.WriteInteger("z", 1);
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato", false));
  EXPECT_TRUE(registry.DeleteKey("TAWO"));
  EXPECT_FALSE(registry.KeyExists("\\SOFTWARE\\Welgato\\TAWO"));
  EXPECT_TRUE(registry.KeyExists("\\SOFTWARE\\Welgato"));
  EXPECT_FALSE(registry.HasSubKeys());
  EXPECT_FALSE(registry.DeleteKey("TAWO"));
}

TEST_F(RegistryTest, DeleteKeyWithoutANameDeletesNothing) {
  TRegistry registry;
  ASSERT_TRUE(registry.CreateKey("\\SOFTWARE\\Welgato\\TAWO"));
  EXPECT_FALSE(registry.DeleteKey(""));
  EXPECT_FALSE(registry.DeleteKey("\\"));
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato", false));
  EXPECT_FALSE(registry.DeleteKey(""));
  EXPECT_TRUE(registry.KeyExists("\\SOFTWARE\\Welgato\\TAWO"));
}

TEST_F(RegistryTest, NamesAreListedInRegistryOrder) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO", true));
  for (const char* name : {"zeta", "Alpha", "beta"}) registry.CreateKey(name);
  for (const char* name : {"second", "First", "third"}) registry.WriteString(name, "");
  TStringList list;
  list.Add("stale");
  registry.GetKeyNames(list);
  EXPECT_EQ(Names(list), "Alpha,beta,zeta");
  registry.GetValueNames(list);
  EXPECT_EQ(Names(list), "second,First,third");
  EXPECT_TRUE(registry.HasSubKeys());
  TRegKeyInfo info;
  ASSERT_TRUE(registry.GetKeyInfo(info));
  EXPECT_EQ(info.NumSubKeys, 3);
  EXPECT_EQ(info.NumValues, 3);
  EXPECT_EQ(info.MaxSubKeyLen, 5);
}

TEST_F(RegistryTest, ValuesAndKeysCanBeRenamed) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Old\\Inner", true));
  registry.WriteInteger("n", 3);
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Old", false));
  registry.WriteString("a", "1");
  registry.WriteString("taken", "2");
  registry.RenameValue("a", "b");
  EXPECT_FALSE(registry.ValueExists("a"));
  EXPECT_EQ(registry.ReadString("b"), "1");
  registry.RenameValue("b", "taken");
  EXPECT_EQ(registry.ReadString("b"), "1");
  EXPECT_EQ(registry.ReadString("taken"), "2");

  registry.CloseKey();
  registry.MoveKey("\\SOFTWARE\\Old", "\\SOFTWARE\\Old\\Inner\\Loop", true);  // into itself: refused
  EXPECT_FALSE(registry.KeyExists("\\SOFTWARE\\Old\\Inner\\Loop"));
  registry.MoveKey("\\SOFTWARE\\Old", "\\SOFTWARE\\New", true);
  EXPECT_FALSE(registry.KeyExists("\\SOFTWARE\\Old"));
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\New\\Inner", false));
  EXPECT_EQ(registry.ReadInteger("n"), 3);
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\New", false));
  EXPECT_EQ(registry.ReadString("taken"), "2");
}

}  // namespace
