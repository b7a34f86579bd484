// A persistent object with one published property of each kind the settings save.
#pragma once

#include <TPersistent.h>
#include <TypInfo.h>

TAWO_ENUM(TSampleAlign, saLeft, saCenter, saRight)
using TSampleAligns = TSet<TSampleAlign>;

class TSettingsSample : public TPersistent {
  TAWO_CLASS(TSettingsSample, TPersistent)

 public:
  int32_t Count = 5;
  TSampleAlign Align = TSampleAlign::saCenter;
  TSampleAligns Aligns{TSampleAlign::saLeft};
  bool Flag = false;
  double Ratio = 0;
  AnsiString Caption;
  int32_t Hidden = 0;  // not stored
  int32_t Computed() const { return Count * 2; }
};
