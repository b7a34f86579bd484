// Unit Forms: TScreen, the display and the application's forms: size, cursors by number,
// the forms in activation order and the active form and control.
#pragma once

#include "Forms.h"
#include "TComponent.h"

#include <windows.h>

#include <map>
#include <vector>

class TForm;
class TWinControl;

class TScreen : public TComponent {
  TAWO_CLASS(TScreen, TComponent)

 public:
  explicit TScreen(TComponent* owner) : TComponent(owner) {}

  int Width() const;
  int Height() const;
  int PixelsPerInch() const;

  // The cursor registered under a number; an unregistered number gives the arrow.
  HCURSOR Cursors(int index) const;
  void SetCursors(int index, HCURSOR cursor);
  // An application-wide cursor; crDefault leaves each control's own.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);

  // The forms, the most recently active first.
  int CustomFormCount() const { return static_cast<int>(FCustomForms.size()); }
  TCustomForm* CustomForms(int index) const;
  // The TForm descendants among them.
  int FormCount() const;
  TForm* Forms(int index) const;
  TCustomForm* ActiveCustomForm() const { return FActiveCustomForm; }
  TForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const { return FActiveControl; }

 private:
  friend class TCustomForm;

  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  TCustomForm* FocusedForm() const { return FFocusedForm; }
  void SetFocusedForm(TCustomForm* form) { FFocusedForm = form; }
  // The form (moved to the front) and control that have the focus now.
  void FocusChanged(TCustomForm* form, TWinControl* control);

  // The system's cursors, loaded on first use.
  void LoadCursors() const;

  mutable std::map<int, HCURSOR> FCursors;
  mutable HCURSOR FDefaultCursor = nullptr;
  TCursor FCursor = crDefault;
  std::vector<TCustomForm*> FCustomForms;
  TCustomForm* FActiveCustomForm = nullptr;
  TForm* FActiveForm = nullptr;
  TWinControl* FActiveControl = nullptr;
  TCustomForm* FFocusedForm = nullptr;
};
