// The alpha object and the bitmap effect object: summaries, which changes notify, the buffer's
// life, the effect chain on whole bitmaps and on parts, assignment, form streaming, and a
// picture of the effects.
#include <gtest/gtest.h>

#include <LMDAlphaObject.h>
#include <LMDBitmapEffectObject.h>
#include <LMDBitmapList.h>
#include <LMDFillObject.h>
#include <LMDGradient.h>

#include "EffectObjectHolder.h"
#include "FormTextSupport.h"
#include "PaintTestSupport.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

using enum TLMDFillStyle;
using enum TLMDGradientStyle;
using enum TPixelFormat;

namespace {

TColor Grey(int value) { return RGB(value, value, value); }

// Four quarters: red top left, lime top right, blue bottom left, white bottom right.
std::unique_ptr<TBitmap> Quarters(int size) {
  auto bitmap = MakeSurface(size, size, clRed);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clLime);
  canvas->FillRect(RECT{size / 2, 0, size, size / 2});
  canvas->Brush()->SetColor(clBlue);
  canvas->FillRect(RECT{0, size / 2, size / 2, size});
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(RECT{size / 2, size / 2, size, size});
  return bitmap;
}

struct TChangeCounter : TObject {
  void Changed(TObject*) { ++Changes; }
  int Changes = 0;
};

void UseBrush(TLMDAlphaObject& alpha, TColor color, float strength) {
  alpha.FillObject()->SetStyle(sfBrush);
  alpha.FillObject()->Brush()->SetColor(color);
  alpha.SetSingle(strength);
}

TEST(TLMDAlphaObject, SummaryAndEnabledFollowTheFillAndTheStrength) {
  TLMDAlphaObject alpha;
  EXPECT_EQ(alpha.GetSetStr(), "{Disabled}");
  EXPECT_FALSE(alpha.Enabled());
  EXPECT_EQ(alpha.GetPalette(), nullptr);

  const std::string separator(1, DecimalSeparator);
  alpha.FillObject()->SetStyle(sfBrush);
  EXPECT_EQ(alpha.GetSetStr(), "{Enabled (brush), strength: 0" + separator + "600}");
  EXPECT_TRUE(alpha.Enabled());
  alpha.FillObject()->SetStyle(sfBitmapList);
  alpha.SetSingle(0.25f);
  EXPECT_EQ(alpha.GetSetStr(), "{Enabled (bmp), strength: 0" + separator + "250}");
  alpha.FillObject()->SetStyle(sfGradient);
  EXPECT_EQ(alpha.GetSetStr(), "{Enabled (grad), strength: 0" + separator + "250}");
  alpha.FillObject()->SetStyle(sfBrushBitmap);
  EXPECT_EQ(alpha.GetSetStr(), "{Enabled (), strength: 0" + separator + "250}");
  alpha.SetSingle(1.0f);
  EXPECT_FALSE(alpha.Enabled()) << "full strength keeps the bitmap as it is";
}

TEST(TLMDAlphaObject, AlphaBlendMixesTheWholeBitmapWithTheFill) {
  TLMDAlphaObject alpha;
  auto bitmap = MakeSurface(3, 2, clWhite);
  alpha.AlphaBlend(bitmap.get());
  EXPECT_EQ(bitmap->Canvas()->Pixel(0, 0), clWhite) << "sfNone blends nothing";

  UseBrush(alpha, clRed, 0.6f);
  bitmap->SetPixelFormat(pf32bit);
  alpha.AlphaBlend(bitmap.get());
  EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
  // 255 keeps 255; 0 + 255 * 0.6 = 153. The last row and column are blended too.
  const std::string expected = "BBB\nBBB\n";
  EXPECT_EQ(PixelMap(*bitmap, {{RGB(255, 153, 153), 'B'}}), expected);

  auto part = Quarters(4);
  UseBrush(alpha, clBlack, 0.5f);
  alpha.BlendRect(part.get(), RECT{2, 2, 4, 4}, SIZE{4, 4});
  EXPECT_EQ(part->Canvas()->Pixel(3, 3), Grey(128));
  EXPECT_EQ(part->Canvas()->Pixel(1, 1), clRed) << "outside the rectangle";
}

TEST(TLMDAlphaObject, ControlBlendCopiesPartOfTheBlendedRectangle) {
  TLMDAlphaObject alpha;
  UseBrush(alpha, clBlack, 0.5f);
  auto source = Quarters(4);
  auto canvas = MakeSurface(3, 3, clYellow);
  alpha.ControlBlend(source.get(), RECT{2, 0, 4, 4}, RECT{0, 1, 1, 3}, canvas->Canvas(), RECT{1, 1, 2, 3});
  const std::string expected =
      "YYY\n"
      "YGY\n"
      "YWY\n";
  EXPECT_EQ(PixelMap(*canvas, {{clYellow, 'Y'}, {RGB(0, 128, 0), 'G'}, {Grey(128), 'W'}}), expected);
  EXPECT_EQ(source->Canvas()->Pixel(2, 0), clLime) << "the source stays as it was";
}

TEST(TLMDAlphaObject, ChangesNotifyAndAssignNotifiesOnce) {
  TLMDAlphaObject alpha;
  TChangeCounter counter;
  int& changes = counter.Changes;
  alpha.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);

  alpha.SetSingle(0.6f);
  alpha.SetBoolean(0, false);
  EXPECT_EQ(changes, 0) << "equal values";
  alpha.SetSingle(0.3f);
  alpha.SetBoolean(0, true);
  alpha.FillObject()->SetStyle(sfBrush);
  EXPECT_EQ(changes, 3);
  alpha.SetIndex(1, 4);
  alpha.SetIndex(1, 4);
  EXPECT_EQ(changes, 5) << "indexes refresh the list bitmap each time";
  EXPECT_EQ(alpha.ListIndex(), 4);

  TLMDBitmapList list(nullptr);
  TLMDAlphaObject source;
  UseBrush(source, clBlue, 0.75f);
  source.SetBoolean(0, true);
  source.SetIndex(0, 2);
  source.SetImageList(&list);
  changes = 0;
  alpha.Assign(&source);
  EXPECT_EQ(changes, 1) << "the copied fill's change reaches the holder";
  EXPECT_EQ(alpha.Strength(), 0.75f);
  EXPECT_EQ(alpha.ImageIndex(), 2);
  EXPECT_EQ(alpha.ListIndex(), 0);
  EXPECT_TRUE(alpha.GetBoolean(0));
  EXPECT_EQ(alpha.FillObject()->Brush()->Color(), clBlue);
  EXPECT_EQ(alpha.ImageList(), &list);

  list.Change();
  EXPECT_EQ(changes, 2) << "the copy follows the list too";
}

TEST(TLMDAlphaObject, TheImageListIsFollowedUntilItGoes) {
  TLMDAlphaObject alpha;
  alpha.FillObject()->ListBitmap()->Assign(MakeSurface(2, 2, clRed).get());
  TChangeCounter counter;
  int& changes = counter.Changes;
  alpha.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
  {
    TLMDBitmapList list(nullptr);
    alpha.SetImageList(&list);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(alpha.FillObject()->ListBitmap()->Empty()) << "a list without images gives none";
    list.Change();
    EXPECT_EQ(changes, 2);
    TLMDBitmapList other(nullptr);
    alpha.SetImageList(&other);
    list.Change();
    EXPECT_EQ(changes, 3) << "the old list is let go";
    alpha.SetImageList(&list);
  }
  EXPECT_EQ(alpha.ImageList(), nullptr) << "a freed list leaves no reference behind";
}

TEST(TLMDBitmapEffectObject, SummaryListsTheActiveEffectsInOrder) {
  TLMDBitmapEffectObject effect;
  EXPECT_EQ(effect.GetSetStr(), "{Disabled}");
  EXPECT_FALSE(effect.Enabled());
  effect.SetBoolean(2, true);
  effect.SetBoolean(3, true);
  EXPECT_EQ(effect.GetSetStr(), "{GS,INV}");
  EXPECT_TRUE(effect.Enabled());

  TLMDBitmapEffectObject all;
  all.SetBrightness(-3);
  all.SetBoolean(1, true);
  all.SetBoolean(0, true);
  all.SetBoolean(3, true);
  all.SetBoolean(2, true);
  all.AlphaBlend()->FillObject()->SetStyle(sfBrush);
  EXPECT_EQ(all.GetSetStr(), "{alpha,FV,FH,GS,INV,B}");

  TLMDBitmapEffectObject alphaOnly;
  alphaOnly.AlphaBlend()->FillObject()->SetStyle(sfGradient);
  alphaOnly.AlphaBlend()->SetSingle(1.0f);
  EXPECT_EQ(alphaOnly.GetSetStr(), "{alpha}");
  EXPECT_FALSE(alphaOnly.Enabled()) << "an alpha blend at full strength changes nothing";
}

TEST(TLMDBitmapEffectObject, SettersNotifyOnlyForNewValuesAndCheckTheBrightness) {
  TEffectObjectHolder holder(nullptr);
  TLMDBitmapEffectObject& effect = *holder.Effect();
  for (int index = 0; index <= 5; ++index) effect.SetBoolean(index, false);
  effect.SetBrightness(0);
  EXPECT_EQ(holder.Changes, 0);
  for (int index = 0; index <= 5; ++index) effect.SetBoolean(index, true);
  effect.SetBrightness(255);
  effect.SetBrightness(-255);
  effect.AlphaBlend()->SetSingle(0.1f);
  EXPECT_EQ(holder.Changes, 9);
  EXPECT_TRUE(effect.GetBoolean(5));
  EXPECT_TRUE(effect.Buffered());

  EXPECT_THROW(effect.SetBrightness(256), ERangeError);
  EXPECT_THROW(effect.SetBrightness(-300), ERangeError);
  EXPECT_EQ(effect.Brightness(), -255);
}

TEST(TLMDBitmapEffectObject, DrawRunsTheChainOverTheWholeBitmap) {
  TLMDBitmapEffectObject effect;
  effect.SetBoolean(0, true);
  effect.SetBoolean(2, true);
  effect.SetBrightness(10);
  auto bitmap = Quarters(4);
  effect.Draw(bitmap.get());
  // Mirrored left to right, then grey (lime 150, red 76, white 254, blue 28), then 10 brighter.
  const std::string expected =
      "GGRR\n"
      "GGRR\n"
      "WWBB\n"
      "WWBB\n";
  EXPECT_EQ(PixelMap(*bitmap, {{Grey(160), 'G'}, {Grey(86), 'R'}, {Grey(255), 'W'}, {Grey(38), 'B'}}), expected);

  TLMDBitmapEffectObject nothing;
  auto untouched = Quarters(2);
  untouched->SetPixelFormat(pf32bit);
  nothing.Draw(untouched.get());
  EXPECT_EQ(untouched->PixelFormat(), pf32bit) << "no effect, no conversion";

  TLMDBitmapEffectObject upsideDown;
  upsideDown.SetBoolean(1, true);
  upsideDown.SetBoolean(3, true);
  upsideDown.AlphaBlend()->FillObject()->SetStyle(sfBrush);
  upsideDown.AlphaBlend()->FillObject()->Brush()->SetColor(clBlack);
  upsideDown.AlphaBlend()->SetSingle(0.5f);
  auto flipped = Quarters(2);
  flipped->SetPixelFormat(pf32bit);
  upsideDown.Draw(flipped.get());
  // Bottom row to the top, inverted (blue -> yellow, white -> black), halved.
  EXPECT_EQ(flipped->Canvas()->Pixel(0, 0), RGB(128, 128, 0));
  EXPECT_EQ(flipped->Canvas()->Pixel(1, 0), clBlack);
  EXPECT_EQ(flipped->Canvas()->Pixel(1, 1), RGB(128, 0, 128));
}

TEST(TLMDBitmapEffectObject, MonochromeComesBeforeBrightness) {
  TLMDBitmapEffectObject effect;
  effect.SetBoolean(5, true);
  auto bitmap = Quarters(2);
  effect.Draw(bitmap.get());
  EXPECT_TRUE(bitmap->Monochrome());
  effect.SetBrightness(-55);
  auto darker = Quarters(2);
  effect.Draw(darker.get());
  EXPECT_EQ(darker->Canvas()->Pixel(1, 1), Grey(200)) << "white stays white in monochrome, then darkens";
  EXPECT_EQ(darker->Canvas()->Pixel(0, 0), clBlack);
}

TEST(TLMDBitmapEffectObject, TheBufferHoldsTheResultUntilTheNextChange) {
  TEffectObjectHolder holder(nullptr);
  TLMDBitmapEffectObject& effect = *holder.Effect();
  effect.SetBoolean(3, true);
  effect.SetBoolean(4, true);
  EXPECT_FALSE(effect.BufferValid());
  auto first = MakeSurface(2, 2, clBlack);
  effect.Draw(first.get());
  EXPECT_TRUE(effect.BufferValid());
  EXPECT_EQ(first->Canvas()->Pixel(1, 1), clWhite);

  auto second = MakeSurface(2, 2, clRed);
  effect.Draw(second.get());
  EXPECT_EQ(second->Canvas()->Pixel(1, 1), clWhite) << "the buffer, not a new run";

  // A holder that repaints when told of a change sees the new effects at once.
  std::unique_ptr<TBitmap> repainted;
  holder.OnEachChange = [&] {
    repainted = MakeSurface(2, 2, clBlack);
    effect.Draw(repainted.get());
  };
  effect.AlphaBlend()->FillObject()->SetStyle(sfBrush);
  effect.AlphaBlend()->FillObject()->Brush()->SetColor(clBlack);
  EXPECT_EQ(repainted->Canvas()->Pixel(1, 1), Grey(153)) << "inverted, then 0.6 of it kept";
  holder.OnEachChange = nullptr;

  effect.SetBoolean(4, false);
  effect.DestroyBuffer();
  auto third = MakeSurface(2, 2, clBlack);
  effect.Draw(third.get());
  EXPECT_FALSE(effect.BufferValid());
  EXPECT_EQ(third->Canvas()->Pixel(0, 0), Grey(153));
}

TEST(TLMDBitmapEffectObject, CopyingDrawsPutTheSourceWhereTheyShould) {
  TLMDBitmapEffectObject effect;
  effect.SetBoolean(3, true);
  auto source = Quarters(4);

  auto copy = MakeSurface(4, 4, clBlack);
  effect.DrawCopy(source.get(), copy.get());
  EXPECT_EQ(copy->Canvas()->Pixel(3, 3), clBlack) << "white inverted, the last pixel included";
  EXPECT_EQ(copy->Canvas()->Pixel(0, 0), clAqua);

  auto fromRect = MakeSurface(2, 2, clBlack);
  effect.DrawCopyFromRect(source.get(), RECT{2, 0, 4, 2}, fromRect.get());
  EXPECT_EQ(PixelMap(*fromRect, {{clFuchsia, 'F'}}), "FF\nFF\n");

  // Effects chain in the target: grey, then inverted, then brighter.
  effect.SetBoolean(2, true);
  effect.SetBrightness(1);
  auto atPoint = MakeSurface(3, 3, clYellow);
  effect.DrawCopyRect(source.get(), RECT{1, 1, 3, 3}, POINT{1, 1}, atPoint.get());
  const std::string expected =
      "YYY\n"
      "YRG\n"
      "YBW\n";
  EXPECT_EQ(PixelMap(*atPoint, {{clYellow, 'Y'}, {Grey(180), 'R'}, {Grey(106), 'G'}, {Grey(228), 'B'}, {Grey(2), 'W'}}),
            expected);
}

TEST(TLMDBitmapEffectObject, CutRectsProcessOnlyTheDestinationRectangle) {
  TLMDBitmapEffectObject effect;
  effect.SetBoolean(3, true);
  auto source = Quarters(4);

  auto cut = MakeSurface(4, 4, clGray);
  effect.DrawCutRect(source.get(), RECT{0, 0, 4, 4}, RECT{2, 2, 4, 4}, cut.get());
  const std::string expected =
      "RRLL\n"
      "RRLL\n"
      "BBKK\n"
      "BBKK\n";
  const std::map<TColor, char> legend{{clRed, 'R'}, {clLime, 'L'}, {clBlue, 'B'}, {clBlack, 'K'}, {Grey(128), 'g'}};
  EXPECT_EQ(PixelMap(*cut, legend), expected);

  effect.AlphaBlend()->FillObject()->SetStyle(sfBrush);
  effect.AlphaBlend()->FillObject()->Brush()->SetColor(clWhite);
  effect.AlphaBlend()->SetSingle(0.5f);
  effect.SetBoolean(4, true);
  auto cut2 = MakeSurface(4, 4, clGray);
  effect.DrawCutRect2(source.get(), RECT{0, 0, 4, 4}, RECT{0, 2, 2, 4}, cut2.get());
  EXPECT_EQ(cut2->Canvas()->Pixel(0, 2), RGB(255, 255, 127)) << "blue inverted to yellow, half white";
  EXPECT_EQ(cut2->Canvas()->Pixel(3, 3), clWhite) << "outside the destination rectangle";
  EXPECT_TRUE(effect.BufferValid());

  auto buffered = MakeSurface(4, 4, clGray);
  effect.DrawCutRect2(source.get(), RECT{0, 0, 1, 1}, RECT{0, 0, 1, 1}, buffered.get());
  EXPECT_EQ(PixelMap(*buffered, legend), PixelMap(*cut2, legend)) << "the buffer, not the new rectangles";
}

TEST(TLMDBitmapEffectObject, AnAssignedAlphaObjectDropsTheBuffer) {
  TEffectObjectHolder holder(nullptr);
  TLMDBitmapEffectObject& effect = *holder.Effect();
  effect.SetBoolean(4, true);
  effect.Draw(MakeSurface(2, 2, clRed).get());
  ASSERT_TRUE(effect.BufferValid());
  holder.Changes = 0;

  TLMDAlphaObject alpha;
  UseBrush(alpha, clBlue, 0.5f);
  effect.SetAlphaObject(&alpha);
  EXPECT_FALSE(effect.BufferValid());
  EXPECT_EQ(holder.Changes, 1);
  auto bitmap = MakeSurface(2, 2, clRed);
  effect.Draw(bitmap.get());
  EXPECT_EQ(bitmap->Canvas()->Pixel(0, 0), RGB(128, 0, 127)) << "drawn with the new blend, not the old buffer";
}

TEST(TLMDBitmapEffectObject, CutRect2BlendsWithAFillTwoPixelsLargerThanTheSource) {
  TLMDBitmapEffectObject effect;
  TLMDFillObject* fill = effect.AlphaBlend()->FillObject();
  fill->SetStyle(sfGradient);
  fill->Gradient()->SetStyle(gstHorizontal);
  effect.AlphaBlend()->SetSingle(0.0f);  // the result is the fill itself

  auto dest = MakeSurface(12, 4, clGray);
  effect.DrawCutRect2(Quarters(4).get(), RECT{0, 0, 4, 4}, RECT{0, 0, 6, 4}, dest.get());
  auto expected = MakeSurface(6, 6, clGray);
  fill->FillCanvas(expected->Canvas(), RECT{0, 0, 6, 6}, clWhite);
  for (int x = 0; x < 6; ++x) EXPECT_EQ(dest->Canvas()->Pixel(x, 1), expected->Canvas()->Pixel(x, 1)) << x;
}

TEST(TLMDBitmapEffectObject, AssignCopiesAllButMonochromeWithOneNotification) {
  TLMDBitmapEffectObject source;
  for (int index = 0; index <= 5; ++index) source.SetBoolean(index, true);
  source.SetBrightness(-7);
  UseBrush(*source.AlphaBlend(), clRed, 0.2f);

  TEffectObjectHolder holder(nullptr);
  holder.Effect()->Assign(&source);
  EXPECT_EQ(holder.Changes, 1);
  TLMDBitmapEffectObject& copy = *holder.Effect();
  for (int index = 0; index <= 4; ++index) EXPECT_TRUE(copy.GetBoolean(index)) << index;
  EXPECT_FALSE(copy.GetBoolean(5));
  EXPECT_EQ(copy.Brightness(), -7);
  EXPECT_EQ(copy.AlphaBlend()->Strength(), 0.2f);
  EXPECT_EQ(copy.AlphaBlend()->FillObject()->Brush()->Color(), clRed);
}

TEST(TLMDBitmapEffectObject, FormDescriptionRoundTrip) {
  TEffectObjectHolder original(nullptr);
  original.SetName("Holder");
  TLMDBitmapEffectObject& effect = *original.Effect();
  effect.SetBoolean(1, true);
  effect.SetBoolean(2, true);
  effect.SetBoolean(4, true);
  effect.SetBoolean(5, true);
  effect.SetBrightness(-40);
  UseBrush(*effect.AlphaBlend(), clRed, 0.25f);
  effect.AlphaBlend()->SetIndex(0, 3);

  const AnsiString text = FormText(&original);
  for (const char* line : {"  Effect.FlipHorizontal = True\n", "  Effect.GrayScale = True\n",
                           "  Effect.Buffered = True\n", "  Effect.Brightness = -40\n",
                           "  Effect.AlphaBlend.ImageIndex = 3\n", "  Effect.AlphaBlend.Strength = 0.25",
                           "  Effect.AlphaBlend.FillObject.Style = sfBrush\n",
                           "  Effect.AlphaBlend.FillObject.Brush.Color = clRed\n"}) {
    EXPECT_NE(text.find(Crlf(line)), std::string::npos) << line << text;
  }
  for (const char* absent : {"FlipVertical", "Invert", "ListIndex", "ImageList"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent << " keeps its default";
  }

  TEffectObjectHolder copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));
  EXPECT_TRUE(copy.Effect()->Buffered());
  EXPECT_FALSE(copy.Effect()->GetBoolean(5)) << "monochrome is not streamed";
}

TEST(TLMDBitmapEffectObject, TheImageListIsStreamedByName) {
  TEffectObjectHolder original(nullptr);
  original.SetName("Holder");
  auto* list = new TLMDBitmapList(&original);
  list->SetName("Images");
  original.Effect()->AlphaBlend()->SetImageList(list);
  const AnsiString text = FormText(&original);
  EXPECT_NE(text.find(Crlf("  Effect.AlphaBlend.ImageList = Images\n")), std::string::npos) << text;

  TEffectObjectHolder copy(nullptr);
  auto* copyList = new TLMDBitmapList(&copy);
  copyList->SetName("Images");
  LoadFormText(text, &copy);
  EXPECT_EQ(copy.Effect()->AlphaBlend()->ImageList(), copyList);
  copy.Changes = 0;
  copyList->Change();
  EXPECT_EQ(copy.Changes, 1) << "the loaded reference is registered";
}

TEST(TLMDBitmapEffectObject, PictureOfTheEffects) {
  constexpr int kSize = 32;
  auto picture = MakeSurface(kSize * 4, kSize * 2, clWhite);
  const auto place = [&](int column, int row, const std::function<void(TLMDBitmapEffectObject&)>& setUp) {
    TLMDBitmapEffectObject effect;
    setUp(effect);
    auto tile = Quarters(kSize);
    tile->Canvas()->Brush()->SetColor(clYellow);
    tile->Canvas()->FillRect(RECT{2, 2, 10, 6});
    effect.Draw(tile.get());
    picture->Canvas()->Draw(column * kSize, row * kSize, tile.get());
  };
  place(0, 0, [](TLMDBitmapEffectObject&) {});
  place(1, 0, [](TLMDBitmapEffectObject& e) { e.SetBoolean(0, true); });
  place(2, 0, [](TLMDBitmapEffectObject& e) { e.SetBoolean(1, true); });
  place(3, 0, [](TLMDBitmapEffectObject& e) { e.SetBoolean(2, true); });
  place(0, 1, [](TLMDBitmapEffectObject& e) { e.SetBoolean(3, true); });
  place(1, 1, [](TLMDBitmapEffectObject& e) { e.SetBrightness(-100); });
  place(2, 1, [](TLMDBitmapEffectObject& e) { UseBrush(*e.AlphaBlend(), clBlack, 0.4f); });
  place(3, 1, [](TLMDBitmapEffectObject& e) {
    e.AlphaBlend()->FillObject()->SetStyle(sfGradient);
    e.AlphaBlend()->FillObject()->Gradient()->SetColor(clNavy);
    e.AlphaBlend()->SetSingle(0.5f);
  });
  EXPECT_EQ(picture->Canvas()->Pixel(kSize + kSize - 3, 3), clYellow) << "the mirrored mark";
  EXPECT_FALSE(WritePicture(*picture, "bitmap-effects.png").empty());
}

}  // namespace
