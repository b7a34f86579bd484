// Unit Menus: TMenuItem, one command or submenu of a menu. Items form a tree; each has a
// command number, unique in the process, that the platform menu reports when it is chosen.
#pragma once

#include "TComponent.h"

#include <windows.h>

#include <vector>

class TMenu;

TAWO_EXCEPTION(EMenuError, Exception, "")

// The caption that makes an item a separator line.
inline constexpr const char* cLineCaption = "-";
inline constexpr const char* SMenuIndexError = "Menu index out of range";
inline constexpr const char* SMenuReinserted = "Menu inserted twice";

class TMenuItem : public TComponent {
  TAWO_CLASS(TMenuItem, TComponent)

 public:
  explicit TMenuItem(TComponent* owner);
  // Leaves its parent item and frees its own items.
  ~TMenuItem() override;

  const AnsiString& Caption() const { return FCaption; }
  void SetCaption(const AnsiString& caption) { FCaption = caption; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked) { FChecked = checked; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled) { FEnabled = enabled; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible) { FVisible = visible; }
  const AnsiString& Hint() const { return FHint; }
  void SetHint(const AnsiString& hint) { FHint = hint; }
  bool IsLine() const { return FCaption == cLineCaption; }
  UINT Command() const { return FCommand; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return FParent; }
  int IndexOf(const TMenuItem* item) const;
  // An item may sit in one place only: adding one that has a parent raises EMenuError.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  void Delete(int index);
  void Clear();
  // The item with this command number, this one or below it; null if none.
  TMenuItem* Find(UINT command);

  // Runs OnClick.
  virtual void Click();

  // Appends the visible items below this one to `menu`, submenus as new popup menus.
  void AppendItemsTo(HMENU menu) const;

  // Streaming: items are children of their parent item, or of the menu for the top level.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  TNotifyEvent OnClick;

 private:
  friend class TMenu;
  UINT Flags() const;

  AnsiString FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  AnsiString FHint;
  UINT FCommand;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;
  std::vector<TMenuItem*> FItems;
};
