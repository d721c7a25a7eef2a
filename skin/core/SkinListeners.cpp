#include "skin/core/SkinListeners.h"

#include <algorithm>

namespace {

TacWindowBroadcast windowBroadcast = nullptr;

}  // namespace

void SetWindowBroadcast(TacWindowBroadcast broadcast)
{
  windowBroadcast = broadcast;
}

TacWindowBroadcast WindowBroadcast()
{
  return windowBroadcast;
}

void TacSkinListeners::Register(TacSkinListener* listener, TacSkinListener* parent)
{
  if (listener && !Contains(listener))
    entries_.push_back({listener, parent == listener ? nullptr : parent});
}

void TacSkinListeners::Unregister(TacSkinListener* listener)
{
  std::erase_if(entries_, [&](const Entry& entry) { return entry.Listener == listener; });
  for (Entry& entry : entries_)
    if (entry.Parent == listener)
      entry.Parent = nullptr;
}

bool TacSkinListeners::Contains(const TacSkinListener* listener) const
{
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.Listener == listener; });
}

// Depth is bounded by the number of entries, so a parent cycle cannot recurse forever.
void TacSkinListeners::AppendInOrder(TacSkinListener* parent, std::vector<TacSkinListener*>& order, size_t depth) const
{
  if (depth > entries_.size())
    return;
  for (const Entry& entry : entries_)
    if (entry.Parent == parent) {
      order.push_back(entry.Listener);
      AppendInOrder(entry.Listener, order, depth + 1);
    }
}

void TacSkinListeners::Broadcast(int code, int argument, TsSkinManager* sender)
{
  std::vector<TacSkinListener*> order;
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
    if (it->Parent == nullptr || !Contains(it->Parent)) {
      order.push_back(it->Listener);
      AppendInOrder(it->Listener, order, 1);
    }
  for (TacSkinListener* listener : order)
    if (Contains(listener))
      listener->SkinCommand(code, argument, sender);
}
