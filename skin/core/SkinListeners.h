#pragma once
// The forms and controls a manager talks to. Top-level listeners (forms) get a
// command last-registered first, each followed by its children (controls, in
// registration order, recursively). A listener may unregister itself or others
// while a command is delivered; those removed are not called any more.

#include "skin/core/SkinListener.h"

#include <cstddef>
#include <vector>

class TacSkinListeners {
public:
  // `parent` null: a form; else the form or control that contains it.
  void Register(TacSkinListener* listener, TacSkinListener* parent = nullptr);
  // Children of a removed listener become top-level.
  void Unregister(TacSkinListener* listener);
  bool Contains(const TacSkinListener* listener) const;

  void Broadcast(int code, int argument, TsSkinManager* sender);

private:
  struct Entry {
    TacSkinListener* Listener;
    TacSkinListener* Parent;
  };

  void AppendInOrder(TacSkinListener* parent, std::vector<TacSkinListener*>& order, size_t depth) const;

  std::vector<Entry> entries_;  // registration order
};
