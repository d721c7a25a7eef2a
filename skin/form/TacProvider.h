#pragma once
// The engine's attachment of skin providers to forms, in place of a window-
// creation hook: while the default manager's hook is installed, every form that
// becomes active gets a provider made by the engine (UseGlobalColor False, no
// skinned menus). Removing the hook releases every provider attached this way.
// User-interface thread only.

#include <memory>

class TForm;
class TsSkinManager;
class TsSkinProvider;
struct TacManagerHooks;

class TacProvider {
public:
  // Creates the provider of the form; the form owns it as one of its components.
  explicit TacProvider(TForm* form);
  ~TacProvider();
  TacProvider(const TacProvider&) = delete;
  TacProvider& operator=(const TacProvider&) = delete;

  TForm* Form() const { return form_; }
  TsSkinProvider* Provider() const { return provider_; }

  // What a manager calls to install and remove the hook.
  static TacManagerHooks Hooks();
  static void InstallHook();
  static void RemoveHook();
  static bool HookInstalled();
  // A provider went away with its form: its attachment is dropped.
  static void ProviderGone(TsSkinProvider* provider);

private:
  static void FormActivated(TForm* form);

  TForm* form_;
  TsSkinProvider* provider_;
};
