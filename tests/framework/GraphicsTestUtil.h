// BMP files built byte by byte for the graphics tests, and pixel helpers.
#pragma once

#include "TBitmap.h"
#include "TCanvas.h"
#include "TMemoryStream.h"

#include <cstdint>
#include <vector>

struct TBmpSpec {
  uint32_t HeaderSize = 40;  // 12 core, 16 OS/2 2.x, 40 info, 52/56 V2/V3, 108 V4, 124 V5
  int32_t Width = 1;
  int32_t Height = 1;
  uint16_t BitCount = 24;
  uint32_t Compression = 0;
  uint32_t ColorsUsed = 0;
  std::vector<uint32_t> Palette;  // TColor values, 0x00BBGGRR
  std::vector<uint32_t> Masks;    // R, G, B (, A)
  std::vector<uint8_t> Pixels;    // in file order, rows padded
};

inline void PutLe(std::vector<uint8_t>& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void PokeLe(std::vector<uint8_t>& out, std::size_t offset, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline std::vector<uint8_t> MakeBmp(const TBmpSpec& spec) {
  const bool core = spec.HeaderSize == 12;
  std::vector<uint8_t> header;
  PutLe(header, spec.HeaderSize, 4);
  if (core) {
    PutLe(header, spec.Width, 2);
    PutLe(header, spec.Height, 2);
    PutLe(header, 1, 2);
    PutLe(header, spec.BitCount, 2);
  } else {
    PutLe(header, static_cast<uint32_t>(spec.Width), 4);
    PutLe(header, static_cast<uint32_t>(spec.Height), 4);
    PutLe(header, 1, 2);
    PutLe(header, spec.BitCount, 2);
    PutLe(header, spec.Compression, 4);
    PutLe(header, spec.Pixels.size(), 4);
    PutLe(header, 0, 4);  // pixels per metre, as the writer puts them
    PutLe(header, 0, 4);
    PutLe(header, spec.ColorsUsed, 4);
    PutLe(header, 0, 4);
  }
  header.resize(spec.HeaderSize, 0);
  std::vector<uint8_t> masks;
  if (spec.HeaderSize >= 52) {
    for (std::size_t i = 0; i < spec.Masks.size(); ++i) PokeLe(header, 40 + 4 * i, spec.Masks[i], 4);
  } else {
    for (uint32_t mask : spec.Masks) PutLe(masks, mask, 4);
  }
  std::vector<uint8_t> palette;
  for (uint32_t color : spec.Palette) {
    PutLe(palette, (color >> 16) & 0xFF, 1);
    PutLe(palette, (color >> 8) & 0xFF, 1);
    PutLe(palette, color & 0xFF, 1);
    if (!core) PutLe(palette, 0, 1);
  }
  const std::size_t offBits = 14 + header.size() + masks.size() + palette.size();
  std::vector<uint8_t> file{'B', 'M'};
  PutLe(file, offBits + spec.Pixels.size(), 4);
  PutLe(file, 0, 4);
  PutLe(file, offBits, 4);
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), masks.begin(), masks.end());
  file.insert(file.end(), palette.begin(), palette.end());
  file.insert(file.end(), spec.Pixels.begin(), spec.Pixels.end());
  return file;
}

inline void LoadBytes(TBitmap& bitmap, const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  bitmap.LoadFromStream(stream);
}

inline std::vector<uint8_t> SavedBytes(TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  const auto* data = reinterpret_cast<const uint8_t*>(stream.Memory());
  return std::vector<uint8_t>(data, data + stream.Size());
}

// A pf24bit bitmap filled with one colour.
inline void MakeFilled(TBitmap& bitmap, int width, int height, TColor color) {
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(RECT{0, 0, width, height});
}
