#include "SystemClasses.h"

#include "Button.h"
#include "ClassRegistry.h"
#include "DialogWindow.h"
#include "MdiClient.h"
#include "PopupMenuWindow.h"

namespace {

void RegisterOne(ClassRegistry& registry, const char* name, UINT style, WNDPROC procedure, int extraBytes,
                 HBRUSH background) {
  WNDCLASSEXA definition{};
  definition.cbSize = sizeof definition;
  definition.style = style | CS_GLOBALCLASS;
  definition.lpfnWndProc = procedure;
  definition.cbWndExtra = extraBytes;
  definition.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  definition.hbrBackground = background;
  definition.lpszClassName = name;
  registry.Register(definition);
}

}  // namespace

void SystemClasses::RegisterAll(ClassRegistry& registry) {
  RegisterOne(registry, Button::kClassName, CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW | CS_PARENTDC, Button::Procedure,
              Button::kExtraBytes, nullptr);
  RegisterOne(registry, DialogWindow::kClassName, CS_DBLCLKS | CS_SAVEBITS, DialogWindow::Procedure,
              DialogWindow::kExtraBytes, reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1));
  RegisterOne(registry, PopupMenuWindow::kClassName, CS_DBLCLKS | CS_SAVEBITS, PopupMenuWindow::Procedure, 0,
              reinterpret_cast<HBRUSH>(COLOR_MENU + 1));
  RegisterOne(registry, MdiClient::kClassName, 0, MdiClient::Procedure, MdiClient::kExtraBytes,
              reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
}
