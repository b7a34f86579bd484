#include "TBmpFile.h"

#include "TStream.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

using enum TPixelFormat;

namespace {

constexpr uint32_t kAlphaBitFields = 6;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

[[noreturn]] void Invalid() { throw EInvalidGraphic(SInvalidBitmap); }

// Little-endian fields of the file; reading past the end is damage.
class TBytes {
 public:
  TBytes(const uint8_t* data, std::size_t size) : FData(data), FSize(size) {}
  std::size_t Size() const { return FSize; }
  const uint8_t* At(std::size_t offset, std::size_t count) const {
    if (offset > FSize || count > FSize - offset) Invalid();
    return FData + offset;
  }
  uint8_t U8(std::size_t offset) const { return *At(offset, 1); }
  uint16_t U16(std::size_t offset) const {
    const uint8_t* p = At(offset, 2);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
  }
  uint32_t U32(std::size_t offset) const {
    const uint8_t* p = At(offset, 4);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
  }
  int32_t I32(std::size_t offset) const { return static_cast<int32_t>(U32(offset)); }

 private:
  const uint8_t* FData;
  std::size_t FSize;
};

// What the headers say, checked.
struct TLayout {
  int Width = 0;
  int Height = 0;
  bool TopDown = false;
  int BitCount = 0;
  uint32_t Compression = BI_RGB;
  std::array<uint32_t, 4> Masks{};  // red, green, blue, alpha
  std::vector<RGBQUAD> Palette;
  std::size_t OffBits = 0;
  std::size_t DataEnd = 0;  // end of the pixel data that may be read
};

bool IsOs2InfoHeader(uint32_t headerSize) {
  return headerSize >= 16 && headerSize <= 64 && headerSize != 40 && headerSize != 52 && headerSize != 56;
}

bool ValidHeaderSize(uint32_t headerSize) {
  return headerSize == 12 || (headerSize >= 16 && headerSize <= 64) || headerSize == 108 || headerSize == 124;
}

bool ContiguousMask(uint32_t mask) {
  if (mask == 0) return false;
  const uint32_t shifted = mask >> std::countr_zero(mask);
  return (shifted & (shifted + 1)) == 0;
}

void CheckMasks(const std::array<uint32_t, 4>& masks, int bitCount) {
  const uint64_t limit = (uint64_t{1} << bitCount) - 1;
  uint32_t seen = 0;
  for (std::size_t i = 0; i < masks.size(); ++i) {
    const uint32_t mask = masks[i];
    if (mask == 0 && i == 3) continue;  // no alpha
    if (!ContiguousMask(mask) || mask > limit || (mask & seen) != 0) Invalid();
    seen |= mask;
  }
}

void ReadMasks(const TBytes& bytes, TLayout& layout, uint32_t headerSize, std::size_t& maskBytes) {
  const bool bitFields = layout.Compression == BI_BITFIELDS || layout.Compression == kAlphaBitFields;
  if (!bitFields) {
    layout.Masks = layout.BitCount == 16 ? std::array<uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                                         : std::array<uint32_t, 4>{0xFF0000, 0x00FF00, 0x0000FF, 0};
    return;
  }
  const std::size_t count = layout.Compression == kAlphaBitFields ? 4 : 3;
  std::size_t at = kFileHeaderSize + kInfoHeaderSize;
  if (headerSize == kInfoHeaderSize) {
    maskBytes = 4 * count;  // the masks follow a 40-byte header
  } else if (headerSize < 56) {
    if (count == 4) Invalid();  // a V2 header has no room for an alpha mask
  }
  for (std::size_t i = 0; i < count; ++i) layout.Masks[i] = bytes.U32(at + 4 * i);
  if (headerSize >= 56) layout.Masks[3] = bytes.U32(at + 12);  // V3 and later hold an alpha mask
  CheckMasks(layout.Masks, layout.BitCount);
}

void ReadPalette(const TBytes& bytes, TLayout& layout, std::size_t start, bool core, uint32_t colorsUsed) {
  const uint32_t maximum = 1u << layout.BitCount;
  if (colorsUsed > maximum) Invalid();
  const uint32_t count = colorsUsed != 0 ? colorsUsed : maximum;
  const std::size_t entrySize = core ? 3 : 4;
  const uint8_t* entries = bytes.At(start, count * entrySize);
  if (start + count * entrySize > layout.OffBits) Invalid();
  layout.Palette.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = entries + i * entrySize;
    layout.Palette[i] = RGBQUAD{entry[0], entry[1], entry[2], 0};
  }
}

TLayout ReadLayout(const TBytes& bytes) {
  if (bytes.Size() < kFileHeaderSize + 12 || bytes.U8(0) != 'B' || bytes.U8(1) != 'M') Invalid();
  TLayout layout;
  layout.OffBits = bytes.U32(10);
  const uint32_t headerSize = bytes.U32(14);
  if (!ValidHeaderSize(headerSize)) Invalid();
  bytes.At(kFileHeaderSize, headerSize);
  const bool core = headerSize == 12;
  const bool os2 = IsOs2InfoHeader(headerSize);
  const std::size_t h = kFileHeaderSize;
  int64_t width = 0;
  int64_t height = 0;
  uint32_t planes = 0;
  uint32_t colorsUsed = 0;
  uint32_t sizeImage = 0;
  if (core) {
    width = bytes.U16(h + 4);
    height = bytes.U16(h + 6);
    planes = bytes.U16(h + 8);
    layout.BitCount = bytes.U16(h + 10);
  } else {
    width = bytes.I32(h + 4);
    height = bytes.I32(h + 8);
    planes = bytes.U16(h + 12);
    layout.BitCount = bytes.U16(h + 14);
    if (headerSize >= 20) layout.Compression = bytes.U32(h + 16);
    if (headerSize >= 24) sizeImage = bytes.U32(h + 20);
    if (headerSize >= 36) colorsUsed = bytes.U32(h + 32);
  }
  if (planes != 1) Invalid();
  if (height < 0) {
    layout.TopDown = true;
    height = -height;  // INT32_MIN negates fine in 64 bits and fails the size limit below
  }
  if (width <= 0 || height == 0 || width > TBmpFile::kMaxDimension || height > TBmpFile::kMaxDimension ||
      width * height > TBmpFile::kMaxPixels) {
    Invalid();
  }
  layout.Width = static_cast<int>(width);
  layout.Height = static_cast<int>(height);

  const int bits = layout.BitCount;
  const bool validBits = core ? (bits == 1 || bits == 4 || bits == 8 || bits == 24)
                              : (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32);
  if (!validBits) Invalid();
  switch (layout.Compression) {
    case BI_RGB: break;
    case BI_RLE8: if (bits != 8 || layout.TopDown) Invalid(); break;
    case BI_RLE4: if (bits != 4 || layout.TopDown) Invalid(); break;
    case BI_BITFIELDS:
    case kAlphaBitFields: if (os2 || (bits != 16 && bits != 32)) Invalid(); break;
    default: Invalid();  // JPEG, PNG, CMYK, and the OS/2 Huffman and RLE24 codings
  }

  std::size_t maskBytes = 0;
  if (bits == 16 || bits == 32) ReadMasks(bytes, layout, headerSize, maskBytes);
  const std::size_t tableStart = kFileHeaderSize + headerSize + maskBytes;
  if (layout.OffBits < tableStart || layout.OffBits >= bytes.Size()) Invalid();
  if (bits <= 8) ReadPalette(bytes, layout, tableStart, core, colorsUsed);

  if (layout.Compression == BI_RLE4 || layout.Compression == BI_RLE8) {
    const std::size_t available = bytes.Size() - layout.OffBits;
    layout.DataEnd = layout.OffBits + (sizeImage != 0 && sizeImage < available ? sizeImage : available);
  } else {
    const uint64_t stride = (static_cast<uint64_t>(layout.Width) * bits + 31) / 32 * 4;
    const uint64_t dataSize = stride * static_cast<uint64_t>(layout.Height);
    if (dataSize > bytes.Size() - layout.OffBits) Invalid();
    layout.DataEnd = layout.OffBits + dataSize;
  }
  return layout;
}

TPixelFormat FormatFor(const TLayout& layout, bool& convert) {
  convert = false;
  switch (layout.BitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    case 16:
      if (layout.Masks == std::array<uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}) return pf15bit;
      if (layout.Masks == std::array<uint32_t, 4>{0xF800, 0x07E0, 0x001F, 0}) return pf16bit;
      convert = true;
      return pf32bit;
    default:
      convert = layout.Masks != std::array<uint32_t, 4>{0xFF0000, 0x00FF00, 0x0000FF, 0};
      return pf32bit;
  }
}

uint32_t Channel(uint32_t raw, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint64_t maximum = uint64_t{mask} >> shift;
  return static_cast<uint32_t>((uint64_t{(raw & mask) >> shift} * 255 + maximum / 2) / maximum);
}

// Pixels by masks into 0xAARRGGBB.
void ConvertRows(const TBytes& bytes, const TLayout& layout, TBitmapImage& image) {
  const std::size_t stride = static_cast<std::size_t>(layout.Width * layout.BitCount + 31) / 32 * 4;
  const int bytesPerPixel = layout.BitCount / 8;
  for (int row = 0; row < layout.Height; ++row) {
    const uint8_t* source = bytes.At(layout.OffBits + row * stride, stride);
    const int y = layout.TopDown ? row : layout.Height - 1 - row;
    for (int x = 0; x < layout.Width; ++x) {
      uint32_t raw = 0;
      std::memcpy(&raw, source + x * bytesPerPixel, bytesPerPixel);
      const uint32_t value = (Channel(raw, layout.Masks[3]) << 24) | (Channel(raw, layout.Masks[0]) << 16) |
                             (Channel(raw, layout.Masks[1]) << 8) | Channel(raw, layout.Masks[2]);
      image.SetRawPixel(x, y, value);
    }
  }
}

void CopyRows(const TBytes& bytes, const TLayout& layout, TBitmapImage& image) {
  const std::size_t stride = static_cast<std::size_t>(image.Stride());
  for (int row = 0; row < layout.Height; ++row) {
    const int y = layout.TopDown ? row : layout.Height - 1 - row;
    std::memcpy(image.Row(y), bytes.At(layout.OffBits + row * stride, stride), stride);
  }
  // Indices past a short colour table are read as entry 0.
  const std::size_t count = layout.Palette.size();
  if (layout.BitCount > 8 || count >= (std::size_t{1} << layout.BitCount)) return;
  for (int y = 0; y < layout.Height; ++y) {
    for (int x = 0; x < layout.Width; ++x) {
      if (image.RawPixel(x, y) >= count) image.SetRawPixel(x, y, 0);
    }
  }
}

// Run-length coded bits, bottom-up; pixels that no code reaches keep index 0.
std::size_t DecodeRle(const TBytes& bytes, const TLayout& layout, TBitmapImage& image) {
  const bool nibbles = layout.Compression == BI_RLE4;
  const std::size_t count = layout.Palette.size();
  std::memset(image.Bits(), 0, image.ImageSize());
  std::size_t position = layout.OffBits;
  const std::size_t end = layout.DataEnd;
  int x = 0;
  int y = 0;  // from the bottom
  auto put = [&](uint32_t index) {
    if (x >= layout.Width || y >= layout.Height) Invalid();
    image.SetRawPixel(x, layout.Height - 1 - y, index < count ? index : 0);
    ++x;
  };
  while (position < end) {
    if (end - position < 2) Invalid();
    const uint8_t first = bytes.U8(position);
    const uint8_t second = bytes.U8(position + 1);
    position += 2;
    if (first > 0) {
      for (int i = 0; i < first; ++i) put(nibbles ? (i % 2 == 0 ? second >> 4 : second & 0xF) : second);
    } else if (second == 0) {
      x = 0;
      if (++y > layout.Height) Invalid();
    } else if (second == 1) {
      break;
    } else if (second == 2) {
      if (end - position < 2) Invalid();
      x += bytes.U8(position);
      y += bytes.U8(position + 1);
      position += 2;
      if (x > layout.Width || y > layout.Height) Invalid();
    } else {
      const std::size_t dataBytes = nibbles ? (second + 1u) / 2 : second;
      if (end - position < dataBytes) Invalid();
      const uint8_t* data = bytes.At(position, dataBytes);
      for (int i = 0; i < second; ++i) put(nibbles ? (i % 2 == 0 ? data[i / 2] >> 4 : data[i / 2] & 0xF) : data[i]);
      position = std::min(end, position + dataBytes + (dataBytes & 1));
    }
  }
  return position;
}

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

}  // namespace

std::shared_ptr<TBitmapImage> TBmpFile::Read(const uint8_t* data, std::size_t size, std::size_t* consumed) {
  const TBytes bytes(data, size);
  const TLayout layout = ReadLayout(bytes);
  bool convert = false;
  const TPixelFormat format = FormatFor(layout, convert);
  auto image = TBitmapImage::Create(layout.Width, layout.Height, format, layout.Palette);
  std::size_t end = layout.DataEnd;
  if (layout.Compression == BI_RLE4 || layout.Compression == BI_RLE8) end = DecodeRle(bytes, layout, *image);
  else if (convert) ConvertRows(bytes, layout, *image);
  else CopyRows(bytes, layout, *image);
  if (consumed != nullptr) *consumed = end;
  return image;
}

std::shared_ptr<TBitmapImage> TBmpFile::Read(TStream& stream) {
  const int64_t start = stream.Position();
  const int64_t available = stream.Size() - start;
  if (available < 0) Invalid();
  std::vector<uint8_t> data(static_cast<std::size_t>(available));
  stream.ReadBuffer(data.data(), available);
  std::size_t consumed = 0;
  auto image = Read(data.data(), data.size(), &consumed);
  stream.SetPosition(start + static_cast<int64_t>(consumed));
  return image;
}

int64_t TBmpFile::FileSize(const TBitmapImage& image) {
  const std::size_t masks = image.Format() == pf16bit ? 12 : 0;
  return static_cast<int64_t>(kFileHeaderSize + kInfoHeaderSize + masks + 4 * image.ColorTable().size() +
                              image.ImageSize());
}

void TBmpFile::Write(TStream& stream, const TBitmapImage& image) {
  GdiFlush();
  const auto& table = image.ColorTable();
  const uint32_t headersSize = static_cast<uint32_t>(FileSize(image) - image.ImageSize());
  std::vector<uint8_t> out;
  out.reserve(headersSize);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, static_cast<uint32_t>(FileSize(image)));
  PutU32(out, 0);
  PutU32(out, headersSize);
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<uint32_t>(image.Width()));
  PutU32(out, static_cast<uint32_t>(image.Height()));
  PutU16(out, 1);
  PutU16(out, static_cast<uint32_t>(image.BitCount()));
  PutU32(out, image.Format() == pf16bit ? BI_BITFIELDS : BI_RGB);
  PutU32(out, static_cast<uint32_t>(image.ImageSize()));
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, static_cast<uint32_t>(table.size()));
  PutU32(out, 0);
  if (image.Format() == pf16bit) {
    for (uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) PutU32(out, mask);
  }
  for (const RGBQUAD& entry : table) {
    out.insert(out.end(), {entry.rgbBlue, entry.rgbGreen, entry.rgbRed, 0});
  }
  stream.WriteBuffer(out.data(), static_cast<int64_t>(out.size()));
  stream.WriteBuffer(image.Bits(), static_cast<int64_t>(image.ImageSize()));
}
