// Unit Classes: TCollection and TCollectionItem, an owned list of items of one class that is
// streamed as `< item ... end >`.
#pragma once

#include "Classes.h"
#include "TPersistent.h"

#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
  TAWO_CLASS(TCollectionItem, TPersistent)

 public:
  using ConstructorArgument = TCollection;

  // Joins `collection` (if any) at its end.
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  void SetCollection(TCollection* collection);
  int ID() const { return FID; }
  int Index() const;
  virtual void SetIndex(int index);
  virtual AnsiString DisplayName() const { return ClassName(); }
  // Collection path and index: "Form1.Columns[2]".
  AnsiString GetNamePath() const override;

 protected:
  TPersistent* GetOwner() const override;
  // Tells the collection: this item (false) or the whole collection (true) changed.
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
  TAWO_CLASS(TCollection, TPersistent)

 public:
  explicit TCollection(TClass itemClass);
  ~TCollection() override;

  TClass ItemClass() const { return FItemClass; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int index) const;
  // Creates an item of ItemClass at the end (or at `index`).
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  TCollectionItem* FindItemID(int id) const;
  // Updates are counted; the last EndUpdate reports one change of everything.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Copies the items of another collection (through the items' Assign).
  void Assign(TPersistent* source) override;
  // Owner path and the owner's property holding this collection: "Form1.Columns".
  AnsiString GetNamePath() const override;
  TPersistent* Owner() const { return GetOwner(); }

 protected:
  // A change of one item, or of everything when `item` is null; counted updates defer it.
  virtual void Update(TCollectionItem* item);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  TCollectionItem* CreateItem();

  TClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};

// A collection that knows its owner (for name paths and the designer).
class TOwnedCollection : public TCollection {
  TAWO_CLASS(TOwnedCollection, TCollection)

 public:
  TOwnedCollection(TPersistent* owner, TClass itemClass) : TCollection(itemClass), FOwner(owner) {}

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};
