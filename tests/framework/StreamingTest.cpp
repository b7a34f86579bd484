#include <gtest/gtest.h>

#include "Classes.h"
#include "TMemoryStream.h"
#include "TReader.h"
#include "TStringStream.h"
#include "TWriter.h"
#include "TestComponents.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using enum TComponentStateItem;
using enum TStreamOriginalFormat;
using enum TTestAlign;
using enum TTestStyle;

namespace {

AnsiString Bytes(TMemoryStream& stream) { return AnsiString(stream.Memory(), static_cast<std::size_t>(stream.Size())); }

AnsiString BinaryOf(TComponent* root, TComponent* ancestor = nullptr) {
  TMemoryStream stream;
  stream.WriteDescendent(root, ancestor);
  return Bytes(stream);
}

AnsiString ToText(const AnsiString& binary) {
  TStringStream input(binary);
  TStringStream output;
  ObjectBinaryToText(input, output);
  return output.DataString();
}

AnsiString ToBinary(const AnsiString& text) {
  TStringStream input(text);
  TStringStream output;
  ObjectTextToBinary(input, output);
  return output.DataString();
}

// Reads a text or binary description into `root`.
void Load(const AnsiString& description, TComponent* root) {
  TStringStream input(description);
  if (TestStreamFormat(input) == sofText) {
    TStringStream binary(ToBinary(description));
    binary.ReadComponent(root);
  } else {
    input.ReadComponent(root);
  }
}

// CRLF line ends for expected texts written with '\n'.
AnsiString Crlf(const AnsiString& text) {
  AnsiString out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

AnsiString Sequence(int count) {
  AnsiString bytes;
  for (int i = 0; i < count; ++i) bytes += static_cast<char>(i);
  return bytes;
}

std::unique_ptr<TTestForm> BuildForm() {
  RegisterTestClasses();
  auto form = std::make_unique<TTestForm>(nullptr);
  form->SetName("Form1");
  form->Left = 192;
  form->Width = 225;
  form->Caption = "Instalator TAWO"_a;
  form->OnClick = TNotifyEvent(form.get(), &TTestForm::FormClick);

  auto* panel = new TTestControl(form.get());
  panel->SetName("Panel1");
  panel->SetParentControl(form.get());
  panel->Align = taClient;
  panel->Color = 0x0093AAB5;

  auto* button = new TTestControl(form.get());
  button->SetName("Button1");
  button->SetParentControl(panel);
  button->Caption = "Zakończ"_a;
  button->Hint = "Kończy działanie programu...\r\nDruga linia z 'cudzysłowem' i długim ogonem tekstu"_a;
  button->Style = {tsBold, tsUnderline};
  button->Visible = false;
  button->Ratio = 66.666666666666671;
  button->Scale = 1.5f;
  button->Big = int64_t{1} << 40;
  button->Accel = 'x';
  button->OnClick = TNotifyEvent(form.get(), &TTestForm::ButtonClick);
  button->Fill()->Gradient()->SetColor(0x008000);
  button->Fill()->Gradient()->Colors = {1, 255, 65536};
  button->Fill()->SetStyle(taTop);
  button->Data = Sequence(40);
  button->Numbers = {1, -2, 300};
  auto* item = static_cast<TTestItem*>(button->Items()->Add());
  item->SetWidth(10);
  item->Caption = "ąę"_a;
  button->Items()->Add();
  panel->SetNext(button);  // a reference to a component read later

  auto* timer = new TTestTimer(form.get());
  timer->SetName("Timer1");
  timer->SetDesignInfo(10 | (20 << 16));
  timer->SetTarget(form.get());
  return form;
}

}  // namespace

TEST(FormRoundTrip, BinaryReadsBackToTheSameComponentsAndBytes) {
  auto original = BuildForm();
  const AnsiString binary = BinaryOf(original.get());
  ASSERT_EQ(binary.substr(0, 4), "TPF0");

  TTestForm copy(nullptr);
  Load(binary, &copy);
  EXPECT_EQ(BinaryOf(&copy), binary);

  ASSERT_NE(copy.Button1, nullptr) << "published field bound";
  TTestControl* button = copy.Button1;
  EXPECT_EQ(button->Caption, "Zako\xF1" "cz");
  EXPECT_EQ(button->Style, (TTestStyles{tsBold, tsUnderline}));
  EXPECT_FALSE(button->Visible);
  EXPECT_EQ(button->Ratio, 66.666666666666671);
  EXPECT_EQ(button->Scale, 1.5f);
  EXPECT_EQ(button->Big, int64_t{1} << 40);
  EXPECT_EQ(button->Fill()->Gradient()->Colors, (std::vector<int32_t>{1, 255, 65536}));
  EXPECT_EQ(button->Data, Sequence(40));
  EXPECT_EQ(button->Numbers, (std::vector<int32_t>{1, -2, 300}));
  EXPECT_EQ(button->Items()->Count(), 2);
  auto* panel = static_cast<TTestControl*>(copy.FindComponent("Panel1"));
  EXPECT_EQ(button->ParentControl(), panel);
  EXPECT_EQ(panel->Next(), button);
  EXPECT_EQ(static_cast<TTestTimer*>(copy.FindComponent("Timer1"))->Target(), &copy);
  EXPECT_EQ(copy.FindComponent("Timer1")->DesignInfo(), 10 | (20 << 16));

  button->OnClick(button);
  ASSERT_EQ(copy.Clicks.size(), 1u);
  EXPECT_EQ(copy.Clicks[0], button) << "handler bound to the new root";
}

TEST(FormRoundTrip, TextReadsBackToTheSameComponents) {
  auto original = BuildForm();
  const AnsiString binary = BinaryOf(original.get());
  const AnsiString text = ToText(binary);
  EXPECT_EQ(ToText(ToBinary(text)), text);
  TTestForm copy(nullptr);
  Load(text, &copy);
  EXPECT_EQ(BinaryOf(&copy), binary);
}

TEST(FormText, LayoutIsTheFrameworksAndDefaultsAreLeftOut) {
  auto form = BuildForm();
  const AnsiString expected = Crlf(
      "object Form1: TTestForm\n"
      "  Left = 192\n"
      "  Top = 0\n"
      "  Width = 225\n"
      "  Height = 0\n"
      "  Caption = 'Instalator TAWO'\n"
      "  Items = <>\n"
      "  OnClick = FormClick\n"
      "  object Panel1: TTestControl\n"
      "    Left = 0\n"
      "    Top = 0\n"
      "    Width = 0\n"
      "    Height = 0\n"
      "    Color = 9677493\n"
      "    Align = taClient\n"
      "    Items = <>\n"
      "    Next = Button1\n"
      "    object Button1: TTestControl\n"
      "      Left = 0\n"
      "      Top = 0\n"
      "      Width = 0\n"
      "      Height = 0\n"
      "      Caption = 'Zakończ'\n"
      "      Style = [tsBold, tsUnderline]\n"
      "      Visible = False\n"
      "      Ratio = 66.666666666666671400\n"
      "      Scale = 1.500000000000000000s\n"
      "      Accel = 'x'\n"
      "      Big = 1099511627776\n"
      "      Fill.Gradient.Color = 32768\n"
      "      Fill.Gradient.ColorList = (\n"
      "        1\n"
      "        255\n"
      "        65536)\n"
      "      Fill.Style = taTop\n"
      "      Items = <\n"
      "        item\n"
      "          Width = 10\n"
      "          Caption = 'ąę'\n"
      "        end\n"
      "        item\n"
      "        end>\n"
      "      Hint = \n"
      "        'Kończy działanie programu...'#13#10'Druga linia z ''cudzysłowem'' i dług' +\n"
      "        'im ogonem tekstu'\n"
      "      OnClick = ButtonClick\n"
      "      Data = {\n"
      "        000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
      "        2021222324252627}\n"
      "      Numbers = (\n"
      "        1\n"
      "        -2\n"
      "        300)\n"
      "    end\n"
      "  end\n"
      "  object Timer1: TTestTimer\n"
      "    Target = Form1\n"
      "    Left = 10\n"
      "    Top = 20\n"
      "  end\n"
      "end\n"_a);
  EXPECT_EQ(ToText(BinaryOf(form.get())), expected);
}

TEST(FormText, WorkedExampleConvertsToTheKnownBytesAndBack) {
  const AnsiString text = Crlf(
      "object Form1: TForm1\n"
      "  Left = 192\n"
      "  Caption = 'Setup'\n"
      "  Color = clBtnFace\n"
      "  OnClick = FormClick\n"
      "  object Button1: TButton\n"
      "    Font.Style = [fsBold]\n"
      "  end\n"
      "end\n");
  const unsigned char expected[] = {
      0x54, 0x50, 0x46, 0x30, 0x06, 0x54, 0x46, 0x6F, 0x72, 0x6D, 0x31, 0x05, 0x46, 0x6F, 0x72, 0x6D,
      0x31, 0x04, 0x4C, 0x65, 0x66, 0x74, 0x03, 0xC0, 0x00, 0x07, 0x43, 0x61, 0x70, 0x74, 0x69, 0x6F,
      0x6E, 0x06, 0x05, 0x53, 0x65, 0x74, 0x75, 0x70, 0x05, 0x43, 0x6F, 0x6C, 0x6F, 0x72, 0x07, 0x09,
      0x63, 0x6C, 0x42, 0x74, 0x6E, 0x46, 0x61, 0x63, 0x65, 0x07, 0x4F, 0x6E, 0x43, 0x6C, 0x69, 0x63,
      0x6B, 0x07, 0x09, 0x46, 0x6F, 0x72, 0x6D, 0x43, 0x6C, 0x69, 0x63, 0x6B, 0x00, 0x07, 0x54, 0x42,
      0x75, 0x74, 0x74, 0x6F, 0x6E, 0x07, 0x42, 0x75, 0x74, 0x74, 0x6F, 0x6E, 0x31, 0x0A, 0x46, 0x6F,
      0x6E, 0x74, 0x2E, 0x53, 0x74, 0x79, 0x6C, 0x65, 0x0B, 0x06, 0x66, 0x73, 0x42, 0x6F, 0x6C, 0x64,
      0x00, 0x00, 0x00, 0x00};
  const AnsiString binary = ToBinary(text);
  EXPECT_EQ(binary, AnsiString(reinterpret_cast<const char*>(expected), sizeof expected));
  EXPECT_EQ(ToText(binary), text);
}

TEST(FormText, ReaderAcceptsWhatWritersVary) {
  // Any split of strings, LF line ends, $hex, float suffixes, inherited/inline headers,
  // child positions, ordered collection items and a UTF-8 byte order mark.
  const AnsiString text =
      "\xEF\xBB\xBFinherited Form1: TTestForm [2]\n"
      "  Caption = 'a' + 'b'#65\n"
      "  + 'c'\n"
      "  Left = $10\n"
      "  Ratio = 2.5E-3\n"
      "  Items = <\n"
      "    item [3]\n"
      "      Width = 5\n"
      "    end>\n"
      "  inline Frame1: TFrame\n"
      "  end\n"
      "end";
  const AnsiString round = ToText(ToBinary(text));
  EXPECT_EQ(round, Crlf("inherited Form1: TTestForm [2]\n"
                        "  Caption = 'abAc'\n"
                        "  Left = 16\n"
                        "  Ratio = 0.0025\n"
                        "  Items = <\n"
                        "    item [3]\n"
                        "      Width = 5\n"
                        "    end>\n"
                        "  inline Frame1: TFrame\n"
                        "  end\n"
                        "end\n"));
  EXPECT_EQ(ToText(ToBinary("object A: T\n  S = #1047#1072'x'\n  C = 12.5c\n  D = 36526.5d\nend")),
            Crlf("object A: T\n  S = #1047#1072'x'\n  C = 12.500000000000000000c\n"
                 "  D = 36526.500000000000000000d\nend\n"));
}

TEST(FormLoading, LoadedRunsOnceEachAfterFixupsAndClearsLoading) {
  auto original = BuildForm();
  const AnsiString binary = BinaryOf(original.get());
  std::vector<std::string> log;
  TTestControl::LoadLog = &log;
  TTestForm copy(nullptr);
  copy.Log = &log;
  Load(binary, &copy);
  copy.Log = nullptr;
  TTestControl::LoadLog = nullptr;
  std::vector<std::string> loaded;
  for (const std::string& entry : log) {
    if (entry.rfind("loaded", 0) == 0) loaded.push_back(entry);
  }
  EXPECT_EQ(loaded, (std::vector<std::string>{"loaded Form1", "loaded Panel1 next=Button1", "loaded Button1"}));
  for (int i = 0; i < copy.ComponentCount(); ++i) {
    EXPECT_FALSE(copy.Components(i)->ComponentState().Contains(csLoading));
    EXPECT_FALSE(copy.Components(i)->ComponentState().Contains(csReading));
    if (auto* control = dynamic_cast<TTestControl*>(copy.Components(i))) {
      EXPECT_TRUE(control->LoadingWhenNameSet);
      EXPECT_EQ(control->LoadedCalls, 1);
    }
  }
  EXPECT_FALSE(copy.ComponentState().Contains(csLoading));
}

TEST(FormLoading, RootCreatedFromTheRegistryAndFromResources) {
  RegisterTestClasses();
  RegisterFormResource("TTESTFORM", "object Main: TTestForm\n  Caption = 'Okno główne'\nend\n"_a);
  std::unique_ptr<TComponent> created(ReadComponentRes("TTestForm", nullptr));
  ASSERT_NE(dynamic_cast<TTestForm*>(created.get()), nullptr);
  EXPECT_EQ(created->Name(), "Main");
  TTestForm form(nullptr);
  EXPECT_TRUE(InitComponentRes(&form));
  EXPECT_EQ(form.Caption, "Okno g\xB3\xF3wne");
  TTestControl notRegistered(nullptr);
  EXPECT_FALSE(InitComponentRes(&notRegistered));
  EXPECT_THROW(ReadComponentRes("TNOSUCHFORM", nullptr), EResNotFound);
}

TEST(FormLoading, ReferencesIntoAnotherRootWaitUntilItExists) {
  RegisterTestClasses();
  static TTestForm* other = nullptr;
  auto finder = [](const AnsiString& name) -> TComponent* {
    return other != nullptr && SameText(name, other->Name()) ? other : nullptr;
  };
  RegisterFindGlobalComponent(finder);
  TTestForm form(nullptr);
  Load("object Form1: TTestForm\n  Next = Form2.Button9\nend", &form);
  EXPECT_EQ(form.Next(), nullptr);
  EXPECT_TRUE(form.ComponentState().Contains(csFixups));
  auto second = std::make_unique<TTestForm>(nullptr);
  second->SetName("Form2");
  auto* target = new TTestControl(second.get());
  target->SetName("Button9");
  other = second.get();
  GlobalFixupReferences();
  EXPECT_EQ(form.Next(), target);
  EXPECT_FALSE(form.ComponentState().Contains(csFixups));
  second.reset();  // free notification clears the reference
  EXPECT_EQ(form.Next(), nullptr);
  other = nullptr;
  UnregisterFindGlobalComponent(finder);
}

TEST(FormWriting, DescendantWritesOnlyWhatDiffersFromItsAncestor) {
  auto ancestor = BuildForm();
  auto descendant = BuildForm();
  descendant->Caption = "Inny";
  auto* button = static_cast<TTestControl*>(descendant->FindComponent("Button1"));
  button->Fill()->Gradient()->SetColorCount(8);
  EXPECT_EQ(ToText(BinaryOf(descendant.get(), ancestor.get())),
            Crlf("inherited Form1: TTestForm\n"
                 "  Caption = 'Inny'\n"
                 "  inherited Panel1: TTestControl\n"
                 "    inherited Button1: TTestControl\n"
                 "      Fill.Gradient.ColorCount = 8\n"
                 "    end\n"
                 "  end\n"
                 "  inherited Timer1: TTestTimer\n"
                 "  end\n"
                 "end\n"));
}

TEST(FormText, StringListsAreWrittenAsTheirStringsProperty) {
  RegisterTestClasses();
  TTestForm form(nullptr);
  form.SetName("Form1");
  form.Lines()->SetText("pierwsza\r\n'druga'\r\n"_a);
  const AnsiString text = ToText(BinaryOf(&form));
  EXPECT_NE(text.find(Crlf("  Lines.Strings = (\n    'pierwsza'\n    '''druga''')\n")), AnsiString::npos) << text;
  TTestForm copy(nullptr);
  Load(text, &copy);
  EXPECT_TRUE(copy.Lines()->Equals(*form.Lines()));
}

namespace {

TEST(FormText, PropertiesNamedLikeObjectWordsRoundTrip) {
  for (const char* name : {"object", "Inherited", "INLINE", "end", "end.Width", "Ending"}) {
    AnsiString binary = "TPF0\x06TForm1\x05" "Form1";
    binary += static_cast<char>(std::strlen(name));
    binary += name;
    binary += AnsiString("\x02\x07\x00\x00", 4);
    EXPECT_EQ(ToBinary(ToText(binary)), binary) << name;
  }
  EXPECT_EQ(ToText(ToBinary(Crlf("object Form1: TForm1\n  &object = 7\n  Ending = 7\nend\n"))),
            Crlf("object Form1: TForm1\n  &object = 7\n  Ending = 7\nend\n"));
}

}  // namespace
