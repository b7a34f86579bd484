// The meter's value model: percentages and rounding, range changes, the invariants, and which
// of the two redraw requests each setter makes.
#include <gtest/gtest.h>

#include <climits>

#include "LMDBaseMeter.h"

using enum TLMDBevelStyle;

namespace {

// Counts the bar redraw requests; without a parent nothing reaches a screen.
class CountingMeter : public TLMDBaseMeter {
 public:
  CountingMeter() : TLMDBaseMeter(nullptr) {}
  void Draw() override {
    ++Draws;
    TLMDBaseMeter::Draw();
  }
  int Draws = 0;
};

TEST(MeterValueTest, StartsWithTheDocumentedValues) {
  CountingMeter meter;
  EXPECT_EQ(meter.MinValue(), 0);
  EXPECT_EQ(meter.MaxValue(), 100);
  EXPECT_EQ(meter.Position(), 0);
  EXPECT_EQ(meter.Step(), 10);
  EXPECT_EQ(meter.UserValue(), 0);
  EXPECT_EQ(meter.Delta(), 1);
  EXPECT_EQ(meter.Width(), 80);
  EXPECT_EQ(meter.Height(), 20);
  EXPECT_FALSE(meter.Transparent());
  EXPECT_EQ(meter.Bevel()->StyleOuter(), bvLowered);
}

TEST(MeterValueTest, PercentagesRoundHalfToEven) {
  CountingMeter meter;
  meter.SetMaxValue(3290);
  EXPECT_EQ(meter.GetPercentValue(1645), 50);
  EXPECT_EQ(meter.GetPercentValue(16), 0);
  EXPECT_EQ(meter.GetPercentValue(17), 1);
  meter.SetMaxValue(8);
  EXPECT_EQ(meter.GetPercentValue(1), 12);
  EXPECT_EQ(meter.GetPercentValue(3), 38);
  EXPECT_EQ(meter.GetPercentValue(5), 62);
  EXPECT_EQ(meter.GetPercentValue(-4), 0);
  EXPECT_EQ(meter.GetPercentValue(20), 100);
}

TEST(MeterValueTest, TheWidestRangeNeitherOverflowsNorLosesTheMiddle) {
  CountingMeter meter;
  meter.SetMinValue(INT_MIN);
  meter.SetMaxValue(INT_MAX);
  EXPECT_EQ(meter.GetPercentValue(INT_MIN), 0);
  EXPECT_EQ(meter.GetPercentValue(0), 50);
  EXPECT_EQ(meter.GetPercentValue(INT_MAX), 100);
  meter.SetPercentValue(100);
  EXPECT_EQ(meter.UserValue(), INT_MAX);
}

TEST(MeterValueTest, UserValuesSynchroniseThePercentageAndOutOfRangeOnesAreIgnored) {
  CountingMeter meter;
  meter.SetMaxValue(3290);
  meter.Draws = 0;
  meter.SetUserValue(1645);
  EXPECT_EQ(meter.Position(), 50);
  EXPECT_EQ(meter.Draws, 1);
  meter.SetUserValue(1645);
  meter.SetUserValue(3291);
  meter.SetUserValue(-1);
  EXPECT_EQ(meter.UserValue(), 1645);
  EXPECT_EQ(meter.Draws, 1);
}

TEST(MeterValueTest, PercentagesSetTheUserValueAndAreCappedAtAHundred) {
  CountingMeter meter;
  meter.SetMinValue(-100);
  meter.SetMaxValue(3290);
  meter.SetPercentValue(33);
  EXPECT_EQ(meter.UserValue(), -100 + 1119);  // 0.33 * 3390 = 1118.7
  meter.SetPercentValue(150);
  EXPECT_EQ(meter.Position(), 100);
  EXPECT_EQ(meter.UserValue(), 3290);
}

TEST(MeterValueTest, ANewMaximumBelowTheMinimumSwapsTheRoles) {
  CountingMeter meter;
  meter.SetMinValue(10);
  meter.SetMaxValue(10);  // equals the minimum: ignored
  EXPECT_EQ(meter.MaxValue(), 100);
  meter.SetMaxValue(-50);
  EXPECT_EQ(meter.MinValue(), -50);
  EXPECT_EQ(meter.MaxValue(), 10);
  EXPECT_EQ(meter.UserValue(), 10);  // 0 was outside [10, 100] and became the minimum
  EXPECT_EQ(meter.Position(), 100);
}

TEST(MeterValueTest, AUserValueOutsideANewRangeMovesToTheEdgeThatWasSet) {
  CountingMeter meter;
  meter.SetUserValue(80);
  meter.SetMaxValue(50);
  EXPECT_EQ(meter.UserValue(), 50);
  EXPECT_EQ(meter.Position(), 100);
  meter.SetMinValue(60);  // above the maximum: the range becomes 50..60
  EXPECT_EQ(meter.MinValue(), 50);
  EXPECT_EQ(meter.MaxValue(), 60);
  EXPECT_EQ(meter.UserValue(), 50);
  meter.SetMinValue(55);
  EXPECT_EQ(meter.UserValue(), 55);
  EXPECT_EQ(meter.Position(), 0);
}

TEST(MeterValueTest, RangeChangesRepaintTheWholeControlNotJustTheBar) {
  CountingMeter meter;
  meter.SetMaxValue(3290);
  meter.SetMinValue(-5);
  EXPECT_EQ(meter.Draws, 0);
}

TEST(MeterValueTest, AddAndSubMovePositionAloneAndStopAtTheEnds) {
  CountingMeter meter;
  meter.SetUserValue(40);
  meter.Add(0);
  EXPECT_EQ(meter.Draws, 1);
  meter.StepAdd();
  EXPECT_EQ(meter.Position(), 50);
  EXPECT_EQ(meter.UserValue(), 40);
  meter.Add(60);
  EXPECT_EQ(meter.Position(), 100);
  meter.Sub(130);
  EXPECT_EQ(meter.Position(), 0);
  meter.Add(25);
  meter.StepSub();
  EXPECT_EQ(meter.Position(), 15);
  EXPECT_EQ(meter.UserValue(), 40);
  EXPECT_EQ(meter.Draws, 6);
  meter.Synchronize(true);
  EXPECT_EQ(meter.UserValue(), 15);
}

TEST(MeterValueTest, BarLengthsTruncateTheExtendedPrecisionProduct) {
  EXPECT_EQ(TLMDBaseMeter::GetExtend(33, 218), 71);
  EXPECT_EQ(TLMDBaseMeter::GetExtend(50, 218), 109);
  EXPECT_EQ(TLMDBaseMeter::GetExtend(30, 100), 29);
  EXPECT_EQ(TLMDBaseMeter::GetExtend(100, 218), 218);
  EXPECT_EQ(TLMDBaseMeter::GetExtend(0, 218), 0);
}

}  // namespace
