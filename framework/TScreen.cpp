#include "TScreen.h"

#include "Classes.h"
#include "RTLConsts.h"
#include "TForm.h"

#include <algorithm>

TAWO_IMPLEMENT_CLASS(TScreen)


void TScreen::LoadCursors() const {
  if (FDefaultCursor != nullptr) return;
  FDefaultCursor = LoadCursorA(nullptr, IDC_ARROW);
  const std::pair<TCursor, LPCSTR> builtIn[] = {
      {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},          {crIBeam, IDC_IBEAM},
      {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},        {crSizeNWSE, IDC_SIZENWSE},
      {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},      {crHourGlass, IDC_WAIT},
      {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
      {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},      {crNoDrop, IDC_NO}};
  for (const auto& [index, name] : builtIn) FCursors.try_emplace(index, LoadCursorA(nullptr, name));
  FCursors.try_emplace(crNone, nullptr);
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

int TScreen::PixelsPerInch() const {
  HDC dc = GetDC(nullptr);
  const int pixels = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return pixels;
}

HCURSOR TScreen::Cursors(int index) const {
  LoadCursors();
  if (index == crDefault) return FDefaultCursor;
  const auto found = FCursors.find(index);
  return found != FCursors.end() ? found->second : FDefaultCursor;
}

void TScreen::SetCursors(int index, HCURSOR cursor) {
  LoadCursors();
  if (index == crDefault) FDefaultCursor = cursor != nullptr ? cursor : LoadCursorA(nullptr, IDC_ARROW);
  else FCursors[index] = cursor;
}

void TScreen::SetCursor(TCursor value) {
  if (FCursor == value) return;
  FCursor = value;
  if (value != crDefault) {
    ::SetCursor(Cursors(value));
    return;
  }
  POINT at{};
  GetCursorPos(&at);
  if (HWND window = WindowFromPoint(at)) {
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), WM_MOUSEMOVE));
  }
}

TCustomForm* TScreen::CustomForms(int index) const {
  if (index < 0 || index >= CustomFormCount()) throw EListError(Format(SListIndexError, {index}));
  return FCustomForms[static_cast<std::size_t>(index)];
}

int TScreen::FormCount() const {
  return static_cast<int>(std::count_if(FCustomForms.begin(), FCustomForms.end(),
                                        [](TCustomForm* form) { return dynamic_cast<TForm*>(form) != nullptr; }));
}

TForm* TScreen::Forms(int index) const {
  int seen = 0;
  for (TCustomForm* form : FCustomForms) {
    auto* plain = dynamic_cast<TForm*>(form);
    if (plain != nullptr && seen++ == index) return plain;
  }
  throw EListError(Format(SListIndexError, {index}));
}

void TScreen::AddForm(TCustomForm* form) {
  FCustomForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  FCustomForms.erase(std::remove(FCustomForms.begin(), FCustomForms.end(), form), FCustomForms.end());
  if (FActiveCustomForm == form) {
    FActiveCustomForm = nullptr;
    FActiveControl = nullptr;
  }
  if (FActiveForm == form) FActiveForm = nullptr;
  if (FFocusedForm == form) FFocusedForm = nullptr;
}

void TScreen::FocusChanged(TCustomForm* form, TWinControl* control) {
  FActiveControl = control;
  FActiveCustomForm = form;
  FCustomForms.erase(std::remove(FCustomForms.begin(), FCustomForms.end(), form), FCustomForms.end());
  FCustomForms.insert(FCustomForms.begin(), form);
  FActiveForm = dynamic_cast<TForm*>(form);
}
