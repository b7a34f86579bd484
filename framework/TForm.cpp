#include "TForm.h"
#include "TSizeConstraints.h"

#include "Graphics.h"
#include "TFiler.h"
#include "TReader.h"

using enum TBorderIcon;
using enum TFormBorderStyle;
using enum TFormStyle;
using enum TPosition;
using enum TWindowState;

TAWO_PUBLISHED(TForm, published) {
  published.Redeclare("Width").Stored(false);
  published.Redeclare("Height").Stored(false);
  published.Property("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl);
  published.Property("Anchors", &TForm::Anchors, &TForm::SetAnchors).Default(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop});
  published.Property("BiDiMode", &TForm::BiDiMode, &TForm::SetBiDiMode).Stored(&TForm::IsBiDiModeStored);
  published.Property("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  published.Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle).Default(bsSizeable);
  published.Property("Caption", &TForm::Caption, &TForm::SetCaption);
  published.Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight);
  published.Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth);
  published.Property("Constraints", &TForm::Constraints, &TForm::SetConstraints);
  published.Property("Color", &TForm::Color, &TForm::SetColor).Type(TColorTypeInfo()).Stored(&TForm::IsColorStored);
  published.Property("Ctl3D", &TForm::Ctl3D, &TForm::SetCtl3D).Default(true);
  published.Property("DockSite", &TForm::DockSite, &TForm::SetDockSite).Default(false);
  published.Property("DragKind", &TForm::DragKind, &TForm::SetDragKind).Default(TDragKind::dkDrag);
  published.Property("DragMode", &TForm::DragMode, &TForm::SetDragMode).Default(TDragMode::dmManual);
  published.Property("Enabled", &TForm::Enabled, &TForm::SetEnabled).Default(true);
  published.Property("ParentBiDiMode", &TForm::ParentBiDiMode, &TForm::SetParentBiDiMode).Default(true);
  published.Property("ParentFont", &TForm::ParentFont, &TForm::SetParentFont).Default(false);
  published.Property("Font", &TForm::Font, &TForm::SetFont).Stored(&TForm::IsFontStored);
  published.Property("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle).Default(fsNormal);
  published.Property("Hint", &TForm::Hint, &TForm::SetHint);
  published.Property("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder);
  published.Property("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch);
  published.Property("PopupMenu", &TForm::PopupMenuComponent, &TForm::SetPopupMenuComponent);
  published.Property("Position", &TForm::Position, &TForm::SetPosition).Default(poDesigned);
  published.Property("ShowHint", &TForm::ShowHint, &TForm::SetShowHint).Default(false);
  published.Property("Visible", &TForm::Visible, &TForm::SetVisible).Default(false);
  published.Property("WindowState", &TForm::WindowState, &TForm::SetWindowState).Default(wsNormal);
  published.Property("OnActivate", &TForm::OnActivate);
  published.Property("OnClick", &TForm::OnClick);
  published.Property("OnClose", &TForm::OnClose);
  published.Property("OnCloseQuery", &TForm::OnCloseQuery);
  published.Property("OnCreate", &TForm::OnCreate);
  published.Property("OnDblClick", &TForm::OnDblClick);
  published.Property("OnDestroy", &TForm::OnDestroy);
  published.Property("OnDeactivate", &TForm::OnDeactivate);
  published.Property("OnDockDrop", &TForm::OnDockDrop);
  published.Property("OnDockOver", &TForm::OnDockOver);
  published.Property("OnDragDrop", &TForm::OnDragDrop);
  published.Property("OnDragOver", &TForm::OnDragOver);
  published.Property("OnEndDock", &TForm::OnEndDock);
  published.Property("OnGetSiteInfo", &TForm::OnGetSiteInfo);
  published.Property("OnHide", &TForm::OnHide);
  published.Property("OnKeyDown", &TForm::OnKeyDown);
  published.Property("OnKeyPress", &TForm::OnKeyPress);
  published.Property("OnKeyUp", &TForm::OnKeyUp);
  published.Property("OnMouseDown", &TForm::OnMouseDown);
  published.Property("OnMouseMove", &TForm::OnMouseMove);
  published.Property("OnMouseUp", &TForm::OnMouseUp);
  published.Property("OnPaint", &TForm::OnPaint);
  published.Property("OnResize", &TForm::OnResize);
  published.Property("OnShow", &TForm::OnShow);
  published.Property("OnStartDock", &TForm::OnStartDock);
  published.Property("OnUnDock", &TForm::OnUnDock);
}

// TextHeight, which form descriptions carry for scaling, is read and ignored.
void TForm::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty("TextHeight", [](TReader& reader) { reader.ReadInteger(); }, nullptr, false);
}
