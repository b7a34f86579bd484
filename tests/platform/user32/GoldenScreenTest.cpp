// Whole-screen golden image of the classic look: a dialog frame with caption and push buttons,
// a message box and a popup menu, open at the same time. Compared byte for byte with
// tests/golden/classic-windows.png; TAWO_UPDATE_GOLDEN=1 rewrites the golden file instead.
#include "ProcessCaches.h"
#include "UserTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr UINT kOpenMenu = WM_APP + 1;
const char* const kGolden = TAWO_SOURCE_DIR "/tests/golden/classic-windows.png";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class GoldenScreen : public UserTest {
 protected:
  static constexpr const char* kFaceClass = "TawoGoldenDialog";

  static void SetUpTestSuite() { WarmUpProcessCaches(); }

  static std::string ShotPath() {
    std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
    return std::string(TAWO_TEST_OUTPUT_DIR) + "/classic-windows.png";
  }

  // Takes the screenshot once everything is drawn, then closes the menu and the message box.
  static BOOL CALLBACK Script(LPVOID context) {
    int& step = *static_cast<int*>(context);
    switch (step++) {
      case 0:
        WinportScreenshot(ShotPath().c_str());
        WinportKeyPress(VK_ESCAPE);  // the menu
        return TRUE;
      case 1:
        WinportKeyPress(VK_RETURN);  // the message box
        return TRUE;
      default:
        return FALSE;
    }
  }
};

TEST_F(GoldenScreen, DialogMessageBoxAndMenu) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "&Otw\xf3rz");
  AppendMenuA(menu, MF_STRING | MF_CHECKED, 2, "&Zaznaczone");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING | MF_GRAYED, 3, "Wy\xb3\xb9" "czone");
  Handlers::ForAll()[kOpenMenu] = [menu](HWND hwnd, UINT, WPARAM, LPARAM, LRESULT&) {
    TrackPopupMenu(menu, TPM_RETURNCMD, 760, 300, 0, hwnd, nullptr);
    return true;
  };

  Register(kFaceClass, 0, reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1));
  HWND dialog = Create(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 20, 20, 240, 175, nullptr, 0,
                       WS_EX_DLGMODALFRAME, kFaceClass);
  SetWindowTextA(dialog, "Ostrze\xbf" "enie");
  const struct {
    const char* text;
    int id;
    DWORD style;
    RECT r;
  } buttons[] = {{"Owner", 10, BS_PUSHBUTTON, {40, 30, 115, 53}},
                 {"Anuluj", IDCANCEL, BS_PUSHBUTTON, {40, 113, 115, 136}},
                 {"OK", IDOK, BS_DEFPUSHBUTTON, {128, 113, 203, 136}}};
  for (const auto& b : buttons) {
    HWND button = CreateWindowExA(0, "BUTTON", b.text, WS_CHILD | WS_VISIBLE | b.style, b.r.left, b.r.top,
                                  b.r.right - b.r.left, b.r.bottom - b.r.top, dialog,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), nullptr, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
  Pump();

  int step = 0;
  WinportSetIdleHandler(&GoldenScreen::Script, &step);
  PostMessageA(dialog, kOpenMenu, 0, 0);
  EXPECT_EQ(MessageBoxA(dialog, "B\xb3\xb9" "d: \n\rSrc: Z:\\cd\\Data\\a.txt\n\rDes:C:\\TAWO\\Data\\a.txt", "ERROR",
                        MB_OK),
            IDOK);
  WinportSetIdleHandler(nullptr, nullptr);
  DestroyMenu(menu);
  DestroyWindow(dialog);
  UnregisterClassA(kFaceClass, nullptr);
  ASSERT_GE(step, 2);

  const std::string actual = ReadFile(ShotPath());
  ASSERT_FALSE(actual.empty());
  if (const char* update = std::getenv("TAWO_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    std::ofstream(kGolden, std::ios::binary) << actual;
    GTEST_SKIP() << "golden image rewritten: " << kGolden;
  }
  EXPECT_TRUE(actual == ReadFile(kGolden)) << "the screen differs from " << kGolden << "; see " << ShotPath()
                                           << " (TAWO_UPDATE_GOLDEN=1 rewrites the golden image)";
}

}  // namespace
