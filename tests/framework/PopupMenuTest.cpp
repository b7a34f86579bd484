#include <gtest/gtest.h>
#include <winport.h>

#include "Classes.h"
#include "Menus.h"
#include "TStringStream.h"

#include <string>
#include <vector>

namespace {

constexpr int kMenuX = 300, kMenuY = 300;
constexpr int kFrame = 3, kItemHeight = 17;

// The middle of the menu's item at this row (rows of ordinary items, no separators above).
POINT ItemPoint(int row) { return POINT{kMenuX + kFrame + 25, kMenuY + kFrame + row * kItemHeight + 8}; }

struct TMenuLog : TObject {
  std::vector<std::string> Events;
  void Clicked(TObject* sender) { Events.push_back("click " + static_cast<TMenuItem*>(sender)->Caption()); }
  void Popped(TObject*) { Events.push_back("popup"); }
};

// Keys reach the open menu through the active window, as when a form opens its menu.
class PopupMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WinportSetDisplay("headless") || std::string(WinportDisplayName()) == "headless");
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "TestMenuForm";
    RegisterClassA(&windowClass);
    FForm = CreateWindowExA(0, "TestMenuForm", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                            nullptr);
    SetActiveWindow(FForm);
    FMenu.OnPopup = TNotifyEvent(&FLog, &TMenuLog::Popped);
    for (const char* caption : {"&Open", "Hidden", "&Save", "Off"}) {
      auto* item = new TMenuItem(&FOwner);
      item->SetCaption(caption);
      item->OnClick = TNotifyEvent(&FLog, &TMenuLog::Clicked);
      FMenu.Items()->Add(item);
    }
    FMenu.Items()->Items(1)->SetVisible(false);
    FMenu.Items()->Items(3)->SetEnabled(false);
  }

  void TearDown() override { DestroyWindow(FForm); }

  HWND FForm = nullptr;
  TComponent FOwner{nullptr};
  TPopupMenu FMenu{nullptr};
  TMenuLog FLog;
};

TEST_F(PopupMenus, ClickingAnItemRunsItsOnClickAfterOnPopup) {
  const POINT save = ItemPoint(1);  // the hidden item takes no row
  WinportMouseClick(WINPORT_BUTTON_LEFT, save.x, save.y);
  FMenu.Popup(kMenuX, kMenuY);
  EXPECT_EQ(FLog.Events, (std::vector<std::string>{"popup", "click &Save"}));
  EXPECT_EQ(FMenu.PopupPoint().x, kMenuX);
}

TEST_F(PopupMenus, DisabledItemsAndCancellingClickNothing) {
  const POINT off = ItemPoint(2);
  WinportMouseClick(WINPORT_BUTTON_LEFT, off.x, off.y);
  WinportKeyPress(VK_ESCAPE);
  FMenu.Popup(kMenuX, kMenuY);
  WinportMouseClick(WINPORT_BUTTON_LEFT, 900, 700);
  FMenu.Popup(kMenuX, kMenuY);
  EXPECT_EQ(FLog.Events, (std::vector<std::string>{"popup", "popup"}));
}

TEST_F(PopupMenus, SubmenuItemsAreFoundByTheirCommand) {
  auto* child = new TMenuItem(&FOwner);
  child->SetCaption("Child");
  child->OnClick = TNotifyEvent(&FLog, &TMenuLog::Clicked);
  FMenu.Items()->Items(0)->Add(child);
  EXPECT_EQ(FMenu.FindItem(child->Command()), child);
  EXPECT_EQ(FMenu.FindItem(FMenu.Items()->Command()), nullptr) << "the root item is never chosen";
  EXPECT_THROW(FMenu.Items()->Items(2)->Add(child), EMenuError) << "an item sits in one place";
  EXPECT_THROW(child->Add(FMenu.Items()->Items(0)), EMenuError);
  delete child;
  EXPECT_EQ(FMenu.Items()->Items(0)->Count(), 0);
}

TEST(PopupMenuStreaming, ItemsLoadAsChildrenOfTheMenuAndOfEachOther) {
  RegisterClasses({TPopupMenu::ClassInfo(), TMenuItem::ClassInfo()});
  TStringStream text(
      "object PopupMenu1: TPopupMenu\n"
      "  AutoPopup = False\n"
      "  object File1: TMenuItem\n"
      "    Caption = '&File'\n"
      "    object Exit1: TMenuItem\n"
      "      Caption = 'E&xit'\n"
      "      Enabled = False\n"
      "    end\n"
      "  end\n"
      "  object N1: TMenuItem\n"
      "    Caption = '-'\n"
      "  end\n"
      "end\n");
  TStringStream binary("");
  ObjectTextToBinary(text, binary);
  binary.SetPosition(0);
  TPopupMenu menu(nullptr);
  binary.ReadComponent(&menu);
  EXPECT_FALSE(menu.AutoPopup());
  ASSERT_EQ(menu.Items()->Count(), 2);
  TMenuItem* file = menu.Items()->Items(0);
  EXPECT_EQ(file->Caption(), "&File");
  ASSERT_EQ(file->Count(), 1);
  EXPECT_FALSE(file->Items(0)->Enabled());
  EXPECT_TRUE(menu.Items()->Items(1)->IsLine());
  EXPECT_EQ(file->GetParentComponent(), &menu);
  EXPECT_EQ(file->Items(0)->GetParentComponent(), file);
}

}  // namespace
