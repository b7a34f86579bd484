// Small components and persistent objects that exercise streaming the way controls will.
#pragma once

#include "Classes.h"
#include "TCollection.h"
#include "TComponent.h"
#include "TFiler.h"
#include "TStringList.h"
#include "TypInfo.h"

#include <memory>
#include <string>
#include <vector>

TAWO_ENUM(TTestAlign, taNone, taTop, taBottom, taClient)
TAWO_ENUM(TTestStyle, tsBold, tsItalic, tsUnderline, tsStrikeOut)
using TTestStyles = TSet<TTestStyle>;

// An Integer type with named values (like a colour): clTestRed, clTestFace.
PTypeInfo TestColorType();
inline constexpr int32_t clTestRed = 0x0000FF;
inline constexpr int32_t clTestFace = static_cast<int32_t>(0x8000000F);

class TTestGradient : public TPersistent {
  TAWO_CLASS(TTestGradient, TPersistent)

 public:
  int32_t Color() const { return FColor; }
  void SetColor(int32_t value) { FColor = value; Change(); }
  int32_t ColorCount() const { return FColorCount; }
  void SetColorCount(int32_t value) { FColorCount = value; Change(); }
  // Extra stream property "ColorList": a list of integers written after the published ones.
  std::vector<int32_t> Colors;
  void DefineProperties(TFiler& filer) override;
  void Assign(TPersistent* source) override;

  TNotifyEvent OnChange;
  int Changes = 0;

 private:
  void Change() {
    ++Changes;
    OnChange(this);
  }
  int32_t FColor = clTestRed;
  int32_t FColorCount = 16;
};

class TTestFill : public TPersistent {
  TAWO_CLASS(TTestFill, TPersistent)

 public:
  TTestFill();
  TTestGradient* Gradient() const { return FGradient.get(); }
  void SetGradient(TTestGradient* value) { FGradient->Assign(value); }
  TTestAlign Style() const { return FStyle; }
  void SetStyle(TTestAlign value) { FStyle = value; }

 private:
  std::unique_ptr<TTestGradient> FGradient;
  TTestAlign FStyle = TTestAlign::taNone;
};

class TTestItem : public TCollectionItem {
  TAWO_CLASS(TTestItem, TCollectionItem)

 public:
  explicit TTestItem(TCollection* collection) : TCollectionItem(collection) {}
  void Assign(TPersistent* source) override;
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t value) { FWidth = value; Changed(false); }
  AnsiString Caption;

 private:
  int32_t FWidth = 64;
};

class TTestControl : public TComponent {
  TAWO_CLASS(TTestControl, TComponent)

 public:
  explicit TTestControl(TComponent* owner);
  ~TTestControl() override;

  AnsiString Caption;
  AnsiString Hint;
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Color = clTestFace;
  TTestAlign Align = TTestAlign::taNone;
  TTestStyles Style;
  bool Visible = true;
  double Ratio = 0;
  float Scale = 0;
  char Accel = '\0';
  int64_t Big = 0;
  TNotifyEvent OnClick;
  AnsiString Data;                 // binary defined property "Data"
  std::vector<int32_t> Numbers;    // defined property "Numbers" (a list)

  TTestFill* Fill() const { return FFill.get(); }
  void SetFill(TTestFill* value) { FFill->Gradient()->Assign(value->Gradient()); FFill->SetStyle(value->Style()); }
  TOwnedCollection* Items() const { return FItems.get(); }
  void SetItems(TOwnedCollection* value) { FItems->Assign(value); }
  TStringList* Lines() const { return FLines.get(); }
  void SetLines(TStringList* value) { FLines->Assign(value); }
  TTestControl* Next() const { return FNext; }
  void SetNext(TTestControl* value);

  TTestControl* ParentControl() const { return FParentControl; }
  void SetParentControl(TTestControl* parent);
  const std::vector<TTestControl*>& Children() const { return FChildren; }

  // What happened to the component, for order checks.
  std::vector<std::string>* Log = nullptr;
  // Where components made by the reader log their Loaded calls.
  static inline std::vector<std::string>* LoadLog = nullptr;
  int LoadedCalls = 0;
  bool LoadingWhenNameSet = false;

  bool HasParent() const override { return FParentControl != nullptr; }
  TComponent* GetParentComponent() const override { return FParentControl; }
  void SetParentComponent(TComponent* parent) override { SetParentControl(dynamic_cast<TTestControl*>(parent)); }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void DefineProperties(TFiler& filer) override;
  void SetName(const AnsiString& name) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 private:
  std::unique_ptr<TTestFill> FFill;
  std::unique_ptr<TOwnedCollection> FItems;
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  TTestControl* FNext = nullptr;
  TTestControl* FParentControl = nullptr;
  std::vector<TTestControl*> FChildren;
};

// A root: children are the controls parented to it, then owned components without a parent.
class TTestForm : public TTestControl {
  TAWO_CLASS(TTestForm, TTestControl)

 public:
  explicit TTestForm(TComponent* owner) : TTestControl(owner) {}
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  // Published handlers and fields.
  void ButtonClick(TObject* sender);
  void FormClick(TObject* sender);
  void Unpublished(TObject* sender);
  TTestControl* Button1 = nullptr;
  std::vector<TObject*> Clicks;
};

// A non-visual component: no parent, design position kept in DesignInfo, one reference.
class TTestTimer : public TComponent {
  TAWO_CLASS(TTestTimer, TComponent)

 public:
  explicit TTestTimer(TComponent* owner) : TComponent(owner) {}
  TComponent* Target() const { return FTarget; }
  void SetTarget(TComponent* value);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TComponent* FTarget = nullptr;
};

// Registers the test classes once.
void RegisterTestClasses();
