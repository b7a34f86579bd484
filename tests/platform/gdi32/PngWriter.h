// Writes a 32-bit top-down pixel buffer as an RGB PNG (uncompressed deflate blocks), so that
// tests can leave pictures of what they drew for a person to look at.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

class PngWriter {
 public:
  // `pixels` holds 0x00RRGGBB values, row after row.
  static bool Write(const std::string& path, const uint32_t* pixels, int width, int height) {
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; ++y) {
      raw.push_back(0);  // filter: none
      for (int x = 0; x < width; ++x) {
        const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
        raw.push_back((p >> 16) & 0xFF);
        raw.push_back((p >> 8) & 0xFF);
        raw.push_back(p & 0xFF);
      }
    }
    std::vector<uint8_t> header;
    Put32(header, width);
    Put32(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    std::ofstream out(path, std::ios::binary);
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.write(reinterpret_cast<const char*>(signature), sizeof signature);
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", Stored(raw));
    Chunk(out, "IEND", {});
    return static_cast<bool>(out);
  }

 private:
  static void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
  }

  // A zlib stream of stored (uncompressed) deflate blocks.
  static std::vector<uint8_t> Stored(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out{0x78, 0x01};
    size_t offset = 0;
    do {
      const size_t length = std::min<size_t>(65535, data.size() - offset);
      const bool last = offset + length == data.size();
      out.push_back(last ? 1 : 0);
      out.push_back(length & 0xFF);
      out.push_back(length >> 8);
      out.push_back(~length & 0xFF);
      out.push_back((~length >> 8) & 0xFF);
      out.insert(out.end(), data.begin() + offset, data.begin() + offset + length);
      offset += length;
    } while (offset < data.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
      a = (a + byte) % 65521;
      b = (b + a) % 65521;
    }
    Put32(out, (b << 16) | a);
    return out;
  }

  static uint32_t Crc(const std::string& type, const std::vector<uint8_t>& data) {
    static const std::array<uint32_t, 256> table = [] {
      std::array<uint32_t, 256> t{};
      for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
      }
      return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    for (char ch : type) c = table[(c ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (c >> 8);
    for (uint8_t byte : data) c = table[(c ^ byte) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
  }

  static void Chunk(std::ofstream& out, const std::string& type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> length;
    Put32(length, static_cast<uint32_t>(data.size()));
    out.write(reinterpret_cast<const char*>(length.data()), 4);
    out.write(type.data(), 4);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    std::vector<uint8_t> crc;
    Put32(crc, Crc(type, data));
    out.write(reinterpret_cast<const char*>(crc.data()), 4);
  }
};
