#include "TBmpFile.h"

#include "TStream.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

using enum TPixelFormat;

namespace {

constexpr std::size_t kFileHeaderSize = sizeof(BITMAPFILEHEADER);
constexpr WORD kFileType = 0x4D42;  // "BM"
// Room for the largest description gdi32 reads: a V5 header and 256 colours.
constexpr std::size_t kMaxInfoSize = 124 + 256 * sizeof(RGBQUAD);

[[noreturn]] void Invalid() { throw EInvalidGraphic(SInvalidBitmap); }

template <typename T>
T ReadAt(const std::vector<uint8_t>& bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

template <typename T>
void WriteAt(std::vector<uint8_t>& bytes, std::size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

template <typename T>
void Append(std::vector<uint8_t>& bytes, const T& value, std::size_t count = 1) {
  const auto* first = reinterpret_cast<const uint8_t*>(&value);
  bytes.insert(bytes.end(), first, first + sizeof(T) * count);
}

bool IsRunLength(DWORD compression) { return compression == BI_RLE4 || compression == BI_RLE8; }

// The file's BITMAPINFO: the bytes between the file header and the pixel data, in a buffer
// large enough for whatever gdi32 reads, the room past the pixel data's start filled with
// `fill`.
std::vector<uint8_t> InfoBytes(const uint8_t* data, std::size_t offBits, uint8_t fill) {
  std::vector<uint8_t> info(kMaxInfoSize, fill);
  std::memcpy(info.data(), data + kFileHeaderSize, std::min(offBits - kFileHeaderSize, kMaxInfoSize));
  return info;
}

// The header fields the reader needs itself: the size, before anything is made, and the
// compression, whose data size it tells gdi32.
struct THeaderFields {
  DWORD Size = 0;
  int64_t Width = 0;
  int64_t Height = 0;
  DWORD Compression = BI_RGB;
  DWORD SizeImage = 0;
};

THeaderFields ReadFields(const std::vector<uint8_t>& info) {
  THeaderFields fields;
  fields.Size = ReadAt<DWORD>(info, 0);
  if (fields.Size == sizeof(BITMAPCOREHEADER)) {
    fields.Width = ReadAt<WORD>(info, offsetof(BITMAPCOREHEADER, bcWidth));
    fields.Height = ReadAt<WORD>(info, offsetof(BITMAPCOREHEADER, bcHeight));
    return fields;
  }
  fields.Width = ReadAt<LONG>(info, offsetof(BITMAPINFOHEADER, biWidth));
  fields.Height = ReadAt<LONG>(info, offsetof(BITMAPINFOHEADER, biHeight));
  // Short OS/2 headers end before these fields.
  if (fields.Size > offsetof(BITMAPINFOHEADER, biCompression)) {
    fields.Compression = ReadAt<DWORD>(info, offsetof(BITMAPINFOHEADER, biCompression));
  }
  if (fields.Size > offsetof(BITMAPINFOHEADER, biSizeImage)) {
    fields.SizeImage = ReadAt<DWORD>(info, offsetof(BITMAPINFOHEADER, biSizeImage));
  }
  return fields;
}

// What gdi32 reads from a description: its depth, row size, masks and colour table.
struct TDescription {
  DIBSECTION Section{};
  std::vector<RGBQUAD> ColorTable;

  int BitCount() const { return Section.dsBmih.biBitCount; }
  bool SameAs(const TDescription& other) const {
    return BitCount() == other.BitCount() && Section.dsBm.bmWidthBytes == other.Section.dsBm.bmWidthBytes &&
           std::memcmp(Section.dsBitfields, other.Section.dsBitfields, sizeof Section.dsBitfields) == 0 &&
           std::equal(ColorTable.begin(), ColorTable.end(), other.ColorTable.begin(), other.ColorTable.end(),
                      [](const RGBQUAD& a, const RGBQUAD& b) { return std::memcmp(&a, &b, sizeof a) == 0; });
  }
};

// Asks gdi32 for a DIB section one row tall in the description's format (uncompressed, which
// is all a DIB section holds); nothing when gdi32 refuses the description.
std::optional<TDescription> Describe(std::vector<uint8_t> info, const THeaderFields& fields) {
  if (fields.Size == sizeof(BITMAPCOREHEADER)) {
    WriteAt<WORD>(info, offsetof(BITMAPCOREHEADER, bcHeight), 1);
  } else {
    WriteAt<LONG>(info, offsetof(BITMAPINFOHEADER, biHeight), 1);
  }
  if (IsRunLength(fields.Compression)) WriteAt<DWORD>(info, offsetof(BITMAPINFOHEADER, biCompression), BI_RGB);
  void* bits = nullptr;
  HBITMAP row = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &bits,
                                 nullptr, 0);
  if (row == nullptr) return std::nullopt;
  TDescription description;
  GetObject(row, sizeof description.Section, &description.Section);
  if (description.BitCount() <= 8) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, row);
    RGBQUAD table[256];
    description.ColorTable.assign(table, table + GetDIBColorTable(dc, 0, 256, table));
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  DeleteObject(row);
  return description;
}

TPixelFormat FormatFor(const TDescription& description) {
  const DWORD* masks = description.Section.dsBitfields;
  switch (description.BitCount()) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    case 16:
      if (masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F) return pf15bit;
      if (masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F) return pf16bit;
      return pf32bit;
    default: return pf32bit;
  }
}

// An indexed file's pixels described with the image's own header in the file's row order and
// coding, and a full colour table: indices past the file's table take its first entry.
std::vector<uint8_t> IndexedSource(const TBitmapImage& image, const THeaderFields& fields, DWORD dataSize) {
  BITMAPINFOHEADER header = image.Info()->bmiHeader;
  header.biHeight = static_cast<LONG>(fields.Height);
  header.biCompression = fields.Compression;
  header.biSizeImage = dataSize;
  header.biClrUsed = 0;
  std::vector<RGBQUAD> table = image.ColorTable();
  table.resize(std::size_t{1} << image.BitCount(), table.front());
  std::vector<uint8_t> source;
  Append(source, header);
  Append(source, *table.data(), table.size());
  return source;
}

// The headers Write puts before the bits, from what gdi32 tells of the DIB section.
std::vector<uint8_t> FileHeaders(const DIBSECTION& section, HBITMAP handle) {
  const BITMAPINFOHEADER& header = section.dsBmih;
  struct {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
  } query{};
  if (header.biClrUsed > 0) {  // GetDIBits in the section's own depth gives its colour table
    query.Header = header;
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, handle, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&query), DIB_RGB_COLORS);
    DeleteDC(dc);
  }
  const std::size_t masksSize = header.biCompression == BI_BITFIELDS ? sizeof section.dsBitfields : 0;
  BITMAPFILEHEADER file{};
  file.bfType = kFileType;
  file.bfOffBits = static_cast<DWORD>(kFileHeaderSize + sizeof header + masksSize + header.biClrUsed * sizeof(RGBQUAD));
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::vector<uint8_t> bytes;
  Append(bytes, file);
  Append(bytes, header);
  if (masksSize > 0) Append(bytes, section.dsBitfields);
  if (header.biClrUsed > 0) Append(bytes, query.Colors[0], header.biClrUsed);
  return bytes;
}

DIBSECTION SectionOf(const TBitmapImage& image) {
  DIBSECTION section{};
  GetObject(image.Handle(), sizeof section, &section);
  return section;
}

}  // namespace

std::shared_ptr<TBitmapImage> TBmpFile::Read(const uint8_t* data, std::size_t size, std::size_t* consumed) {
  BITMAPFILEHEADER file;
  if (size < kFileHeaderSize + sizeof(BITMAPCOREHEADER)) Invalid();
  std::memcpy(&file, data, sizeof file);
  if (file.bfType != kFileType || file.bfOffBits >= size || file.bfOffBits < kFileHeaderSize + sizeof(DWORD)) Invalid();
  const std::vector<uint8_t> info = InfoBytes(data, file.bfOffBits, 0x00);
  const THeaderFields fields = ReadFields(info);
  const int64_t height = fields.Height < 0 ? -fields.Height : fields.Height;
  // gdi32 checks the rest of the header; the height it is shown below is one row.
  if (fields.Size > file.bfOffBits - kFileHeaderSize || fields.Width > kMaxDimension || height == 0 ||
      height > kMaxDimension || fields.Width * height > kMaxPixels) {
    Invalid();
  }

  // The description must end before the pixel data: read with the bytes from there on as
  // zeros and as ones, gdi32 must find the same.
  const std::optional<TDescription> description = Describe(info, fields);
  const std::optional<TDescription> check = Describe(InfoBytes(data, file.bfOffBits, 0xFF), fields);
  if (!description || !check || !description->SameAs(*check)) Invalid();

  const TPixelFormat format = FormatFor(*description);
  auto image = TBitmapImage::Create(static_cast<int>(fields.Width), static_cast<int>(height), format,
                                    description->ColorTable);
  const std::size_t available = size - file.bfOffBits;
  std::size_t dataSize = available;
  if (IsRunLength(fields.Compression)) {
    if (fields.SizeImage != 0) dataSize = std::min<std::size_t>(fields.SizeImage, available);
  } else {
    dataSize = static_cast<std::size_t>(description->Section.dsBm.bmWidthBytes) * static_cast<std::size_t>(height);
    if (dataSize > available) Invalid();
  }
  const std::vector<uint8_t> source = description->BitCount() <= 8
                                          ? IndexedSource(*image, fields, static_cast<DWORD>(dataSize))
                                          : info;
  if (SetDIBits(nullptr, image->Handle(), 0, static_cast<UINT>(height), data + file.bfOffBits,
                reinterpret_cast<const BITMAPINFO*>(source.data()), DIB_RGB_COLORS) == 0) {
    Invalid();
  }
  if (consumed != nullptr) *consumed = file.bfOffBits + dataSize;
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
  const DIBSECTION section = SectionOf(image);
  return static_cast<int64_t>(FileHeaders(section, image.Handle()).size() + section.dsBmih.biSizeImage);
}

void TBmpFile::Write(TStream& stream, const TBitmapImage& image) {
  GdiFlush();
  const DIBSECTION section = SectionOf(image);
  const std::vector<uint8_t> headers = FileHeaders(section, image.Handle());
  stream.WriteBuffer(headers.data(), static_cast<int64_t>(headers.size()));
  stream.WriteBuffer(section.dsBm.bmBits, static_cast<int64_t>(section.dsBmih.biSizeImage));
}
