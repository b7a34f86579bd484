// The background bitmap effect both control bases own: streamed as a nested property, a change
// repaints the control, and its cached result is dropped when the background may have changed.
#include <gtest/gtest.h>

#include <LMDBitmapList.h>
#include <LMDCustomControl.h>
#include <LMDGraphicControl.h>

#include "../../framework/ControlTestSupport.h"
#include "../paint/FormTextSupport.h"

#include <functional>
#include <string>
#include <vector>

namespace {

template <class TBase>
class TBackFXProbe : public TBase {
 public:
  explicit TBackFXProbe(TComponent* owner) : TBase(owner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TBase::Paint();
  }
};

class TGraphicFX : public TBackFXProbe<TLMDGraphicControl> {
  TAWO_CLASS(TGraphicFX, TLMDGraphicControl)

 public:
  explicit TGraphicFX(TComponent* owner) : TBackFXProbe(owner) {}
};

class TWindowedFX : public TBackFXProbe<TLMDCustomControl> {
  TAWO_CLASS(TWindowedFX, TLMDCustomControl)

 public:
  explicit TWindowedFX(TComponent* owner) : TBackFXProbe(owner) {}
  bool KeepsBackground = false;
  bool BackBitmapCheck() override { return KeepsBackground; }
};

TAWO_PUBLISHED(TGraphicFX, published) {
  published.Property("BackFX", &TGraphicFX::BackFX, &TGraphicFX::SetBackFX);
}
TAWO_PUBLISHED(TWindowedFX, published) {
  published.Property("BackFX", &TWindowedFX::BackFX, &TWindowedFX::SetBackFX);
}

class BackFXTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = ShowForm(100, 100, 300, 200);
    graphic_ = new TGraphicFX(form_);
    graphic_->SetName("Graphic");
    graphic_->SetParent(form_);
    graphic_->SetBounds(10, 10, 60, 20);
    windowed_ = new TWindowedFX(form_);
    windowed_->SetName("Windowed");
    windowed_->SetParent(form_);
    windowed_->SetBounds(10, 50, 80, 40);
    WinportDispatchPending();
  }

  // Both bases, by the object each owns and the paints each counts.
  struct TProbe {
    const char* name;
    TControl* control;
    TLMDBitmapEffectObject* effect;
    int* paints;
  };
  std::vector<TProbe> Probes() {
    return {{"graphic", graphic_, graphic_->BackFX(), &graphic_->Paints},
            {"windowed", windowed_, windowed_->BackFX(), &windowed_->Paints}};
  }

  TForm* form_ = nullptr;
  TGraphicFX* graphic_ = nullptr;
  TWindowedFX* windowed_ = nullptr;
};

TEST_F(BackFXTest, OnlyChangedEffectPropertiesAreStreamedAndReadBack) {
  for (const TProbe& probe : Probes()) {
    SCOPED_TRACE(probe.name);
    auto* root = static_cast<TComponent*>(probe.control);
    // Strength has no stored default: a float is written unless it is 0.
    const AnsiString defaults = FormText(root);
    for (const char* name : {"GrayScale", "Brightness", "Buffered", "FillObject", "ImageIndex", "Internal"}) {
      EXPECT_EQ(defaults.find(name), AnsiString::npos) << name << "\n" << defaults;
    }

    TLMDBitmapEffectObject settings;
    settings.SetBoolean(2, true);
    settings.SetBrightness(-20);
    settings.AlphaBlend()->SetSingle(0.25f);
    if (probe.control == graphic_) graphic_->SetBackFX(&settings);
    else windowed_->SetBackFX(&settings);
    EXPECT_NE(probe.effect, &settings) << "the owned object stays";
    const AnsiString text = FormText(root);
    for (const char* line : {"BackFX.GrayScale = True", "BackFX.Brightness = -20", "BackFX.AlphaBlend.Strength = 0.25"}) {
      EXPECT_NE(text.find(line), AnsiString::npos) << line << "\n" << text;
    }

    TLMDBitmapEffectObject fresh;
    probe.effect->Assign(&fresh);
    LoadFormText(text, root);
    EXPECT_TRUE(probe.effect->GrayScale());
    EXPECT_EQ(probe.effect->Brightness(), -20);
    EXPECT_FLOAT_EQ(probe.effect->AlphaBlend()->Strength(), 0.25f);
  }
}

TEST_F(BackFXTest, AnEffectChangeRepaintsTheControl) {
  for (const TProbe& probe : Probes()) {
    SCOPED_TRACE(probe.name);
    *probe.paints = 0;
    probe.effect->SetBoolean(3, true);
    WinportDispatchPending();
    EXPECT_GE(*probe.paints, 1);
  }
}

TEST_F(BackFXTest, TheBufferedEffectIsDroppedWhenTheBackgroundMayHaveChanged) {
  const struct {
    const char* what;
    bool windowed;
    bool copiesBackground;
    std::function<void(TControl*)> act;
    bool dropped;
  } cases[] = {
      {"background changed", false, false, [](TControl* c) { c->Perform(CM_LMDBACKCHANGED, 0, 0); }, true},
      {"background changed", true, false, [](TControl* c) { c->Perform(CM_LMDBACKCHANGED, 0, 0); }, true},
      {"resized", true, false, [](TControl* c) { c->SetWidth(c->Width() + 7); }, true},
      {"moved", true, false, [](TControl* c) { c->SetLeft(c->Left() + 7); }, false},
      {"moved over a copied background", true, true, [](TControl* c) { c->SetLeft(c->Left() + 7); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.windowed ? "windowed, " : "graphic, ") + c.what);
    windowed_->KeepsBackground = c.copiesBackground;
    windowed_->SetTransparent(c.copiesBackground);
    WinportDispatchPending();
    TControl* control = c.windowed ? static_cast<TControl*>(windowed_) : graphic_;
    TLMDBitmapEffectObject* effect = c.windowed ? windowed_->BackFX() : graphic_->BackFX();
    effect->SetBoolean(4, true);
    TBitmap picture;
    picture.SetSize(4, 4);
    effect->Draw(&picture);
    ASSERT_TRUE(effect->BufferValid());
    c.act(control);
    EXPECT_EQ(effect->BufferValid(), !c.dropped);
  }
}

TEST_F(BackFXTest, AListTakenOffTheFormLeavesTheAlphaBlend) {
  auto* list = new TLMDBitmapList(form_);
  for (const TProbe& probe : Probes()) probe.effect->AlphaBlend()->SetImageList(list);
  form_->RemoveComponent(list);
  for (const TProbe& probe : Probes()) EXPECT_EQ(probe.effect->AlphaBlend()->ImageList(), nullptr) << probe.name;
  delete list;
}

}  // namespace
