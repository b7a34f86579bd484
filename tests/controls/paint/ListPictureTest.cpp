// Fills and blends that take their picture from an image list: the item is copied into the
// fill's list bitmap, follows changes of the item, and is dropped with the list.
#include <gtest/gtest.h>

#include <LMDAlphaObject.h>
#include <LMDBitmapList.h>

#include "PaintTestSupport.h"

#include <map>

using enum TLMDAlignment;
using enum TLMDFillStyle;
using enum TLMDTileMode;

namespace {

const std::map<TColor, char> kLegend{{clWhite, '.'}, {clRed, 'R'}, {clBlue, 'B'}, {clLime, 'G'}};

// A list whose only item is two pixels wide and high: red on the left, blue on the right.
void AddRedBlue(TLMDBitmapList& list) {
  auto picture = MakeSurface(2, 2, clRed);
  picture->Canvas()->Brush()->SetColor(clBlue);
  picture->Canvas()->FillRect(RECT{1, 0, 2, 2});
  list.Item(list.Add())->SetBitmap(picture.get());
}

TEST(ListPicture, AFillPaintsTheListItemAndNothingForAMissingOne) {
  TLMDBitmapList list(nullptr);
  AddRedBlue(list);
  TLMDFillObject fill;
  fill.SetStyle(sfBitmapList);
  fill.SetTileMode(tmNone);
  fill.SetAlignment(agBottomRight);

  fill.FetchListBitmap(&list, 0, 0);
  auto surface = MakeSurface(4, 3, clLime);
  EXPECT_TRUE(fill.FillCanvas(surface->Canvas(), RECT{0, 0, 4, 3}, clWhite));
  EXPECT_EQ(PixelMap(*surface, kLegend), "....\n..RB\n..RB\n");

  fill.FetchListBitmap(&list, 1, 0);
  EXPECT_TRUE(fill.ListBitmap()->Empty());
  surface = MakeSurface(4, 3, clLime);
  EXPECT_FALSE(fill.FillCanvas(surface->Canvas(), RECT{0, 0, 4, 3}, clWhite));
  EXPECT_EQ(PixelMap(*surface, kLegend), "....\n....\n....\n") << "only the inner fill";

  fill.FetchListBitmap(&list, 0, 0);
  fill.FetchListBitmap(nullptr, 0, 0);
  EXPECT_TRUE(fill.ListBitmap()->Empty()) << "no list, no picture";
}

TEST(ListPicture, ABlendMixesInTheListItemAndFollowsItsChanges) {
  TLMDBitmapList list(nullptr);
  AddRedBlue(list);
  TLMDAlphaObject alpha;
  alpha.FillObject()->SetStyle(sfBitmapList);
  alpha.FillObject()->SetTileMode(tmTile);
  alpha.SetSingle(0.0f);
  alpha.SetImageList(&list);

  auto bitmap = MakeSurface(4, 2, clLime);
  alpha.AlphaBlend(bitmap.get());
  EXPECT_EQ(PixelMap(*bitmap, kLegend), "RBRB\nRBRB\n") << "strength 0 takes the tiled item alone";

  TLMDBitmapList replacement(nullptr);
  replacement.Item(replacement.Add())->SetBitmap(MakeSurface(2, 2, clLime).get());
  list.Assign(&replacement);
  alpha.SetSingle(0.5f);
  bitmap = MakeSurface(4, 2, clBlue);
  alpha.AlphaBlend(bitmap.get());
  const TColor mixed = bitmap->Canvas()->Pixel(3, 1);
  EXPECT_EQ(GetRValue(mixed), 0) << "half blue, half the new item's green";
  EXPECT_NEAR(GetGValue(mixed), 127, 1);
  EXPECT_NEAR(GetBValue(mixed), 127, 1);
}

TEST(ListPicture, ABlendWithAMissingItemOrAFreedListHasNoListPicture) {
  TLMDAlphaObject alpha;
  alpha.FillObject()->SetStyle(sfBitmapList);
  {
    TLMDBitmapList list(nullptr);
    AddRedBlue(list);
    alpha.SetImageList(&list);
    EXPECT_FALSE(alpha.FillObject()->ListBitmap()->Empty());
    alpha.SetIndex(1, 3);
    EXPECT_TRUE(alpha.FillObject()->ListBitmap()->Empty());
    alpha.SetIndex(1, 0);
    EXPECT_FALSE(alpha.FillObject()->ListBitmap()->Empty());
  }
  EXPECT_EQ(alpha.ImageList(), nullptr);
  alpha.SetIndex(0, 1);
  EXPECT_TRUE(alpha.FillObject()->ListBitmap()->Empty()) << "a refresh after the list went finds no list";
}

}  // namespace
