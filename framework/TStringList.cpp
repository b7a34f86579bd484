#include "TStringList.h"

#include "RTLConsts.h"

#include <algorithm>

using enum TDuplicates;

TAWO_IMPLEMENT_CLASS(TStringList)

std::size_t TStringList::Checked(int index) const {
  if (index < 0 || index >= GetCount()) Error(SListIndexError, index);
  return static_cast<std::size_t>(index);
}

AnsiString TStringList::Get(int index) const { return FItems[Checked(index)].Text; }

TObject* TStringList::GetObject(int index) const { return FItems[Checked(index)].Object; }

void TStringList::Put(int index, const AnsiString& text) {
  if (FSorted) Error(SSortedListError, 0);
  const std::size_t i = Checked(index);
  Changing();
  FItems[i].Text = text;
  Changed();
}

void TStringList::PutObject(int index, TObject* object) {
  const std::size_t i = Checked(index);
  Changing();
  FItems[i].Object = object;
  Changed();
}

void TStringList::Insert(int index, const AnsiString& text) {
  if (FSorted) Error(SSortedListError, 0);
  if (index < 0 || index > GetCount()) Error(SListIndexError, index);
  InsertItem(index, text, nullptr);
}

void TStringList::InsertItem(int index, const AnsiString& text, TObject* object) {
  Changing();
  FItems.insert(FItems.begin() + index, TItem{text, object});
  Changed();
}

int TStringList::Add(const AnsiString& text) {
  int index = GetCount();
  if (FSorted && Find(text, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) Error(SDuplicateString, 0);
  }
  InsertItem(index, text, nullptr);
  return index;
}

void TStringList::Delete(int index) {
  const std::size_t i = Checked(index);
  Changing();
  FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(i));
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  FItems.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  const std::size_t a = Checked(index1);
  const std::size_t b = Checked(index2);
  Changing();
  std::swap(FItems[a], FItems[b]);
  Changed();
}

int TStringList::CompareStrings(const AnsiString& a, const AnsiString& b) const {
  return FCaseSensitive ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

bool TStringList::Find(const AnsiString& text, int& index) const {
  int low = 0;
  int high = GetCount() - 1;
  bool found = false;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int comparison = CompareStrings(FItems[static_cast<std::size_t>(middle)].Text, text);
    if (comparison < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (comparison == 0) {
        found = true;
        if (FDuplicates != dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

int TStringList::IndexOf(const AnsiString& text) const {
  if (!FSorted) return TStrings::IndexOf(text);
  int index = 0;
  return Find(text, index) ? index : -1;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const TItem& a, const TItem& b) { return CompareStrings(a.Text, b.Text) < 0; });
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (FSorted == value) return;
  if (value) Sort();
  FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (FCaseSensitive == value) return;
  FCaseSensitive = value;
  if (FSorted) Sort();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) Changing();
  else Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}
