// DrawText of a 20-character button caption, 1,000 calls per iteration, against a baseline
// measured in the same run: FillRect of a rectangle the size of the caption's cell. Reports the
// time per call, the ratio to the baseline, and how many glyphs FreeType loaded after the first
// call (0 when the glyph cache works).
#include <benchmark/benchmark.h>
#include <windows.h>

#include <FontCache.h>

#include <chrono>
#include <cstring>

namespace {

constexpr int kCallsPerIteration = 1000;
constexpr char kCaption[] = "Instalator TAWO 2.0!";  // 20 characters
static_assert(sizeof kCaption - 1 == 20);

class Surface {
 public:
  Surface() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 160;
    info.bmiHeader.biHeight = -24;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previousBitmap_ = SelectObject(dc_, bitmap_);
  }
  ~Surface() {
    SelectObject(dc_, previousBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previousBitmap_;
};

double NanosecondsPerCall(std::chrono::steady_clock::duration elapsed, long long calls) {
  return std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(calls);
}

void DrawCaption(benchmark::State& state, const char* face, LONG weight) {
  Surface surface;
  LOGFONTA lf{};
  lf.lfHeight = -11;
  lf.lfWeight = weight;
  std::strcpy(lf.lfFaceName, face);
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ previous = SelectObject(surface.dc(), font);
  SetBkMode(surface.dc(), TRANSPARENT);
  RECT rect{0, 0, 160, 24};
  DrawTextA(surface.dc(), kCaption, -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  RECT cell = rect;
  DrawTextA(surface.dc(), kCaption, -1, &cell, DT_SINGLELINE | DT_CALCRECT);
  HBRUSH brush = CreateSolidBrush(RGB(212, 208, 200));

  const uint64_t loadsAfterFirstCall = FontCache::GlyphLoads();
  std::chrono::steady_clock::duration textTime{}, fillTime{};
  long long calls = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCallsPerIteration; ++i) {
      benchmark::DoNotOptimize(DrawTextA(surface.dc(), kCaption, -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER));
    }
    const auto middle = std::chrono::steady_clock::now();
    for (int i = 0; i < kCallsPerIteration; ++i) benchmark::DoNotOptimize(FillRect(surface.dc(), &cell, brush));
    fillTime += std::chrono::steady_clock::now() - middle;
    textTime += middle - start;
    calls += kCallsPerIteration;
  }
  const double textNs = NanosecondsPerCall(textTime, calls);
  const double fillNs = NanosecondsPerCall(fillTime, calls);
  state.counters["ns_per_DrawText"] = textNs;
  state.counters["ns_per_FillRect_baseline"] = fillNs;
  state.counters["ratio_to_baseline"] = fillNs > 0 ? textNs / fillNs : 0;
  state.counters["FreeType_loads_after_first_call"] = static_cast<double>(FontCache::GlyphLoads() - loadsAfterFirstCall);

  DeleteObject(brush);
  SelectObject(surface.dc(), previous);
  DeleteObject(font);
}

void BM_DrawTextBoldMsSansSerif(benchmark::State& state) { DrawCaption(state, "MS Sans Serif", FW_BOLD); }
void BM_DrawTextArial(benchmark::State& state) { DrawCaption(state, "Arial", FW_NORMAL); }

BENCHMARK(BM_DrawTextBoldMsSansSerif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawTextArial)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
