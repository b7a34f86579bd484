// The layout objects: change notification, range checks, assignment and form descriptions.
#include <gtest/gtest.h>

#include "../paint/FormTextSupport.h"
#include "LayoutHolder.h"

using enum TLMDAlignment;
using enum TLMDArrowPosition;
using enum TLMDTextArrange;

namespace {

TEST(TLMDGlyphTextLayout, SettersNotifyOnlyRealChangesAndRefuseValuesOutOfRange) {
  TLayoutHolder holder(nullptr);
  TLMDGlyphTextLayout& layout = *holder.Layout();
  layout.SetAlignText2Glyph(taRight);
  layout.SetOffset(1, 0);
  layout.SetSpacing(2);
  layout.SetAlignment(agTopLeft);
  EXPECT_EQ(holder.Changes, 0) << "the initial values";
  layout.SetAlignText2Glyph(taBottomLeft);
  layout.SetOffset(0, -3);
  layout.SetOffset(1, 4);
  layout.SetSpacing(0);
  layout.SetAlignment(agBottomRight);
  EXPECT_EQ(holder.Changes, 5);
  EXPECT_EQ(holder.LastSender, &layout);
  EXPECT_EQ(layout.OffsetX(), -3);
  EXPECT_EQ(layout.OffsetY(), 4);

  TLMDButtonLayout& button = *holder.ButtonLayout();
  EXPECT_EQ(button.Alignment(), agCenter);
  button.SetArrowSize(3);
  button.SetArrowIndent(3);
  EXPECT_EQ(holder.Changes, 5);
  button.SetArrow(true);
  button.SetArrowColor(clRed);
  button.SetArrowIndent(0);
  button.SetArrowPosition(apLeftGlyph);
  button.SetArrowSize(10);
  EXPECT_EQ(holder.Changes, 10);
  EXPECT_EQ(button.ArrowWidth(), 19);

  EXPECT_THROW(layout.SetAlignText2Glyph(static_cast<TLMDTextArrange>(8)), ERangeError);
  EXPECT_THROW(layout.SetAlignment(static_cast<TLMDAlignment>(9)), ERangeError);
  EXPECT_THROW(button.SetArrowPosition(static_cast<TLMDArrowPosition>(4)), ERangeError);
  EXPECT_THROW(button.SetArrowSize(1), ERangeError);
  EXPECT_THROW(button.SetArrowSize(11), ERangeError);
  EXPECT_EQ(button.ArrowSize(), 10);
  EXPECT_EQ(holder.Changes, 10);
  EXPECT_EQ(layout.GetSetStr(), "");
}

TEST(TLMDButtonLayout, AssignCopiesPlacementAndArrowOnceAndOnlyPlacementBetweenKinds) {
  TLMDButtonLayout source;
  source.SetAlignText2Glyph(taTop);
  source.SetOffset(0, 1);
  source.SetOffset(1, 2);
  source.SetSpacing(5);
  source.SetAlignment(agBottomCenter);
  source.SetArrow(true);
  source.SetArrowColor(clNavy);
  source.SetArrowIndent(7);
  source.SetArrowPosition(apRightGlyph);
  source.SetArrowSize(6);

  TLayoutHolder holder(nullptr);
  holder.SetButtonLayout(&source);
  holder.SetLayout(&source);
  EXPECT_EQ(holder.Changes, 2) << "one notification per assignment";
  for (TLMDGlyphTextLayout* copy : {holder.Layout(), static_cast<TLMDGlyphTextLayout*>(holder.ButtonLayout())}) {
    EXPECT_EQ(copy->AlignText2Glyph(), taTop);
    EXPECT_EQ(copy->OffsetX(), 1);
    EXPECT_EQ(copy->OffsetY(), 2);
    EXPECT_EQ(copy->Spacing(), 5);
    EXPECT_EQ(copy->Alignment(), agBottomCenter);
  }
  const TLMDButtonLayout& button = *holder.ButtonLayout();
  EXPECT_TRUE(button.Arrow());
  EXPECT_EQ(button.ArrowColor(), clNavy);
  EXPECT_EQ(button.ArrowIndent(), 7);
  EXPECT_EQ(button.ArrowPosition(), apRightGlyph);
  EXPECT_EQ(button.ArrowSize(), 6);

  TLMDGlyphTextLayout plain;
  plain.SetSpacing(9);
  holder.ButtonLayout()->Assign(&plain);
  EXPECT_EQ(holder.ButtonLayout()->Spacing(), 9);
  EXPECT_EQ(holder.ButtonLayout()->Alignment(), agTopLeft);
  EXPECT_TRUE(holder.ButtonLayout()->Arrow()) << "a plain layout has no arrow to copy";
  EXPECT_EQ(holder.Changes, 3);

  holder.ButtonLayout()->Assign(holder.ButtonLayout());
  EXPECT_EQ(holder.Changes, 3) << "assigning to itself does nothing";
  TLMD3DCaption notALayout;
  EXPECT_THROW(holder.Layout()->Assign(&notALayout), EConvertError);
}

TEST(TLMDButtonLayout, FormDescriptionWritesOnlyWhatDiffersAndReadsItBack) {
  TLayoutHolder original(nullptr);
  original.SetName("Holder");
  EXPECT_EQ(FormText(&original), Crlf("object Holder: TLayoutHolder\n"
                                      "  Layout.Alignment = agTopLeft\n"
                                      "end\n"))
      << "the plain layout's alignment has no default";
  original.Layout()->SetAlignText2Glyph(taLeftTop);
  original.Layout()->SetOffset(1, -1);
  original.ButtonLayout()->SetSpacing(4);
  original.ButtonLayout()->SetAlignment(agTopLeft);
  original.ButtonLayout()->SetArrow(true);
  original.ButtonLayout()->SetArrowColor(clMaroon);
  original.ButtonLayout()->SetArrowPosition(apLeftText);
  original.ButtonLayout()->SetArrowSize(5);

  const AnsiString text = FormText(&original);
  EXPECT_EQ(text, Crlf("object Holder: TLayoutHolder\n"
                       "  Layout.AlignText2Glyph = taLeftTop\n"
                       "  Layout.OffsetY = -1\n"
                       "  Layout.Alignment = agTopLeft\n"
                       "  ButtonLayout.Spacing = 4\n"
                       "  ButtonLayout.Alignment = agTopLeft\n"
                       "  ButtonLayout.Arrow = True\n"
                       "  ButtonLayout.ArrowColor = clMaroon\n"
                       "  ButtonLayout.ArrowPosition = apLeftText\n"
                       "  ButtonLayout.ArrowSize = 5\n"
                       "end\n"));
  TLayoutHolder copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));

  EXPECT_THROW(LoadFormText("object Holder: TLayoutHolder\n  ButtonLayout.ArrowSize = 12\nend\n", &copy), Exception);
  EXPECT_EQ(copy.ButtonLayout()->ArrowSize(), 5);
}

}  // namespace
