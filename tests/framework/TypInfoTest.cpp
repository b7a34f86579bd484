#include <gtest/gtest.h>

#include "TComponent.h"
#include "TypInfo.h"
#include "TestComponents.h"

#include <vector>

using enum TFloatType;
using enum TTestAlign;
using enum TTestStyle;
using enum TTypeKind;

namespace {

// Redeclares an ancestor's property with another default and adds two of its own, one of
// them through an indexed getter and setter.
class TRedeclared : public TTestControl {
  TAWO_CLASS(TRedeclared, TTestControl)

 public:
  explicit TRedeclared(TComponent* owner) : TTestControl(owner) {}
  int32_t Offset(int index) const { return FOffsets[index]; }
  void SetOffset(int index, int32_t value) { FOffsets[index] = value; }
  bool CaptionStored() const { return Caption != "auto"; }

 private:
  int32_t FOffsets[2] = {0, 0};
};

TAWO_PUBLISHED(TRedeclared, published) {
  published.Redeclare("Color").Default(clTestRed);
  published.Redeclare("Caption").Stored(&TRedeclared::CaptionStored);
  published.Property("OffsetX", &TRedeclared::Offset, &TRedeclared::SetOffset, 0).Default(0);
  published.Property("OffsetY", &TRedeclared::Offset, &TRedeclared::SetOffset, 1).Default(0);
}

std::vector<AnsiString> Names(TClass aClass) {
  std::vector<AnsiString> names;
  for (PPropInfo info : GetPropList(aClass)) names.push_back(info->Name);
  return names;
}

}  // namespace

TEST(PublishedTables, InheritedFirstThenDeclarationOrderRedeclaredKeepTheirSlot) {
  const auto base = Names(TTestControl::ClassInfo());
  const std::vector<AnsiString> expected = {"Name", "Tag", "Left", "Top", "Width", "Height", "Caption", "Color",
                                            "Align", "Style", "Visible", "Ratio", "Scale", "Accel", "Big", "Fill",
                                            "Items", "Next", "Hint", "OnClick", "Lines"};
  EXPECT_EQ(base, expected);
  auto derived = Names(TRedeclared::ClassInfo());
  auto withOffsets = expected;
  withOffsets.push_back("OffsetX");
  withOffsets.push_back("OffsetY");
  EXPECT_EQ(derived, withOffsets);
  EXPECT_EQ(GetPropInfo(TRedeclared::ClassInfo(), "Color")->Default, clTestRed);
  EXPECT_EQ(GetPropInfo(TTestControl::ClassInfo(), "color")->Default, clTestFace) << "ancestor unchanged";
  EXPECT_EQ(GetPropInfo(TTestControl::ClassInfo(), "Left")->Default, kNoDefault);
}

TEST(PublishedTables, KindsAndTypeInformation) {
  TClass c = TTestControl::ClassInfo();
  EXPECT_EQ(GetPropInfo(c, "Left")->PropType->Kind, tkInteger);
  EXPECT_EQ(GetPropInfo(c, "Color")->PropType, TestColorType());
  EXPECT_EQ(GetPropInfo(c, "Align")->PropType->Kind, tkEnumeration);
  EXPECT_EQ(GetPropInfo(c, "Align")->PropType->EnumNames,
            (std::vector<AnsiString>{"taNone", "taTop", "taBottom", "taClient"}));
  EXPECT_EQ(GetPropInfo(c, "Visible")->PropType->Name, "Boolean");
  EXPECT_EQ(GetPropInfo(c, "Style")->PropType->Kind, tkSet);
  EXPECT_EQ(GetPropInfo(c, "Style")->PropType->CompType->Name, "TTestStyle");
  EXPECT_EQ(GetPropInfo(c, "Ratio")->PropType->FloatType, ftDouble);
  EXPECT_EQ(GetPropInfo(c, "Scale")->PropType->FloatType, ftSingle);
  EXPECT_EQ(GetPropInfo(c, "Caption")->PropType->Kind, tkLString);
  EXPECT_EQ(GetPropInfo(c, "Accel")->PropType->Kind, tkChar);
  EXPECT_EQ(GetPropInfo(c, "Big")->PropType->Kind, tkInt64);
  EXPECT_EQ(GetPropInfo(c, "Fill")->PropType->ClassType, TTestFill::ClassInfo());
  EXPECT_EQ(GetPropInfo(c, "OnClick")->PropType->Kind, tkMethod);
  EXPECT_FALSE(GetPropInfo(c, "Name")->IsStored(nullptr));
  EXPECT_EQ(GetPropInfo(c, "Missing"), nullptr);
}

TEST(PropertyAccess, OrdinalEnumSetStringFloatThroughTheTable) {
  TRedeclared control(nullptr);
  SetOrdProp(&control, "Left", 12);
  EXPECT_EQ(control.Left, 12);
  EXPECT_EQ(GetOrdProp(&control, "Visible"), 1);
  SetEnumProp(&control, "Align", "TACLIENT");
  EXPECT_EQ(control.Align, taClient);
  EXPECT_EQ(GetEnumProp(&control, "Align"), "taClient");
  EXPECT_THROW(SetEnumProp(&control, "Align", "alClient"), EPropertyConvertError);
  SetSetProp(&control, "Style", "[tsBold, tsStrikeOut]");
  EXPECT_EQ(control.Style, (TTestStyles{tsBold, tsStrikeOut}));
  EXPECT_EQ(GetSetProp(&control, "Style", true), "[tsBold,tsStrikeOut]");
  EXPECT_THROW(SetSetProp(&control, "Style", "tsBold,tsWide"), EPropertyConvertError);
  SetStrProp(&control, "Caption", "Usuń"_a);
  EXPECT_EQ(control.Caption, "Usu\xF1");
  SetFloatProp(&control, "Ratio", 2.5L);
  EXPECT_EQ(GetFloatProp(&control, "Ratio"), 2.5L);
  SetOrdProp(&control, "OffsetY", 7);
  EXPECT_EQ(control.Offset(1), 7);
  EXPECT_EQ(control.Offset(0), 0);
  EXPECT_THROW(GetStrProp(&control, "Left"), EPropertyConvertError);
  try {
    GetOrdProp(&control, "Nope");
    FAIL();
  } catch (const EPropertyError& e) {
    EXPECT_EQ(e.Message(), "Property Nope does not exist");
  }
}

TEST(PropertyAccess, StoredTestsAndDefaults) {
  TRedeclared control(nullptr);
  PPropInfo caption = GetPropInfo(&control, "Caption");
  control.Caption = "auto";
  EXPECT_FALSE(IsStoredProp(&control, caption));
  control.Caption = "manual";
  EXPECT_TRUE(IsStoredProp(&control, caption));
}

TEST(PropertyAccess, ObjectsAndMethods) {
  TTestForm form(nullptr);
  TTestControl other(nullptr);
  TTestGradient notAControl;
  SetObjectProp(&form, "Next", &other);
  EXPECT_EQ(form.Next(), &other);
  SetObjectProp(&form, "Next", &notAControl);
  EXPECT_EQ(form.Next(), &other) << "a value of the wrong class is ignored";
  SetObjectProp(&form, "Next", nullptr);
  EXPECT_EQ(GetObjectProp(&form, "Fill"), form.Fill());

  const TMethodCode* code = form.MethodAddress("buttonclick");
  ASSERT_NE(code, nullptr);
  SetMethodProp(&form, "OnClick", TMethod{&form, *code});
  form.OnClick(&other);
  ASSERT_EQ(form.Clicks.size(), 1u);
  EXPECT_EQ(form.Clicks[0], &other);
  EXPECT_EQ(form.MethodName(GetMethodProp(&form, "OnClick").Code), "ButtonClick");
  EXPECT_EQ(form.MethodName(TNotifyEvent(&form, &TTestForm::Unpublished).Method().Code), "");
  EXPECT_EQ(form.MethodAddress("Unpublished"), nullptr);
  TEvent<int> otherSignature;
  struct TIntHandler : TObject {
    void Take(int) {}
  } handler;
  otherSignature = TEvent<int>(&handler, &TIntHandler::Take);
  EXPECT_THROW(SetMethodProp(&form, "OnClick", otherSignature.Method()), EPropertyConvertError);
}
