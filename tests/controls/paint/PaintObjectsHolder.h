// A component that owns one of each painting sub-object and publishes them, as a control
// does, for form-description round trips and notification counts.
#pragma once

#include <LMDBevel.h>
#include <LMDFillObject.h>
#include <LMDGradient.h>
#include <LMDSimpleBevel.h>
#include <TComponent.h>

#include <memory>

class TPaintObjectsHolder : public TComponent {
  TAWO_CLASS(TPaintObjectsHolder, TComponent)

 public:
  explicit TPaintObjectsHolder(TComponent* owner);
  ~TPaintObjectsHolder() override;

  TLMDGradient* Gradient() const { return FGradient.get(); }
  void SetGradient(TLMDGradient* value) { FGradient->Assign(value); }
  TLMDBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TLMDBevel* value) { FBevel->Assign(value); }
  TLMDSimpleBevel* SimpleBevel() const { return FSimpleBevel.get(); }
  void SetSimpleBevel(TLMDSimpleBevel* value) { FSimpleBevel->Assign(value); }
  TLMDFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TLMDFillObject* value) { FFillObject->Assign(value); }

  void Changed(TObject* sender) { ++Changes; LastSender = sender; }
  int Changes = 0;
  TObject* LastSender = nullptr;

 private:
  std::unique_ptr<TLMDGradient> FGradient = std::make_unique<TLMDGradient>();
  std::unique_ptr<TLMDBevel> FBevel = std::make_unique<TLMDBevel>();
  std::unique_ptr<TLMDSimpleBevel> FSimpleBevel = std::make_unique<TLMDSimpleBevel>();
  std::unique_ptr<TLMDFillObject> FFillObject = std::make_unique<TLMDFillObject>();
};
