#include "skin/form/TacProvider.h"

#include <algorithm>
#include <vector>

#include "platform/Form.h"
#include "skin/core/SkinManager.h"
#include "skin/form/TsSkinProvider.h"

namespace {

struct HookState {
  bool Installed = false;
  std::vector<std::unique_ptr<TacProvider>> Attachments;
};

HookState& State()
{
  static HookState state;
  return state;
}

}  // namespace

TacProvider::TacProvider(TForm* form) : form_(form), provider_(new TsSkinProvider(form))
{
  provider_->UseGlobalColor = false;
  provider_->MakeSkinMenu = false;
}

TacProvider::~TacProvider()
{
  // The provider's destructor reports back through ProviderGone: forget it first.
  TsSkinProvider* provider = provider_;
  provider_ = nullptr;
  delete provider;
}

TacManagerHooks TacProvider::Hooks()
{
  TacManagerHooks hooks;
  hooks.InstallCreationHook = &TacProvider::InstallHook;
  hooks.RemoveCreationHook = &TacProvider::RemoveHook;
  return hooks;
}

// A form that is active already is attached at once: it would not be activated again.
void TacProvider::InstallHook()
{
  State().Installed = true;
  TForm::SetActivationHook(&TacProvider::FormActivated);
  if (TForm* active = TForm::ActiveForm())
    FormActivated(active);
}

void TacProvider::RemoveHook()
{
  State().Installed = false;
  TForm::SetActivationHook(nullptr);
  // Destroying an attachment calls ProviderGone: release them from a moved-out list.
  std::vector<std::unique_ptr<TacProvider>> attachments = std::move(State().Attachments);
  State().Attachments.clear();
  attachments.clear();
}

bool TacProvider::HookInstalled()
{
  return State().Installed;
}

void TacProvider::FormActivated(TForm* form)
{
  if (!State().Installed || TsSkinProvider::OfForm(form))
    return;
  const TsSkinManager* manager = DefaultManager();
  if (!manager || !(manager->SkinningRules & srStdForms))
    return;
  State().Attachments.push_back(std::make_unique<TacProvider>(form));
}

void TacProvider::ProviderGone(TsSkinProvider* provider)
{
  auto& attachments = State().Attachments;
  const auto found = std::find_if(attachments.begin(), attachments.end(),
                                  [provider](const auto& attachment) { return attachment->provider_ == provider; });
  if (found == attachments.end())
    return;
  (*found)->provider_ = nullptr;
  attachments.erase(found);
}
