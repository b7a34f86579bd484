#include "TAction.h"

TAWO_PUBLISHED(TAction, published) {
  published.Property("Caption", &TAction::Caption, &TAction::SetCaption);
  published.Property("Category", &TAction::Category, &TAction::SetCategory);
  published.Property("Checked", &TAction::Checked, &TAction::SetChecked).Default(false);
  published.Property("Enabled", &TAction::Enabled, &TAction::SetEnabled).Default(true);
  published.Property("HelpContext", &TAction::HelpContext, &TAction::SetHelpContext).Default(0);
  published.Property("Hint", &TAction::Hint, &TAction::SetHint);
  published.Property("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex).Default(-1);
  published.Property("Visible", &TAction::Visible, &TAction::SetVisible).Default(true);
  published.Property("OnExecute", &TAction::OnExecute);
  published.Property("OnUpdate", &TAction::OnUpdate);
}
