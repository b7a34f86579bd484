#include "SettingsSample.h"

using enum TSampleAlign;

TAWO_PUBLISHED(TSettingsSample, published) {
  published.Property("Count", &TSettingsSample::Count).Default(5);
  published.Property("Align", &TSettingsSample::Align).Default(saCenter);
  published.Property("Aligns", &TSettingsSample::Aligns).Default(TSampleAligns{saLeft});
  published.Property("Flag", &TSettingsSample::Flag).Default(false);
  published.Property("Ratio", &TSettingsSample::Ratio);
  published.Property("Caption", &TSettingsSample::Caption);
  published.Property("Hidden", &TSettingsSample::Hidden).Stored(false);
  published.Property("Computed", &TSettingsSample::Computed);
}
