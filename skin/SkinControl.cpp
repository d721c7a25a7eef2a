#include "skin/SkinControl.h"

#include <algorithm>

#include "platform/Form.h"

namespace {

void SendToControl(TControl* control, int code, int argument, TsSkinManager* sender)
{
  if (auto* skinned = dynamic_cast<TacSkinListener*>(control))
    skinned->SkinCommand(code, argument, sender);
  if (auto* container = dynamic_cast<TWinControl*>(control)) {
    // A command may make or free controls: walk a copy and skip those gone.
    const std::vector<TControl*> children = container->Controls();
    for (TControl* child : children)
      if (std::find(container->Controls().begin(), container->Controls().end(), child) != container->Controls().end())
        SendToControl(child, code, argument, sender);
  }
}

void SendToWindows(int code, int argument, TsSkinManager* sender)
{
  const std::vector<TForm*> forms = ScreenForms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it)
    if (std::find(ScreenForms().begin(), ScreenForms().end(), *it) != ScreenForms().end())
      SendToControl(*it, code, argument, sender);
}

}  // namespace

void StartSkinWindows()
{
  SetWindowBroadcast(&SendToWindows);
}

TacBackgroundAnswer QueryParentBackground(const TControl& control)
{
  TWinControl* parent = control.Parent();
  if (!parent)
    return TacParentBackground::OfColor(clBtnFace);
  if (auto* skinned = dynamic_cast<TacSkinControl*>(parent))
    return skinned->ChildBackground(control);
  return TacParentBackground::OfColor(parent->Color());
}
