// The installation record in the current user's registry.
#include <TRegistry.h>
#include <TStringList.h>
#include <gtest/gtest.h>

#include "InstallationRecord.h"
#include "InstallerFixture.h"

namespace {

class InstallationRecordTest : public InstallerFixture {
 protected:
  static AnsiString Value(const AnsiString& name) {
    TRegistry registry;
    if (!registry.OpenKey("\\SOFTWARE\\Welgato\\TAWO", false)) return "<no key>";
    return registry.ReadString(name);
  }
  static bool KeyExists(const AnsiString& key) {
    TRegistry registry;
    return registry.OpenKey(key, false);
  }
};

TEST_F(InstallationRecordTest, WriteTestAndDeleteKeepingTheParentKey) {
  EXPECT_FALSE(InstallationRecord::Test());
  InstallationRecord::Write("D:\\INSTAL\\", "C:\\Progra~1\\TAWO\\");
  EXPECT_TRUE(InstallationRecord::Test());
  EXPECT_EQ(Value("Wersja"), "1.48");
  EXPECT_EQ(Value("cdPath"), "D:\\INSTAL\\");
  EXPECT_EQ(Value("instPath"), "C:\\Progra~1\\TAWO\\");

  InstallationRecord::Delete();
  EXPECT_FALSE(InstallationRecord::Test());
  EXPECT_TRUE(KeyExists("\\SOFTWARE\\Welgato"));
}

TEST_F(InstallationRecordTest, AHandMadeEmptyKeyCountsAsInstalled) {
  TRegistry registry;
  ASSERT_TRUE(registry.CreateKey("\\SOFTWARE\\Welgato\\TAWO"));
  EXPECT_TRUE(InstallationRecord::Test());
}

TEST_F(InstallationRecordTest, WritingAgainOverwritesTheValuesOfTheOneKey) {
  InstallationRecord::Write("D:\\", "C:\\TAWO\\");
  InstallationRecord::Write("E:\\", "C:\\Progra~1\\TAWO\\");
  EXPECT_EQ(Value("cdPath"), "E:\\");
  EXPECT_EQ(Value("instPath"), "C:\\Progra~1\\TAWO\\");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Welgato", false));
  TStringList names;
  registry.GetKeyNames(names);
  EXPECT_EQ(names.Count(), 1);
  EXPECT_EQ(names.Strings(0), "TAWO");
}

TEST_F(InstallationRecordTest, DeletingWithoutAnyRecordDoesNothing) {
  EXPECT_NO_THROW(InstallationRecord::Delete());
  EXPECT_FALSE(KeyExists("\\SOFTWARE\\Welgato"));
}

}  // namespace
