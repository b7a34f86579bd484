// The caption effect objects: change notification, range checks, assignment, the summary line
// and form descriptions.
#include <gtest/gtest.h>

#include "../paint/FormTextSupport.h"
#include "CaptionHolder.h"

using enum TLMDDisabledStyle;
using enum TLMDThreeDOrientation;
using enum TLMDThreeDStyle;

namespace {

TEST(TLMD3DCaption, SettersNotifyOnlyRealChangesAndRefuseValuesOutOfRange) {
  TCaptionHolder holder(nullptr);
  TLMD3DCaption& effect = *holder.Font3D();
  effect.SetDepth(0, 1);
  effect.SetColor(1, clBtnShadow);
  effect.SetOrientation(toTopLeft);
  EXPECT_EQ(holder.Changes, 0) << "the initial values";
  effect.SetDisabledStyle(ds3d);
  effect.SetDepth(1, 4);
  effect.SetColor(0, clYellow);
  effect.SetStyle(tdExtrudeEnh);
  effect.SetTracing(-1);
  EXPECT_EQ(holder.Changes, 5);
  EXPECT_EQ(holder.LastSender, &effect);
  EXPECT_EQ(effect.ShadowDepth(), 4);
  EXPECT_EQ(effect.LightColor(), clYellow);

  TLMDFxCaption& fx = *holder.FontFX();
  EXPECT_THROW(fx.SetDepth(0, 256), ERangeError);
  EXPECT_THROW(fx.SetStyle(static_cast<TLMDThreeDStyle>(11)), ERangeError);
  EXPECT_THROW(fx.SetAngle(361), ERangeError);
  EXPECT_THROW(fx.SetPos(0, 65536), ERangeError);
  EXPECT_THROW(fx.SetPosXY(1, -1), ERangeError);
  EXPECT_EQ(fx.PosX(), 0) << "a refused pair leaves both positions";
  EXPECT_EQ(holder.Changes, 5);
}

TEST(TLMDFxCaption, AngleOf360IsZeroAndAPositionPairNotifiesOnce) {
  TCaptionHolder holder(nullptr);
  TLMDFxCaption& effect = *holder.FontFX();
  effect.SetAngle(360);
  EXPECT_EQ(effect.Angle(), 0);
  EXPECT_EQ(holder.Changes, 1);
  effect.SetAngle(90);
  effect.SetAngle(360);
  EXPECT_EQ(effect.Angle(), 0);
  EXPECT_EQ(holder.Changes, 3);

  effect.SetPosXY(7, 9);
  effect.SetPosXY(7, 9);
  EXPECT_EQ(holder.Changes, 4);
  EXPECT_EQ(effect.PosX(), 7);
  EXPECT_EQ(effect.PosY(), 9);
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
    EXPECT_EQ(copy->Orientation(), toTopLeft);
  }
  EXPECT_EQ(holder.FontFX()->Angle(), 45);
  EXPECT_EQ(holder.FontFX()->PosX(), 4);
  EXPECT_EQ(holder.FontFX()->PosY(), 6);

  TLMD3DCaption plain;
  holder.FontFX()->Assign(&plain);
  EXPECT_EQ(holder.FontFX()->Style(), tdNone);
  EXPECT_EQ(holder.FontFX()->Angle(), 45) << "a plain effect has no angle to give";
  holder.FontFX()->Assign(holder.FontFX());
  EXPECT_EQ(holder.Changes, 3) << "assigning an object to itself does nothing";
  EXPECT_THROW(holder.FontFX()->Assign(&holder), EConvertError);
}

TEST(TLMD3DCaption, SummaryNamesTheStyleAndTheAngle) {
  const char* const words[] = {"{Disabled}",      "{sunken}",        "{raised}", "{sunken shadow}",
                               "{raised shadow}", "{PColor sunken}", "{PColor raised}",
                               "{shadow}",        "{outline}",       "{extrude}", "{extrude enh}"};
  TLMDFxCaption effect;
  for (int style = static_cast<int>(tdNone); style <= static_cast<int>(tdExtrudeEnh); ++style) {
    effect.SetStyle(static_cast<TLMDThreeDStyle>(style));
    EXPECT_EQ(effect.GetSetStr(), words[style]);
  }
  effect.SetStyle(tdRaised);
  effect.SetAngle(45);
  EXPECT_EQ(effect.GetSetStr(), "{raised, rot: 45°}"_a);
  effect.SetStyle(tdNone);
  effect.SetAngle(90);
  EXPECT_EQ(effect.GetSetStr(), "{ rot: 90°}"_a);
}

TEST(TLMD3DCaption, FormDescriptionWritesOnlyWhatDiffersAndReadsItBack) {
  TCaptionHolder original(nullptr);
  original.SetName("Holder");
  EXPECT_EQ(FormText(&original), Crlf("object Holder: TCaptionHolder\nend\n"));
  TLMD3DCaption& font3D = *original.Font3D();
  font3D.SetDisabledStyle(dsNone);
  font3D.SetDepth(1, 3);
  font3D.SetColor(0, clYellow);
  font3D.SetStyle(tdExtrude);
  font3D.SetOrientation(toBottomRight);
  font3D.SetTracing(-2);
  original.FontFX()->SetDepth(0, 2);
  original.FontFX()->SetColor(1, clNavy);
  original.FontFX()->SetAngle(270);
  original.FontFX()->SetPosXY(12, 0);

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
                       "  FontFX.Angle = 270\n"
                       "  FontFX.PosX = 12\n"
                       "end\n"));
  TCaptionHolder copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));

  EXPECT_THROW(LoadFormText("object Holder: TCaptionHolder\n  FontFX.Angle = 400\nend\n", &copy), Exception);
  EXPECT_EQ(copy.FontFX()->Angle(), 270);
}

}  // namespace
