// The demo product CD: the four data folders Data\, DB\, Makiety\ and Foto\ with nested
// folders, an empty folder, hidden, system and read-only files, names with Polish letters and
// sizes from a few bytes to a few megabytes, plus the product program tawo.exe. Everything is
// derived from the file count and the total size, so the same shape always gives the same CD.
#pragma once

#include <System.h>

#include <windows.h>

#include <cstdint>
#include <vector>

struct DemoCdShape {
  int Files = 3290;
  int64_t TotalBytes = 60LL * 1024 * 1024;
};

struct DemoCdFile {
  AnsiString Path;  // relative to the CD root, Windows-1250
  int64_t Size = 0;
  DWORD Attributes = 0;  // FILE_ATTRIBUTE_* beyond NORMAL, 0 for a plain file
};

class DemoCd {
 public:
  static constexpr const char* kProgram = "tawo.exe";

  explicit DemoCd(DemoCdShape shape = {});

  const std::vector<AnsiString>& Folders() const { return FFolders; }
  const std::vector<DemoCdFile>& Files() const { return FFiles; }
  int64_t TotalBytes() const;

  // Writes the CD below `root` (a Windows folder path ending in '\', created when missing).
  // `program` names the file copied as tawo.exe; an empty name leaves the CD without it.
  // Raises EInOutError naming the path that could not be written.
  void Write(const AnsiString& root, const AnsiString& program) const;

  // The deterministic content of a file: its bytes depend only on its index.
  static void Fill(int index, uint64_t offset, char* buffer, size_t count);

 private:
  void Plan(const DemoCdShape& shape);
  static void WriteFile(const AnsiString& path, int index, int64_t size);

  std::vector<AnsiString> FFolders;  // every folder, parents first, relative, ending in '\'
  std::vector<DemoCdFile> FFiles;
};
