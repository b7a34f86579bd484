// Window classes, creation and destruction sequences, handles, the tree and window longs.
#include <cstring>

#include "UserTestSupport.h"

namespace {

using WindowLifecycle = UserTest;

TEST_F(WindowLifecycle, ClassesAreCaseInsensitiveAndRegisteredOnce) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "tawotestwindow";
  SetLastError(0);
  EXPECT_EQ(RegisterClassA(&wc), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));

  WNDCLASSA info{};
  EXPECT_TRUE(GetClassInfoA(nullptr, "TAWOTESTWINDOW", &info));
  EXPECT_EQ(info.lpfnWndProc, &RecordingProc);
  EXPECT_EQ(info.cbWndExtra, 16);

  EXPECT_FALSE(GetClassInfoA(nullptr, "NoSuchClass", &info));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

TEST_F(WindowLifecycle, AClassWithWindowsCannotBeUnregistered) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_FALSE(UnregisterClassA(kClass, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
  char name[32];
  EXPECT_EQ(GetClassNameA(hwnd, name, sizeof(name)), static_cast<int>(std::strlen(kClass)));
  EXPECT_STREQ(name, kClass);
  EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_WINDOW + 1));
}

TEST_F(WindowLifecycle, ChildCreationSequence) {
  HWND parent = Create(WS_POPUP, 0, 0, 200, 200);
  Log().Clear();
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 20, 50, 40, parent, 7);
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(Log().Matches({
      Msg(WM_NCCREATE, child),
      Msg(WM_NCCALCSIZE, child),
      Msg(WM_CREATE, child),
      WithL(WithW(Msg(WM_SIZE, child), SIZE_RESTORED), MAKELPARAM(50, 40)),
      WithL(Msg(WM_MOVE, child), MAKELPARAM(10, 20)),
      WithL(WithW(Msg(WM_PARENTNOTIFY, parent), MAKEWPARAM(WM_CREATE, 7)), reinterpret_cast<LPARAM>(child)),
      WithW(Msg(WM_SHOWWINDOW, child), TRUE),
      Msg(WM_WINDOWPOSCHANGING, child),
      Msg(WM_WINDOWPOSCHANGED, child),
  }));
  EXPECT_EQ(GetParent(child), parent);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_EQ(GetDlgItem(parent, 7), child);
  EXPECT_FALSE(IsWindowVisible(child)) << "the parent is hidden";
}

TEST_F(WindowLifecycle, OverlappedWindowCreationShowsActivatesAndSizesOnFirstShow) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_TRUE(Log().Matches({
      Msg(WM_GETMINMAXINFO),
      Msg(WM_NCCREATE),
      Msg(WM_NCCALCSIZE),
      Msg(WM_CREATE),
      WithW(Msg(WM_SHOWWINDOW), TRUE),
      Msg(WM_WINDOWPOSCHANGING),
      WithW(Msg(WM_ACTIVATEAPP), TRUE),
      WithW(Msg(WM_NCACTIVATE), TRUE),
      WithW(Msg(WM_ACTIVATE), WA_ACTIVE),
      Msg(WM_SETFOCUS),
      Msg(WM_NCPAINT),
      Msg(WM_ERASEBKGND),
      Msg(WM_WINDOWPOSCHANGED),
      Msg(WM_SIZE),
      Msg(WM_MOVE),
  }));
  EXPECT_EQ(GetActiveWindow(), hwnd);
  EXPECT_EQ(GetFocus(), hwnd);
  EXPECT_EQ(GetForegroundWindow(), hwnd);
  // An overlapped window always gets a caption and clips its siblings.
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_CLIPSIBLINGS);
  EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_WINDOWEDGE);
  RECT client, window;
  GetClientRect(hwnd, &client);
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(window.right - window.left - client.right, 8);
  EXPECT_EQ(window.bottom - window.top - client.bottom, 27);
}

TEST_F(WindowLifecycle, NcCreateOrCreateFailureDestroysTheWindow) {
  Handlers::ForAll()[WM_NCCREATE] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = FALSE;
    return true;
  };
  EXPECT_EQ(Create(WS_POPUP, 0, 0, 10, 10), nullptr);
  EXPECT_TRUE(Log().Matches({Msg(WM_NCCREATE), Msg(WM_NCDESTROY)}));

  Handlers::ForAll().clear();
  Log().Clear();
  Handlers::ForAll()[WM_CREATE] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = -1;
    return true;
  };
  EXPECT_EQ(Create(WS_POPUP, 0, 0, 10, 10), nullptr);
  EXPECT_TRUE(
      Log().Matches({Msg(WM_NCCREATE), Msg(WM_NCCALCSIZE), Msg(WM_CREATE), Msg(WM_DESTROY), Msg(WM_NCDESTROY)}));
}

TEST_F(WindowLifecycle, DestructionOrderParentThenChildrenNcDestroyBottomUp) {
  HWND parent = Create(WS_POPUP, 0, 0, 200, 200);
  HWND child = Create(WS_CHILD, 0, 0, 50, 50, parent, 1);
  HWND grandchild = Create(WS_CHILD, 0, 0, 10, 10, child, 2);
  HWND owned = Create(WS_POPUP, 0, 0, 10, 10, parent);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), parent);
  Log().Clear();
  EXPECT_TRUE(DestroyWindow(parent));
  EXPECT_TRUE(Log().Matches({
      Msg(WM_DESTROY, owned),
      Msg(WM_NCDESTROY, owned),
      Msg(WM_DESTROY, parent),
      Msg(WM_DESTROY, child),
      Msg(WM_DESTROY, grandchild),
      Msg(WM_NCDESTROY, grandchild),
      Msg(WM_NCDESTROY, child),
      Msg(WM_NCDESTROY, parent),
  }));
  for (HWND hwnd : {parent, child, grandchild, owned}) EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowLifecycle, DestroyingAVisibleActiveWindowDeactivatesFirst) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
  Pump();
  Log().Clear();
  DestroyWindow(hwnd);
  EXPECT_TRUE(Log().Matches({
      Msg(WM_WINDOWPOSCHANGING),
      Msg(WM_WINDOWPOSCHANGED),
      WithW(Msg(WM_NCACTIVATE), FALSE),
      WithW(Msg(WM_ACTIVATE), WA_INACTIVE),
      WithW(Msg(WM_ACTIVATEAPP), FALSE),
      Msg(WM_KILLFOCUS),
      Msg(WM_DESTROY),
      Msg(WM_NCDESTROY),
  }));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowLifecycle, AWindowDestroyedInsideItsOwnHandlerIsSafe) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  Handlers::ForAll()[WM_USER] = [](HWND h, UINT, WPARAM, LPARAM, LRESULT& r) {
    DestroyWindow(h);
    // The handle is dead from here on; calls on it fail cleanly.
    r = IsWindow(h) ? 1 : 2;
    return true;
  };
  EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 2);
  EXPECT_FALSE(IsWindow(hwnd));
  SetLastError(0);
  EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_FALSE(DestroyWindow(hwnd));
  EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowLifecycle, DestroyWindowDuringWmCreateFailsCreationWithoutCrash) {
  Handlers::ForAll()[WM_CREATE] = [](HWND h, UINT, WPARAM, LPARAM, LRESULT& r) {
    DestroyWindow(h);
    r = 0;
    return true;
  };
  EXPECT_EQ(Create(WS_POPUP | WS_VISIBLE, 0, 0, 10, 10), nullptr);
}

TEST_F(WindowLifecycle, ChildDestroyedFromParentsWmDestroyGetsItsOwnSequence) {
  HWND parent = Create(WS_POPUP, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD, 0, 0, 10, 10, parent);
  Handlers::ForAll()[WM_DESTROY] = [parent, child](HWND h, UINT, WPARAM, LPARAM, LRESULT& r) {
    if (h == parent) DestroyWindow(child);
    r = 0;
    return true;
  };
  Log().Clear();
  DestroyWindow(parent);
  EXPECT_TRUE(Log().Matches({Msg(WM_DESTROY, parent), WithW(Msg(WM_PARENTNOTIFY, parent), MAKEWPARAM(WM_DESTROY, 0)),
                             Msg(WM_DESTROY, child), Msg(WM_NCDESTROY, child), Msg(WM_NCDESTROY, parent)}));
}

TEST_F(WindowLifecycle, StaleHandlesNeverReachANewWindow) {
  HWND first = Create(WS_POPUP, 0, 0, 10, 10);
  DestroyWindow(first);
  HWND second = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_NE(first, second);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(0x12345678)));
  RECT r;
  EXPECT_FALSE(GetWindowRect(reinterpret_cast<HWND>(0xDEAD0020), &r));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowLifecycle, WindowTextGoesThroughMessages) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  Log().IgnoreNoise(false);
  Log().Clear();
  EXPECT_TRUE(SetWindowTextA(hwnd, "Hello"));
  char buffer[4];
  EXPECT_EQ(GetWindowTextA(hwnd, buffer, sizeof(buffer)), 3);
  EXPECT_STREQ(buffer, "Hel");
  EXPECT_EQ(GetWindowTextLengthA(hwnd), 5);
  EXPECT_TRUE(Log().Matches({Msg(WM_SETTEXT), WithW(Msg(WM_GETTEXT), 4), Msg(WM_GETTEXTLENGTH)}));
}

TEST_F(WindowLifecycle, OwnerAndParentRelations) {
  HWND top = Create(WS_POPUP, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD, 0, 0, 10, 10, top);
  HWND popup = Create(WS_POPUP, 0, 0, 10, 10, child);  // owner is the child's top-level window
  HWND overlapped = Create(WS_OVERLAPPED, 0, 0, 200, 100, top);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), top);
  EXPECT_EQ(GetParent(popup), top);
  EXPECT_EQ(GetParent(overlapped), nullptr) << "an overlapped window's GetParent is null";
  EXPECT_EQ(GetAncestor(child, GA_PARENT), top);
  EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetAncestor(child, GA_ROOT), top);
  EXPECT_EQ(GetAncestor(popup, GA_ROOTOWNER), top);
  EXPECT_TRUE(IsChild(top, child));
  EXPECT_FALSE(IsChild(top, popup));
  EXPECT_EQ(CreateWindowExA(0, kClass, "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD));
}

TEST_F(WindowLifecycle, NewChildrenGoToTheBottomNewTopLevelWindowsToTheTop) {
  HWND parent = Create(WS_POPUP, 0, 0, 100, 100);
  HWND first = Create(WS_CHILD, 0, 0, 10, 10, parent);
  HWND second = Create(WS_CHILD, 0, 0, 10, 10, parent);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), first);
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
  HWND a = Create(WS_POPUP, 0, 0, 10, 10);
  HWND b = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
  HWND topmost = Create(WS_POPUP, 0, 0, 10, 10, nullptr, 0, WS_EX_TOPMOST);
  HWND c = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_EQ(GetWindow(c, GW_HWNDPREV), topmost) << "normal windows stay below topmost ones";
  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), a);
}

TEST_F(WindowLifecycle, BringWindowToTopActivates) {
  HWND a = CreateShownPopup(0, 0, 10, 10);
  HWND b = CreateShownPopup(0, 0, 10, 10);
  EXPECT_EQ(GetActiveWindow(), b);
  EXPECT_TRUE(BringWindowToTop(a));
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
}

TEST_F(WindowLifecycle, OwnedWindowsStayAboveTheirOwner) {
  HWND owner = Create(WS_POPUP, 0, 0, 100, 100);
  HWND owned = Create(WS_POPUP, 0, 0, 10, 10, owner);
  HWND other = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_EQ(GetWindow(other, GW_HWNDNEXT), owned);
  SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), owner);
  EXPECT_EQ(GetWindow(owner, GW_HWNDNEXT), other);
  SetWindowPos(owned, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), owner) << "cannot go below its owner";
}

LRESULT CALLBACK FirstSubclass(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK SecondSubclass(HWND, UINT, WPARAM, LPARAM);
WNDPROC firstPrevious = nullptr;
WNDPROC secondPrevious = nullptr;
std::vector<std::string> calls;

LRESULT CALLBACK FirstSubclass(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) calls.push_back("first");
  return CallWindowProcA(firstPrevious, h, m, w, l);
}

LRESULT CALLBACK SecondSubclass(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) calls.push_back("second");
  return CallWindowProcA(secondPrevious, h, m, w, l);
}

TEST_F(WindowLifecycle, SubclassingChainsAndUnwindsInReverseOrder) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  HWND sibling = Create(WS_POPUP, 0, 0, 10, 10);
  calls.clear();
  firstPrevious =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FirstSubclass)));
  EXPECT_EQ(firstPrevious, &RecordingProc);
  secondPrevious =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SecondSubclass)));
  EXPECT_EQ(secondPrevious, &FirstSubclass);
  Log().Clear();
  SendMessageA(hwnd, WM_USER, 0, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"second", "first"}));
  EXPECT_TRUE(Log().Matches({Msg(WM_USER, hwnd)})) << "the class procedure still runs last";

  EXPECT_EQ(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(secondPrevious)),
            reinterpret_cast<LONG_PTR>(&SecondSubclass));
  EXPECT_EQ(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(firstPrevious)),
            reinterpret_cast<LONG_PTR>(&FirstSubclass));
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc));
  EXPECT_EQ(GetWindowLongPtrA(sibling, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc))
      << "subclassing touches one window only";
  EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_WNDPROC), reinterpret_cast<ULONG_PTR>(&RecordingProc));
}

TEST_F(WindowLifecycle, WindowLongsAndExtraBytes) {
  HWND parent = Create(WS_POPUP, 0, 0, 10, 10);
  HWND hwnd = Create(WS_CHILD, 0, 0, 10, 10, parent, 42);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_ID), 42);
  EXPECT_EQ(SetWindowLongPtrA(hwnd, GWLP_ID, 43), 42);
  EXPECT_EQ(GetDlgCtrlID(hwnd), 43);
  EXPECT_EQ(SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0x1234567890LL), 0);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_USERDATA), 0x1234567890LL);
  EXPECT_EQ(SetWindowLongPtrA(hwnd, 8, 77), 0);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, 8), 77);
  EXPECT_EQ(SetWindowLongA(hwnd, 12, -5), 0);
  EXPECT_EQ(GetWindowLongA(hwnd, 12), -5);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, 9), 0) << "eight bytes from 9 run past 16";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
  EXPECT_EQ(GetWindowLongA(hwnd, GWLP_WNDPROC), 0) << "a procedure does not fit 32 bits";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_HWNDPARENT), reinterpret_cast<LONG_PTR>(parent));
}

TEST_F(WindowLifecycle, StyleChangesAreAnnounced) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  Handlers::ForAll()[WM_STYLECHANGING] = [](HWND, UINT, WPARAM index, LPARAM l, LRESULT& r) {
    if (index == static_cast<WPARAM>(GWL_STYLE)) reinterpret_cast<STYLESTRUCT*>(l)->styleNew |= WS_TABSTOP;
    r = 0;
    return true;
  };
  Log().Clear();
  EXPECT_EQ(static_cast<DWORD>(SetWindowLongA(hwnd, GWL_STYLE, WS_POPUP | WS_BORDER)), static_cast<DWORD>(WS_POPUP));
  EXPECT_TRUE(Log().Matches({WithW(Msg(WM_STYLECHANGING), static_cast<WPARAM>(GWL_STYLE)),
                             WithW(Msg(WM_STYLECHANGED), static_cast<WPARAM>(GWL_STYLE))}));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)), static_cast<DWORD>(WS_POPUP | WS_BORDER | WS_TABSTOP));
}

TEST_F(WindowLifecycle, MoveAndSizeSequence) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  EXPECT_TRUE(MoveWindow(hwnd, 10, 20, 110, 120, TRUE));
  EXPECT_TRUE(Log().Matches({Msg(WM_WINDOWPOSCHANGING), Msg(WM_NCCALCSIZE), Optional(WM_NCPAINT),
                             Optional(WM_ERASEBKGND), Msg(WM_WINDOWPOSCHANGED), WithL(Msg(WM_MOVE), MAKELPARAM(10, 20)),
                             WithL(Msg(WM_SIZE), MAKELPARAM(110, 120))}));
  Log().Clear();
  EXPECT_TRUE(SetWindowPos(hwnd, nullptr, 10, 20, 110, 120, SWP_NOZORDER | SWP_NOACTIVATE));
  EXPECT_TRUE(Log().Matches({})) << "nothing changes, nothing is sent";
  SetWindowPos(hwnd, nullptr, 30, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(Log().Matches({Msg(WM_WINDOWPOSCHANGING), Msg(WM_WINDOWPOSCHANGED), Msg(WM_MOVE)}));
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.right, 140);
}

TEST_F(WindowLifecycle, HandlingWindowPosChangedWithoutDefaultGivesNoSizeOrMove) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  Handlers::ForAll()[WM_WINDOWPOSCHANGED] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = 0;
    return true;
  };
  MoveWindow(hwnd, 5, 5, 50, 50, FALSE);
  EXPECT_TRUE(Log().Matches({Msg(WM_WINDOWPOSCHANGING), Msg(WM_NCCALCSIZE), Msg(WM_WINDOWPOSCHANGED)}));
}

TEST_F(WindowLifecycle, ShowAndHideChild) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD, 0, 0, 20, 20, parent);
  Log().Clear();
  EXPECT_FALSE(ShowWindow(child, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_TRUE(Log().Matches({Msg(WM_SHOWWINDOW, child), Msg(WM_WINDOWPOSCHANGING, child), Msg(WM_NCPAINT, child),
                             Msg(WM_ERASEBKGND, child), Msg(WM_WINDOWPOSCHANGED, child)}));
  Log().Clear();
  EXPECT_TRUE(ShowWindow(child, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(child));
  EXPECT_TRUE(
      Log().Matches({WithW(Msg(WM_SHOWWINDOW, child), FALSE), Msg(WM_WINDOWPOSCHANGING, child),
                     Optional(WM_NCPAINT, parent), Optional(WM_ERASEBKGND, parent), Msg(WM_WINDOWPOSCHANGED, child)}));
  Log().Clear();
  EXPECT_FALSE(ShowWindow(child, SW_HIDE));
  EXPECT_TRUE(Log().Matches({})) << "hiding a hidden window sends nothing";
}

TEST_F(WindowLifecycle, CoordinatesMapThroughTheTree) {
  HWND top = Create(WS_POPUP | WS_BORDER, 100, 50, 200, 200);
  HWND child = Create(WS_CHILD | WS_BORDER, 10, 20, 50, 50, top);
  POINT p{0, 0};
  ClientToScreen(child, &p);
  EXPECT_EQ(p.x, 100 + 1 + 10 + 1);
  EXPECT_EQ(p.y, 50 + 1 + 20 + 1);
  ScreenToClient(top, &p);
  EXPECT_EQ(p.x, 11);
  EXPECT_EQ(p.y, 21);
  POINT points[2] = {{0, 0}, {5, 5}};
  const int offset = MapWindowPoints(child, nullptr, points, 2);
  EXPECT_EQ(points[1].x, 117);
  EXPECT_EQ(static_cast<SHORT>(LOWORD(offset)), 112);
  RECT r;
  GetWindowRect(child, &r);
  EXPECT_EQ(r.left, 111);
  EXPECT_EQ(r.top, 71);
  RECT adjusted{0, 0, 100, 100};
  AdjustWindowRectEx(&adjusted, WS_CAPTION | WS_SYSMENU, FALSE, 0);
  EXPECT_EQ(adjusted.left, -3);
  EXPECT_EQ(adjusted.top, -22);
  EXPECT_EQ(adjusted.bottom, 103);
}

}  // namespace
