// TIniFile over the profile API, TRegIniFile and TRegistryIniFile over the registry.
#include <gtest/gtest.h>

#include "../platform/kernel32/TempPrefix.h"
#include "TIniFile.h"
#include "TRegistryIniFile.h"
#include "TStringList.h"

using enum TRegDataType;

namespace {

class IniFileTest : public TempPrefix {
 protected:
  void SetUp() override {
    TempPrefix::SetUp();
    ASSERT_TRUE(CreateWithContent("C:\\setup.ini",
                                  "[Setup]\r\n"
                                  "  Path =  C:\\Program Files\\TAWO  \r\n"
                                  "Quoted=\"a b\"\r\n"
                                  "Hex=0x1F\r\n"
                                  "Dollar=$10\r\n"
                                  "Bad=12abc\r\n"
                                  "On=1\r\n"
                                  "Off=0\r\n"
                                  "[Other]\r\n"
                                  "x=y\r\n"));
  }
};

TEST_F(IniFileTest, ReadsFollowTheProfileRules) {
  TIniFile ini("C:\\setup.ini");
  EXPECT_EQ(ini.FileName(), "C:\\setup.ini");
  EXPECT_EQ(ini.ReadString("setup", "PATH", "-"), "C:\\Program Files\\TAWO");
  EXPECT_EQ(ini.ReadString(" Setup ", " path ", "-"), "C:\\Program Files\\TAWO");
  EXPECT_EQ(ini.ReadString("Setup", "Quoted", "-"), "a b");
  EXPECT_EQ(ini.ReadString("Setup", "Missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("Nothing", "Path", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadInteger("Setup", "Hex", -1), 31);
  EXPECT_EQ(ini.ReadInteger("Setup", "Dollar", -1), 16);
  EXPECT_EQ(ini.ReadInteger("Setup", "Bad", -1), -1);
  EXPECT_EQ(ini.ReadInteger("Setup", "Missing", 7), 7);
  EXPECT_TRUE(ini.ReadBool("Setup", "On", false));
  EXPECT_FALSE(ini.ReadBool("Setup", "Off", true));
  EXPECT_TRUE(ini.ReadBool("Setup", "Missing", true));

  TIniFile absent("C:\\absent.ini");
  EXPECT_EQ(absent.ReadString("Setup", "Path", "dflt"), "dflt");
  EXPECT_FALSE(absent.SectionExists("Setup"));
}

TEST_F(IniFileTest, WritesRoundTripAndAppendToTheirSection) {
  TIniFile ini("C:\\setup.ini");
  ini.WriteString("Other", "Name", "Zażółć"_a);
  ini.WriteInteger("Other", "Count", -12);
  ini.WriteBool("Other", "Flag", true);
  ini.WriteFloat("Other", "Ratio", 2.5);
  ini.WriteString("SETUP", "path", "D:\\");
  ini.WriteString("New", "k", "v");
  EXPECT_EQ(ini.ReadString("other", "name", ""), "Zażółć"_a);
  EXPECT_EQ(ini.ReadInteger("Other", "Count", 0), -12);
  EXPECT_EQ(ini.ReadFloat("Other", "Ratio", 0), 2.5);
  const std::string text = Read(DriveC("setup.ini"));
  const std::size_t other = text.find("[Other]\r\nx=y\r\nName=Za\xBF\xF3\xB3\xE6\r\nCount=-12\r\nFlag=1\r\nRatio=2,5\r\n");
  EXPECT_NE(other, std::string::npos) << text;
  const std::size_t added = text.find("[New]\r\nk=v\r\n");
  EXPECT_NE(added, std::string::npos) << text;
  EXPECT_GT(added, other) << text;
  EXPECT_NE(text.find("Path=D:\\\r\n"), std::string::npos) << text;
}

TEST_F(IniFileTest, SectionsAndKeysAreListedAndDeleted) {
  TIniFile ini("C:\\setup.ini");
  TStringList list;
  list.Add("stale");
  ini.ReadSections(list);
  EXPECT_EQ(list.CommaText(), "Setup,Other");
  ini.ReadSection("setup", list);
  EXPECT_EQ(list.CommaText(), "Path,Quoted,Hex,Dollar,Bad,On,Off");
  ini.ReadSectionValues("Other", list);
  EXPECT_EQ(list.CommaText(), "x=y");
  EXPECT_TRUE(ini.SectionExists("OTHER"));
  EXPECT_TRUE(ini.ValueExists("Setup", "hex"));
  EXPECT_FALSE(ini.ValueExists("Setup", "Nothing"));

  ini.DeleteKey("Setup", "Hex");
  EXPECT_FALSE(ini.ValueExists("Setup", "Hex"));
  ini.EraseSection("Setup");
  EXPECT_FALSE(ini.SectionExists("Setup"));
  ini.UpdateFile();
  EXPECT_EQ(Read(DriveC("setup.ini")), "[Other]\r\nx=y\r\n");
}

TEST_F(IniFileTest, AFileNameWithoutAFolderIsInTheWindowsDirectory) {
  TIniFile ini("tawo.ini");
  ini.WriteString("S", "k", "v");
  char windows[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
  EXPECT_TRUE(FileExists(IncludeTrailingBackslash(windows) + "tawo.ini"));
  EXPECT_EQ(ini.ReadString("s", "K", ""), "v");
}

TEST_F(IniFileTest, AFileThatCannotBeWrittenRaisesEIniFileException) {
  TIniFile ini("C:\\missing\\x.ini");
  try {
    ini.WriteString("S", "k", "v");
    FAIL() << "written";
  } catch (const EIniFileException& error) {
    EXPECT_EQ(error.Message(), "Unable to write to C:\\missing\\x.ini");
  }
}

class RegIniFileTest : public TempPrefix {};

TEST_F(RegIniFileTest, SectionsAreSubkeysAndNumbersAreText) {
  TRegIniFile ini("Software\\Welgato\\TAWO");
  EXPECT_EQ(ini.CurrentPath(), "Software\\Welgato\\TAWO");
  ini.WriteString("Okno", "Caption", "Zażółć"_a);
  ini.WriteInteger("Okno", "Top", 20);
  ini.WriteBool("Okno", "Visible", false);
  ini.WriteString("", "Base", "here");

  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\Welgato\\TAWO\\Okno", false));
  EXPECT_EQ(registry.GetDataType("Top"), rdString);
  EXPECT_EQ(registry.ReadString("Top"), "20");
  EXPECT_EQ(registry.ReadString("Visible"), "0");
  registry.WriteInteger("Left", 15);

  EXPECT_EQ(ini.ReadString("okno", "caption", ""), "Zażółć"_a);
  EXPECT_EQ(ini.ReadInteger("Okno", "Top", 0), 20);
  EXPECT_EQ(ini.ReadInteger("Okno", "Left", 0), 15);
  EXPECT_FALSE(ini.ReadBool("Okno", "Visible", true));
  EXPECT_EQ(ini.ReadString("", "Base", ""), "here");
  EXPECT_EQ(ini.ReadString("Missing", "Top", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadInteger("Okno", "Missing", 9), 9);
  // Reading never creates a section.
  EXPECT_FALSE(registry.KeyExists("\\Software\\Welgato\\TAWO\\Missing"));
}

TEST_F(RegIniFileTest, SectionsAreListedErasedAndTrimmed) {
  TRegIniFile ini("Software\\Welgato\\TAWO");
  ini.WriteString("B", "one", "1");
  ini.WriteString("A", "two", "2");
  ini.WriteString("A", "three", "3");
  TStringList list;
  ini.ReadSections(list);
  EXPECT_EQ(list.CommaText(), "A,B");
  ini.ReadSection("A", list);
  EXPECT_EQ(list.CommaText(), "two,three");
  ini.ReadSectionValues("A", list);
  EXPECT_EQ(list.CommaText(), "two=2,three=3");
  ini.ReadSection("Missing", list);
  EXPECT_EQ(list.Count(), 0);

  ini.DeleteKey("A", "two");
  ini.ReadSection("A", list);
  EXPECT_EQ(list.CommaText(), "three");
  ini.EraseSection("A");
  ini.ReadSections(list);
  EXPECT_EQ(list.CommaText(), "B");
  ini.EraseSection("");
  ini.ReadSections(list);
  EXPECT_EQ(list.CommaText(), "B");
}

TEST_F(RegIniFileTest, TheGenericInterfaceKeepsIntegersAsIntegers) {
  TRegistryIniFile settings("Software\\Welgato\\TAWO");
  TCustomIniFile& ini = settings;
  ini.WriteInteger("Okno", "Top", 20);
  ini.WriteString("Okno", "Left", "5");
  ini.WriteInteger("Okno", "Left", 6);
  ini.WriteBool("Okno", "Visible", true);

  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\Welgato\\TAWO\\Okno", false));
  EXPECT_EQ(registry.GetDataType("Top"), rdInteger);
  EXPECT_EQ(registry.GetDataType("Left"), rdString);
  EXPECT_EQ(registry.ReadString("Left"), "6");

  EXPECT_EQ(ini.ReadInteger("Okno", "Top", 0), 20);
  EXPECT_EQ(ini.ReadInteger("Okno", "Left", 0), 6);
  EXPECT_TRUE(ini.ReadBool("Okno", "Visible", false));
  EXPECT_TRUE(ini.SectionExists("okno"));
  EXPECT_TRUE(ini.ValueExists("Okno", "top"));
  TStringList list;
  ini.ReadSectionValues("Okno", list);
  EXPECT_EQ(list.CommaText(), "Top=20,Left=6,Visible=1");
  ini.EraseSection("Okno");
  EXPECT_FALSE(ini.SectionExists("Okno"));
}

}  // namespace
