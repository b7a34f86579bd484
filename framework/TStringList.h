// Unit Classes: TStringList, the string list that stores its strings, optionally sorted.
#pragma once

#include "TStrings.h"

#include <vector>

TAWO_ENUM(TDuplicates, dupIgnore, dupAccept, dupError)

class TStringList : public TStrings {
  TAWO_CLASS(TStringList, TStrings)

 public:
  TStringList() = default;

  AnsiString Get(int index) const override;
  int GetCount() const override { return static_cast<int>(FItems.size()); }
  TObject* GetObject(int index) const override;
  // Not allowed on a sorted list (EStringListError).
  void Put(int index, const AnsiString& text) override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const AnsiString& text) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  // Sorted: at its place, duplicates as Duplicates says.
  int Add(const AnsiString& text) override;
  int IndexOf(const AnsiString& text) const override;

  // Binary search of a sorted list: true when found; `index` is where it is or would go.
  bool Find(const AnsiString& text, int& index) const;
  void Sort();

  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool value);

  // After and before each change, unless an update is in progress.
  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  int CompareStrings(const AnsiString& a, const AnsiString& b) const override;
  void Changed();
  void Changing();

 private:
  struct TItem {
    AnsiString Text;
    TObject* Object = nullptr;
  };
  std::size_t Checked(int index) const;
  void InsertItem(int index, const AnsiString& text, TObject* object);

  std::vector<TItem> FItems;
  bool FSorted = false;
  TDuplicates FDuplicates = TDuplicates::dupIgnore;
  bool FCaseSensitive = false;
};
