#include "TestComponents.h"

#include "TReader.h"
#include "TStream.h"
#include "TWriter.h"

#include <algorithm>

using enum TComponentStateItem;
using enum TOperation;
using enum TOrdType;
using enum TTestAlign;
using enum TTypeKind;

PTypeInfo TestColorType() {
  static const TTypeInfo info = TTypeInfo::Ordinal(tkInteger, "TTestColor", otSLong, INT32_MIN, INT32_MAX);
  return &info;
}

TAWO_PUBLISHED(TTestGradient, published) {
  published.Property("Color", &TTestGradient::Color, &TTestGradient::SetColor).Type(TestColorType()).Default(clTestRed);
  published.Property("ColorCount", &TTestGradient::ColorCount, &TTestGradient::SetColorCount).Default(16);
}

void TTestGradient::DefineProperties(TFiler& filer) {
  const auto* ancestor = dynamic_cast<const TTestGradient*>(filer.Ancestor());
  filer.DefineProperty(
      "ColorList",
      [this](TReader& reader) {
        Colors.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) Colors.push_back(reader.ReadInteger());
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int32_t color : Colors) writer.WriteInteger(color);
        writer.WriteListEnd();
      },
      ancestor != nullptr ? Colors != ancestor->Colors : !Colors.empty());
}

void TTestGradient::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TTestGradient*>(source)) {
    FColor = other->FColor;
    FColorCount = other->FColorCount;
    Colors = other->Colors;
    Change();
    return;
  }
  TPersistent::Assign(source);
}

TAWO_PUBLISHED(TTestFill, published) {
  published.Property("Gradient", &TTestFill::Gradient, &TTestFill::SetGradient);
  published.Property("Style", &TTestFill::Style, &TTestFill::SetStyle).Default(taNone);
}

TTestFill::TTestFill() : FGradient(std::make_unique<TTestGradient>()) {}

TAWO_PUBLISHED(TTestItem, published) {
  published.Property("Width", &TTestItem::Width, &TTestItem::SetWidth).Default(64);
  published.Property("Caption", &TTestItem::Caption);
}

void TTestItem::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TTestItem*>(source)) {
    FWidth = other->FWidth;
    Caption = other->Caption;
    Changed(false);
    return;
  }
  TCollectionItem::Assign(source);
}

TAWO_PUBLISHED(TTestControl, published) {
  published.Property("Left", &TTestControl::Left);
  published.Property("Top", &TTestControl::Top);
  published.Property("Width", &TTestControl::Width);
  published.Property("Height", &TTestControl::Height);
  published.Property("Caption", &TTestControl::Caption);
  published.Property("Color", &TTestControl::Color).Type(TestColorType()).Default(clTestFace);
  published.Property("Align", &TTestControl::Align).Default(taNone);
  published.Property("Style", &TTestControl::Style).Default(TTestStyles{});
  published.Property("Visible", &TTestControl::Visible).Default(true);
  published.Property("Ratio", &TTestControl::Ratio);
  published.Property("Scale", &TTestControl::Scale);
  published.Property("Accel", &TTestControl::Accel).Default('\0');
  published.Property("Big", &TTestControl::Big);
  published.Property("Fill", &TTestControl::Fill, &TTestControl::SetFill);
  published.Property("Items", &TTestControl::Items, &TTestControl::SetItems);
  published.Property("Next", &TTestControl::Next, &TTestControl::SetNext);
  published.Property("Hint", &TTestControl::Hint);
  published.Property("OnClick", &TTestControl::OnClick);
  published.Property("Lines", &TTestControl::Lines, &TTestControl::SetLines);
}

TTestControl::TTestControl(TComponent* owner)
    : TComponent(owner),
      FFill(std::make_unique<TTestFill>()),
      FItems(std::make_unique<TOwnedCollection>(this, TTestItem::ClassInfo())) {}

TTestControl::~TTestControl() {
  if (Log != nullptr) {
    Log->push_back("destroy " + Name() + (ComponentState().Contains(csDestroying) ? " destroying" : "") +
                   (FNext != nullptr ? " next=" + FNext->Name() : ""));
  }
  while (!FChildren.empty()) FChildren.back()->SetParentControl(nullptr);
  SetParentControl(nullptr);
}

void TTestControl::SetNext(TTestControl* value) {
  if (FNext == value) return;
  if (FNext != nullptr) FNext->RemoveFreeNotification(this);
  FNext = value;
  if (FNext != nullptr) FNext->FreeNotification(this);
}

void TTestControl::SetParentControl(TTestControl* parent) {
  if (FParentControl == parent) return;
  if (FParentControl != nullptr) {
    auto& siblings = FParentControl->FChildren;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  FParentControl = parent;
  if (parent != nullptr) parent->FChildren.push_back(this);
}

void TTestControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TTestControl* child : FChildren) {
    if (child->Owner() == root) proc(child);
  }
}

void TTestControl::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  const auto* ancestor = dynamic_cast<const TTestControl*>(filer.Ancestor());
  filer.DefineBinaryProperty(
      "Data",
      [this](TStream& stream) {
        Data.assign(static_cast<std::size_t>(stream.Size()), '\0');
        stream.ReadBuffer(Data.data(), stream.Size());
      },
      [this](TStream& stream) { stream.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size())); },
      ancestor != nullptr ? Data != ancestor->Data : !Data.empty());
  filer.DefineProperty(
      "Numbers",
      [this](TReader& reader) {
        Numbers.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) Numbers.push_back(reader.ReadInteger());
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int32_t n : Numbers) writer.WriteInteger(n);
        writer.WriteListEnd();
      },
      ancestor != nullptr ? Numbers != ancestor->Numbers : !Numbers.empty());
}

void TTestControl::SetName(const AnsiString& name) {
  LoadingWhenNameSet = ComponentState().Contains(csLoading);
  TComponent::SetName(name);
}

void TTestControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (Log != nullptr) {
    Log->push_back(std::string(operation == opInsert ? "insert " : "remove ") +
                   (component != nullptr ? component->Name() : "") + " at " + Name());
  }
  if (operation == opRemove && component == FNext) FNext = nullptr;
}

void TTestControl::Loaded() {
  TComponent::Loaded();
  ++LoadedCalls;
  std::vector<std::string>* log = Log != nullptr ? Log : LoadLog;
  if (log != nullptr) {
    log->push_back("loaded " + Name() + (FNext != nullptr ? " next=" + FNext->Name() : "") +
                   (ComponentState().Contains(csLoading) ? " loading" : ""));
  }
}

TAWO_PUBLISHED(TTestForm, published) {
  published.Method("ButtonClick", &TTestForm::ButtonClick);
  published.Method("FormClick", &TTestForm::FormClick);
  published.Field("Button1", &TTestForm::Button1);
}

void TTestForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  TTestControl::GetChildren(proc, root);
  for (int i = 0; i < ComponentCount(); ++i) {
    if (!Components(i)->HasParent()) proc(Components(i));
  }
}

void TTestForm::ButtonClick(TObject* sender) { Clicks.push_back(sender); }
void TTestForm::FormClick(TObject* sender) { Clicks.push_back(sender); }
void TTestForm::Unpublished(TObject* sender) { Clicks.push_back(sender); }

TAWO_PUBLISHED(TTestTimer, published) {
  published.Property("Target", &TTestTimer::Target, &TTestTimer::SetTarget);
}

void TTestTimer::SetTarget(TComponent* value) {
  if (FTarget == value) return;
  if (FTarget != nullptr) FTarget->RemoveFreeNotification(this);
  FTarget = value;
  if (FTarget != nullptr) FTarget->FreeNotification(this);
}

void TTestTimer::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FTarget) FTarget = nullptr;
}

void RegisterTestClasses() {
  static const bool registered = [] {
    RegisterClasses({TTestControl::ClassInfo(), TTestForm::ClassInfo(), TTestTimer::ClassInfo()});
    RegisterIntegerConsts(
        TestColorType(),
        [](const AnsiString& ident, int32_t& value) {
          if (SameText(ident, "clTestRed")) value = clTestRed;
          else if (SameText(ident, "clTestFace")) value = clTestFace;
          else return false;
          return true;
        },
        [](int32_t value, AnsiString& ident) {
          if (value == clTestRed) ident = "clTestRed";
          else if (value == clTestFace) ident = "clTestFace";
          else return false;
          return true;
        });
    return true;
  }();
  (void)registered;
}
