// Base of every GDI object (pens, brushes, fonts, bitmaps, regions, palettes, DCs).
#pragma once

#include <windows.h>

class GdiObject {
 public:
  explicit GdiObject(DWORD type) : type_(type) {}
  virtual ~GdiObject() = default;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  DWORD Type() const { return type_; }

  // Stock objects are never deleted; DeleteObject on them is a harmless no-op.
  bool IsStock() const { return stock_; }
  void MarkStock() { stock_ = true; }

  // A pen, brush, font, palette or bitmap may be selected into DCs. Deleting it while
  // selected is deferred until the last DC lets go of it, so no DC ever holds a dangling object.
  int SelectionCount() const { return selections_; }
  void AddSelection() { ++selections_; }
  void RemoveSelection() { --selections_; }
  bool DeletePending() const { return deletePending_; }
  void MarkDeletePending() { deletePending_ = true; }

 private:
  DWORD type_;
  bool stock_ = false;
  bool deletePending_ = false;
  int selections_ = 0;
};
