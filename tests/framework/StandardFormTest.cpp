// A form described in the framework's text form: a panel holding a picture, a multi-line
// label, two bitmap buttons and a status bar with automatic hints. It is loaded, shown on the
// headless display, compared with tests/golden/standard-form.png (TAWO_UPDATE_GOLDEN=1
// rewrites it), and driven with injected input.
#include <gtest/gtest.h>
#include <winport.h>

#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdActns.h"
#include "StdCtrls.h"
#include "TApplication.h"
#include "TBitmap.h"
#include "TForm.h"
#include "ControlTestSupport.h"
#include "TMemoryStream.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <string>
#include <vector>

using enum TAlign;
using enum TBitBtnKind;
using enum TPixelFormat;

namespace {

const char* const kGolden = TAWO_SOURCE_DIR "/tests/golden/standard-form.png";

class TStandardForm : public TForm {
  TAWO_CLASS(TStandardForm, TForm)

 public:
  explicit TStandardForm(TComponent* owner) : TForm(owner) { InitInheritedComponent(this, TForm::ClassInfo()); }

  TPanel* Panel1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;
  TBitBtn* BitBtn1 = nullptr;
  TBitBtn* BitBtn2 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* Details1 = nullptr;
  int DetailsClicks = 0;

  void Details1Click(TObject*) { ++DetailsClicks; }
};

}  // namespace

TAWO_PUBLISHED(TStandardForm, published) {
  published.Field("Panel1", &TStandardForm::Panel1);
  published.Field("Image1", &TStandardForm::Image1);
  published.Field("Label1", &TStandardForm::Label1);
  published.Field("BitBtn1", &TStandardForm::BitBtn1);
  published.Field("BitBtn2", &TStandardForm::BitBtn2);
  published.Field("StatusBar1", &TStandardForm::StatusBar1);
  published.Field("PopupMenu1", &TStandardForm::PopupMenu1);
  published.Field("Details1", &TStandardForm::Details1);
  published.Method("Details1Click", &TStandardForm::Details1Click);
}

namespace {

// A 39 x 40 warning sign on a white background, which the image makes transparent.
AnsiString WarningPictureHex() {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(39, 40);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(RECT{0, 0, 39, 40});
  canvas->Brush()->SetColor(clYellow);
  canvas->Pen()->SetColor(clBlack);
  canvas->Polygon({{19, 2}, {37, 36}, {1, 36}});
  canvas->Brush()->SetColor(clBlack);
  canvas->FillRect(RECT{18, 12, 21, 27});
  canvas->FillRect(RECT{18, 29, 21, 32});
  TMemoryStream file;
  bitmap.SaveToStream(file);
  AnsiString data = "\x07TBitmap";
  const auto size = static_cast<uint32_t>(file.Size());
  data.append(reinterpret_cast<const char*>(&size), 4);
  data.append(file.Memory(), static_cast<std::size_t>(file.Size()));
  static const char digits[] = "0123456789ABCDEF";
  AnsiString hex;
  for (unsigned char byte : data) {
    hex += digits[byte >> 4];
    hex += digits[byte & 15];
  }
  return hex;
}

AnsiString FormText() {
  return "object StandardForm: TStandardForm\n"
         "  Left = 200\n"
         "  Top = 150\n"
         "  BorderIcons = [biSystemMenu]\n"
         "  BorderStyle = bsDialog\n"
         "  Caption = 'Ostrze'#191'enie'\n"
         "  ClientHeight = 166\n"
         "  ClientWidth = 234\n"
         "  Color = clBtnFace\n"
         "  Font.Charset = DEFAULT_CHARSET\n"
         "  Font.Color = clWindowText\n"
         "  Font.Height = -11\n"
         "  Font.Name = 'MS Sans Serif'\n"
         "  Font.Style = []\n"
         "  PixelsPerInch = 96\n"
         "  object Panel1: TPanel\n"
         "    Left = 0\n"
         "    Top = 0\n"
         "    Width = 234\n"
         "    Height = 166\n"
         "    Align = alClient\n"
         "    Color = 9677493\n"
         "    TabOrder = 0\n"
         "    object Image1: TImage\n"
         "      Left = 8\n"
         "      Top = 16\n"
         "      Width = 38\n"
         "      Height = 41\n"
         "      Picture.Data = {" + WarningPictureHex() + "}\n"
         "      Transparent = True\n"
         "    end\n"
         "    object Label1: TLabel\n"
         "      Left = 56\n"
         "      Top = 16\n"
         "      Width = 168\n"
         "      Height = 91\n"
         "      Caption = 'Program wymaga co najmniej '#13#10'100 MB wolnej przestrzeni.'#13#10'Prawdopodobnie na dysku C:'#13#10'brakuje miejsca.'#13#10#13#10'Czy na pewno kontynuowa'#230'?'#13#10\n"
         "      Font.Charset = DEFAULT_CHARSET\n"
         "      Font.Color = clWindowText\n"
         "      Font.Height = -11\n"
         "      Font.Name = 'MS Sans Serif'\n"
         "      Font.Style = [fsBold]\n"
         "      ParentFont = False\n"
         "      PopupMenu = PopupMenu1\n"
         "      Transparent = True\n"
         "    end\n"
         "    object BitBtn1: TBitBtn\n"
         "      Left = 40\n"
         "      Top = 114\n"
         "      Width = 75\n"
         "      Height = 25\n"
         "      Hint = 'Przerywa instalacj'#234\n"
         "      Caption = 'Anuluj'\n"
         "      TabOrder = 0\n"
         "      Kind = bkAbort\n"
         "    end\n"
         "    object BitBtn2: TBitBtn\n"
         "      Left = 128\n"
         "      Top = 114\n"
         "      Width = 75\n"
         "      Height = 25\n"
         "      Hint = 'Kontynuuje instalacj'#234'|'#140'rodki na dysku'\n"
         "      TabOrder = 1\n"
         "      Kind = bkOK\n"
         "    end\n"
         "    object StatusBar1: TStatusBar\n"
         "      Left = 1\n"
         "      Top = 146\n"
         "      Width = 232\n"
         "      Height = 19\n"
         "      AutoHint = True\n"
         "      Color = 9677493\n"
         "      Panels = <>\n"
         "      SimplePanel = False\n"
         "    end\n"
         "  end\n"
         "  object PopupMenu1: TPopupMenu\n"
         "    object Details1: TMenuItem\n"
         "      Caption = '&Szczeg'#243'y'\n"
         "      OnClick = Details1Click\n"
         "    end\n"
         "  end\n"
         "end\n";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class StandardForm : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    RegisterClasses({TPanel::ClassInfo(), TImage::ClassInfo(), TLabel::ClassInfo(), TBitBtn::ClassInfo(),
                     TStatusBar::ClassInfo(), TPopupMenu::ClassInfo(), TMenuItem::ClassInfo()});
    static const bool registered = RegisterFormResource("TSTANDARDFORM", FormText());
    ASSERT_TRUE(registered);
    FForm = new TStandardForm(Application);
  }

  void ShowTheForm() {
    FForm->Show();
    WinportDispatchPending();
  }

  static POINT Center(TControl* control) {
    return control->ClientToScreen(POINT{control->Width() / 2, control->Height() / 2});
  }

  // Runs the message loop while `steps` each act once when it waits for input.
  static void RunSteps(std::vector<std::function<void()>> steps) {
    std::size_t next = 0;
    IdleScript script([&] {
      if (next == steps.size()) return true;
      steps[next++]();
      return false;
    });
    while (!script.Done()) Application->HandleMessage();
  }

  TStandardForm* FForm = nullptr;
};

TEST_F(StandardForm, LoadsFromItsDescription) {
  ASSERT_NE(FForm->Panel1, nullptr);
  EXPECT_EQ(FForm->Image1->Parent(), FForm->Panel1);
  EXPECT_EQ(FForm->Image1->Picture()->Width(), 39);
  EXPECT_TRUE(FForm->Image1->Picture()->Graphic()->Transparent());
  EXPECT_EQ(FForm->BitBtn1->Caption(), "Anuluj") << "the stored caption wins over the kind's";
  EXPECT_EQ(FForm->BitBtn1->Kind(), bkAbort);
  EXPECT_EQ(FForm->BitBtn1->ModalResult(), mrAbort);
  EXPECT_EQ(FForm->BitBtn2->Caption(), "OK");
  EXPECT_TRUE(FForm->BitBtn2->Default());
  EXPECT_EQ(FForm->BitBtn2->ModalResult(), mrOk);
  EXPECT_EQ(FForm->StatusBar1->Align(), alBottom);
  EXPECT_EQ(FForm->StatusBar1->Top(), 146);
  EXPECT_FALSE(FForm->StatusBar1->ShowsSizeGrip()) << "a dialog cannot be resized";
  EXPECT_EQ(FForm->Label1->PopupMenu(), FForm->PopupMenu1);
}

TEST_F(StandardForm, LooksLikeTheGoldenScreenshot) {
  ShowTheForm();
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  const std::string shot = std::string(TAWO_TEST_OUTPUT_DIR) + "/standard-form.png";
  ASSERT_TRUE(WinportWindowScreenshot(FForm->Handle(), shot.c_str()));
  const std::string actual = ReadFile(shot);
  if (const char* update = std::getenv("TAWO_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    std::ofstream(kGolden, std::ios::binary) << actual;
    GTEST_SKIP() << "golden image rewritten: " << kGolden;
  }
  EXPECT_TRUE(actual == ReadFile(kGolden)) << "the form differs from " << kGolden << "; see " << shot
                                           << " (TAWO_UPDATE_GOLDEN=1 rewrites the golden image)";
}

TEST_F(StandardForm, TheStatusBarShowsTheLongHintOfTheControlUnderTheMouse) {
  ShowTheForm();
  std::vector<AnsiString> shown;
  auto moveTo = [&](TControl* control) {
    return [&shown, this, control] {
      shown.push_back(FForm->StatusBar1->SimpleText());
      const POINT at = Center(control);
      WinportMouseMove(at.x, at.y);
    };
  };
  RunSteps({moveTo(FForm->BitBtn2), moveTo(FForm->BitBtn1), moveTo(FForm->Image1),
            [&] { shown.push_back(FForm->StatusBar1->SimpleText()); }});
  EXPECT_EQ(shown, (std::vector<AnsiString>{"", "\x8Crodki na dysku", "Przerywa instalacj\xEA", ""}))
      << "the long hint of each button, nothing over the picture";
}

TEST_F(StandardForm, ShowModalEndsWithTheClickedButtonsResult) {
  for (TBitBtn* button : {FForm->BitBtn2, FForm->BitBtn1}) {
    bool clicked = false;
    IdleScript script([&] {
      if (clicked) return true;
      const POINT at = Center(button);
      WinportMouseClick(WINPORT_BUTTON_LEFT, at.x, at.y);
      clicked = true;
      return false;
    });
    EXPECT_EQ(FForm->ShowModal(), button->ModalResult());
    EXPECT_FALSE(FForm->Visible());
  }
  EXPECT_EQ(FForm->BitBtn1->ModalResult(), mrAbort);
}

TEST_F(StandardForm, ARightClickOpensThePopupMenuAndItsItemRuns) {
  ShowTheForm();
  const POINT at = Center(FForm->Label1);
  RunSteps({[&] { WinportMouseClick(WINPORT_BUTTON_RIGHT, at.x, at.y); },
            [&] { WinportMouseClick(WINPORT_BUTTON_LEFT, at.x + 3 + 25, at.y + 3 + 8); }});
  Application->ProcessMessages();
  EXPECT_EQ(FForm->DetailsClicks, 1);
  EXPECT_EQ(FForm->PopupMenu1->PopupComponent(), FForm->Label1);
}

}  // namespace
