// The installer's install and remove work on the full demo CD (3,290 files, about 60 MB), on
// one ten times larger (32,900 files in the same folders) and on the CD with a tree 45 levels
// deep of long names, in a temporary prefix, against cp -a and rm -rf of the same four folders
// in the same run; the main window's start-up to its first painted frame (headless), against a
// bare window of the same size painted once; and the processor time the main window's message
// loop takes while it waits for input, against a bare window's. The counters report the ratios.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>
#include <windows.h>
#include <winport.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <fstream>
#include <thread>
#include <string>

#include <TApplication.h>

#include "DemoCd.h"
#include "Installation.h"
#include "Main.h"

#include "../WallClock.h"

namespace {

constexpr int kDeepLevels = 45;
constexpr int kFilesPerLevel = 20;

class CountingProgress : public TreeProgress {
 public:
  int UserValue() const override { return FValue; }
  void SetUserValue(int value) override { FValue = value; }
  void ProcessMessages() override {}
  void ShowMessage(const AnsiString&, const AnsiString&) override { std::abort(); }

 private:
  int FValue = 0;
};

// A prefix holding the demo CD `scale` times over (in the same folders) and, below Data\, a
// chain of `depth` folders, each with files of long names.
class Machine {
 public:
  explicit Machine(int scale = 1, int depth = 0) {
    char pattern[] = "/tmp/tawo-bench-app-XXXXXX";
    root_ = mkdtemp(pattern);
    WinportSetPrefix(root_.c_str());
    DemoCdShape shape;
    shape.Files *= scale;
    shape.TotalBytes *= scale;
    DemoCd(shape).Write("C:\\CD\\", "");
    MakeDeepTree(depth);
  }
  ~Machine() {
    WinportSetPrefix(nullptr);
    std::filesystem::remove_all(root_);
  }
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  std::string Host(const std::string& below) const { return root_ + "/drive_c/" + below; }

  // A path stays within MAX_PATH: two-character folders, long names for the files in them.
  void MakeDeepTree(int depth) const {
    std::filesystem::path folder = Host("CD/Data");
    for (int level = 0; level < depth; ++level) {
      folder /= std::to_string(10 + level);
      std::filesystem::create_directory(folder);
      for (int file = 0; file < kFilesPerLevel; ++file) {
        std::ofstream(folder / ("Plik o długiej nazwie poziomu " + std::to_string(level) + " nr " + std::to_string(file) + ".txt"))
            << std::string(static_cast<size_t>(100 + 37 * file), 'x');
      }
    }
  }

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

void BM_Install(benchmark::State& state) {
  Machine machine(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  double install = 0, baseline = 0;
  int iteration = 0;
  for (auto _ : state) {
    CountingProgress progress;
    Installation installation("C:\\CD\\", "C:\\TAWO\\", progress);
    // Each copy starts on an idle disk: the other's writeback would otherwise fall into it.
    InTurn(
        iteration++,
        [&] {
          Shell("sync");
          install += Seconds([&] { installation.Install(Installation::ShortcutPath()); });
        },
        [&] {
          Shell("sync");
          baseline += Seconds([&] { Shell(machine.CopyCommand("Baseline")); });
        });
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
  Machine machine(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
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
HWND ShowBareWindow() {
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
  return window;
}

// The installer's main window under an application object of its own, shown and painted.
class MainWindow {
 public:
  MainWindow() : saved_(Application) {
    Application = new TApplication(nullptr);
    TForm1* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    form->Update();
  }
  ~MainWindow() {
    delete Application;
    Application = saved_;
  }
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

 private:
  TApplication* saved_;
};

void BM_StartUp(benchmark::State& state) {
  WinportSetDisplay("headless");
  Machine machine;
  double startUp = 0, baseline = 0;
  for (auto _ : state) {
    std::optional<MainWindow> window;
    startUp += Seconds([&] { window.emplace(); });
    window.reset();
    baseline += Seconds([] { DestroyWindow(ShowBareWindow()); });
    WinportDispatchPending();
  }
  state.counters["start_up_ms"] = 1000 * startUp / state.iterations();
  state.counters["bare_window_ms"] = 1000 * baseline / state.iterations();
  state.counters["ratio_vs_bare_window"] = startUp / baseline;
}

double ProcessorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs the message loop for `wait`, until a WM_QUIT that another thread posts; the processor
// time the process took meanwhile.
double ProcessorSecondsWaiting(std::chrono::milliseconds wait) {
  const DWORD loopThread = GetCurrentThreadId();
  std::thread quitter([&] {
    std::this_thread::sleep_for(wait);
    PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
  });
  const double start = ProcessorSeconds();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  const double used = ProcessorSeconds() - start;
  quitter.join();
  return used;
}

// Processor time per second of waiting for input, as a share of the second: the main window's
// and a bare window's. Both should be zero: nothing wakes a loop that waits for input.
void BM_WaitForInput(benchmark::State& state) {
  WinportSetDisplay("headless");
  Machine machine;
  constexpr std::chrono::milliseconds kWait{1000};
  double installer = 0, baseline = 0;
  for (auto _ : state) {
    {
      MainWindow window;
      installer += ProcessorSecondsWaiting(kWait);
    }
    HWND bare = ShowBareWindow();
    baseline += ProcessorSecondsWaiting(kWait);
    DestroyWindow(bare);
    WinportDispatchPending();
  }
  const double waited = std::chrono::duration<double>(kWait).count() * static_cast<double>(state.iterations());
  state.counters["installer_cpu_percent"] = 100 * installer / waited;
  state.counters["bare_window_cpu_percent"] = 100 * baseline / waited;
}

// Arguments: how many times the CD's files, and how deep the tree of long names.
BENCHMARK(BM_Install)->ArgNames({"scale", "depth"})->Args({1, 0})->Args({1, kDeepLevels})->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_Install)->ArgNames({"scale", "depth"})->Args({10, 0})->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_Remove)->ArgNames({"scale", "depth"})->Args({1, 0})->Args({1, kDeepLevels})->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_Remove)->ArgNames({"scale", "depth"})->Args({10, 0})->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_WaitForInput)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
