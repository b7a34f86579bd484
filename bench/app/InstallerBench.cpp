// The installer's install and remove work on the full demo CD (3,290 files, about 60 MB) in a
// temporary prefix, against cp -a and rm -rf of the same four folders in the same run; and the
// main window's start-up to its first painted frame (headless), against a bare window of the
// same size painted once. The counters report the ratios.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>
#include <windows.h>
#include <winport.h>

#include <chrono>
#include <filesystem>
#include <string>

#include <TApplication.h>

#include "DemoCd.h"
#include "Installation.h"
#include "Main.h"

#include "../WallClock.h"

namespace {

class CountingProgress : public TreeProgress {
 public:
  int UserValue() const override { return FValue; }
  void SetUserValue(int value) override {
    if (value >= 0 && value <= 3290) FValue = value;
  }
  void ProcessMessages() override {}
  void ShowMessage(const AnsiString&, const AnsiString&) override { std::abort(); }

 private:
  int FValue = 0;
};

class Machine {
 public:
  Machine() {
    char pattern[] = "/tmp/tawo-bench-app-XXXXXX";
    root_ = mkdtemp(pattern);
    WinportSetPrefix(root_.c_str());
    DemoCd().Write("C:\\CD\\", "");
  }
  ~Machine() {
    WinportSetPrefix(nullptr);
    std::filesystem::remove_all(root_);
  }
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  std::string Host(const std::string& below) const { return root_ + "/drive_c/" + below; }

  // cp -a of the four data folders, as the install copies them.
  std::string CopyCommand(const std::string& to) const {
    std::string command = "mkdir -p '" + Host(to) + "'";
    for (const char* folder : {"Data", "DB", "Makiety", "Foto"}) {
      command += " && cp -a '" + Host("CD/") + folder + "' '" + Host(to) + "/'";
    }
    return command;
  }

 private:
  std::string root_;
};

// The file system's state after the previous work (writeback, freshly freed inodes) weighs on
// whatever runs next, so the measured work and its baseline take turns going first.
template <class First, class Second>
void InTurn(int iteration, First first, Second second) {
  if (iteration % 2 == 0) {
    first();
    second();
  } else {
    second();
    first();
  }
}

void BM_Install(benchmark::State& state) {
  Machine machine;
  double install = 0, baseline = 0;
  int iteration = 0;
  for (auto _ : state) {
    CountingProgress progress;
    Installation installation("C:\\CD\\", "C:\\TAWO\\", progress);
    InTurn(
        iteration++, [&] { install += Seconds([&] { installation.Install(Installation::ShortcutPath()); }); },
        [&] { baseline += Seconds([&] { Shell(machine.CopyCommand("Baseline")); }); });
    state.PauseTiming();
    Shell("rm -rf '" + machine.Host("TAWO") + "' '" + machine.Host("Baseline") + "'");
    state.ResumeTiming();
  }
  state.counters["install_ms"] = 1000 * install / state.iterations();
  state.counters["cp_a_ms"] = 1000 * baseline / state.iterations();
  state.counters["ratio_vs_cp_a"] = install / baseline;
}

// Both trees are on disk before either goes: an installation is removed long after it was
// written, and removing files whose blocks were never allocated would measure the page cache.
void BM_Remove(benchmark::State& state) {
  Machine machine;
  double remove = 0, baseline = 0;
  int iteration = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Shell(machine.CopyCommand("TAWO"));
    Shell(machine.CopyCommand("Baseline"));
    Shell("sync");
    state.ResumeTiming();
    CountingProgress progress;
    Installation installation("C:\\CD\\", "C:\\TAWO\\", progress);
    InTurn(
        iteration++, [&] { remove += Seconds([&] { installation.Remove(Installation::ShortcutPath()); }); },
        [&] { baseline += Seconds([&] { Shell("rm -rf '" + machine.Host("Baseline") + "'"); }); });
  }
  if (std::filesystem::exists(machine.Host("TAWO"))) state.SkipWithError("the installation was not removed");
  state.counters["remove_ms"] = 1000 * remove / state.iterations();
  state.counters["rm_rf_ms"] = 1000 * baseline / state.iterations();
  state.counters["ratio_vs_rm_rf"] = remove / baseline;
}

// A plain window of the main window's size, shown and painted once.
void ShowBareWindow() {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BenchBare";
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
  HWND window = CreateWindowExA(0, "BenchBare", "", WS_POPUP | WS_VISIBLE, 399, 241, 225, 285, nullptr, nullptr, nullptr, nullptr);
  UpdateWindow(window);
  DestroyWindow(window);
}

void BM_StartUp(benchmark::State& state) {
  WinportSetDisplay("headless");
  Machine machine;
  double startUp = 0, baseline = 0;
  for (auto _ : state) {
    TApplication* saved = Application;
    Application = new TApplication(nullptr);
    startUp += Seconds([&] {
      TForm1* form = nullptr;
      Application->CreateForm(form);
      form->Show();
      form->Update();
    });
    delete Application;
    Application = saved;
    baseline += Seconds(ShowBareWindow);
    WinportDispatchPending();
  }
  state.counters["start_up_ms"] = 1000 * startUp / state.iterations();
  state.counters["bare_window_ms"] = 1000 * baseline / state.iterations();
  state.counters["ratio_vs_bare_window"] = startUp / baseline;
}

BENCHMARK(BM_Install)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_Remove)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
