#include "TPicture.h"

#include "TBitmap.h"
#include "TFiler.h"
#include "TStream.h"

#include <mutex>
#include <vector>

TAWO_IMPLEMENT_CLASS(TPicture)

namespace {

struct TFileFormat {
  AnsiString Extension;
  TClass GraphicClass;
};

std::mutex gFormatsLock;

std::vector<TFileFormat>& FileFormats() {
  static std::vector<TFileFormat> formats{{"bmp", TBitmap::ClassInfo()}};
  return formats;
}

TClass FindFormat(const auto& matches) {
  std::lock_guard lock(gFormatsLock);
  for (const TFileFormat& format : FileFormats()) {
    if (matches(format)) return format.GraphicClass;
  }
  return nullptr;
}

std::unique_ptr<TGraphic> NewGraphic(TClass graphicClass) {
  std::unique_ptr<TObject> object(graphicClass->Create(nullptr));
  auto* graphic = dynamic_cast<TGraphic*>(object.get());
  if (graphic == nullptr) throw EInvalidGraphic(SInvalidBitmap);
  object.release();
  return std::unique_ptr<TGraphic>(graphic);
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const AnsiString& extension, TClass graphicClass) {
  std::lock_guard lock(gFormatsLock);
  FileFormats().push_back({extension, graphicClass});
}

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> graphic) {
  FGraphic = std::move(graphic);
  if (FGraphic != nullptr) FGraphic->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
}

void TPicture::GraphicChanged(TObject*) { Changed(); }

void TPicture::SetGraphic(TGraphic* graphic) {
  std::unique_ptr<TGraphic> copy;
  if (graphic != nullptr) {
    copy = NewGraphic(graphic->ClassType());
    copy->Assign(graphic);
  }
  TakeGraphic(std::move(copy));
  Changed();
}

void TPicture::SetBitmap(TBitmap* bitmap) { SetGraphic(bitmap); }

TBitmap* TPicture::Bitmap() {
  if (dynamic_cast<TBitmap*>(FGraphic.get()) == nullptr) {
    TakeGraphic(std::make_unique<TBitmap>());
    Changed();
  }
  return static_cast<TBitmap*>(FGraphic.get());
}

int32_t TPicture::Width() const { return FGraphic != nullptr ? FGraphic->Width() : 0; }
int32_t TPicture::Height() const { return FGraphic != nullptr ? FGraphic->Height() : 0; }

void TPicture::LoadFromFile(const AnsiString& fileName) {
  AnsiString extension = ExtractFileExt(fileName);
  if (!extension.empty()) extension.erase(0, 1);
  TClass graphicClass = FindFormat([&](const TFileFormat& format) { return SameText(format.Extension, extension); });
  if (graphicClass == nullptr) throw EInvalidGraphic(Format(SUnknownExtension, {extension}));
  std::unique_ptr<TGraphic> graphic = NewGraphic(graphicClass);
  graphic->LoadFromFile(fileName);
  TakeGraphic(std::move(graphic));
  Changed();
}

void TPicture::SaveToFile(const AnsiString& fileName) {
  if (FGraphic != nullptr) FGraphic->SaveToFile(fileName);
}

void TPicture::Assign(TPersistent* source) {
  if (source == nullptr) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
    SetGraphic(picture->Graphic());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    inherited::Assign(source);
  }
}

void TPicture::ReadData(TStream& stream) {
  uint8_t length = 0;
  stream.ReadBuffer(&length, 1);
  AnsiString className(length, '\0');
  stream.ReadBuffer(className.data(), length);
  TClass graphicClass = FindFormat([&](const TFileFormat& format) {
    return SameText(format.GraphicClass->ClassName(), className);
  });
  if (graphicClass == nullptr) throw EInvalidGraphic(SInvalidBitmap);
  std::unique_ptr<TGraphic> graphic = NewGraphic(graphicClass);
  graphic->ReadData(stream);
  TakeGraphic(std::move(graphic));
  Changed();
}

void TPicture::WriteData(TStream& stream) {
  const AnsiString& className = FGraphic->ClassName();
  const auto length = static_cast<uint8_t>(className.size());
  stream.WriteBuffer(&length, 1);
  stream.WriteBuffer(className.data(), length);
  FGraphic->WriteData(stream);
}

bool TPicture::DataDiffers(TPicture* ancestor) const {
  if (ancestor == nullptr) return FGraphic != nullptr;
  if (FGraphic == nullptr || ancestor->FGraphic == nullptr) return FGraphic != ancestor->FGraphic;
  return !FGraphic->Equals(ancestor->FGraphic.get());
}

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); }, [this](TStream& stream) { WriteData(stream); },
      DataDiffers(dynamic_cast<TPicture*>(filer.Ancestor())));
}
