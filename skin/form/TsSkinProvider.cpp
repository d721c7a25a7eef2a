#include "skin/form/TsSkinProvider.h"

#include <algorithm>
#include <map>

#include "platform/Exception.h"
#include "platform/Form.h"
#include "skin/core/SkinManager.h"
#include "skin/form/TacProvider.h"
#include "skin/form/TsTitleBar.h"

namespace {

std::map<const TForm*, TsSkinProvider*>& Providers()
{
  static std::map<const TForm*, TsSkinProvider*> providers;
  return providers;
}

}  // namespace

namespace {

TForm* CheckedForm(TComponent* owner)
{
  auto* form = dynamic_cast<TForm*>(owner);
  if (!form)
    throw Exception("TsSkinProvider component may be used with forms only!");
  if (TsSkinProvider::OfForm(form))
    throw Exception("Only one instance of the TsSkinProvider component is allowed!");
  return form;
}

}  // namespace

// The binding names the section only: the provider never recolours the form
// (its controls keep the colours the program gave the window).
TsSkinProvider::TsSkinProvider(TComponent* AOwner)
    : TComponent(AOwner), SkinData(CheckedForm(AOwner), this, 0), form_(static_cast<TForm*>(AOwner))
{
  Providers()[form_] = this;
  SkinData.SetCustomColor(true);
  SkinData.SetCustomFont(true);
  SkinData.SetSkinSection("FORM");
  for (TComponent* component : form_->Components()) {
    if (auto* titleBar = dynamic_cast<TsTitleBar*>(component))
      titleBar_ = titleBar;
  }
  manager_ = DefaultManager();
  if (manager_)
    manager_->Register(this);
  Resolve();
  Attach();
}

TsSkinProvider::~TsSkinProvider()
{
  Detach();
  if (ManagerAlive())
    manager_->Unregister(this);
  Providers().erase(form_);
  TacProvider::ProviderGone(this);
}

// The manager may go before the form; the default reference is cleared then.
bool TsSkinProvider::ManagerAlive() const
{
  return manager_ && manager_ == DefaultManager();
}

TsSkinProvider* TsSkinProvider::OfForm(const TForm* form)
{
  const auto found = Providers().find(form);
  return found == Providers().end() ? nullptr : found->second;
}

void TsSkinProvider::SetTitleBar(TsTitleBar* titleBar)
{
  titleBar_ = titleBar;
  Rebuild();
}

void TsSkinProvider::TitleBarRemoved(TsTitleBar* titleBar)
{
  if (titleBar_ == titleBar)
    SetTitleBar(nullptr);
}

// Sections and masks of the skin in force; all -1 without one.
void TsSkinProvider::Resolve()
{
  formSection_ = titleSection_ = captionSection_ = -1;
  titleBarMask_ = closeMask_ = maxMask_ = minMask_ = helpMask_ = -1;
  if (!ManagerAlive() || !manager_->Active() || manager_->Unloading() || !DrawNonClientArea)
    return;
  const TacSkinTables& tables = manager_->Tables();
  formSection_ = tables.FindSection(SkinData.SkinSection());
  if (formSection_ < 0)
    return;
  titleSection_ = tables.FindSection(TitleSkin.empty() ? "FORMTITLE" : TitleSkin);
  captionSection_ = tables.FindSection("CAPTION");
  titleBarMask_ = tables.FindMask(formSection_, SkinData.SkinSection(), "TITLEBAR");
  const int global = tables.GlobalInfoIndex();
  const auto globalMask = [&](const char* key) { return global < 0 ? -1 : tables.FindMask(global, "GLOBALINFO", key); };
  // A fixed window with a single border gets the big buttons.
  const bool alone = !(form_->Style() & WS_MINIMIZEBOX) && !(form_->Style() & WS_MAXIMIZEBOX);
  closeMask_ = alone && globalMask("BICLOSEALONE") >= 0 ? globalMask("BICLOSEALONE") : globalMask("BICONCLOSE");
  maxMask_ = globalMask(form_->WindowState() == TWindowState::wsMaximized ? "BICONNORM" : "BICONMAX");
  minMask_ = globalMask("BICONMIN");
  helpMask_ = globalMask("BICONHELP");
}

void TsSkinProvider::Attach()
{
  if (Skinned()) {
    form_->SetNonClientHandler(this);
    Rebuild();
  } else {
    Detach();
  }
}

void TsSkinProvider::Detach()
{
  if (form_->NonClientHandler() == this)
    form_->SetNonClientHandler(nullptr);
  hot_ = pressed_ = HTNOWHERE;
}

TacCaptionMetrics TsSkinProvider::Metrics() const
{
  const TacSkinTables& tables = manager_->Tables();
  const TsSkinData& data = manager_->SkinData();
  const uint32_t style = form_->Style();
  TacCaptionMetrics m;
  m.WindowWidth = form_->Width();
  m.FrameWidth = form_->FrameWidth();
  m.TitleHeight = form_->CaptionHeight();
  m.Maximized = form_->WindowState() == TWindowState::wsMaximized;
  m.ShowClose = (style & WS_SYSMENU) != 0;
  m.ShowMax = m.ShowClose && (style & WS_MAXIMIZEBOX);
  m.ShowMin = m.ShowClose && (style & WS_MINIMIZEBOX);
  const auto width = [&](int mask) { return mask >= 0 ? tables.FrameWidth(mask) : 21; };
  m.CloseWidth = width(closeMask_);
  m.MaxWidth = width(maxMask_);
  m.MinWidth = width(minMask_);
  m.HelpWidth = width(helpMask_);
  m.ButtonHeight = closeMask_ >= 0 ? tables.FrameHeight(closeMask_) : 21;
  m.BIRight = data.BIRight;
  m.BISpace = data.BISpace;
  m.BITop = data.BITop;
  m.BIVAlign = data.BIVAlign;
  m.BILeft = data.BILeft;
  m.ShowIcon = TitleIcon.Visible && ShowAppIcon && m.ShowClose;
  m.IconWidth = TitleIcon.Width;
  m.IconHeight = TitleIcon.Height;
  m.HasCaptionSection = captionSection_ >= 0;
  return m;
}

// Lays the caption out again and repaints all of it.
void TsSkinProvider::Rebuild()
{
  if (!Skinned() || form_->CaptionHeight() <= 0) {
    layout_ = TacCaptionLayout();
    textArea_ = QRect();
  } else {
    const TacCaptionMetrics metrics = Metrics();
    layout_ = LayoutCaption(metrics);
    if (titleBar_) {
      titleBar_->Layout(layout_.TitleBar);
      textArea_ = CaptionTextArea(layout_, titleBar_->AlignWidth(TacItemAlign::tbaLeft),
                                  titleBar_->AlignWidth(TacItemAlign::tbaRight));
    } else {
      textArea_ = CaptionTextArea(metrics, layout_);
    }
  }
  dirty_ = true;
  form_->InvalidateNonClient(QRect());
}

void TsSkinProvider::Perform(int code, int argument, intptr_t lParam)
{
  (void)argument;
  if (code == cmdTitleBarChanged && lParam == 1 && Skinned())
    Rebuild();
}

void TsSkinProvider::SkinCommand(int code, int /*argument*/, TsSkinManager* sender)
{
  if (sender != manager_)
    return;
  switch (code) {
  case cmdNewSkin:
  case cmdRefresh:
    Resolve();
    Attach();
    break;
  case cmdRemoveSkin:
    formSection_ = titleSection_ = captionSection_ = -1;
    Detach();
    break;
  default:
    break;
  }
}

void TsSkinProvider::FrameChanged()
{
  Resolve();
  Rebuild();
}
