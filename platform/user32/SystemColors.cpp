#include "SystemColors.h"

#include "GdiBrush.h"
#include "GdiHandleTable.h"

#include <array>
#include <mutex>

namespace {

constexpr std::array<COLORREF, SystemColors::kCount> kClassic = {
    RGB(212, 208, 200),  // SCROLLBAR
    RGB(58, 110, 165),   // BACKGROUND
    RGB(10, 36, 106),    // ACTIVECAPTION
    RGB(128, 128, 128),  // INACTIVECAPTION
    RGB(212, 208, 200),  // MENU
    RGB(255, 255, 255),  // WINDOW
    RGB(0, 0, 0),        // WINDOWFRAME
    RGB(0, 0, 0),        // MENUTEXT
    RGB(0, 0, 0),        // WINDOWTEXT
    RGB(255, 255, 255),  // CAPTIONTEXT
    RGB(212, 208, 200),  // ACTIVEBORDER
    RGB(212, 208, 200),  // INACTIVEBORDER
    RGB(128, 128, 128),  // APPWORKSPACE
    RGB(10, 36, 106),    // HIGHLIGHT
    RGB(255, 255, 255),  // HIGHLIGHTTEXT
    RGB(212, 208, 200),  // BTNFACE
    RGB(128, 128, 128),  // BTNSHADOW
    RGB(128, 128, 128),  // GRAYTEXT
    RGB(0, 0, 0),        // BTNTEXT
    RGB(212, 208, 200),  // INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // BTNHIGHLIGHT
    RGB(64, 64, 64),     // 3DDKSHADOW
    RGB(212, 208, 200),  // 3DLIGHT
    RGB(0, 0, 0),        // INFOTEXT
    RGB(255, 255, 225),  // INFOBK
    RGB(181, 181, 181),  // (button alternate face)
    RGB(0, 0, 128),      // HOTLIGHT
    RGB(166, 202, 240),  // GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // MENUHILIGHT
    RGB(212, 208, 200),  // MENUBAR
};

struct Table {
  std::mutex mutex;
  std::array<COLORREF, SystemColors::kCount> colors = kClassic;
  std::array<HBRUSH, SystemColors::kCount> brushes{};
};

Table& TheTable() {
  static Table* table = new Table();  // lives for the whole process
  return *table;
}

}  // namespace

COLORREF SystemColors::Color(int index) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  return table.colors[index];
}

HBRUSH SystemColors::Brush(int index) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  HBRUSH& brush = table.brushes[index];
  if (!brush) {
    auto object = std::make_unique<GdiBrush>(BS_SOLID, table.colors[index], 0);
    object->MarkStock();
    brush = static_cast<HBRUSH>(GdiHandleTable::Instance().Add(std::move(object)));
  }
  return brush;
}

void SystemColors::SetColor(int index, COLORREF color) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  table.colors[index] = color & 0x00FFFFFF;
  if (table.brushes[index]) {
    if (auto* brush = GdiHandleTable::Instance().Get<GdiBrush>(table.brushes[index])) brush->SetColor(color & 0x00FFFFFF);
  }
}
