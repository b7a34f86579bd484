// Unit lmdcont: TLMDContainer, four lists in one (bitmaps, image strips, strings, waves), and
// the global LMDContainer whose lists every form of the program shares. Controls name a global
// list in form descriptions by its list signature ("LMDBML30", "LMDIML30", ...) instead of a
// component reference; the global lists have no name, so no reference to them is ever written.
#pragma once

#include "LMDBitmapList.h"
#include "LMDImageList.h"
#include "LMDStringList.h"
#include "LMDWaveList.h"

#include <LMDBase.h>
#include <LMDBaseContainer.h>
#include <TFiler.h>
#include <TReader.h>
#include <TUnitGlobal.h>
#include <TWriter.h>

#include <functional>
#include <memory>

class TLMDContainer : public TLMDBaseContainer {
  TAWO_CLASS(TLMDContainer, TLMDBaseContainer)

 public:
  explicit TLMDContainer(TComponent* owner);
  ~TLMDContainer() override;

  TLMDBitmapList* BitmapList() const { return FBitmapList.get(); }
  TLMDImageList* ImageList() const { return FImageList.get(); }
  TLMDStringList* StringList() const { return FStringList.get(); }
  TLMDWaveList* WaveList() const { return FWaveList.get(); }
  // The setters copy into the owned lists.
  void SetBitmapList(TLMDBitmapList* value) { FBitmapList->Assign(value); }
  void SetImageList(TLMDImageList* value) { FImageList->Assign(value); }
  void SetStringList(TLMDStringList* value) { FStringList->Assign(value); }
  void SetWaveList(TLMDWaveList* value) { FWaveList->Assign(value); }

  // This container's list of the given type; none for the other types.
  TLMDCustomContainer* ListOfType(TLMDListItemClassType type) const;
  void Clear();

  // A list changed. While a form is designed a container other than the global one passes the
  // list on to the global list of its kind, so the designer shows what the program will use.
  void GetChange(TObject* sender) override;

 private:
  std::unique_ptr<TLMDBitmapList> FBitmapList;
  std::unique_ptr<TLMDImageList> FImageList;
  std::unique_ptr<TLMDStringList> FStringList;
  std::unique_ptr<TLMDWaveList> FWaveList;
};

// Made by the library's start-up on first use, freed at program end.
extern TUnitGlobal<TLMDContainer> LMDContainer;

// Whether `list` is one of the global container's lists.
bool LMDIsGlobalIdent(const TComponent* list);
// Writes the signature naming the global list `list` (which LMDIsGlobalIdent accepts).
void LMDWriteGlobalIdent(TWriter& writer, const TComponent* list);
// Reads a signature and returns the global list it names; none for any other text.
TLMDCustomContainer* LMDReadGlobalIdent(TReader& reader);
class TLMDCustomImageList;
// The hidden "Internal" stream property of a holder of an image list (or another property of
// that kind, named `name`): written, as the list's global ident, only when `list` is a global
// list; read back, it hands `setImageList` the global image list named, or none for any other
// text.
void LMDDefineInternal(TFiler& filer, const TLMDCustomImageList* list,
                       const std::function<void(TLMDCustomImageList*)>& setImageList,
                       const char* name = IDS_INTERNAL);
// Lists holding one picture per item: the bitmap list and the picture list.
bool LMDIsSingleItemImageList(const TComponent* list);
// Connectors to the framework's image lists, whose items are complete only after loading.
bool LMDIsCollectionImageList(const TComponent* list);
