#include "StockObjects.h"

#include "GdiBitmap.h"
#include "GdiBrush.h"
#include "GdiFont.h"
#include "GdiHandleTable.h"
#include "GdiPalette.h"
#include "GdiPen.h"

#include <array>
#include <cstring>
#include <mutex>

namespace {

constexpr PALETTEENTRY kDefaultPalette[20] = {
    {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},
    {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
};

LOGFONTA Font(LONG height, LONG weight, BYTE pitchAndFamily, const char* face) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfPitchAndFamily = pitchAndFamily;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return lf;
}

std::unique_ptr<GdiObject> MakeStock(int index) {
  switch (index) {
    case WHITE_BRUSH:
      return std::make_unique<GdiBrush>(BS_SOLID, RGB(255, 255, 255), 0);
    case LTGRAY_BRUSH:
      return std::make_unique<GdiBrush>(BS_SOLID, RGB(192, 192, 192), 0);
    case GRAY_BRUSH:
      return std::make_unique<GdiBrush>(BS_SOLID, RGB(128, 128, 128), 0);
    case DKGRAY_BRUSH:
      return std::make_unique<GdiBrush>(BS_SOLID, RGB(64, 64, 64), 0);
    case BLACK_BRUSH:
      return std::make_unique<GdiBrush>(BS_SOLID, RGB(0, 0, 0), 0);
    case NULL_BRUSH:
      return std::make_unique<GdiBrush>(BS_NULL, 0, 0);
    case WHITE_PEN:
      return std::make_unique<GdiPen>(PS_SOLID, 0, RGB(255, 255, 255), false);
    case BLACK_PEN:
      return std::make_unique<GdiPen>(PS_SOLID, 0, RGB(0, 0, 0), false);
    case NULL_PEN:
      return std::make_unique<GdiPen>(PS_NULL, 0, 0, false);
    case OEM_FIXED_FONT:
      return std::make_unique<GdiFont>(Font(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Terminal"));
    case ANSI_FIXED_FONT:
      return std::make_unique<GdiFont>(Font(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier"));
    case ANSI_VAR_FONT:
      return std::make_unique<GdiFont>(Font(12, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
      return std::make_unique<GdiFont>(Font(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System"));
    case DEFAULT_PALETTE:
      return std::make_unique<GdiPalette>(std::vector<PALETTEENTRY>(std::begin(kDefaultPalette), std::end(kDefaultPalette)));
    case SYSTEM_FIXED_FONT:
      return std::make_unique<GdiFont>(Font(15, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys"));
    case DEFAULT_GUI_FONT:
      return std::make_unique<GdiFont>(Font(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
    case DC_BRUSH: {
      auto brush = std::make_unique<GdiBrush>(BS_SOLID, RGB(255, 255, 255), 0);
      brush->UseDcColor();
      return brush;
    }
    case DC_PEN: {
      auto pen = std::make_unique<GdiPen>(PS_SOLID, 0, RGB(0, 0, 0), false);
      pen->UseDcColor();
      return pen;
    }
    default:
      return nullptr;
  }
}

struct StockTable {
  std::once_flag once;
  std::array<HGDIOBJ, STOCK_LAST + 1> objects{};
  HBITMAP bitmap = nullptr;

  void Create() {
    GdiHandleTable& table = GdiHandleTable::Instance();
    for (int i = 0; i <= STOCK_LAST; ++i) {
      std::unique_ptr<GdiObject> object = MakeStock(i);
      if (!object) continue;
      object->MarkStock();
      objects[i] = table.Add(std::move(object));
    }
    PixelSurface::Format mono;
    mono.bitsPerPixel = 1;
    mono.alignment = PixelSurface::RowAlignment::Word;
    auto stockBitmap = std::make_unique<GdiBitmap>(PixelSurface::Create(1, 1, mono), false);
    stockBitmap->MarkStock();
    bitmap = static_cast<HBITMAP>(table.Add(std::move(stockBitmap)));
  }
};

StockTable& Stock() {
  static StockTable* stock = new StockTable();  // lives for the whole process
  std::call_once(stock->once, [] { stock->Create(); });
  return *stock;
}

}  // namespace

HGDIOBJ StockObject(int index) {
  if (index < 0 || index > STOCK_LAST) return nullptr;
  return Stock().objects[index];
}

HBITMAP StockBitmap() { return Stock().bitmap; }
