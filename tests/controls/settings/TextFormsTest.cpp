// The text forms of fonts, rectangles and points.
#include <gtest/gtest.h>

#include <LMDTextForms.h>

using enum TFontStyle;

namespace {

TEST(TextForms, FontTextHasSevenFields) {
  TFont font;
  font.SetName("Times New Roman");
  font.SetSize(9);
  font.SetColor(0x123456);
  font.SetStyle({fsItalic, fsUnderline});
  EXPECT_EQ(LMDFontToString(font), "Times New Roman,9,$00123456,0,1,1,0");

  TFont back;
  LMDStringToFont("Courier New,x,clNavy,256,3,0,0", back);
  EXPECT_EQ(back.Name(), "Courier New");
  EXPECT_EQ(back.Size(), 10);  // a size that is not a number
  EXPECT_EQ(back.Color(), clNavy);
  EXPECT_EQ(back.Style(), TFontStyles{fsItalic});  // 256 has a zero low byte

  // Any other field count leaves the font alone; a final empty field is dropped.
  LMDStringToFont("Arial,8,clRed,1,1,1", back);
  LMDStringToFont("Arial,8,clRed,1,1,1,1,1", back);
  EXPECT_EQ(back.Name(), "Courier New");
  LMDStringToFont("Arial,8,clRed,1,1,1,1,", back);
  EXPECT_EQ(back.Name(), "Arial");
  EXPECT_THROW(LMDStringToFont("Arial,8,clRed,yes,0,0,0", back), EConvertError);
  EXPECT_EQ(back.Size(), 8);
}

TEST(TextForms, RectanglesAndPoints) {
  EXPECT_EQ(LMDRectToString(RECT{-1, 2, 300, 4}), "-1,2,300,4");
  RECT rect = LMDStringToRect("10,x,30,40");
  EXPECT_EQ(LMDRectToString(rect), "10,0,30,40");
  EXPECT_EQ(LMDRectToString(LMDStringToRect("1,2,3")), "0,0,0,0");
  EXPECT_EQ(LMDRectToString(LMDStringToRect("1,2,3,4,")), "1,2,3,4");

  EXPECT_EQ(LMDPointToString(POINT{-5, 17}), "[-5,17]");
  const POINT point = LMDStringToPoint("[-5,17]");
  EXPECT_EQ(point.x, -5);
  EXPECT_EQ(point.y, 17);
  for (const char* bad : {"", "[", "-5,17", "[1]", "[1,2,3]", "[a,2]", "[1,2"}) {
    const POINT none = LMDStringToPoint(bad);
    EXPECT_EQ(none.x, 0) << bad;
    EXPECT_EQ(none.y, 0) << bad;
  }
}

}  // namespace
