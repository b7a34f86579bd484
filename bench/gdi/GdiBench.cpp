// Fills and blits over a 1024 x 768 32-bit surface, each against the plain memory operation
// on the same bytes (memset for fills, memcpy for copies) measured in the same run; and many
// small shapes against FillRect of the same boxes, where the cost of each call counts.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr size_t kBytes = size_t{kWidth} * kHeight * 4;

struct Surface {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ previous;
  void* bits;

  Surface() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous = SelectObject(dc, bitmap);
  }
  ~Surface() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

void BaselineMemset(benchmark::State& state) {
  std::vector<uint8_t> buffer(kBytes);
  for (auto _ : state) {
    std::memset(buffer.data(), static_cast<int>(state.iterations() & 0xFF), kBytes);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
}

void BaselineMemcpy(benchmark::State& state) {
  std::vector<uint8_t> from(kBytes, 1);
  std::vector<uint8_t> to(kBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kBytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
}

void FillRectSolid(benchmark::State& state) {
  Surface surface;
  HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  const RECT all{0, 0, kWidth, kHeight};
  for (auto _ : state) {
    FillRect(surface.dc, &all, brush);
    benchmark::ClobberMemory();
  }
  DeleteObject(brush);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
}

// Shapes filled with a solid brush and no pen, each over most of the surface.
void FillShape(benchmark::State& state, void (*draw)(HDC dc)) {
  Surface surface;
  HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  HGDIOBJ oldBrush = SelectObject(surface.dc, brush);
  HGDIOBJ oldPen = SelectObject(surface.dc, GetStockObject(NULL_PEN));
  for (auto _ : state) {
    draw(surface.dc);
    benchmark::ClobberMemory();
  }
  SelectObject(surface.dc, oldPen);
  SelectObject(surface.dc, oldBrush);
  DeleteObject(brush);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
}

void PolygonFill(benchmark::State& state) {
  FillShape(state, [](HDC dc) {
    const POINT corners[4] = {{0, 0}, {kWidth + 300, 0}, {kWidth, kHeight + 1}, {-300, kHeight + 1}};
    Polygon(dc, corners, 4);
  });
}

void EllipseFill(benchmark::State& state) {
  FillShape(state, [](HDC dc) { Ellipse(dc, -150, -110, kWidth + 151, kHeight + 111); });
}

// Region filling: an elliptic region built once, filled on every iteration.
void RegionFill(benchmark::State& state) {
  static HRGN region = CreateEllipticRgn(-150, -110, kWidth + 151, kHeight + 111);
  FillShape(state, [](HDC dc) { PaintRgn(dc, region); });
}

// Many small shapes: what a control's painting is made of, where the cost of each call counts.
constexpr int kSmall = 24;
template <typename Draw>
void EverySmallCell(HDC dc, Draw draw) {
  for (int y = 0; y + kSmall <= kHeight; y += kSmall * 4) {
    for (int x = 0; x + kSmall <= kWidth; x += kSmall) draw(dc, x, y);
  }
}

void SmallFillRects(benchmark::State& state) {
  FillShape(state, [](HDC dc) {
    HBRUSH brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
    EverySmallCell(dc, [brush](HDC cell, int x, int y) {
      const RECT box{x, y, x + kSmall, y + kSmall};
      FillRect(cell, &box, brush);
    });
  });
}

void SmallEllipses(benchmark::State& state) {
  FillShape(state, [](HDC dc) {
    EverySmallCell(dc, [](HDC cell, int x, int y) { Ellipse(cell, x, y, x + kSmall + 1, y + kSmall + 1); });
  });
}

void SmallPolygons(benchmark::State& state) {
  FillShape(state, [](HDC dc) {
    EverySmallCell(dc, [](HDC cell, int x, int y) {
      const POINT corners[4] = {{x + kSmall / 2, y}, {x + kSmall, y + kSmall / 2}, {x + kSmall / 2, y + kSmall},
                                {x, y + kSmall / 2}};
      Polygon(cell, corners, 4);
    });
  });
}

void SmallRoundRects(benchmark::State& state) {
  FillShape(state, [](HDC dc) {
    EverySmallCell(dc, [](HDC cell, int x, int y) { RoundRect(cell, x, y, x + kSmall + 1, y + kSmall + 1, 8, 8); });
  });
}

void BitBltWithRop(benchmark::State& state, DWORD rop) {
  Surface source;
  Surface destination;
  for (auto _ : state) {
    BitBlt(destination.dc, 0, 0, kWidth, kHeight, source.dc, 0, 0, rop);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
}

void BitBltSrcCopy(benchmark::State& state) { BitBltWithRop(state, SRCCOPY); }
void BitBltSrcAnd(benchmark::State& state) { BitBltWithRop(state, SRCAND); }
void BitBltMaskBlit(benchmark::State& state) { BitBltWithRop(state, 0x00E20746); }

}  // namespace

BENCHMARK(BaselineMemset)->Unit(benchmark::kMicrosecond);
BENCHMARK(FillRectSolid)->Unit(benchmark::kMicrosecond);
BENCHMARK(PolygonFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(EllipseFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(RegionFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(SmallFillRects)->Unit(benchmark::kMicrosecond);
BENCHMARK(SmallEllipses)->Unit(benchmark::kMicrosecond);
BENCHMARK(SmallPolygons)->Unit(benchmark::kMicrosecond);
BENCHMARK(SmallRoundRects)->Unit(benchmark::kMicrosecond);
BENCHMARK(BaselineMemcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BitBltSrcCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BitBltSrcAnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BitBltMaskBlit)->Unit(benchmark::kMicrosecond);

// Prints each subject's speed as a share of its baseline's, next to the usual table.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  class RatioReporter : public benchmark::ConsoleReporter {
   public:
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
      ConsoleReporter::Finalize();
      Ratio("FillRectSolid", "BaselineMemset", 0.5);
      Ratio("PolygonFill", "BaselineMemset", 0.5);
      Ratio("EllipseFill", "BaselineMemset", 0.5);
      Ratio("RegionFill", "BaselineMemset", 0.5);
      Ratio("SmallEllipses", "SmallFillRects", 0.2);
      Ratio("SmallPolygons", "SmallFillRects", 0.2);
      Ratio("SmallRoundRects", "SmallFillRects", 0.2);
      Ratio("BitBltSrcCopy", "BaselineMemcpy", 0.5);
      Ratio("BitBltSrcAnd", "BaselineMemcpy", 0.25);
      Ratio("BitBltMaskBlit", "BaselineMemcpy", 0.25);
    }

   private:
    void Ratio(const std::string& subject, const std::string& baseline, double target) {
      if (!times_.count(subject) || !times_.count(baseline)) return;
      const double speed = times_[baseline] / times_[subject];
      std::printf("%-16s %.2f x the speed of %s (target at least %.2f): %s\n", subject.c_str(), speed,
                  baseline.c_str(), target, speed >= target ? "met" : "NOT MET");
    }
    std::map<std::string, double> times_;
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
