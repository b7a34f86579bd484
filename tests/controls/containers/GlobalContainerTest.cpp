// The global container: its four lists, the signatures that name them in form descriptions
// (the "Internal" property of every holder of an image list), and the container control that
// stores the lists with a form.
#include "ContainerTestSupport.h"

#include <gtest/gtest.h>

#include <LMDButton.h>
#include <LMDContUtils.h>
#include <LMDContainer.h>
#include <LMDContainerCtrl.h>
#include <LMDCustomControl.h>
#include <LMDGraphicControl.h>

#include "../paint/FormTextSupport.h"

#include <functional>
#include <memory>
#include <string>

using enum TLMDListItemClassType;

// The control bases publish ImageList and BackFX as the library's controls do.
class TGraphicHolder : public TLMDGraphicControl {
  TAWO_CLASS(TGraphicHolder, TLMDGraphicControl)

 public:
  explicit TGraphicHolder(TComponent* owner) : TLMDGraphicControl(owner) {}
};
TAWO_PUBLISHED(TGraphicHolder, published) {
  published.Property("BackFX", &TGraphicHolder::BackFX, &TGraphicHolder::SetBackFX);
  published.Property("ImageList", &TGraphicHolder::ImageList, &TGraphicHolder::SetImageList);
}

class TWindowedHolder : public TLMDCustomControl {
  TAWO_CLASS(TWindowedHolder, TLMDCustomControl)

 public:
  explicit TWindowedHolder(TComponent* owner) : TLMDCustomControl(owner) {}
};
TAWO_PUBLISHED(TWindowedHolder, published) {
  published.Property("BackFX", &TWindowedHolder::BackFX, &TWindowedHolder::SetBackFX);
  published.Property("ImageList", &TWindowedHolder::ImageList, &TWindowedHolder::SetImageList);
}

namespace {

// A kind of holder of an image list and the name its "Internal" property streams under.
struct THolderKind {
  const char* className;
  const char* internalName;
  std::function<TComponent*()> make;
  std::function<TLMDCustomImageList*(TComponent*)> list;
  std::function<void(TComponent*, TLMDCustomImageList*)> setList;
};

template <class T>
THolderKind ControlKind(const char* className) {
  return {className, "Internal", [] { return new T(nullptr); },
          [](TComponent* holder) { return static_cast<T*>(holder)->ImageList(); },
          [](TComponent* holder, TLMDCustomImageList* list) { static_cast<T*>(holder)->SetImageList(list); }};
}

std::vector<THolderKind> HolderKinds() {
  return {ControlKind<TGraphicHolder>("TGraphicHolder"), ControlKind<TWindowedHolder>("TWindowedHolder"),
          ControlKind<TLMDButton>("TLMDButton"),
          {"TGraphicHolder", "BackFX.AlphaBlend.Internal", [] { return new TGraphicHolder(nullptr); },
           [](TComponent* holder) { return static_cast<TGraphicHolder*>(holder)->BackFX()->AlphaBlend()->ImageList(); },
           [](TComponent* holder, TLMDCustomImageList* list) {
             static_cast<TGraphicHolder*>(holder)->BackFX()->AlphaBlend()->SetImageList(list);
           }}};
}

AnsiString Line(const THolderKind& kind, const AnsiString& value) {
  return AnsiString("  ") + kind.internalName + " = '" + value + "'";
}

TEST(GlobalLists, IdentsNameTheFourGlobalListsOnly) {
  TLMDContainer* global = LMDContainer;
  TLMDBitmapList local(nullptr);
  const struct {
    const TComponent* list;
    bool global;
    bool singleItem;
  } cases[] = {
      {global->BitmapList(), true, true},   {global->ImageList(), true, false}, {global->StringList(), true, false},
      {global->WaveList(), true, false},    {&local, false, true},              {nullptr, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LMDIsGlobalIdent(c.list), c.global);
    EXPECT_EQ(LMDIsSingleItemImageList(c.list), c.singleItem);
    EXPECT_FALSE(LMDIsCollectionImageList(c.list));
  }
  EXPECT_EQ(global->ListOfType(icRTF), nullptr);
}

// Written as "Internal" and never as a reference, in both forms of a description.
TEST(GlobalLists, AGlobalListRoundTripsThroughInternalInTextAndBinary) {
  for (const THolderKind& kind : HolderKinds()) {
    for (TLMDCustomImageList* list : {static_cast<TLMDCustomImageList*>(LMDContainer->ImageList()),
                                      static_cast<TLMDCustomImageList*>(LMDContainer->BitmapList())}) {
      SCOPED_TRACE(std::string(kind.internalName) + " of " + kind.className + " naming " + list->ClassName());
      const std::unique_ptr<TComponent> holder(kind.make());
      holder->SetName("Holder");
      kind.setList(holder.get(), list);
      const AnsiString text = FormText(holder.get());
      EXPECT_NE(text.find(Line(kind, LMDICGetSignature(list->ListType()))), AnsiString::npos) << text;
      EXPECT_EQ(text.find("ImageList ="), AnsiString::npos) << text;

      const std::unique_ptr<TComponent> fromText(kind.make());
      LoadFormText(text, fromText.get());
      EXPECT_EQ(kind.list(fromText.get()), list);
      const std::unique_ptr<TComponent> fromBinary(kind.make());
      TMemoryStream binary;
      binary.WriteComponent(holder.get());
      binary.SetPosition(0);
      binary.ReadComponent(fromBinary.get());
      EXPECT_EQ(kind.list(fromBinary.get()), list);
    }
  }
}

TEST(GlobalLists, ReadingInternalLinksTheNamedImageListOrNone) {
  TLMDCustomImageList* const bitmaps = LMDContainer->BitmapList();
  TLMDCustomImageList* const strips = LMDContainer->ImageList();
  const struct {
    const char* value;
    TLMDCustomImageList* list;
  } names[] = {{"LMDBML30", bitmaps}, {"LMDIML30", strips}, {"LMDSLL30", nullptr},
               {"LMDWVL30", nullptr}, {"lmdiml30", nullptr}, {"", nullptr}};
  for (const THolderKind& kind : HolderKinds()) {
    for (const auto& name : names) {
      SCOPED_TRACE(std::string(kind.internalName) + " of " + kind.className + " = " + name.value);
      TLMDBitmapList local(nullptr);
      const std::unique_ptr<TComponent> holder(kind.make());
      kind.setList(holder.get(), &local);
      LoadFormText(AnsiString("object Holder: ") + kind.className + "\n" + Line(kind, name.value) + "\nend\n",
                   holder.get());
      EXPECT_EQ(kind.list(holder.get()), name.list);
      EXPECT_EQ(local.Clients()->Count(), 0);
    }
  }
}

TEST(GlobalLists, AnOwnListIsWrittenAsAReferenceAndNotAsInternal) {
  TGraphicHolder holder(nullptr);
  holder.SetName("Holder");
  auto* list = new TLMDBitmapList(&holder);
  list->SetName("Icons");
  holder.SetImageList(list);
  const AnsiString text = FormText(&holder);
  EXPECT_NE(text.find("ImageList = Icons"), AnsiString::npos) << text;
  EXPECT_EQ(text.find("Internal"), AnsiString::npos) << text;
}

// The global lists hold one item each while a test runs, and none after it.
class ContainerControl : public ::testing::Test {
 protected:
  void SetUp() override {
    global_ = LMDContainer;
    global_->Clear();
    picture_ = PatternBitmap(9, 4, 77);
    AddBitmap(*global_->BitmapList(), picture_.get(), "Ikona", 7);
    TLMDImageListItem* strip = global_->ImageList()->Item(global_->ImageList()->Add());
    strip->SetDimension(0, 9);
    strip->SetDimension(1, 4);
    strip->Add(picture_.get(), nullptr);
    global_->StringList()->Item(global_->StringList()->Add())->Items()->SetText("Zażółć\r\ngęślą jaźń\r\n"_a);
    TMemoryStream wave;
    wave.WriteBuffer("RIFF\x04\0\0\0WAVE", 12);
    TLMDWaveListItem* sound = global_->WaveList()->Item(global_->WaveList()->Add());
    sound->SetCompressed(true);
    sound->SetWave(&wave);
  }
  void TearDown() override { global_->Clear(); }

  // The lists hold what SetUp put into them.
  void ExpectTheListsOfSetUp() const {
    ASSERT_EQ(global_->BitmapList()->Count(), 1);
    EXPECT_EQ(global_->BitmapList()->Items(0)->Ident(), 7);
    EXPECT_TRUE(SamePixels(global_->BitmapList()->Item(0)->StoredBitmap(), picture_.get()));
    ASSERT_EQ(global_->ImageList()->Count(), 1);
    EXPECT_EQ(global_->ImageList()->ItemCount(0), 1);
    ASSERT_EQ(global_->StringList()->Count(), 1);
    EXPECT_EQ(global_->StringList()->Item(0)->Items()->Strings(1), "gęślą jaźń"_a);
    ASSERT_EQ(global_->WaveList()->Count(), 1);
    TMemoryStream* wave = global_->WaveList()->Item(0)->Wave();
    EXPECT_EQ(std::string(wave->Memory(), static_cast<size_t>(wave->Size())), std::string("RIFF\x04\0\0\0WAVE", 12));
  }

  TLMDContainer* global_ = nullptr;
  std::unique_ptr<TBitmap> picture_;
};

TEST_F(ContainerControl, StoresEachNonEmptyGlobalListInItsBinaryProperty) {
  TLMDContainerCtrl control(nullptr);
  control.SetName("Lists");
  EXPECT_EQ(control.Container(), global_);
  const AnsiString text = FormText(&control);
  for (const char* name : {"BitmapList", "ImageList", "WaveList", "StringList"}) {
    EXPECT_NE(text.find(AnsiString("  ") + name + " = {"), AnsiString::npos) << name << "\n" << text;
  }
  const AnsiString binary = FormBinary(&control);

  global_->WaveList()->Clear();
  EXPECT_EQ(FormText(&control).find("WaveList"), AnsiString::npos);
  global_->Clear();
  TStringStream stream(binary);
  stream.ReadComponent(&control);
  ExpectTheListsOfSetUp();
}

TEST_F(ContainerControl, ADamagedListPropertyRaisesAndTheGlobalListKeepsItsItems) {
  TLMDContainerCtrl control(nullptr);
  const char* damaged[] = {
      "FFFFFFFF",              // a negative item count
      "0200000000",            // more items than bytes
      "010000000E044142",      // a description cut short
      "01000000081000000042",  // bitmap data longer than what follows
  };
  for (const char* data : damaged) {
    SCOPED_TRACE(data);
    EXPECT_THROW(LoadFormText(AnsiString("object Lists: TLMDContainerCtrl\n  BitmapList = {") + data + "}\nend\n",
                              &control),
                 Exception);
    ExpectTheListsOfSetUp();
  }
}

TEST(StringAndWaveLists, FilesKeepTheirItemsAndSingleWavesAreRead) {
  const AnsiString name = "/tmp/tawo_containers_sounds.wvl";
  TLMDWaveList sounds(nullptr);
  for (const char* bytes : {"RIFF", "RIFF....WAVEfmt "}) {
    TMemoryStream wave;
    wave.WriteBuffer(bytes, static_cast<int64_t>(std::string(bytes).size()));
    sounds.Item(sounds.Add())->SetWave(&wave);
  }
  sounds.Items(1)->SetCompressed(true);
  sounds.SaveToFile(name);
  TMemoryStream single;
  EXPECT_TRUE(LMDWVLGetItem(name, 1, &single));
  EXPECT_EQ(std::string(single.Memory(), static_cast<size_t>(single.Size())), "RIFF....WAVEfmt ");
  TLMDStringList wrongKind(nullptr);
  EXPECT_THROW(wrongKind.LoadFromFile(name), Exception);

  const AnsiString textsName = "/tmp/tawo_containers_texts.sll";
  TLMDStringList texts(nullptr);
  texts.Item(texts.Add())->Items()->SetText("a\r\nb\r\n");
  texts.Add();
  texts.SaveToFile(textsName);
  TLMDStringList read(nullptr);
  read.LoadFromFile(textsName);
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read.Item(0)->Items()->Count(), 2);
  EXPECT_EQ(read.Item(1)->Items()->Count(), 0);
  std::remove(name.c_str());
  std::remove(textsName.c_str());
}

}  // namespace
