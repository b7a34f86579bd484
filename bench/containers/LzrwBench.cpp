// LZRW block compression and restoration of 64 MB of mixed data (text, 24-bit pictures,
// records, solid areas and noise) in blocks of kLMDLZRWMaxBlock bytes, against lz4 and
// zlib at level 1 on the same blocks in the same run. The counters give MB/s and the
// ratios against each baseline.
#include <benchmark/benchmark.h>
#include <lz4.h>
#include <zlib.h>

#include <LMDProcsLZRW.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "../WallClock.h"

namespace {

constexpr size_t kDataBytes = 64u << 20;

void AppendText(std::vector<uint8_t>& out, std::mt19937& random, size_t bytes) {
  static const char* const kWords[] = {"instalacja", "program", "katalog", "plik", "dane", "kopia", "ustawienia",
                                       "okno", "przycisk", "zakończono", "błąd", "dysk", "wersja", "TAWO", "i", "w"};
  for (size_t end = out.size() + bytes; out.size() < end;) {
    const std::string word = kWords[random() % std::size(kWords)];
    out.insert(out.end(), word.begin(), word.end());
    out.push_back(random() % 11 == 0 ? '\n' : ' ');
  }
}

// Rows of a 24-bit picture: gradients with solid patches and a little grain.
void AppendPicture(std::vector<uint8_t>& out, std::mt19937& random, size_t bytes) {
  const int width = 200 + static_cast<int>(random() % 400);
  for (size_t end = out.size() + bytes; out.size() < end;) {
    const uint8_t base = static_cast<uint8_t>(random());
    const bool solid = random() % 3 == 0;
    for (int x = 0; x < width; ++x) {
      const uint8_t grain = solid ? 0 : static_cast<uint8_t>(random() % 4);
      out.insert(out.end(), {static_cast<uint8_t>(base + x / 8 + grain), static_cast<uint8_t>(base / 2 + grain),
                             static_cast<uint8_t>(255 - x / 4)});
    }
  }
}

void AppendRecords(std::vector<uint8_t>& out, std::mt19937& random, size_t bytes) {
  for (uint32_t id = random() % 1000; bytes >= 16; bytes -= 16, ++id) {
    const uint32_t fields[4] = {id, static_cast<uint32_t>(random() % 100), 0x2A, id * 3};
    const auto* raw = reinterpret_cast<const uint8_t*>(fields);
    out.insert(out.end(), raw, raw + sizeof fields);
  }
}

void AppendNoise(std::vector<uint8_t>& out, std::mt19937& random, size_t bytes) {
  for (size_t i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(random()));
}

const std::vector<uint8_t>& MixedData() {
  static const std::vector<uint8_t> data = [] {
    std::mt19937 random(2026);
    std::vector<uint8_t> out;
    out.reserve(kDataBytes + (1 << 20));
    while (out.size() < kDataBytes) {
      const size_t bytes = 4096 + random() % 60000;
      switch (random() % 8) {
        case 0: case 1: case 2: AppendText(out, random, bytes); break;
        case 3: case 4: AppendPicture(out, random, bytes); break;
        case 5: AppendRecords(out, random, bytes); break;
        case 6: out.insert(out.end(), bytes, static_cast<uint8_t>(random())); break;
        default: AppendNoise(out, random, bytes); break;
      }
    }
    out.resize(kDataBytes);
    return out;
  }();
  return data;
}

// zlib at level 1 through streams made once and reset for each block, as a program packing
// many blocks would use it.
// Points a stream at one block and its room.
void Aim(z_stream& stream, const uint8_t* in, int length, uint8_t* out, int room) {
  stream.next_in = const_cast<uint8_t*>(in);
  stream.avail_in = static_cast<uInt>(length);
  stream.next_out = out;
  stream.avail_out = static_cast<uInt>(room);
}

int ZlibCompress(const uint8_t* in, int length, uint8_t* out, int room) {
  static z_stream stream = [] {
    z_stream made{};
    if (deflateInit(&made, 1) != Z_OK) std::abort();
    return made;
  }();
  deflateReset(&stream);
  Aim(stream, in, length, out, room);
  return deflate(&stream, Z_FINISH) == Z_STREAM_END ? static_cast<int>(stream.total_out) : -1;
}

int ZlibRestore(const uint8_t* in, int length, uint8_t* out, int room) {
  static z_stream stream = [] {
    z_stream made{};
    if (inflateInit(&made) != Z_OK) std::abort();
    return made;
  }();
  inflateReset(&stream);
  Aim(stream, in, length, out, room);
  return inflate(&stream, Z_FINISH) == Z_STREAM_END ? static_cast<int>(stream.total_out) : -1;
}

// One codec over every block: compress, restore, and the total compressed size.
struct Codec {
  const char* name;
  int (*compress)(const uint8_t* in, int length, uint8_t* out, int room);
  int (*restore)(const uint8_t* in, int length, uint8_t* out, int room);
};

const Codec kCodecs[] = {
    {"lzrw",
     [](const uint8_t* in, int length, uint8_t* out, int) {
       return static_cast<int>(LMDLZRWCompress(in, out, static_cast<uint32_t>(length)));
     },
     [](const uint8_t* in, int length, uint8_t* out, int room) {
       return static_cast<int>(LMDLZRWDecompress(in, out, static_cast<uint32_t>(length), static_cast<uint32_t>(room)));
     }},
    {"lz4",
     [](const uint8_t* in, int length, uint8_t* out, int room) {
       return LZ4_compress_default(reinterpret_cast<const char*>(in), reinterpret_cast<char*>(out), length, room);
     },
     [](const uint8_t* in, int length, uint8_t* out, int room) {
       return LZ4_decompress_safe(reinterpret_cast<const char*>(in), reinterpret_cast<char*>(out), length, room);
     }},
    {"zlib1", ZlibCompress, ZlibRestore},
};

struct Timing {
  double compress = 0, restore = 0;
  size_t packed = 0;
};

// Every block compressed, then every block restored and checked against its input. The
// memory is all in place before the clock runs.
Timing Measure(const Codec& codec) {
  const std::vector<uint8_t>& data = MixedData();
  const size_t room = compressBound(kLMDLZRWMaxBlock) + LZ4_compressBound(kLMDLZRWMaxBlock);
  const size_t blocks = (data.size() + kLMDLZRWMaxBlock - 1) / kLMDLZRWMaxBlock;
  std::vector<uint8_t> packed(blocks * room);
  std::vector<int> sizes(blocks);
  std::vector<uint8_t> restored(data.size());
  Timing timing;
  timing.compress = Seconds([&] {
    for (size_t block = 0; block < blocks; ++block) {
      const size_t at = block * kLMDLZRWMaxBlock;
      const int length = static_cast<int>(std::min<size_t>(kLMDLZRWMaxBlock, data.size() - at));
      sizes[block] = codec.compress(data.data() + at, length, packed.data() + block * room, static_cast<int>(room));
    }
  });
  timing.restore = Seconds([&] {
    for (size_t block = 0; block < blocks; ++block) {
      const size_t at = block * kLMDLZRWMaxBlock;
      const int length = static_cast<int>(std::min<size_t>(kLMDLZRWMaxBlock, data.size() - at));
      if (codec.restore(packed.data() + block * room, sizes[block], restored.data() + at, length) != length) std::abort();
    }
  });
  if (restored != data) std::abort();
  for (int size : sizes) timing.packed += static_cast<size_t>(size);
  return timing;
}

void BM_LZRW(benchmark::State& state) {
  MixedData();
  Timing totals[std::size(kCodecs)];
  for (auto _ : state) {
    for (size_t i = 0; i < std::size(kCodecs); ++i) {
      const Timing timing = Measure(kCodecs[i]);
      totals[i].compress += timing.compress;
      totals[i].restore += timing.restore;
      totals[i].packed = timing.packed;
    }
  }
  const double megabytes = static_cast<double>(kDataBytes) / (1 << 20) * static_cast<double>(state.iterations());
  for (size_t i = 0; i < std::size(kCodecs); ++i) {
    const std::string name = kCodecs[i].name;
    state.counters[name + "_compress_MBps"] = megabytes / totals[i].compress;
    state.counters[name + "_restore_MBps"] = megabytes / totals[i].restore;
    state.counters[name + "_size_percent"] = 100.0 * static_cast<double>(totals[i].packed) / kDataBytes;
  }
  for (size_t i = 1; i < std::size(kCodecs); ++i) {
    const std::string name = kCodecs[i].name;
    state.counters["compress_vs_" + name] = totals[i].compress / totals[0].compress;
    state.counters["restore_vs_" + name] = totals[i].restore / totals[0].restore;
  }
}

BENCHMARK(BM_LZRW)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
