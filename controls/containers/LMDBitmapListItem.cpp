#include "LMDBitmapListItem.h"

#include "LMDContUtils.h"
#include "LMDCustomContainer.h"

#include <SysUtils.h>
#include <TFinally.h>
#include <TypInfo.h>

using enum TComponentStateItem;
using enum TLMDContainerSource;
using enum TLMDPathPrefix;

TAWO_PUBLISHED(TLMDBitmapListItem, published) {
  published.Property("Bitmap", &TLMDBitmapListItem::Bitmap, &TLMDBitmapListItem::SetBitmap).Stored(false);
}

TLMDBitmapListItem::TLMDBitmapListItem(TComponent* owner)
    : TLMDListItem(owner), FBitmap(std::make_unique<TBitmap>()) {
  FBitmap->OnChange = TNotifyEvent(this, &TLMDBitmapListItem::BitmapChanged);
}

TLMDBitmapListItem::~TLMDBitmapListItem() { FBitmap->OnChange = nullptr; }

TBitmap* TLMDBitmapListItem::Bitmap() {
  if (FBitmap->Empty() && !ComponentState().Contains(csDesigning)) {
    BeginUpdate();
    const TFinally endUpdate([&] { EndUpdate(false); });
    LoadFromSource();
  }
  return FBitmap.get();
}

void TLMDBitmapListItem::SetBitmap(TBitmap* value) { FBitmap->Assign(value); }

void TLMDBitmapListItem::BitmapChanged(TObject*) { Change(); }

void TLMDBitmapListItem::Assign(TPersistent* source) {
  if (auto* item = dynamic_cast<TLMDBitmapListItem*>(source)) {
    BeginUpdate();
    FBitmap->Assign(item->FBitmap.get());
    FPixelFormat = item->FPixelFormat;
    EndUpdate(false);
  }
  TLMDListItem::Assign(source);
}

void TLMDBitmapListItem::FreeData() {
  BeginUpdate();
  FBitmap = std::make_unique<TBitmap>();
  FBitmap->OnChange = TNotifyEvent(this, &TLMDBitmapListItem::BitmapChanged);
  EndUpdate(false);
}

void TLMDBitmapListItem::WriteData(TStream& stream) {
  const bool hasData = !FBitmap->Empty();
  WriteStd(stream, static_cast<uint8_t>((hasData ? kFlagData : 0) | LMDPixelFormatFlags(FPixelFormat)));
  if (hasData) WriteBitmap(stream, FBitmap.get(), FPixelFormat);
}

void TLMDBitmapListItem::ReadData(TStream& stream) {
  const uint8_t flags = ReadStd(stream);
  FPixelFormat = LMDPixelFormatOfFlags(flags);
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(false); });
  if (flags & kFlagData) {
    ReadBitmap(stream, FBitmap.get());
  } else {
    FBitmap->Assign(nullptr);
  }
}

void TLMDBitmapListItem::LoadFromSource() {
  TLMDCustomContainer* list = Container();
  if (list == nullptr) return;
  const AnsiString prefixFolder = LMDCreatePathPrefix(list->Prefix(), true);
  switch (list->Source()) {
    case sdFile:
      LMDBMLGetItem(prefixFolder + list->FileName(), Ident(), FBitmap.get());
      break;
    case sdAppResource:
      FBitmap->LoadFromResourceID(GetModuleHandleA(nullptr), Ident());
      break;
    case sdPath: {
      const AnsiString folder = list->Prefix() == ppFixed ? ExtractFilePath(list->FileName()) : prefixFolder;
      const AnsiString stem = ExtractFileName(list->FileName()).substr(0, 3);
      FBitmap->LoadFromFile(folder + stem + IntToStr(Ident()) + ".bmp");
      break;
    }
    default:
      break;
  }
}
