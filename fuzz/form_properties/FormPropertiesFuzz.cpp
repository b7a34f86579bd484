// Forms made of the real framework and library classes, text or binary: the properties with
// readers of their own (picture data, gradient colour lists, image-list records, string lists)
// get hostile bytes. Loading either succeeds or raises one of the framework's exceptions, and
// whatever was loaded can be written again.
#include <windows.h>

#include <Classes.h>
#include <LMDBitmapList.h>
#include <LMDButton.h>
#include <LMDGradient.h>
#include <LMDImageList.h>
#include <LMDProgressFill.h>
#include <TBitBtn.h>
#include <TButton.h>
#include <TForm.h>
#include <TImage.h>
#include <TImageList.h>
#include <TLabel.h>
#include <TPanel.h>
#include <TPicture.h>
#include <TStatusBar.h>
#include <TStringList.h>
#include <TStringStream.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

using enum TStreamOriginalFormat;

namespace {

// Holds the readers no registered control publishes on its own: a string list and a gradient.
class TFuzzHolder : public TComponent {
  TAWO_CLASS(TFuzzHolder, TComponent)

 public:
  explicit TFuzzHolder(TComponent* owner) : TComponent(owner) {}

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* value) { FLines->Assign(value); }
  TLMDGradient* Gradient() const { return FGradient.get(); }
  void SetGradient(TLMDGradient* value) { FGradient->Assign(value); }
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* value) { FPicture->Assign(value); }

 private:
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  std::unique_ptr<TLMDGradient> FGradient = std::make_unique<TLMDGradient>();
  std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
};

TAWO_PUBLISHED(TFuzzHolder, published) {
  published.Property("Lines", &TFuzzHolder::Lines, &TFuzzHolder::SetLines);
  published.Property("Gradient", &TFuzzHolder::Gradient, &TFuzzHolder::SetGradient);
  published.Property("Picture", &TFuzzHolder::Picture, &TFuzzHolder::SetPicture);
}

bool Register() {
  setenv("WINDISPLAY", "headless", 0);
  RegisterClasses({TFuzzHolder::ClassInfo(), TImage::ClassInfo(), TLabel::ClassInfo(), TPanel::ClassInfo(),
                   TButton::ClassInfo(), TBitBtn::ClassInfo(), TStatusBar::ClassInfo(), TImageList::ClassInfo(),
                   TLMDButton::ClassInfo(), TLMDProgressFill::ClassInfo(), TLMDBitmapList::ClassInfo(),
                   TLMDImageList::ClassInfo()});
  return true;
}

AnsiString Binary(const AnsiString& input) {
  TStringStream source(input);
  if (TestStreamFormat(source) == sofBinary) return input;
  TStringStream converted;
  ObjectTextToBinary(source, converted);
  return converted.DataString();
}

void Load(const AnsiString& binary) {
  auto form = std::make_unique<TForm>(nullptr);
  TStringStream stream(binary);
  stream.ReadComponent(form.get());
  TStringStream again;
  again.WriteComponent(form.get());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = Register();
  (void)registered;
  try {
    Load(Binary(AnsiString(reinterpret_cast<const char*>(data), size)));
  } catch (const Exception&) {
  }
  return 0;
}
