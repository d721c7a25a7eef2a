#include "platform/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner)
{
  if (owner_)
    owner_->Insert(this);
}

TComponent::~TComponent()
{
  DestroyComponents();
  if (owner_)
    owner_->Remove(this);
}

void TComponent::DestroyComponents()
{
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    delete last;
  }
}

void TComponent::Insert(TComponent* component)
{
  components_.push_back(component);
}

void TComponent::Remove(TComponent* component)
{
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
}
