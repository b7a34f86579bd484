#include "TSizeConstraints.h"

#include "TControl.h"

#include <algorithm>

TAWO_PUBLISHED(TSizeConstraints, published) {
  published.Property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
  published.Property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
  published.Property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
  published.Property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

namespace {

// Stores a minimum; the maximum of the same axis rises to it when it was lower.
bool StoreMinimum(int value, int& minimum, int& maximum) {
  value = std::max(value, 0);
  if (value == minimum) return false;
  minimum = value;
  if (maximum > 0 && value > maximum) maximum = value;
  return true;
}

// Stores a maximum; the minimum of the same axis falls to it when it was higher.
bool StoreMaximum(int value, int& minimum, int& maximum) {
  value = std::max(value, 0);
  if (value == maximum) return false;
  maximum = value;
  if (value > 0 && value < minimum) minimum = value;
  return true;
}

int Limit(int size, int minimum, int maximum) {
  if (maximum > 0 && size > maximum) return maximum;
  if (minimum > 0 && size < minimum) return minimum;
  return size;
}

}  // namespace

void TSizeConstraints::SetMinWidth(int value) {
  if (StoreMinimum(value, FMinWidth, FMaxWidth)) Change();
}

void TSizeConstraints::SetMinHeight(int value) {
  if (StoreMinimum(value, FMinHeight, FMaxHeight)) Change();
}

void TSizeConstraints::SetMaxWidth(int value) {
  if (StoreMaximum(value, FMinWidth, FMaxWidth)) Change();
}

void TSizeConstraints::SetMaxHeight(int value) {
  if (StoreMaximum(value, FMinHeight, FMaxHeight)) Change();
}

void TSizeConstraints::Apply(int& width, int& height) const {
  width = Limit(width, FMinWidth, FMaxWidth);
  height = Limit(height, FMinHeight, FMaxHeight);
}

void TSizeConstraints::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TSizeConstraints*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  FMinWidth = other->FMinWidth;
  FMinHeight = other->FMinHeight;
  FMaxWidth = other->FMaxWidth;
  FMaxHeight = other->FMaxHeight;
  Change();
}

TPersistent* TSizeConstraints::GetOwner() const { return FControl; }
