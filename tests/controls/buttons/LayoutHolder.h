// A component that owns a glyph-and-text layout and a button layout and publishes them, as a
// control does, for form-description round trips and notification counts.
#pragma once

#include <LMDButtonLayout.h>
#include <TComponent.h>

#include <memory>

class TLayoutHolder : public TComponent {
  TAWO_CLASS(TLayoutHolder, TComponent)

 public:
  explicit TLayoutHolder(TComponent* owner);
  ~TLayoutHolder() override;

  TLMDGlyphTextLayout* Layout() const { return FLayout.get(); }
  void SetLayout(TLMDGlyphTextLayout* value) { FLayout->Assign(value); }
  TLMDButtonLayout* ButtonLayout() const { return FButtonLayout.get(); }
  void SetButtonLayout(TLMDButtonLayout* value) { FButtonLayout->Assign(value); }

  void Changed(TObject* sender) {
    ++Changes;
    LastSender = sender;
  }
  int Changes = 0;
  TObject* LastSender = nullptr;

 private:
  std::unique_ptr<TLMDGlyphTextLayout> FLayout = std::make_unique<TLMDGlyphTextLayout>();
  std::unique_ptr<TLMDButtonLayout> FButtonLayout = std::make_unique<TLMDButtonLayout>();
};
