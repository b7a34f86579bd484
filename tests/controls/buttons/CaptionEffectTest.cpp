// The caption effect objects: initial values, change notification, assignment, the summary
// line and form descriptions.
#include <gtest/gtest.h>

#include <LMD3DCaption.h>
#include <LMDFXCaption.h>

#include "../paint/FormTextSupport.h"
#include "CaptionHolder.h"

namespace {

TEST(TLMD3DCaption, StartsAsPlainTextWithButtonColours) {
  TLMDFxCaption effect;
  EXPECT_EQ(effect.DisabledStyle(), dsAuto);
  EXPECT_EQ(effect.LightDepth(), 1);
  EXPECT_EQ(effect.ShadowDepth(), 1);
  EXPECT_EQ(effect.LightColor(), clBtnHighlight);
  EXPECT_EQ(effect.ShadowColor(), clBtnShadow);
  EXPECT_EQ(effect.Style(), tdNone);
  EXPECT_EQ(effect.Orientation(), toTopLeft);
  EXPECT_EQ(effect.Tracing(), 0);
  EXPECT_EQ(effect.Angle(), 0);
  EXPECT_EQ(effect.PosX(), 0);
  EXPECT_EQ(effect.PosY(), 0);
}

TEST(TLMD3DCaption, SettersNotifyOnlyRealChanges) {
  TCaptionHolder holder(nullptr);
  TLMD3DCaption& effect = *holder.Font3D();
  effect.SetDisabledStyle(dsAuto);
  effect.SetDepth(0, 1);
  effect.SetDepth(1, 1);
  effect.SetColor(0, clBtnHighlight);
  effect.SetColor(1, clBtnShadow);
  effect.SetStyle(tdNone);
  effect.SetOrientation(toTopLeft);
  effect.SetTracing(0);
  EXPECT_EQ(holder.Changes, 0);

  effect.SetDisabledStyle(ds3d);
  effect.SetDepth(0, 3);
  effect.SetDepth(1, 4);
  effect.SetColor(0, clYellow);
  effect.SetColor(1, clNavy);
  effect.SetStyle(tdExtrudeEnh);
  effect.SetOrientation(toBottomRight);
  effect.SetTracing(-1);
  EXPECT_EQ(holder.Changes, 8);
  EXPECT_EQ(holder.LastSender, &effect);
  EXPECT_EQ(effect.LightDepth(), 3);
  EXPECT_EQ(effect.ShadowDepth(), 4);
  EXPECT_EQ(effect.LightColor(), clYellow);
  EXPECT_EQ(effect.ShadowColor(), clNavy);
  EXPECT_EQ(effect.Tracing(), -1);
}

TEST(TLMD3DCaption, ValuesOutsideTheirRangeAreRefused) {
  TCaptionHolder holder(nullptr);
  TLMDFxCaption& effect = *holder.FontFX();
  EXPECT_THROW(effect.SetDepth(0, 256), ERangeError);
  EXPECT_THROW(effect.SetDepth(1, -1), ERangeError);
  EXPECT_THROW(effect.SetStyle(static_cast<TLMDThreeDStyle>(11)), ERangeError);
  EXPECT_THROW(effect.SetOrientation(static_cast<TLMDThreeDOrientation>(4)), ERangeError);
  EXPECT_THROW(effect.SetDisabledStyle(static_cast<TLMDDisabledStyle>(4)), ERangeError);
  EXPECT_THROW(effect.SetAngle(361), ERangeError);
  EXPECT_THROW(effect.SetAngle(-1), ERangeError);
  EXPECT_THROW(effect.SetPos(0, 65536), ERangeError);
  EXPECT_THROW(effect.SetPosXY(1, -1), ERangeError);
  EXPECT_EQ(holder.Changes, 0);
  EXPECT_EQ(effect.PosX(), 0) << "a refused pair leaves both positions";
  EXPECT_FALSE(effect.Updating());
}

TEST(TLMDFxCaption, AngleOf360IsStoredAsZero) {
  TCaptionHolder holder(nullptr);
  TLMDFxCaption& effect = *holder.FontFX();
  effect.SetAngle(360);
  EXPECT_EQ(effect.Angle(), 0);
  EXPECT_EQ(holder.Changes, 1);
  effect.SetAngle(90);
  effect.SetAngle(90);
  EXPECT_EQ(holder.Changes, 2);
  effect.SetAngle(360);
  EXPECT_EQ(effect.Angle(), 0);
  EXPECT_EQ(holder.Changes, 3);
}

TEST(TLMDFxCaption, PositionPairNotifiesOnceAndOnlyWhenItMoves) {
  TCaptionHolder holder(nullptr);
  TLMDFxCaption& effect = *holder.FontFX();
  effect.SetPosXY(7, 9);
  EXPECT_EQ(holder.Changes, 1);
  EXPECT_EQ(effect.PosX(), 7);
  EXPECT_EQ(effect.PosY(), 9);
  effect.SetPosXY(7, 9);
  EXPECT_EQ(holder.Changes, 1);
  effect.SetPos(1, 65535);
  EXPECT_EQ(effect.PosY(), 65535);
  EXPECT_EQ(holder.Changes, 2);
}

TEST(TLMD3DCaption, AssignCopiesTheEffectButNotTheOrientation) {
  TLMDFxCaption source;
  source.SetDisabledStyle(dsStandard);
  source.SetDepth(0, 2);
  source.SetDepth(1, 5);
  source.SetColor(0, clAqua);
  source.SetColor(1, clMaroon);
  source.SetStyle(tdRaisedShadow);
  source.SetOrientation(toBottomLeft);
  source.SetTracing(3);
  source.SetAngle(45);
  source.SetPosXY(4, 6);

  TCaptionHolder holder(nullptr);
  holder.Font3D()->SetOrientation(toTopRight);
  holder.FontFX()->SetOrientation(toBottomRight);
  holder.Changes = 0;
  holder.SetFont3D(&source);
  holder.SetFontFX(&source);
  EXPECT_EQ(holder.Changes, 2) << "one notification per assignment";
  for (TLMD3DCaption* copy : {holder.Font3D(), static_cast<TLMD3DCaption*>(holder.FontFX())}) {
    EXPECT_EQ(copy->DisabledStyle(), dsStandard);
    EXPECT_EQ(copy->LightDepth(), 2);
    EXPECT_EQ(copy->ShadowDepth(), 5);
    EXPECT_EQ(copy->LightColor(), clAqua);
    EXPECT_EQ(copy->ShadowColor(), clMaroon);
    EXPECT_EQ(copy->Style(), tdRaisedShadow);
    EXPECT_EQ(copy->Tracing(), 3);
  }
  EXPECT_EQ(holder.Font3D()->Orientation(), toTopRight);
  EXPECT_EQ(holder.FontFX()->Orientation(), toBottomRight);
  EXPECT_EQ(holder.FontFX()->Angle(), 45);
  EXPECT_EQ(holder.FontFX()->PosX(), 4);
  EXPECT_EQ(holder.FontFX()->PosY(), 6);
}

TEST(TLMD3DCaption, AssignFromAPlainEffectSelfOrForeignSource) {
  TCaptionHolder holder(nullptr);
  TLMDFxCaption& fx = *holder.FontFX();
  fx.SetAngle(30);
  fx.SetPosXY(2, 3);
  holder.Changes = 0;

  TLMD3DCaption plain;
  plain.SetStyle(tdShadow);
  fx.Assign(&plain);
  EXPECT_EQ(holder.Changes, 1);
  EXPECT_EQ(fx.Style(), tdShadow);
  EXPECT_EQ(fx.Angle(), 30) << "a plain effect has no angle or position to give";
  EXPECT_EQ(fx.PosX(), 2);

  fx.Assign(&fx);
  EXPECT_EQ(holder.Changes, 1) << "assigning an object to itself does nothing";

  TCaptionHolder other(nullptr);
  EXPECT_THROW(fx.Assign(&other), EConvertError);
  EXPECT_FALSE(fx.Updating());
}

TEST(TLMD3DCaption, SummaryNamesTheStyle) {
  const std::pair<TLMDThreeDStyle, const char*> expected[] = {
      {tdNone, "{Disabled}"},
      {tdSunken, "{sunken}"},
      {tdRaised, "{raised}"},
      {tdSunkenShadow, "{sunken shadow}"},
      {tdRaisedShadow, "{raised shadow}"},
      {tdPColorSunken, "{PColor sunken}"},
      {tdPColorRaised, "{PColor raised}"},
      {tdShadow, "{shadow}"},
      {tdOutline, "{outline}"},
      {tdExtrude, "{extrude}"},
      {tdExtrudeEnh, "{extrude enh}"},
  };
  TLMD3DCaption effect;
  for (const auto& [style, text] : expected) {
    effect.SetStyle(style);
    EXPECT_EQ(effect.GetSetStr(), text);
  }
}

TEST(TLMDFxCaption, SummaryAddsANonZeroAngle) {
  TLMDFxCaption effect;
  EXPECT_EQ(effect.GetSetStr(), "{Disabled}");
  effect.SetStyle(tdRaised);
  EXPECT_EQ(effect.GetSetStr(), "{raised}");
  effect.SetAngle(45);
  EXPECT_EQ(effect.GetSetStr(), "{raised, rot: 45°}"_a);
  effect.SetStyle(tdNone);
  effect.SetAngle(90);
  EXPECT_EQ(effect.GetSetStr(), "{ rot: 90°}"_a);
}

TEST(TLMD3DCaption, FormDescriptionWritesOnlyWhatDiffersAndReadsItBack) {
  TCaptionHolder untouched(nullptr);
  untouched.SetName("Holder");
  EXPECT_EQ(FormText(&untouched), Crlf("object Holder: TCaptionHolder\nend\n"));

  TCaptionHolder original(nullptr);
  original.SetName("Holder");
  TLMD3DCaption& font3D = *original.Font3D();
  font3D.SetDisabledStyle(dsNone);
  font3D.SetDepth(1, 3);
  font3D.SetColor(0, clYellow);
  font3D.SetStyle(tdExtrude);
  font3D.SetOrientation(toBottomRight);
  font3D.SetTracing(-2);
  TLMDFxCaption& fontFX = *original.FontFX();
  fontFX.SetDepth(0, 2);
  fontFX.SetColor(1, clNavy);
  fontFX.SetStyle(tdSunken);
  fontFX.SetAngle(270);
  fontFX.SetPosXY(12, 0);

  const AnsiString text = FormText(&original);
  EXPECT_EQ(text, Crlf("object Holder: TCaptionHolder\n"
                       "  Font3D.DisabledStyle = dsNone\n"
                       "  Font3D.ShadowDepth = 3\n"
                       "  Font3D.LightColor = clYellow\n"
                       "  Font3D.Style = tdExtrude\n"
                       "  Font3D.Orientation = toBottomRight\n"
                       "  Font3D.Tracing = -2\n"
                       "  FontFX.LightDepth = 2\n"
                       "  FontFX.ShadowColor = clNavy\n"
                       "  FontFX.Style = tdSunken\n"
                       "  FontFX.Angle = 270\n"
                       "  FontFX.PosX = 12\n"
                       "end\n"));

  TCaptionHolder copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));
  EXPECT_EQ(copy.FontFX()->Angle(), 270);
  EXPECT_EQ(copy.Font3D()->Orientation(), toBottomRight);
}

TEST(TLMDFxCaption, DamagedFormDescriptionIsRefused) {
  TCaptionHolder holder(nullptr);
  EXPECT_THROW(LoadFormText("object Holder: TCaptionHolder\n  FontFX.Angle = 400\nend\n", &holder), Exception);
  EXPECT_THROW(LoadFormText("object Holder: TCaptionHolder\n  Font3D.LightDepth = 300\nend\n", &holder), Exception);
  EXPECT_EQ(holder.FontFX()->Angle(), 0);
  EXPECT_EQ(holder.Font3D()->LightDepth(), 1);
}

}  // namespace
