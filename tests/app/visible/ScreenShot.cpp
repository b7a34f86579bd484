#include "ScreenShot.h"

#include <zlib.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>

namespace {

uint32_t BigEndian(const std::string& data, size_t offset) {
  const auto* p = reinterpret_cast<const unsigned char*>(data.data() + offset);
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

int Shift(uint32_t mask) {
  int shift = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

void Chunk(std::string& png, const char* type, const std::string& data) {
  const uint32_t length = static_cast<uint32_t>(data.size());
  for (int i = 3; i >= 0; --i) png += static_cast<char>(length >> (8 * i));
  const std::string body = std::string(type, 4) + data;
  png += body;
  const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
  for (int i = 3; i >= 0; --i) png += static_cast<char>(crc >> (8 * i));
}

}  // namespace

// xwd's format: a header of big-endian 32-bit fields, the window name, the colour map, then
// the pixels (ZPixmap, three or four bytes each, least significant first).
ScreenShot ScreenShot::Take(const std::string& display) {
  ScreenShot shot;
  const std::string command = "DISPLAY=" + display + " xwd -root -silent 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return shot;
  std::string data;
  std::array<char, 65536> buffer;
  for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) data.append(buffer.data(), n);
  if (data.size() < 100 || BigEndian(data, 8) != 2 || BigEndian(data, 28) != 0) return shot;
  const uint32_t headerSize = BigEndian(data, 0);
  const int width = static_cast<int>(BigEndian(data, 16));
  const int height = static_cast<int>(BigEndian(data, 20));
  const uint32_t bytesPerLine = BigEndian(data, 48);
  const uint32_t masks[3] = {BigEndian(data, 56), BigEndian(data, 60), BigEndian(data, 64)};
  const size_t pixelsAt = headerSize + size_t{BigEndian(data, 76)} * 12;
  // Lines may be padded beyond width × pixel size.
  const uint32_t bytesPerPixel = BigEndian(data, 44) / 8;
  if ((bytesPerPixel != 3 && bytesPerPixel != 4) || data.size() < pixelsAt + size_t{bytesPerLine} * height) return shot;
  shot.width_ = width;
  shot.height_ = height;
  shot.pixels_.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto* p = reinterpret_cast<const unsigned char*>(data.data() + pixelsAt + y * bytesPerLine + x * bytesPerPixel);
      const uint32_t value = p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
      uint32_t rgb = 0;
      for (int c = 0; c < 3; ++c) rgb = (rgb << 8) | ((value & masks[c]) >> Shift(masks[c]) & 0xFF);
      shot.pixels_[static_cast<size_t>(y) * width + x] = rgb;
    }
  }
  return shot;
}

bool ScreenShot::WritePng(const std::string& path) const {
  std::string raw;
  raw.reserve(static_cast<size_t>(height_) * (width_ * 3 + 1));
  for (int y = 0; y < height_; ++y) {
    raw += '\0';
    for (int x = 0; x < width_; ++x) {
      const uint32_t rgb = Pixel(x, y);
      raw += static_cast<char>(rgb >> 16);
      raw += static_cast<char>(rgb >> 8);
      raw += static_cast<char>(rgb);
    }
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(size, '\0');
  if (compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
               static_cast<uLong>(raw.size())) != Z_OK) {
    return false;
  }
  packed.resize(size);
  std::string header;
  for (uint32_t value : {static_cast<uint32_t>(width_), static_cast<uint32_t>(height_)}) {
    for (int i = 3; i >= 0; --i) header += static_cast<char>(value >> (8 * i));
  }
  header += std::string("\x08\x02\x00\x00\x00", 5);
  std::string png = "\x89PNG\r\n\x1a\n";
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", packed);
  Chunk(png, "IEND", "");
  std::ofstream out(path, std::ios::binary);
  out << png;
  return static_cast<bool>(out);
}
