// formview opens the installer's forms, every gallery page and hand-written forms, reports
// what it cannot read with the component, property and line, and converts descriptions
// between their two forms without changing a byte.
#include <gtest/gtest.h>

#include "../framework/ControlTestSupport.h"
#include "FormConversion.h"
#include "FormViewer.h"

#include <TForm.h>
#include <TLabel.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace {

namespace fs = std::filesystem;

AnsiString ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return AnsiString(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The forms that must open cleanly: the installer's, the gallery's pages and a hand-written one.
std::vector<fs::path> CleanForms() {
  const fs::path source = TAWO_SOURCE_DIR;
  std::vector<fs::path> forms{source / "app/forms/Main.dfm", source / "app/forms/Ostrzezenie.dfm",
                              source / "tests/formview/data/Handmade.dfm"};
  for (const auto& entry : fs::directory_iterator(source / "gallery/pages")) {
    if (entry.path().extension() == ".dfm") forms.push_back(entry.path());
  }
  return forms;
}

class FormView : public VisualTest {
 protected:
  // Opens the description in a shown form and returns the problems noted.
  std::vector<AnsiString> Open(const AnsiString& description, const AnsiString& sourceName = "form.dfm") {
    form_ = new TForm(Application);
    TFormViewer viewer(sourceName);
    viewer.Open(description, *form_);
    form_->Show();
    WinportDispatchPending();
    return viewer.Problems();
  }

  TForm* form_ = nullptr;
};

TEST_F(FormView, OpensTheInstallerFormsTheGalleryPagesAndAHandWrittenForm) {
  for (const fs::path& path : CleanForms()) {
    SCOPED_TRACE(path.string());
    EXPECT_EQ(Open(ReadFile(path)), std::vector<AnsiString>{});
    EXPECT_GT(form_->ComponentCount(), 0);
    delete form_;
  }
}

TEST_F(FormView, ProblemsNameComponentPropertyAndLineAndTheRestStillShows) {
  const AnsiString text = ReadFile(TAWO_SOURCE_DIR "/tests/formview/data/Damaged.dfm");
  const std::vector<AnsiString> expected{
      "Damaged.dfm:5: Error reading Knob: Class TNoSuchKnob not found",
      "Damaged.dfm:15: Error reading Title.Sparkle: Property Sparkle does not exist",
      "Damaged.dfm:22: Error reading Meter.Bar3D: Invalid property value"};
  EXPECT_EQ(Open(text, "Damaged.dfm"), expected);
  EXPECT_EQ(form_->FindComponent("Inside"), nullptr) << "a child of the unknown component is skipped with it";
  auto* title = dynamic_cast<TLabel*>(form_->FindComponent("Title"));
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Caption(), "Tytu\xB3");
  ASSERT_NE(form_->FindComponent("Meter"), nullptr);
  delete form_;

  // The binary form has no lines: the same problems are placed by their offset.
  const std::vector<AnsiString> binary = Open(FormToBinary(text), "Damaged.bin");
  ASSERT_EQ(binary.size(), expected.size());
  const std::regex atOffset(R"(Damaged\.bin \(byte [0-9]+\): Error reading .*)");
  for (const AnsiString& problem : binary) EXPECT_TRUE(std::regex_match(problem, atOffset)) << problem;
  EXPECT_EQ(binary[2].substr(binary[2].find(':')), expected[2].substr(expected[2].find(':', 12)));
}

// A text in the converter's layout comes back byte for byte through the binary form, and the
// binary form through text; the source's own layout converts to the same binary form.
TEST(FormConversion, RoundTripsKeepEveryByte) {
  for (const fs::path& path : CleanForms()) {
    SCOPED_TRACE(path.string());
    const AnsiString source = ReadFile(path);
    const AnsiString binary = FormToBinary(source);
    const AnsiString text = FormToText(binary);
    EXPECT_EQ(FormToBinary(text), binary);
    EXPECT_EQ(FormToText(FormToBinary(text)), text);
  }
}

TEST(FormConversion, BytesThatAreNeitherFormAreRefused) {
  EXPECT_THROW(FormToText("hello"), EReadError);
  EXPECT_THROW(FormToBinary(""), EReadError);
  EXPECT_THROW(FormToText("object A: TForm\n  Left 1\nend\n"), EParserError);
}

}  // namespace
