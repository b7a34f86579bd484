// TLMDIniCtrl: typed values, section names, counted lists and object properties in both
// targets, and what damaged or missing storage gives back.
#include <gtest/gtest.h>

#include "../../platform/kernel32/TempPrefix.h"
#include "../paint/FormTextSupport.h"
#include "SettingsSample.h"

#include <LMDApplication.h>
#include <LMDIniCtrl.h>
#include <LMDTextForms.h>

#include <IniFiles.h>
#include <TRegistry.h>
#include <TStringList.h>

#include <memory>

using enum TFontStyle;
using enum TLMDIniTarget;
using enum TLMDPathPrefix;
using enum TLMDRegRootKey;
using enum TSampleAlign;

namespace {

AnsiString ProgramTitle() { return ChangeFileExt(ExtractFileName(ParamStr(0)), ""); }

class SettingsTest : public TempPrefix {
 protected:
  void SetUp() override {
    TempPrefix::SetUp();
    ctrl = std::make_unique<TLMDIniCtrl>(nullptr);
  }

  void UseIniFile() {
    ctrl->SetTarget(itIniFile);
    ctrl->SetIniPrefix(ppFixed);
    ctrl->SetIniFile("C:\\settings.ini");
  }

  void UseTarget(bool ini) {
    if (ini) UseIniFile();
    else ctrl->SetTarget(itRegistry);
  }

  // Every typed value written and read back under section "S".
  void RoundTripTypedValues() {
    ctrl->WriteString("S", "Text", "Zażółć"_a);
    ctrl->WriteInteger("S", "Number", -42);
    ctrl->WriteBool("S", "On", true);
    ctrl->WriteFloat("S", "Ratio", 2.5);
    ctrl->WriteDate("S", "Day", EncodeDate(2026, 12, 9));
    ctrl->WriteTime("S", "Clock", EncodeTime(10, 20, 30, 0));
    ctrl->WriteDateTime("S", "Moment", EncodeDate(2001, 2, 3) + EncodeTime(4, 5, 6, 0));
    ctrl->WriteColor("S", "Face", clBtnFace);
    ctrl->WriteRect("S", "Box", RECT{1, -2, 30, 40});
    ctrl->WritePoint("S", "Spot", POINT{-7, 8});
    TFont font;
    font.SetName("Arial");
    font.SetSize(12);
    font.SetColor(clRed);
    font.SetStyle({fsBold, fsStrikeOut});
    ctrl->WriteFont("S", "Font", font);

    EXPECT_EQ(ctrl->ReadString("S", "Text", ""), "Zażółć"_a);
    EXPECT_EQ(ctrl->ReadInteger("S", "Number", 0), -42);
    EXPECT_TRUE(ctrl->ReadBool("S", "On", false));
    EXPECT_EQ(ctrl->ReadFloat("S", "Ratio", 0), 2.5);
    EXPECT_EQ(ctrl->ReadDate("S", "Day", 0), EncodeDate(2026, 12, 9));
    EXPECT_NEAR(ctrl->ReadTime("S", "Clock", 0), EncodeTime(10, 20, 30, 0), 1e-9);
    EXPECT_NEAR(ctrl->ReadDateTime("S", "Moment", 0), EncodeDate(2001, 2, 3) + EncodeTime(4, 5, 6, 0), 1e-9);
    EXPECT_EQ(ctrl->ReadColor("S", "Face", clNone), clBtnFace);
    const RECT box = ctrl->ReadRect("S", "Box", RECT{});
    EXPECT_EQ(LMDRectToString(box), "1,-2,30,40");
    const POINT spot = ctrl->ReadPoint("S", "Spot", POINT{});
    EXPECT_EQ(spot.x, -7);
    EXPECT_EQ(spot.y, 8);
    TFont back;
    EXPECT_TRUE(ctrl->ReadFont("S", "Font", back));
    EXPECT_EQ(LMDFontToString(back), "Arial,12,clRed,1,0,0,1");

    // Missing values read as their defaults, typed defaults included.
    EXPECT_EQ(ctrl->ReadString("S", "None", "dflt"), "dflt");
    EXPECT_EQ(ctrl->ReadInteger("S", "None", 7), 7);
    EXPECT_EQ(ctrl->ReadFloat("S", "None", 1.25), 1.25);
    EXPECT_EQ(ctrl->ReadColor("S", "None", clGreen), clGreen);
    EXPECT_EQ(LMDRectToString(ctrl->ReadRect("S", "None", RECT{5, 6, 7, 8})), "5,6,7,8");
    EXPECT_EQ(ctrl->ReadPoint("S", "None", POINT{3, 4}).y, 4);
    EXPECT_FALSE(ctrl->ReadFont("S", "None", back));
  }

  std::unique_ptr<TLMDIniCtrl> ctrl;
};

TEST_F(SettingsTest, NewComponentHasItsDefaultsAndTargetsTheApplicationsRegistryPath) {
  EXPECT_TRUE(ctrl->Common());
  EXPECT_EQ(ctrl->Target(), itAuto);
  EXPECT_EQ(ctrl->IniPrefix(), ppWindows);
  EXPECT_EQ(ctrl->RegRoot(), rpCurrentUser);
  EXPECT_EQ(ctrl->MaxEntries(), 16);
  EXPECT_EQ(ctrl->GetRegPath(), "Software\\" + ProgramTitle() + "\\");
  EXPECT_EQ(ctrl->GetRegPath(), LMDApplication->GetDefaultRegPath());

  ctrl->WriteString("Sec", "Name", "value");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\" + ProgramTitle() + "\\Sec"));
  EXPECT_EQ(registry.ReadString("Name"), "value");

  ctrl->SetRegPath("Software\\Welgato\\Settings");
  EXPECT_EQ(ctrl->GetRegPath(), "Software\\Welgato\\Settings\\");
}

TEST_F(SettingsTest, IniTargetFileNames) {
  ctrl->SetTarget(itIniFile);
  const AnsiString programIni = ExtractFileName(ChangeFileExt(ParamStr(0), ".INI"));
  EXPECT_EQ(ctrl->GetIniName(), LMDWindowsDirectory() + "\\" + programIni);

  ctrl->SetIniFile("C:\\data\\tawo");
  EXPECT_EQ(ctrl->IniFile(), "C:\\data\\tawo.INI");
  EXPECT_EQ(ctrl->GetIniName(), LMDWindowsDirectory() + "\\tawo.INI");
  ctrl->SetIniFile("keep.cfg");
  EXPECT_EQ(ctrl->IniFile(), "keep.cfg");
  ctrl->SetIniFile("");
  EXPECT_EQ(ctrl->IniFile(), "");
  ctrl->SetIniFile("C:\\data\\tawo.ini");
  ctrl->SetIniPrefix(ppFixed);
  EXPECT_EQ(ctrl->GetIniName(), "C:\\data\\tawo.ini");
}

TEST_F(SettingsTest, TypedValuesRoundTripInAnIniFile) {
  UseIniFile();
  RoundTripTypedValues();
  const std::string text = Read(DriveC("settings.ini"));
  EXPECT_NE(text.find("[S]\r\n"), std::string::npos);
  EXPECT_NE(text.find("Face=clBtnFace\r\n"), std::string::npos);
  EXPECT_NE(text.find("Spot=[-7,8]\r\n"), std::string::npos);
  EXPECT_NE(text.find("Ratio=2,5\r\n"), std::string::npos);
}

TEST_F(SettingsTest, TypedValuesRoundTripInTheRegistry) {
  ctrl->SetTarget(itRegistry);
  ctrl->SetRegPath("Software\\Welgato\\TAWO");
  RoundTripTypedValues();
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\Welgato\\TAWO\\S"));
  EXPECT_EQ(registry.ReadString("Box"), "1,-2,30,40");
  EXPECT_EQ(registry.ReadString("Number"), "-42");
}

TEST_F(SettingsTest, OtherRootKeys) {
  EXPECT_EQ(LMDGetRootKey(static_cast<TLMDRegRootKey>(0x80 | static_cast<int>(rpUsers))), HKEY_USERS);
  EXPECT_EQ(LMDGetRootKey(static_cast<TLMDRegRootKey>(9)), nullptr);

  ctrl->SetRegRoot(rpLocalMachine);
  ctrl->SetRegPath("Software\\Welgato");
  ctrl->WriteInteger("S", "N", 3);
  EXPECT_EQ(ctrl->ReadInteger("S", "N", 0), 3);
  TRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_TRUE(registry.KeyExists("Software\\Welgato\\S"));
}

TEST_F(SettingsTest, SectionNames) {
  EXPECT_EQ(ctrl->GetSectionName(""), "Common");  // nothing used yet
  EXPECT_EQ(ctrl->GetSectionName("#ROOT"), "");
  EXPECT_EQ(ctrl->GetSectionName("S"), "S");
  EXPECT_EQ(ctrl->GetSectionName(""), "S");  // the last one, unchanged

  ctrl->SetCommon(false);
  ctrl->SetUser("U");
  EXPECT_EQ(ctrl->GetSectionName("S"), "S");  // the registry has no per-user sections
  ctrl->SetTarget(itIniFile);
  EXPECT_EQ(ctrl->GetSectionName("S"), "S.U");
  EXPECT_EQ(ctrl->GetSectionName("#ROOT"), "#ROOT.U");
  ctrl->SetNetUser(true);
  char user[257] = {};
  DWORD size = sizeof user;
  ASSERT_TRUE(GetUserNameA(user, &size));
  EXPECT_EQ(ctrl->User(), user);
  EXPECT_EQ(ctrl->GetSectionName("S"), AnsiString("S.") + user);
}

TEST_F(SettingsTest, RootSectionIsTheKeyItself) {
  ctrl->SetRegPath("Software\\Welgato\\TAWO");
  ctrl->WriteString("#ROOT", "Wersja", "1.0");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\Welgato\\TAWO"));
  EXPECT_EQ(registry.ReadString("Wersja"), "1.0");
  EXPECT_FALSE(registry.HasSubKeys());
  EXPECT_EQ(ctrl->ReadString("#ROOT", "Wersja", ""), "1.0");
}

TEST_F(SettingsTest, MissingRegistryKeyReadsAsEmptyAndIsNotCreated) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("Software\\Elsewhere", true));
  registry.WriteString("Name", "not ours");
  registry.CloseKey();

  ctrl->SetRegPath("Software\\Nowhere");
  EXPECT_EQ(ctrl->ReadString("#ROOT", "Name", "dflt"), "dflt");
  EXPECT_EQ(ctrl->ReadInteger("Software", "x", 9), 9);
  TStringList sections;
  sections.Add("stale");
  ctrl->ReadSections(sections);
  EXPECT_EQ(sections.Count(), 0);
  EXPECT_FALSE(registry.KeyExists("Software\\Nowhere"));
}

TEST_F(SettingsTest, KeysAndSections) {
  for (bool ini : {true, false}) {
    SCOPED_TRACE(ini ? "ini file" : "registry");
    UseTarget(ini);
    ctrl->WriteString("A", "x", "1");
    ctrl->WriteString("A", "y", "2");
    ctrl->WriteString("B", "z", "3");
    TStringList list;
    ctrl->ReadSection("A", list);
    EXPECT_EQ(list.CommaText(), "x,y");
    ctrl->ReadSectionValues("A", list);
    EXPECT_EQ(list.CommaText(), "x=1,y=2");
    ctrl->DeleteKey("A", "x");
    ctrl->ReadSection("A", list);
    EXPECT_EQ(list.CommaText(), "y");
    ctrl->EraseSection("B");
    ctrl->ReadSections(list);
    EXPECT_EQ(list.IndexOf("A"), 0);
    EXPECT_EQ(list.IndexOf("B"), -1);
  }
}

TEST_F(SettingsTest, CountedListsInBothTargets) {
  TStringList twenty;
  for (int i = 0; i < 20; ++i) twenty.Add("item" + IntToStr(i));
  for (bool ini : {true, false}) {
    SCOPED_TRACE(ini ? "ini file" : "registry");
    UseTarget(ini);
    ctrl->WriteString("List", "Stale", "gone");
    ctrl->WriteStrings("List", "F", twenty);
    TStringList names;
    ctrl->ReadSection("List", names);
    EXPECT_EQ(names.Count(), 16);  // section erased, MaxEntries written
    EXPECT_EQ(names.Strings(15), "F15");
    TStringList back;
    back.Add("old");
    ctrl->ReadStrings("List", "F", back);
    EXPECT_EQ(back.Count(), 16);
    EXPECT_EQ(back.Strings(15), "item15");

    // Reading stops at the first missing entry.
    ctrl->DeleteKey("List", "F3");
    ctrl->ReadStringsExt("List", "F", 100, back);
    EXPECT_EQ(back.Count(), 3);
    ctrl->WriteStringsExt("List", "F", 0, twenty);
    ctrl->ReadSection("List", names);
    EXPECT_EQ(names.Count(), 0);
  }
}

TEST_F(SettingsTest, LetteredEntriesAreLimitedTo26) {
  ctrl->SetMaxEntries(40);
  EXPECT_EQ(ctrl->MaxEntries(), 40);
  EXPECT_EQ(ctrl->GetCounterIdent(12), "12");
  ctrl->SetAlphaCounter(true);
  EXPECT_EQ(ctrl->MaxEntries(), 26);
  ctrl->SetMaxEntries(27);
  EXPECT_EQ(ctrl->MaxEntries(), 26);
  ctrl->SetMaxEntries(3);
  EXPECT_EQ(ctrl->MaxEntries(), 3);
  EXPECT_EQ(ctrl->GetCounterIdent(0), "A");
  EXPECT_EQ(ctrl->GetCounterIdent(25), "Z");

  UseIniFile();
  TStringList list;
  list.SetCommaText("a,b,c,d");
  ctrl->WriteStrings("L", "Item", list);
  TStringList names;
  ctrl->ReadSection("L", names);
  EXPECT_EQ(names.CommaText(), "ItemA,ItemB,ItemC");
}

TEST_F(SettingsTest, ColourListsUseTheSectionAsNamed) {
  UseIniFile();
  ctrl->SetCommon(false);
  ctrl->SetUser("U");
  TStringList colours;
  colours.SetText("Face=clBtnFace\r\nno pair here\r\nText=$00FF0000\r\n");
  ctrl->WriteColorList("Colors", colours);
  const std::string text = Read(DriveC("settings.ini"));
  EXPECT_NE(text.find("[Colors]\r\nFace=clBtnFace\r\nText=$00FF0000\r\n"), std::string::npos);
  TStringList back;
  back.Add("old");
  ctrl->ReadColorList("Colors", back);
  EXPECT_EQ(back.CommaText(), "Face=clBtnFace,Text=$00FF0000");
}

TEST_F(SettingsTest, ObjectPropertiesAreSavedOnlyWhenTheyDifferFromTheirDefaults) {
  for (bool ini : {true, false}) {
    SCOPED_TRACE(ini ? "ini file" : "registry");
    UseTarget(ini);
    TSettingsSample defaults;
    ctrl->WriteObject("Plain", defaults);
    TStringList names;
    ctrl->ReadSection("Plain", names);
    EXPECT_EQ(names.Count(), 0);

    TSettingsSample sample;
    sample.Count = 9;
    sample.Align = saRight;
    sample.Aligns = {saCenter, saRight};
    sample.Flag = true;
    sample.Ratio = 0.75;
    sample.Caption = "Tytuł"_a;
    sample.Hidden = 4;
    ctrl->WriteObject("Sample", sample);
    ctrl->ReadSection("Sample", names);
    EXPECT_EQ(names.CommaText(), "Count,Align,Aligns,Flag,Ratio,Caption");

    TSettingsSample loaded;
    loaded.Hidden = 1;
    ctrl->ReadObject("Sample", loaded);
    EXPECT_EQ(loaded.Count, 9);
    EXPECT_EQ(loaded.Align, saRight);
    EXPECT_EQ(loaded.Aligns, (TSampleAligns{saCenter, saRight}));
    EXPECT_TRUE(loaded.Flag);
    EXPECT_EQ(loaded.Ratio, 0.75);
    EXPECT_EQ(loaded.Caption, "Tytuł"_a);
    EXPECT_EQ(loaded.Hidden, 1);  // not stored, so not written

    // Properties missing from the storage keep their values.
    TSettingsSample untouched;
    untouched.Count = 11;
    untouched.Caption = "keep";
    ctrl->ReadObject("Plain", untouched);
    EXPECT_EQ(untouched.Count, 11);
    EXPECT_EQ(untouched.Caption, "keep");
  }
}

TEST_F(SettingsTest, ComponentsSaveTheirPublishedSettings) {
  UseIniFile();
  TLMDIniCtrl other(nullptr);
  other.SetTarget(itIniFile);
  other.SetMaxEntries(8);
  other.SetUser("Ala");
  ctrl->WriteObject("Ctrl", other);
  TStringList values;
  ctrl->ReadSectionValues("Ctrl", values);
  EXPECT_EQ(values.CommaText(), "User=Ala,MaxEntries=8,Target=0");

  TLMDIniCtrl copy(nullptr);
  ctrl->ReadObject("Ctrl", copy);
  EXPECT_EQ(copy.Target(), itIniFile);
  EXPECT_EQ(copy.MaxEntries(), 8);
  EXPECT_EQ(copy.User(), "Ala");
}

TEST_F(SettingsTest, DamagedStoredValuesLeaveObjectsAsTheyWere) {
  ASSERT_TRUE(CreateWithContent("C:\\settings.ini",
                                "[Sample]\r\nCount=abc\r\nAlign=7\r\nAligns=-1\r\nFlag=2\r\nRatio=x\r\n"
                                "\x01\x02garbage without equals\r\n[broken\r\n"));
  UseIniFile();
  TSettingsSample sample;
  ctrl->ReadObject("Sample", sample);
  EXPECT_EQ(sample.Count, 5);
  EXPECT_EQ(sample.Align, saCenter);
  EXPECT_EQ(sample.Aligns, TSampleAligns{saLeft});
  EXPECT_FALSE(sample.Flag);
  EXPECT_EQ(sample.Ratio, 0);

  ctrl->WriteString("V", "Font", "Arial,10,notacolour,1,0,0,0");
  TFont font;
  EXPECT_THROW(ctrl->ReadFont("V", "Font", font), EConvertError);
  EXPECT_EQ(font.Name(), "MS Sans Serif");  // nothing changed
  ctrl->WriteString("V", "Float", "1,5x");
  EXPECT_THROW(ctrl->ReadFloat("V", "Float", 0), EConvertError);
  ctrl->WriteString("V", "Day", "2026-13-01");
  EXPECT_THROW(ctrl->ReadDate("V", "Day", 0), EConvertError);
}

TEST_F(SettingsTest, ObjectsInAMissingRegistryKeyStayUnchanged) {
  ctrl->SetRegRoot(rpLocalMachine);
  ctrl->SetRegPath("Software\\Missing");
  TSettingsSample sample;
  sample.Count = 3;
  ctrl->ReadObject("S", sample);
  EXPECT_EQ(sample.Count, 3);
  TRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(registry.KeyExists("Software\\Missing"));
}

}  // namespace

namespace {

TEST(IniCtrlStreaming, FormDescriptionsKeepTheNonDefaultSettings) {
  TLMDIniCtrl ctrl(nullptr);
  ctrl.SetCommon(false);
  ctrl.SetIniFile("tawo");
  ctrl.SetIniPrefix(ppProgram);
  ctrl.SetMaxEntries(8);
  ctrl.SetTarget(itIniFile);
  const AnsiString text = FormText(&ctrl);
  EXPECT_EQ(text, Crlf("object TLMDIniCtrl\n  Common = False\n  IniFile = 'tawo.INI'\n  IniPrefix = ppProgram\n"
                       "  MaxEntries = 8\n  Target = itIniFile\nend\n"));
  TLMDIniCtrl loaded(nullptr);
  LoadFormText(text, &loaded);
  EXPECT_FALSE(loaded.Common());
  EXPECT_EQ(loaded.IniFile(), "tawo.INI");
  EXPECT_EQ(loaded.IniPrefix(), ppProgram);
  EXPECT_EQ(loaded.MaxEntries(), 8);
  EXPECT_EQ(loaded.Target(), itIniFile);
}

}  // namespace

namespace {

class StorageFailureTest : public TempPrefix {};

TEST_F(StorageFailureTest, StorageThatCannotBeWrittenRaisesTheStoragesError) {
  TLMDIniCtrl ctrl(nullptr);
  ctrl.SetTarget(itIniFile);
  ctrl.SetIniPrefix(ppFixed);
  ctrl.SetIniFile("C:\\missing\\folder\\x.ini");
  EXPECT_THROW(ctrl.WriteString("S", "a", "1"), EIniFileException);
  EXPECT_EQ(ctrl.ReadString("S", "a", "dflt"), "dflt");

  ctrl.SetTarget(itRegistry);
  ctrl.SetRegRoot(rpDynData);  // not available on this system
  EXPECT_THROW(ctrl.WriteInteger("S", "a", 1), ERegistryException);
  TSettingsSample sample;
  EXPECT_THROW(ctrl.WriteObject("S", sample), ERegistryException);
  EXPECT_EQ(ctrl.ReadInteger("S", "a", 4), 4);
}

}  // namespace
