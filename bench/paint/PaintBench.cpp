// LMDGradientPaintExt over a 1024 x 768 bitmap in each gradient style, against one plain
// FillRect of the same area measured in the same run. The ratio says how many solid fills of
// the whole area one gradient costs.
#include <benchmark/benchmark.h>

#include <LMDUtils.h>
#include <TBitmap.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

using enum TLMDGradientStyle;
using enum TPixelFormat;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr RECT kArea{0, 0, kWidth, kHeight};

const char* const kStyleNames[] = {"Horizontal", "Vertical",    "Square",      "Elliptic",        "TopLeft",
                                   "TopRight",   "BottomLeft",  "BottomRight", "TopLeftDiagonal", "TopRightDiagonal"};

struct TSurface {
  TSurface() {
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(kWidth, kHeight);
  }
  TBitmap Bitmap;
};

void BaselineFillRect(benchmark::State& state) {
  TSurface surface;
  TCanvas* canvas = surface.Bitmap.Canvas();
  canvas->Brush()->SetColor(clGreen);
  for (auto _ : state) {
    canvas->FillRect(kArea);
    benchmark::ClobberMemory();
  }
}

void GradientPaint(benchmark::State& state) {
  const auto style = static_cast<TLMDGradientStyle>(state.range(0));
  const auto flags = static_cast<uint16_t>(state.range(1));
  TLMDColorList colors;
  LMDGradientCreateColorList(clGreen, clBlack, 64, &colors, true);
  TSurface surface;
  TCanvas* canvas = surface.Bitmap.Canvas();
  for (auto _ : state) {
    LMDGradientPaintExt(canvas, kArea, style, &colors, nullptr, flags, 0);
    benchmark::ClobberMemory();
  }
  state.SetLabel(std::string(kStyleNames[static_cast<size_t>(style)]) + (flags != 0 ? " buffered" : ""));
}

// The same through a clip region with many bands and a hole, so that every row is clipped
// against several spans.
void GradientPaintClipped(benchmark::State& state) {
  const auto style = static_cast<TLMDGradientStyle>(state.range(0));
  TLMDColorList colors;
  LMDGradientCreateColorList(clGreen, clBlack, 64, &colors, true);
  TSurface surface;
  TCanvas* canvas = surface.Bitmap.Canvas();
  HRGN clip = CreateEllipticRgn(0, 0, kWidth, kHeight);
  HRGN hole = CreateRectRgn(kWidth / 4, kHeight / 4, kWidth * 3 / 4, kHeight * 3 / 4);
  CombineRgn(clip, clip, hole, RGN_DIFF);
  SelectClipRgn(canvas->Handle(), clip);
  DeleteObject(hole);
  DeleteObject(clip);
  for (auto _ : state) {
    LMDGradientPaintExt(canvas, kArea, style, &colors, nullptr, 0, 0);
    benchmark::ClobberMemory();
  }
  state.SetLabel(std::string(kStyleNames[static_cast<size_t>(style)]) + " clipped");
}

// A gradient style as a benchmark argument.
constexpr int64_t Arg(TLMDGradientStyle style) { return static_cast<int64_t>(style); }

}  // namespace

BENCHMARK(BaselineFillRect)->Unit(benchmark::kMicrosecond);
BENCHMARK(GradientPaint)
    ->ArgsProduct({benchmark::CreateDenseRange(Arg(gstHorizontal), Arg(gstTopRightDiagonal), 1), {0}})
    ->Args({Arg(gstVertical), LMD_GRADIENT_BUFFER})
    ->Args({Arg(gstElliptic), LMD_GRADIENT_BUFFER})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(GradientPaintClipped)->Arg(Arg(gstElliptic))->Arg(Arg(gstTopLeftDiagonal))->Unit(benchmark::kMicrosecond);

// Prints each gradient's time as a multiple of the baseline's, next to the usual table. With
// --benchmark_repetitions the fastest repetition of each counts: the others met interference.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  class RatioReporter : public benchmark::ConsoleReporter {
   public:
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration) continue;
        const std::string name = run.benchmark_name() == "BaselineFillRect" ? "" : run.report_label;
        auto [entry, added] = fastest_.try_emplace(name, run.GetAdjustedRealTime());
        if (!added) entry->second = std::min(entry->second, run.GetAdjustedRealTime());
        if (added && !name.empty()) order_.push_back(name);
      }
    }
    void Finalize() override {
      ConsoleReporter::Finalize();
      const auto baseline = fastest_.find("");
      if (baseline == fastest_.end()) return;
      for (const std::string& label : order_) {
        std::printf("%-28s %6.2f x the time of one FillRect of the same area\n", label.c_str(),
                    fastest_[label] / baseline->second);
      }
    }

   private:
    std::map<std::string, double> fastest_;  // by label; the baseline under ""
    std::vector<std::string> order_;
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
