#include <gtest/gtest.h>

#include <LMDGradient.h>
#include <TReader.h>

#include "FormTextSupport.h"
#include "PaintObjectsHolder.h"
#include "PaintTestSupport.h"

#include <memory>

using enum TLMDGradientStyle;

namespace {

TEST(TLMDGradient, NewObjectHasItsTableAndSummary) {
  std::unique_ptr<TObject> made(TLMDGradient::ClassInfo()->Create(nullptr));
  ASSERT_NE(dynamic_cast<TLMDGradient*>(made.get()), nullptr) << "created from its class reference";
  TLMDGradient& gradient = dynamic_cast<TLMDGradient&>(*made);
  EXPECT_EQ(gradient.GetSetStr(), "vertical, Col: 16, 2 col mode");
  ASSERT_EQ(gradient.ColorTable().size(), 16u);
  EXPECT_EQ(gradient.ColorTable().front(), clBlue);
  EXPECT_EQ(gradient.ColorTable().back(), clBlack);
  EXPECT_EQ(gradient.GetPalette(), nullptr);

  gradient.SetStyle(gstTopRightDiagonal);
  gradient.SetTwoColors(false);
  gradient.SetColorCount(236);
  EXPECT_EQ(gradient.GetSetStr(), "top right diag, Col: 236, mult. col mode");
}

TEST(TLMDGradient, MultiColourTablesShareTheirJointColours) {
  TLMDGradient gradient;
  gradient.SetColors({clRed, clLime, clBlue});
  gradient.SetTwoColors(false);
  // 16 div 3 = 5 per pair: 5 from the first pair, 4 more from the second.
  ASSERT_EQ(gradient.ColorTable().size(), 9u);
  EXPECT_EQ(gradient.ColorTable()[0], clRed);
  EXPECT_EQ(gradient.ColorTable()[4], clLime);
  EXPECT_EQ(gradient.ColorTable()[8], clBlue);

  gradient.SetColorCount(2);
  EXPECT_TRUE(gradient.ColorTable().empty()) << "more stops than colours: 2 div 3 = 0";

  gradient.SetColors({clRed});
  gradient.SetColorCount(16);
  EXPECT_TRUE(gradient.ColorTable().empty()) << "one stop paints nothing";
  auto surface = MakeSurface(4, 4, clWhite);
  gradient.PaintGradient(surface->Canvas(), RECT{0, 0, 4, 4});
  EXPECT_EQ(surface->Canvas()->Pixel(1, 1), clWhite);
}

TEST(TLMDGradient, SettersNotifyOnlyOnChangeAndTheTableAlwaysFollows) {
  TPaintObjectsHolder holder(nullptr);
  TLMDGradient& gradient = *holder.Gradient();
  gradient.SetColor(clBlue);
  gradient.SetStyle(gstVertical);
  EXPECT_EQ(holder.Changes, 0) << "same values";

  gradient.SetColor(clGreen);
  EXPECT_EQ(holder.Changes, 1);
  EXPECT_EQ(holder.LastSender, &gradient);
  EXPECT_EQ(gradient.ColorTable().front(), clGreen);

  gradient.SetTwoColors(false);
  EXPECT_TRUE(gradient.ColorTable().empty());
  gradient.SetColors({clRed, clBlue});
  EXPECT_EQ(holder.Changes, 2) << "the stops notify no one";
  EXPECT_EQ(gradient.ColorTable().front(), clRed) << "but the table follows them at once";
  gradient.Colors().push_back(clWhite);
  EXPECT_EQ(gradient.ColorTable().back(), clBlue) << "direct edits wait for the next change";
  gradient.SetTwoColors(true);
  EXPECT_EQ(holder.Changes, 3);
  gradient.BeginUpdate();
  gradient.SetTwoColors(false);
  EXPECT_EQ(gradient.ColorTable().size(), 9u) << "rebuilt with the three stops while the update is open";
  EXPECT_EQ(holder.Changes, 3);
  gradient.EndUpdate(true);
  EXPECT_EQ(holder.Changes, 4);

  EXPECT_THROW(gradient.SetColorCount(1), ERangeError);
  EXPECT_THROW(gradient.SetColorCount(237), ERangeError);
  EXPECT_EQ(gradient.ColorCount(), 16);
}

TEST(TLMDGradient, PaletteExistsOnlyWhileRealized) {
  TLMDGradient gradient;
  gradient.SetPaletteRealize(true);
  HPALETTE palette = gradient.GetPalette();
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 16u);
  gradient.SetColorCount(4);
  EXPECT_EQ(GetPaletteEntries(gradient.GetPalette(), 0, 0, nullptr), 4u) << "rebuilt with the table";
  gradient.SetPaletteRealize(false);
  EXPECT_EQ(gradient.GetPalette(), nullptr);
}

TEST(TLMDGradient, AssignCopiesEverythingWithOneNotification) {
  TLMDGradient source;
  source.SetColor(clGreen);
  source.SetEndColor(clYellow);
  source.SetColorCount(7);
  source.SetStyle(gstElliptic);
  source.SetPaletteRealize(true);
  source.SetTwoColors(false);
  source.SetColors({clRed, clWhite, clNavy});

  TPaintObjectsHolder holder(nullptr);
  holder.SetGradient(&source);
  EXPECT_EQ(holder.Changes, 1);
  const TLMDGradient& copy = *holder.Gradient();
  EXPECT_EQ(copy.Color(), clGreen);
  EXPECT_EQ(copy.EndColor(), clYellow);
  EXPECT_EQ(copy.ColorCount(), 7);
  EXPECT_EQ(copy.Style(), gstElliptic);
  EXPECT_TRUE(copy.PaletteRealize());
  EXPECT_FALSE(copy.TwoColors());
  EXPECT_EQ(copy.Colors(), source.Colors());
  EXPECT_EQ(copy.ColorTable(), source.ColorTable());
  EXPECT_NE(copy.GetPalette(), nullptr);
  EXPECT_NE(copy.GetPalette(), source.GetPalette()) << "each object owns its palette";

  TLMDGradient other;
  TPersistent unrelated;
  EXPECT_THROW(other.Assign(&unrelated), EConvertError);
}

TEST(TLMDGradient, FormDescriptionRoundTripWithColorList) {
  TPaintObjectsHolder original(nullptr);
  original.SetName("Holder");
  TLMDGradient& gradient = *original.Gradient();
  gradient.SetColor(clGreen);
  gradient.SetColorCount(20);
  gradient.SetStyle(gstHorizontal);
  gradient.SetEndColor(clBtnFace);
  gradient.SetTwoColors(false);
  gradient.SetColors({clRed, 0x123456, clBtnShadow});

  const AnsiString text = FormText(&original);
  EXPECT_EQ(text, Crlf("object Holder: TPaintObjectsHolder\n"
                       "  Gradient.Color = clGreen\n"
                       "  Gradient.ColorCount = 20\n"
                       "  Gradient.Style = gstHorizontal\n"
                       "  Gradient.EndColor = clBtnFace\n"
                       "  Gradient.TwoColors = False\n"
                       "  Gradient.ColorList = (\n"
                       "    255\n"
                       "    1193046\n"
                       "    -2147483632)\n"
                       "  Bevel.Mode = bmCustom\n"
                       "end\n"));

  TPaintObjectsHolder copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(copy.Gradient()->Colors(), gradient.Colors());
  EXPECT_EQ(copy.Gradient()->ColorTable(), gradient.ColorTable()) << "the read list rebuilds the table";
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));
}

TEST(TLMDGradient, DefaultsAreNotWrittenAndBadCountsAreRejected) {
  TPaintObjectsHolder holder(nullptr);
  holder.SetName("Holder");
  EXPECT_EQ(FormText(&holder), Crlf("object Holder: TPaintObjectsHolder\n"
                                    "  Bevel.Mode = bmCustom\n"
                                    "end\n"));
  TPaintObjectsHolder target(nullptr);
  EXPECT_THROW(LoadFormText("object Holder: TPaintObjectsHolder\n  Gradient.ColorCount = 300\nend\n", &target),
               Exception);
  EXPECT_EQ(target.Gradient()->ColorCount(), 16);
}

}  // namespace
