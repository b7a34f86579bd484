// Form descriptions, text and binary: converting and loading them must either succeed or
// raise one of the framework's exceptions; text this code writes must read back.
#include "Classes.h"
#include "TCollection.h"
#include "TComponent.h"
#include "TFiler.h"
#include "TReader.h"
#include "TStringStream.h"
#include "TWriter.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

using enum TOperation;
using enum TStreamOriginalFormat;

namespace {

TAWO_ENUM(TFuzzKind, fkNone, fkOne, fkTwo)
using TFuzzKinds = TSet<TFuzzKind>;
using enum TFuzzKind;

class TFuzzGroup : public TPersistent {
  TAWO_CLASS(TFuzzGroup, TPersistent)

 public:
  int32_t Size = 0;
  AnsiString Text;
  std::vector<int32_t> List;
  void DefineProperties(TFiler& filer) override {
    filer.DefineProperty(
        "List",
        [this](TReader& reader) {
          reader.ReadListBegin();
          while (!reader.EndOfList()) List.push_back(reader.ReadInteger());
          reader.ReadListEnd();
        },
        [this](TWriter& writer) {
          writer.WriteListBegin();
          for (int32_t value : List) writer.WriteInteger(value);
          writer.WriteListEnd();
        },
        !List.empty());
  }
};

TAWO_PUBLISHED(TFuzzGroup, published) {
  published.Property("Size", &TFuzzGroup::Size);
  published.Property("Text", &TFuzzGroup::Text);
}

class TFuzzItem : public TCollectionItem {
  TAWO_CLASS(TFuzzItem, TCollectionItem)

 public:
  explicit TFuzzItem(TCollection* collection) : TCollectionItem(collection) {}
  int32_t Value = 0;
};

TAWO_PUBLISHED(TFuzzItem, published) { published.Property("Value", &TFuzzItem::Value); }

class TFuzzComponent : public TComponent {
  TAWO_CLASS(TFuzzComponent, TComponent)

 public:
  explicit TFuzzComponent(TComponent* owner)
      : TComponent(owner), FItems(std::make_unique<TCollection>(TFuzzItem::ClassInfo())) {}
  ~TFuzzComponent() override { SetLink(nullptr); }

  int32_t Number = 0;
  int64_t Big = 0;
  bool Flag = false;
  char Letter = '\0';
  double Real = 0;
  float Small = 0;
  AnsiString Caption;
  TFuzzKind Kind = fkNone;
  TFuzzKinds Kinds;
  TNotifyEvent OnEvent;
  AnsiString Blob;

  TFuzzGroup* Group() const { return FGroup.get(); }
  void SetGroup(TFuzzGroup*) {}
  TCollection* Items() const { return FItems.get(); }
  void SetItems(TCollection* value) { FItems->Assign(value); }
  TComponent* Link() const { return FLink; }
  void SetLink(TComponent* value) {
    if (FLink != nullptr) FLink->RemoveFreeNotification(this);
    FLink = value;
    if (FLink != nullptr) FLink->FreeNotification(this);
  }
  void Handler(TObject*) {}

  void GetChildren(const TGetChildProc& proc, TComponent* root) override {
    for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
    (void)root;
  }
  TComponent* GetChildOwner() override { return this; }
  void DefineProperties(TFiler& filer) override {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Blob",
        [this](TStream& stream) {
          Blob.assign(static_cast<std::size_t>(stream.Size()), '\0');
          stream.ReadBuffer(Blob.data(), stream.Size());
        },
        [this](TStream& stream) { stream.WriteBuffer(Blob.data(), static_cast<int64_t>(Blob.size())); },
        !Blob.empty());
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FLink) FLink = nullptr;
  }

 private:
  std::unique_ptr<TFuzzGroup> FGroup = std::make_unique<TFuzzGroup>();
  std::unique_ptr<TCollection> FItems;
  TComponent* FLink = nullptr;
};

TAWO_PUBLISHED(TFuzzComponent, published) {
  published.Property("Number", &TFuzzComponent::Number).Default(0);
  published.Property("Big", &TFuzzComponent::Big);
  published.Property("Flag", &TFuzzComponent::Flag).Default(false);
  published.Property("Letter", &TFuzzComponent::Letter);
  published.Property("Real", &TFuzzComponent::Real);
  published.Property("Small", &TFuzzComponent::Small);
  published.Property("Caption", &TFuzzComponent::Caption);
  published.Property("Kind", &TFuzzComponent::Kind).Default(fkNone);
  published.Property("Kinds", &TFuzzComponent::Kinds).Default(TFuzzKinds{});
  published.Property("OnEvent", &TFuzzComponent::OnEvent);
  published.Property("Group", &TFuzzComponent::Group, &TFuzzComponent::SetGroup);
  published.Property("Items", &TFuzzComponent::Items, &TFuzzComponent::SetItems);
  published.Property("Link", &TFuzzComponent::Link, &TFuzzComponent::SetLink);
  published.Method("Handler", &TFuzzComponent::Handler);
}

void Load(const AnsiString& binary) {
  TStringStream stream(binary);
  TFuzzComponent root(nullptr);
  stream.ReadComponent(&root);
  TStringStream again;
  again.WriteComponent(&root);  // whatever was read can be written
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterClass(TFuzzComponent::ClassInfo()), true);
  (void)registered;
  const AnsiString input(reinterpret_cast<const char*>(data), size);
  TStringStream source(input);
  AnsiString binary;
  try {
    if (TestStreamFormat(source) == sofBinary) {
      binary = input;
    } else {
      TStringStream converted;
      ObjectTextToBinary(source, converted);
      binary = converted.DataString();
    }
  } catch (const Exception&) {
    return 0;
  }
  AnsiString text;
  try {
    TStringStream in(binary);
    TStringStream out;
    ObjectBinaryToText(in, out);
    text = out.DataString();
  } catch (const Exception&) {
    text.clear();
  }
  if (!text.empty()) {
    TStringStream in(text);
    TStringStream out;
    ObjectTextToBinary(in, out);  // our own text must parse: an exception here is a finding
  }
  try {
    Load(binary);
  } catch (const Exception&) {
  }
  return 0;
}
