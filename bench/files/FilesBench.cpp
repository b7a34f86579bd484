// Tree copy and removal through the file API (the installer's FindFirstFileA + CopyFileA and
// FindFirstFileA + DeleteFileA/RemoveDirectoryA walks) against cp -a and rm -rf of the same
// tree of 3,290 small files, measured in the same run. The counters report the ratios.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>
#include <windows.h>
#include <winport.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "../WallClock.h"

namespace {

constexpr int kFiles = 3290;

class Tree {
 public:
  Tree() {
    char pattern[] = "/tmp/tawo-bench-XXXXXX";
    root_ = mkdtemp(pattern);
    WinportSetPrefix((root_ + "/prefix").c_str());
    std::string source = Source();
    int made = 0;
    for (const char* top : {"Data", "DB", "Makiety", "Foto"}) {
      for (int folder = 0; folder < 10; ++folder) {
        std::string dir = source + "/" + top + "/Folder " + std::to_string(folder);
        std::filesystem::create_directories(dir);
        for (int file = 0; file < 82; ++file) Make(dir + "/File " + std::to_string(file) + ".dat", made++);
      }
    }
    for (; made < kFiles; ++made) Make(source + "/Data/extra" + std::to_string(made) + ".txt", made);
  }
  ~Tree() {
    WinportSetPrefix(nullptr);
    std::filesystem::remove_all(root_);
  }
  Tree(const Tree&) = delete;
  Tree& operator=(const Tree&) = delete;

  std::string Source() const { return root_ + "/prefix/drive_c/CD"; }
  std::string Host(const std::string& name) const { return root_ + "/prefix/drive_c/" + name; }

 private:
  static void Make(const std::string& path, int index) {
    std::ofstream(path, std::ios::binary) << std::string(1024 + (index * 37) % 3072, static_cast<char>('a' + index % 26));
  }
  std::string root_;
};

bool IsDots(const char* name) { return name[0] == '.' && (!name[1] || (name[1] == '.' && !name[2])); }

void CopyTree(const std::string& from, const std::string& to) {
  CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((from + "*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (IsDots(data.cFileName)) continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyTree(from + data.cFileName + "\\", to + data.cFileName + "\\");
    } else if (!CopyFileA((from + data.cFileName).c_str(), (to + data.cFileName).c_str(), FALSE)) {
      break;
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*.*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (IsDots(data.cFileName)) continue;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(folder + data.cFileName + "\\");
      else DeleteFileA((folder + data.cFileName).c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

void BM_CopyTree(benchmark::State& state) {
  Tree tree;
  double api = 0, baseline = 0;
  int iteration = 0;
  for (auto _ : state) {
    InTurn(
        iteration++, [&] { api += Seconds([&] { CopyTree("C:\\CD\\", "C:\\Installed\\"); }); },
        [&] { baseline += Seconds([&] { Shell("cp -a '" + tree.Source() + "' '" + tree.Host("Baseline") + "'"); }); });
    state.PauseTiming();
    std::filesystem::remove_all(tree.Host("Installed"));
    std::filesystem::remove_all(tree.Host("Baseline"));
    state.ResumeTiming();
  }
  state.counters["api_ms"] = 1000 * api / state.iterations();
  state.counters["cp_a_ms"] = 1000 * baseline / state.iterations();
  state.counters["ratio_vs_cp_a"] = api / baseline;
}

// Both trees are on disk before either goes, so neither removal pays for the other's writeback.
void BM_RemoveTree(benchmark::State& state) {
  Tree tree;
  double api = 0, baseline = 0;
  int iteration = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Shell("cp -a '" + tree.Source() + "' '" + tree.Host("Installed") + "'");
    Shell("cp -a '" + tree.Source() + "' '" + tree.Host("Baseline") + "'");
    Shell("sync");
    state.ResumeTiming();
    InTurn(
        iteration++, [&] { api += Seconds([&] { RemoveTree("C:\\Installed\\"); }); },
        [&] { baseline += Seconds([&] { Shell("rm -rf '" + tree.Host("Baseline") + "'"); }); });
  }
  if (std::filesystem::exists(tree.Host("Installed"))) state.SkipWithError("the tree was not removed");
  state.counters["api_ms"] = 1000 * api / state.iterations();
  state.counters["rm_rf_ms"] = 1000 * baseline / state.iterations();
  state.counters["ratio_vs_rm_rf"] = api / baseline;
}

BENCHMARK(BM_CopyTree)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_RemoveTree)->Unit(benchmark::kMillisecond)->Iterations(6);

}  // namespace

BENCHMARK_MAIN();
