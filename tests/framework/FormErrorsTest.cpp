#include <gtest/gtest.h>

#include "Classes.h"
#include "TMemoryStream.h"
#include "TReader.h"
#include "TStringStream.h"
#include "TestComponents.h"

#include <string>

namespace {

AnsiString ToBinary(const AnsiString& text) {
  TStringStream input(text);
  TStringStream output;
  ObjectTextToBinary(input, output);
  return output.DataString();
}

// Loads a text description into a fresh form and returns the reading error's message.
template <class E = EReadError>
AnsiString LoadError(const AnsiString& text, TTestForm& form) {
  RegisterTestClasses();
  try {
    TStringStream binary(ToBinary(text));
    binary.ReadComponent(&form);
  } catch (const E& e) {
    return e.Message();
  }
  return "no error";
}

template <class E = EReadError>
AnsiString LoadError(const AnsiString& text) {
  TTestForm form(nullptr);
  return LoadError<E>(text, form);
}

AnsiString Header(const AnsiString& body) { return "object Form1: TTestForm\n" + body + "end\n"; }

}  // namespace

TEST(FormErrors, UnknownPropertiesAndValuesNameTheComponentAndPath) {
  EXPECT_EQ(LoadError(Header("  Foo = 1\n")), "Error reading Form1.Foo: Property Foo does not exist");
  EXPECT_EQ(LoadError(Header("  Fill.Gradient.Bogus = 1\n")),
            "Error reading Form1.Fill.Gradient.Bogus: Property Bogus does not exist");
  EXPECT_EQ(LoadError(Header("  Caption.Length = 1\n")), "Error reading Form1.Caption.Length: Property Caption does not exist");
  EXPECT_EQ(LoadError(Header("  Left = 'abc'\n")), "Error reading Form1.Left: Invalid property value");
  EXPECT_EQ(LoadError(Header("  Align = alClient\n")), "Error reading Form1.Align: Invalid property value");
  EXPECT_EQ(LoadError(Header("  Style = [tsBold, tsWide]\n")), "Error reading Form1.Style: Invalid property value");
  EXPECT_EQ(LoadError(Header("  Color = clNoSuchColour\n")), "Error reading Form1.Color: Invalid property value");
  EXPECT_EQ(LoadError(Header("  OnClick = NoSuchHandler\n")), "Error reading Form1.OnClick: Invalid property value");
  EXPECT_EQ(LoadError(Header("  OnClick = Unpublished\n")), "Error reading Form1.OnClick: Invalid property value");
  EXPECT_EQ(LoadError(Header("  Visible = 3\n")), "Error reading Form1.Visible: Invalid property value");
  EXPECT_EQ(LoadError(Header("  Items = <\n    item\n      Width = 'x'\n    end>\n")),
            "Error reading Form1.Items: Error reading TTestItem.Width: Invalid property value");
  EXPECT_EQ(LoadError(Header("  Fill = 5\n")), "Error reading Form1.Fill: Invalid property value");
}

TEST(FormErrors, AFailingChildIsFreedAndLeavesNoReference) {
  TTestForm form(nullptr);
  const AnsiString text = Header(
      "  object Panel1: TTestControl\n"
      "    object Button1: TTestControl\n"
      "      Left = 'x'\n"
      "    end\n"
      "  end\n");
  EXPECT_EQ(LoadError(text, form), "Error reading Button1.Left: Invalid property value");
  EXPECT_EQ(form.Button1, nullptr);
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_TRUE(form.Children().empty());
}

TEST(FormErrors, UnknownClassesAndDuplicateNames) {
  EXPECT_EQ(LoadError<EClassNotFound>(Header("  object X: TNoSuchClass\n  end\n")), "Class TNoSuchClass not found");
  EXPECT_EQ(LoadError<EClassNotFound>(Header("  object X: TTestItem\n  end\n")), "Class TTestItem not found")
      << "a registered class that is no component";
  EXPECT_EQ(LoadError<EComponentError>(Header("  object A: TTestControl\n  end\n  object a: TTestControl\n  end\n")),
            "A component named a already exists");
  EXPECT_EQ(LoadError(Header("  inherited Ghost: TTestControl\n  end\n")), "Ancestor for 'Ghost' not found");
}

TEST(FormErrors, OnErrorMaySkipAPropertyAndReadingGoesOn) {
  RegisterTestClasses();
  struct TSkipper : TObject {
    void Skip(TReader*, const AnsiString& message, bool& handled) {
      Messages.push_back(message);
      handled = true;
    }
    std::vector<AnsiString> Messages;
  } skipper;
  TStringStream binary(ToBinary(Header("  Foo = (1 2 (3))\n  Left = 'bad'\n  Top = 7\n")));
  TTestForm form(nullptr);
  TReader reader(binary);
  reader.OnError = TEvent<TReader*, const AnsiString&, bool&>(&skipper, &TSkipper::Skip);
  reader.ReadRootComponent(&form);
  EXPECT_EQ(form.Top, 7);
  EXPECT_EQ(skipper.Messages, (std::vector<AnsiString>{"Error reading Form1.Foo: Property Foo does not exist",
                                                        "Error reading Form1.Left: Invalid property value"}));
}

// A viewer's way of reading: every failure is noted with the line of the text it came from,
// and a component of an unknown class is left out with everything inside it.
TEST(FormErrors, OnErrorMaySkipAComponentAndTheLinesNameWhereEachFailureIs) {
  RegisterTestClasses();
  const AnsiString text = Header(
      "  Left = 1\n"
      "  object Ghost: TNoSuchClass\n"
      "    Width = 5\n"
      "    object Inner: TTestControl\n"
      "    end\n"
      "  end\n"
      "  object Button1: TTestControl\n"
      "    Left = 'bad'\n"
      "    Top = 4\n"
      "  end\n");
  TStringStream input(text);
  TStringStream binary;
  std::vector<TFormTextLine> lines;
  ObjectTextToBinary(input, binary, &lines);
  binary.SetPosition(0);
  struct TNoter : TObject {
    void Note(TReader* reader, const AnsiString& message, bool& handled) {
      Notes.push_back(message + " @" + IntToStr(TextLineAt(*Lines, reader->Stream().Position() - 1)));
      handled = true;
    }
    const std::vector<TFormTextLine>* Lines = nullptr;
    std::vector<AnsiString> Notes;
  } noter;
  noter.Lines = &lines;
  TTestForm form(nullptr);
  TReader reader(binary);
  reader.OnError = TEvent<TReader*, const AnsiString&, bool&>(&noter, &TNoter::Note);
  reader.ReadRootComponent(&form);
  EXPECT_EQ(noter.Notes, (std::vector<AnsiString>{"Error reading Ghost: Class TNoSuchClass not found @3",
                                                   "Error reading Button1.Left: Invalid property value @9"}));
  ASSERT_EQ(form.ComponentCount(), 1) << "nothing of the skipped component is made";
  ASSERT_NE(form.Button1, nullptr);
  EXPECT_EQ(form.Button1->Top, 4);
}

TEST(FormErrors, OnFindMethodMayLeaveAnEventUnassigned) {
  RegisterTestClasses();
  struct TLenient : TObject {
    void Find(TReader*, const AnsiString&, TMethod&, bool& error) { error = false; }
  } lenient;
  TStringStream binary(ToBinary(Header("  object Button1: TTestControl\n    OnClick = NoSuchHandler\n    Top = 3\n  end\n")));
  TTestForm form(nullptr);
  TReader reader(binary);
  reader.OnFindMethod = TEvent<TReader*, const AnsiString&, TMethod&, bool&>(&lenient, &TLenient::Find);
  reader.ReadRootComponent(&form);
  ASSERT_NE(form.Button1, nullptr);
  EXPECT_FALSE(form.Button1->OnClick.Assigned());
  EXPECT_EQ(form.Button1->Top, 3);
}

TEST(FormErrors, TextSyntaxErrorsGiveTheLine) {
  EXPECT_EQ(LoadError<EParserError>("object Form1: TTestForm\n  Left 5\nend"), "'=' expected on line 2");
  EXPECT_EQ(LoadError<EParserError>("object Form1: TTestForm\n  Data = {0A1}\nend"), "Invalid binary value on line 2");
  EXPECT_EQ(LoadError<EParserError>("object Form1: TTestForm\n  Caption = 'open\nend"), "Invalid string constant on line 2");
  EXPECT_EQ(LoadError<EParserError>("object Form1: TTestForm\n  Left = 1\n"), "'end' expected on line 3");
  EXPECT_EQ(LoadError<EParserError>("thing Form1: TTestForm\nend"), "'object' expected on line 1");
  EXPECT_EQ(LoadError<EParserError>("object Form1: TTestForm\n  S = #99999\nend"), "Invalid string constant on line 2");
}

TEST(FormErrors, EveryTruncationOfAValidBinaryIsAReadingError) {
  RegisterTestClasses();
  const AnsiString binary = ToBinary(Header(
      "  Caption = 'Zażółć'\n"
      "  Data = {000102030405}\n"
      "  Items = <\n    item\n      Width = 3\n    end>\n"
      "  object Button1: TTestControl\n"
      "    Ratio = 1.5\n"
      "    Style = [tsBold]\n"
      "  end\n"_a));
  for (std::size_t length = 0; length < binary.size(); ++length) {
    TTestForm form(nullptr);
    TStringStream truncated(binary.substr(0, length));
    EXPECT_THROW(truncated.ReadComponent(&form), EFilerError) << "length " << length;
  }
}

TEST(FormErrors, HugeLengthsFailBeforeAnythingIsAllocated) {
  RegisterTestClasses();
  const AnsiString prefix = AnsiString("TPF0") + "\x09TTestForm\x05" "Form1";
  const std::pair<AnsiString, char> cases[] = {
      {"\x07" "Caption", '\x0C'}, {"\x07" "Caption", '\x12'}, {"\x07" "Caption", '\x14'}, {"\x04" "Data", '\x0A'}};
  for (const auto& [property, tag] : cases) {
    TTestForm form(nullptr);
    TStringStream stream(prefix + property + tag + "\xF0\xFF\xFF\xFF" + "abc");
    try {
      stream.ReadComponent(&form);
      FAIL() << "tag " << int(tag);
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), "Error reading Form1." + property.substr(1) + ": Stream read error");
    }
  }
}

TEST(FormErrors, DeepNestingIsCapped) {
  AnsiString objects = "object Form1: TTestForm\n";
  for (int i = 0; i < 500; ++i) objects += "object A" + IntToStr(i) + ": TTestControl\n";
  EXPECT_THROW(ToBinary(objects), EReadError);

  AnsiString lists = "object Form1: TTestForm\n  Numbers = " + AnsiString(500, '(') + AnsiString(500, ')') + "\nend";
  EXPECT_THROW(ToBinary(lists), EReadError);

  // The same nesting in binary, built by hand: lists in a skipped property, components.
  AnsiString binaryLists = AnsiString("TPF0") + "\x09TTestForm\x05" "Form1" + "\x03" "Foo" + AnsiString(100000, '\x01');
  TTestForm form(nullptr);
  TStringStream listStream(binaryLists);
  TReader reader(listStream);
  reader.OnError = nullptr;
  EXPECT_THROW(reader.ReadRootComponent(&form), EReadError);

  AnsiString child = AnsiString("\x0CTTestControl") + '\0' + '\0';
  AnsiString binaryObjects = AnsiString("TPF0") + "\x09TTestForm\x05" "Form1" + '\0';
  for (int i = 0; i < 1000; ++i) binaryObjects += child;
  TTestForm deep(nullptr);
  TStringStream objectStream(binaryObjects);
  try {
    objectStream.ReadComponent(&deep);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Form description nested too deeply");
  }
  EXPECT_EQ(deep.ComponentCount(), 0) << "every component made on the way was freed";
}

TEST(FormErrors, BadSignatureAndTagsAreFormatErrors) {
  TTestForm form(nullptr);
  TStringStream notAForm("TPF1 whatever");
  try {
    notAForm.ReadComponent(&form);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Invalid stream format");
  }
  TStringStream badTag(AnsiString("TPF0") + "\x09TTestForm\x05" "Form1" + "\x04Left" + "\x63");
  EXPECT_THROW(badTag.ReadComponent(&form), EReadError);
  TStringStream text("object A: T\nend"), out;
  TStringStream binary(AnsiString("TPF0\x01T\x01" "A\x01X\x63", 11));
  EXPECT_THROW(ObjectBinaryToText(binary, out), EReadError);
}
