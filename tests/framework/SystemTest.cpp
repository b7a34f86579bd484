#include <gtest/gtest.h>

#include "Classes.h"
#include "SysUtils.h"
#include "System.h"
#include "TStream.h"
#include "TestComponents.h"

#include <cmath>

using enum TTestStyle;

TEST(AnsiLiteral, PolishLettersBecomeWindows1250Bytes) {
  EXPECT_EQ("Zakończ"_a, "Zako\xF1" "cz");
  EXPECT_EQ("ąęłńóśźż ĄĘŁŃÓŚŹŻ"_a, "\xB9\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
  EXPECT_EQ("€„”–"_a, "\x80\x84\x94\x96");
  EXPECT_EQ("a\0b"_a.size(), 3u);  // embedded zero kept
  EXPECT_EQ(""_a, "");
}

TEST(ClassReferences, NamesParentsAndInheritance) {
  TTestForm form(nullptr);
  EXPECT_EQ(form.ClassName(), "TTestForm");
  EXPECT_EQ(form.ClassType(), TTestForm::ClassInfo());
  EXPECT_EQ(form.ClassParent(), TTestControl::ClassInfo());
  EXPECT_TRUE(form.InheritsFrom(TComponent::ClassInfo()));
  EXPECT_TRUE(form.InheritsFrom(TObject::ClassInfo()));
  EXPECT_FALSE(TTestControl::ClassInfo()->InheritsFrom(TTestForm::ClassInfo()));
  EXPECT_EQ(EReadError("x").ClassName(), "EReadError");
  EXPECT_TRUE(EReadError("x").InheritsFrom(EFilerError::ClassInfo()));
}

TEST(ClassReferences, VirtualConstructionThroughTheClass) {
  TComponent owner(nullptr);
  TObject* created = TTestControl::ClassInfo()->Create(&owner);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->ClassName(), "TTestControl");
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_FALSE(TStream::ClassInfo()->CanCreate());                  // abstract
  TTestItem notAnOwner(nullptr);
  EXPECT_EQ(TTestControl::ClassInfo()->Create(&notAnOwner), nullptr) << "wrong argument class";
}

TEST(ClassRegistry, FindGetAndDuplicates) {
  RegisterTestClasses();
  EXPECT_EQ(GetClass("ttestcontrol"), TTestControl::ClassInfo());
  EXPECT_EQ(FindClass("TTestForm"), TTestForm::ClassInfo());
  EXPECT_EQ(GetClass("TNoSuchThing"), nullptr);
  try {
    FindClass("TNoSuchThing");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TNoSuchThing not found");
  }
  RegisterClass(TTestControl::ClassInfo());  // again: harmless
  static const TMetaClass impostor("TTestControl", TComponent::ClassInfo(), nullptr,
                                   &TMetaClass::BuildPublished<TComponent>, typeid(int));
  try {
    RegisterClass(&impostor);
    FAIL();
  } catch (const EFilerError& e) {
    EXPECT_EQ(e.Message(), "A class named TTestControl already exists");
  }
}

namespace {

class TListener : public TObject {
 public:
  void Handle(TObject* sender) { Senders.push_back(sender); }
  void Other(TObject* sender) { Senders.push_back(sender); }
  void Count(int n, bool& handled) { handled = n > 2; }
  std::vector<TObject*> Senders;
};

}  // namespace

TEST(Events, AssignedCallClearAndCompare) {
  TListener listener;
  TNotifyEvent event;
  EXPECT_FALSE(event.Assigned());
  event(&listener);  // calls nothing
  event = TNotifyEvent(&listener, &TListener::Handle);
  EXPECT_TRUE(event.Assigned());
  EXPECT_EQ(event.Data(), &listener);
  event(nullptr);
  ASSERT_EQ(listener.Senders.size(), 1u);
  EXPECT_EQ(event, TNotifyEvent(&listener, &TListener::Handle));
  EXPECT_NE(event, TNotifyEvent(&listener, &TListener::Other));
  event = nullptr;
  EXPECT_FALSE(event.Assigned());
  EXPECT_EQ(event.Data(), nullptr) << "clearing clears both halves";

  TEvent<int, bool&> byReference(&listener, &TListener::Count);
  bool handled = false;
  byReference(5, handled);
  EXPECT_TRUE(handled);
  EXPECT_FALSE(TNotifyEvent::FromMethod(byReference.Method()).Assigned()) << "other signature";
}

TEST(Sets, BitsFollowOrdinals) {
  TTestStyles styles{tsBold, tsUnderline};
  EXPECT_EQ(styles.Bits(), 0b101u);
  EXPECT_TRUE(styles.Contains(tsUnderline));
  EXPECT_FALSE(styles.Contains(tsItalic));
  EXPECT_EQ((styles + TTestStyles{tsItalic}).Bits(), 0b111u);
  EXPECT_EQ((styles - TTestStyles{tsBold}).Bits(), 0b100u);
  EXPECT_TRUE(TTestStyles{tsBold} <= styles);
  EXPECT_FALSE(styles <= TTestStyles{tsBold});
}

TEST(Arithmetic, RoundIsHalfToEvenAndTruncTowardZero) {
  EXPECT_EQ(Round(0.5L), 0);
  EXPECT_EQ(Round(1.5L), 2);
  EXPECT_EQ(Round(2.5L), 2);
  EXPECT_EQ(Round(-2.5L), -2);
  EXPECT_EQ(Round(-3.5L), -4);
  EXPECT_EQ(Round(2.5000001L), 3);
  EXPECT_EQ(Round(-0.4L), 0);
  EXPECT_EQ(Trunc(-2.9L), -2);
  EXPECT_EQ(Trunc(2.9L), 2);
  EXPECT_EQ(Round(9.0e18L), 9000000000000000000LL);
  EXPECT_THROW(Round(1e19L), EInvalidOp);
  EXPECT_THROW(Trunc(-1e19L), EInvalidOp);
  EXPECT_THROW(Round(NAN), EInvalidOp);
}
