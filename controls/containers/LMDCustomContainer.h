// Unit lmdcont: TLMDCustomContainer, the ordered list of items every container keeps, with its
// binary list record and the container file (a signature, the list record and an offset table
// so single items can be read without loading the list).
#pragma once

#include "LMDListItem.h"

#include <LMDBaseContainer.h>
#include <LMDProcs.h>

#include <cstdint>
#include <vector>

TAWO_ENUM(TLMDListItemClassType, icImageList, icBitmap, icWave, icStringList, icGeneric, icRTF, icInvalid)
TAWO_ENUM(TLMDContainerSource, sdComponent, sdFile, sdAppResource, sdLibResource, sdPath)

class TLMDCustomContainer : public TLMDBaseContainer {
  TAWO_CLASS(TLMDCustomContainer, TLMDBaseContainer)

 public:
  explicit TLMDCustomContainer(TComponent* owner);
  ~TLMDCustomContainer() override;

  int Count() const { return static_cast<int>(FItems.size()); }
  bool Empty() const { return FItems.empty(); }
  // Raises EListError past the end.
  TLMDListItem* Items(int index) const;
  int IndexOf(const TLMDListItem* item) const;
  // First item whose description equals `name` exactly; none when absent.
  TLMDListItem* ItemByName(const AnsiString& name) const;

  // Without an item a new one of the list's item kind is made; the container owns it.
  int Add(TLMDListItem* item = nullptr);
  void Insert(int index, TLMDListItem* item = nullptr);
  void Delete(int index);
  void Move(int current, int target);
  void Clear();
  // Appends copies of the other list's items, then notifies once.
  void AddList(TLMDCustomContainer* other);
  void Assign(TPersistent* source) override;
  // Clients hear nothing between BeginUpdate and EndUpdate.
  void Change() override;
  // The container's OnChange with the changed item as sender.
  void Update(TLMDListItem* item);

  bool DefaultCompressed() const { return FDefaultCompressed; }
  void SetDefaultCompressed(bool value) { FDefaultCompressed = value; }
  TLMDContainerSource Source() const { return FSource; }
  // A new source makes the items drop their data, to be loaded again from there.
  void SetSource(TLMDContainerSource value);
  TLMDPathPrefix Prefix() const { return FPrefix; }
  void SetPrefix(TLMDPathPrefix value);
  const AnsiString& FileName() const { return FFileName; }
  void SetFileName(const AnsiString& value) { FFileName = value; }

  virtual TLMDListItemClassType ListType() const = 0;

  // The list record without offset table.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream);
  // The container file of the list's type; a file of another type raises Exception.
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildOwner() override { return this; }

 protected:
  // A new item of the list's kind, owned by the container.
  virtual TLMDListItem* CreateItem() = 0;
  // Settings copied by Assign besides the items.
  virtual void AssignSettings(TLMDCustomContainer* source);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Place(int index, TLMDListItem* item);
  void ReadList(TStream& stream, bool withOffsets);
  void WriteList(TStream& stream, bool withOffsets);

  std::vector<TLMDListItem*> FItems;
  bool FDefaultCompressed = false;
  TLMDContainerSource FSource = TLMDContainerSource::sdComponent;
  TLMDPathPrefix FPrefix = TLMDPathPrefix::ppProgram;
  AnsiString FFileName;
};
