#include <gtest/gtest.h>

#include "Classes.h"
#include "TList.h"
#include "TMemoryStream.h"
#include "TStringList.h"

#include <vector>

using enum TDuplicates;

namespace {

struct TCounter : TObject {
  void Change(TObject*) { ++Changes; }
  void Changing(TObject*) { ++Changings; }
  int Changes = 0;
  int Changings = 0;
};

AnsiString Items(const TStrings& list) { return list.CommaText(); }

}  // namespace

TEST(StringList, AddInsertDeleteAndObjects) {
  TStringList list;
  TStringList marker;
  EXPECT_EQ(list.Add("b"), 0);
  list.Insert(0, "a");
  list.AddObject("c", &marker);
  EXPECT_EQ(Items(list), "a,b,c");
  EXPECT_EQ(list.Objects(2), &marker);
  EXPECT_EQ(list.IndexOfObject(&marker), 2);
  list.Move(2, 0);
  EXPECT_EQ(Items(list), "c,a,b");
  EXPECT_EQ(list.Objects(0), &marker) << "the object moves with its string";
  list.Exchange(0, 2);
  EXPECT_EQ(Items(list), "b,a,c");
  list.Delete(1);
  EXPECT_EQ(Items(list), "b,c");
  EXPECT_EQ(list.IndexOf("C"), 1) << "case-insensitive by default";
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("C"), -1);
  try {
    list.Delete(5);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (5)");
  }
  EXPECT_THROW(list.Insert(3, "x"), EStringListError);
}

TEST(StringList, SortedListsAndDuplicates) {
  TStringList list;
  list.SetCommaText("pear,Apple,fig");
  list.SetSorted(true);
  EXPECT_EQ(Items(list), "Apple,fig,pear");
  EXPECT_EQ(list.Add("banana"), 1);
  EXPECT_EQ(list.Add("BANANA"), 1) << "dupIgnore returns the existing index";
  EXPECT_EQ(list.Count(), 4);
  int index = -1;
  EXPECT_TRUE(list.Find("FIG", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("grape", index));
  EXPECT_EQ(index, 3);
  list.SetDuplicates(dupError);
  try {
    list.Add("pear");
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "String list does not allow duplicates");
  }
  list.SetDuplicates(dupAccept);
  list.Add("pear");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
  EXPECT_THROW(list.Put(0, "x"), EStringListError);
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.SetText("Wersja=1.0\r\ncdPath=D:\\\r\nplain\r\n");
  EXPECT_EQ(list.Values("CDPATH"), "D:\\");
  EXPECT_EQ(list.Names(0), "Wersja");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.ValueFromIndex(0), "1.0");
  list.SetValue("instPath", "C:\\TAWO\\");
  EXPECT_EQ(list.Count(), 4);
  list.SetValue("Wersja", "2.0");
  EXPECT_EQ(list.Strings(0), "Wersja=2.0");
  list.SetValue("cdPath", "");
  EXPECT_EQ(list.IndexOfName("cdPath"), -1);
  EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, TextAndCommaTextForms) {
  TStringList list;
  list.SetText("one\rtwo\nthree\r\n\r\nfive");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(list.Strings(3), "");
  EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\n\r\nfive\r\n");
  list.Clear();
  list.Add("a b");
  list.Add("say \"hi\"");
  list.Add("");
  list.Add("x,y");
  list.Add("zażółć"_a);
  EXPECT_EQ(list.CommaText(), "\"a b\",\"say \"\"hi\"\"\",,\"x,y\"," + "zażółć"_a);
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_TRUE(back.Equals(list));
  back.SetCommaText(" a b ,c, \"d e\" ,");
  EXPECT_EQ(back.Count(), 5);
  EXPECT_EQ(back.Strings(1), "b") << "blanks separate items outside quotes";
  EXPECT_EQ(back.Strings(3), "d e");
  EXPECT_EQ(back.Strings(4), "");
  back.Clear();
  back.Add("");
  EXPECT_EQ(back.CommaText(), "\"\"");
  back.Delimiter = ';';
  back.SetDelimitedText("1;2 3");
  EXPECT_EQ(back.Count(), 3);
}

TEST(StringList, ChangeEventsRespectUpdates) {
  TStringList list;
  TCounter counter;
  list.OnChange = TNotifyEvent(&counter, &TCounter::Change);
  list.OnChanging = TNotifyEvent(&counter, &TCounter::Changing);
  list.Add("a");
  EXPECT_EQ(counter.Changes, 1);
  EXPECT_EQ(counter.Changings, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.EndUpdate();
  EXPECT_EQ(counter.Changes, 1);
  list.EndUpdate();
  EXPECT_EQ(counter.Changes, 2);
  EXPECT_EQ(counter.Changings, 2);
  list.SetText("x\ny");
  EXPECT_EQ(counter.Changes, 3) << "one change for a whole text";
}

TEST(StringList, AssignStreamsAndErrors) {
  TStringList source;
  source.SetCommaText("a,b");
  TStringList copy;
  copy.Assign(&source);
  EXPECT_TRUE(copy.Equals(source));
  TMemoryStream stream;
  source.SaveToStream(stream);
  stream.SetPosition(0);
  TStringList loaded;
  loaded.LoadFromStream(stream);
  EXPECT_TRUE(loaded.Equals(source));
}

TEST(List, ReferencesWithIndexChecks) {
  int a = 1, b = 2, c = 3;
  TList<int> list;
  list.Add(&a);
  list.Add(&b);
  list.Insert(0, &c);
  EXPECT_EQ(list.IndexOf(&b), 2);
  list.Move(2, 0);
  EXPECT_EQ(list.First(), &b);
  EXPECT_EQ(list.Remove(&a), 2);
  EXPECT_EQ(list.Remove(&a), -1);
  list.Add(nullptr);
  list.Pack();
  EXPECT_EQ(list.Count(), 2);
  list.Sort([](int* x, int* y) { return *x - *y; });
  EXPECT_EQ(list.First(), &b);
  EXPECT_EQ(list.Last(), &c);
  try {
    list.Items(2);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (2)");
  }
  EXPECT_THROW(list.Insert(5, &a), EListError);
  EXPECT_THROW(list.SetCapacity(1), EListError);
}
