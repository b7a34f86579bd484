#include "DemoCd.h"

#include <SysUtils.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

uint64_t SplitMix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

struct TopFolder {
  const char* Name;
  int Percent;  // share of the files; the last folder takes the rest
  AnsiString Stem;
  const char* Extension;
  std::vector<AnsiString> Subfolders;  // relative to the top folder; "" is the top itself
};

std::vector<TopFolder> TopFolders() {
  return {
      {"Data\\", 36, "plik", ".dat",
       {"", "Słowniki\\"_a, "Słowniki\\Gramatyka\\"_a, "Szablony\\", "Szablony\\Listy\\", "Szablony\\Listy\\Urzędowe\\"_a}},
      {"DB\\", 20, "tabela", ".db", {"", "Indeksy\\", "Archiwum\\", "Archiwum\\2001\\", "Archiwum\\2002\\"}},
      {"Makiety\\", 26, "makieta", ".mak", {"", "Okładki\\"_a, "Strony\\", "Strony\\Wnętrza\\"_a}},
      {"Foto\\", 0, "zdjęcie"_a, ".jpg", {"", "Kraków\\"_a, "Łódź\\"_a, "Łódź\\Zima\\"_a, "Gdańsk\\"_a}},
  };
}

// A folder that stays empty on every CD.
const char* const kEmptyFolder = "Makiety\\Puste\\";

AnsiString Numbered(const AnsiString& stem, int number, const char* extension) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", number);
  return stem + digits + extension;
}

DWORD AttributesOf(int index) {
  DWORD attributes = 0;
  if (index % 37 == 5) attributes |= FILE_ATTRIBUTE_HIDDEN;
  if (index % 53 == 7) attributes |= FILE_ATTRIBUTE_SYSTEM;
  if (index % 29 == 11) attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes;
}

void Fail(const AnsiString& what, const AnsiString& path) {
  DWORD error = GetLastError();
  throw EInOutError(what + " " + path + " (error " + IntToStr(static_cast<int>(error)) + ")", static_cast<int>(error));
}

}  // namespace

DemoCd::DemoCd(DemoCdShape shape) {
  if (shape.Files < 8 || shape.TotalBytes < shape.Files) throw EInOutError("Demo CD too small", 0);
  Plan(shape);
}

int64_t DemoCd::TotalBytes() const {
  int64_t total = 0;
  for (const DemoCdFile& file : FFiles) total += file.Size;
  return total;
}

// Four fifths of the bytes go to a few large pictures (about one file in a hundred, all in
// Foto\), the rest is spread over small files; a file in 97 holds only a few bytes.
void DemoCd::Plan(const DemoCdShape& shape) {
  const std::vector<TopFolder> tops = TopFolders();
  const int bigCount = std::max(1, shape.Files / 100);
  const int64_t bigAverage = shape.TotalBytes * 4 / 5 / bigCount;
  const int64_t smallAverage = std::max<int64_t>(1, shape.TotalBytes / 5 / (shape.Files - bigCount));
  int index = 0;
  int assigned = 0;
  for (size_t top = 0; top < tops.size(); ++top) {
    const TopFolder& folder = tops[top];
    const bool last = top + 1 == tops.size();
    const int count = last ? shape.Files - assigned : shape.Files * folder.Percent / 100;
    assigned += count;
    for (const AnsiString& sub : folder.Subfolders) FFolders.push_back(folder.Name + sub);
    if (folder.Name == AnsiString("Makiety\\")) FFolders.push_back(kEmptyFolder);
    const int bigEvery = last ? std::max(1, count / bigCount) : 0;
    for (int n = 0; n < count; ++n, ++index) {
      const uint64_t random = SplitMix(static_cast<uint64_t>(index));
      DemoCdFile file;
      const AnsiString& sub = folder.Subfolders[static_cast<size_t>(n) % folder.Subfolders.size()];
      const bool big = bigEvery && n % bigEvery == 0 && n / bigEvery < bigCount;
      const AnsiString name = n % 7 == 3 ? Numbered("Zażółć gęślą jaźń "_a, n, ".txt") : Numbered(folder.Stem, n, folder.Extension);
      file.Path = folder.Name + sub + name;
      if (big) file.Size = bigAverage / 2 + static_cast<int64_t>(random % static_cast<uint64_t>(bigAverage));
      else if (random % 97 == 0) file.Size = static_cast<int64_t>(random % 8);
      else file.Size = 1 + static_cast<int64_t>(random % static_cast<uint64_t>(2 * smallAverage));
      file.Attributes = AttributesOf(index);
      FFiles.push_back(file);
    }
  }
}

void DemoCd::Fill(int index, uint64_t offset, char* buffer, size_t count) {
  const uint64_t seed = static_cast<uint64_t>(index) << 40;
  for (size_t i = 0; i < count;) {
    const uint64_t position = offset + i;
    const uint64_t word = SplitMix(seed + position / 8);
    for (uint64_t byte = position % 8; byte < 8 && i < count; ++byte, ++i) {
      buffer[i] = static_cast<char>(word >> (8 * byte));
    }
  }
}

void DemoCd::WriteFile(const AnsiString& path, int index, int64_t size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("Cannot create", path);
  constexpr size_t kChunk = 1 << 20;
  auto buffer = std::make_unique<char[]>(kChunk);
  bool ok = true;
  for (int64_t offset = 0; ok && offset < size; offset += kChunk) {
    const auto count = static_cast<DWORD>(std::min<int64_t>(kChunk, size - offset));
    Fill(index, static_cast<uint64_t>(offset), buffer.get(), count);
    DWORD written = 0;
    ok = ::WriteFile(file, buffer.get(), count, &written, nullptr) && written == count;
  }
  CloseHandle(file);
  if (!ok) Fail("Cannot write", path);
}

void DemoCd::Write(const AnsiString& root, const AnsiString& program) const {
  if (!ForceDirectories(root)) Fail("Cannot create", root);
  for (const AnsiString& folder : FFolders) {
    if (!ForceDirectories(root + folder)) Fail("Cannot create", root + folder);
  }
  for (size_t i = 0; i < FFiles.size(); ++i) {
    const DemoCdFile& file = FFiles[i];
    WriteFile(root + file.Path, static_cast<int>(i), file.Size);
    if (file.Attributes && !SetFileAttributesA((root + file.Path).c_str(), file.Attributes)) Fail("Cannot set attributes of", root + file.Path);
  }
  if (!program.empty() && !CopyFileA(program.c_str(), (root + kProgram).c_str(), FALSE)) Fail("Cannot copy", program);
}
