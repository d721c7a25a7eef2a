#pragma once
// TsSkinManager owns the current skin of the application: it finds a skin by
// name in the skin directory (a folder with "Options.dat" or a packed ".asz"
// file, or a stored skin), reads it into its tables and tells every registered
// form and control through skin commands. User-interface thread only.

#include "platform/Component.h"
#include "platform/Events.h"
#include "skin/core/ManagerOptions.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinListeners.h"
#include "skin/core/SkinTables.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TacSkinIni;
class TMenuItem;
struct TacPackedSkin;
struct TacMenuItemData;  // defined by the menu painter

// The events the user-interface side raises through the manager.
using TOwnerDrawState = uint32_t;
struct TacSysDlgData {
  std::string ClassName, Caption;
};
using TacGetExtraLineData = std::function<void(TMenuItem* FirstItem, std::string& SkinSection, std::string& Caption,
                                               TBitmapRef& Glyph, bool& LineVisible)>;
using TacGetPopupItemData = std::function<void(TMenuItem* Item, TOwnerDrawState State, TacMenuItemData* ItemData)>;
using TacSysDlgInit = std::function<void(const TacSysDlgData& DlgData, bool& AllowSkinning)>;

// What the user-interface layer plugs in; every hook may stay empty.
struct TacManagerHooks {
  std::function<void()> InstallCreationHook;  // attach the engine to new windows
  std::function<void()> RemoveCreationHook;
};

class TsSkinManager : public TComponent {
public:
  explicit TsSkinManager(TComponent* AOwner = nullptr);
  ~TsSkinManager() override;

  TacSkinEffects Effects;
  TacAnimEffects AnimEffects;
  TacMenuSupport MenuSupport;
  TacThirdPartyList ThirdParty;
  TacSkinningRules SkinningRules = srStdForms | srStdDialogs | srThirdParty;
  bool SkinnedPopups = true;
  std::vector<TsStoredSkin> InternalSkins;
  std::vector<std::string> CommonSections;  // options-file lines merged into every loaded skin
  TacManagerHooks Hooks;

  TNotifyEvent OnActivate, OnAfterChange, OnBeforeChange, OnDeactivate, OnSkinListChanged;
  TacGetExtraLineData OnGetMenuExtraLineData;
  TacGetPopupItemData OnGetPopupItemData;
  TacSysDlgInit OnSysDlgInit;  // may veto skinning a system dialog

  bool Active() const { return active_; }
  void SetActive(bool value);
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(const std::string& value);
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& value);
  bool IsDefault() const;
  void SetIsDefault(bool value);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  bool ExtendedBorders() const { return extendedBorders_; }
  void SetExtendedBorders(bool value);
  std::string SkinInfo() const;
  std::string Version() const;

  // After the owner set the stored properties: defaults for empty options, and
  // an active manager with a skin name applies its skin without animation.
  void Loaded();
  void ApplySkin(bool animate);
  void UnloadSkin();
  void RepaintAllWindows(bool animate);
  std::string ListSkins(std::vector<std::string>& list, int kind) const;
  std::string ResolvedSkinDirectory() const;
  void SuspendAutoApply() { autoApplySuspended_ = true; }
  void ResumeAutoApply(bool animate, bool allowAnimation);
  // Preview data from a skin editor: shown at once, without automatic applying later.
  void ReceivePreview(const std::string& name, const std::string& directory, const std::string& optionsText);

  void Register(TacSkinListener* listener, TacSkinListener* parent = nullptr) { listeners_.Register(listener, parent); }
  void Unregister(TacSkinListener* listener);
  // The control under the mouse; the old one gets cmdMouseLeave, the new one cmdMouseEnter.
  void SetActiveControl(TacSkinListener* control);
  TacSkinListener* ActiveControl() const { return activeControl_; }

  const TsSkinData& SkinData() const { return skinData_; }
  const TacSkinTables& Tables() const { return tables_; }
  bool PackedSource() const { return packedSource_; }
  bool Unloading() const { return unloading_; }
  const std::string& LastError() const { return lastError_; }

  int FindSection(const std::string& name) const { return tables_.FindSection(name); }
  int FindMask(int section, const std::string& sectionName, const std::string& key) const;
  int FindTexture(int section, const std::string& sectionName, const std::string& key) const;
  int FindPattern(int section, const std::string& sectionName, const std::string& key) const;

  int GlobalColor() const;
  int GlobalFontColor() const;
  int GlobalHotColor() const;
  int EditFontColor() const;
  int SelectionColor(bool hot) const;
  int SelectionFontColor(bool hot) const;

private:
  void ChangeSkin(const std::string& previousName);
  void LoadCurrentSkin();
  void LoadPacked(const std::string& path);
  void LoadFolder();
  void LoadStored();
  void LoadTables(const TacSkinIni& ini, const TacPackedSkin* container);
  void CheckVersion(double version);
  void ReloadAfterOptionChange();
  void Broadcast(int code);
  void Fire(const TNotifyEvent& event) { if (event) event(this); }
  int StateColor(const char* section, bool hot, bool font, int fallback) const;
  int Selection(bool hot, bool font) const;

  bool active_ = true;
  std::string skinName_;
  std::string skinDirectory_ = "c:\\Skins";
  int hueOffset_ = 0, saturation_ = 0;
  bool extendedBorders_ = false;
  TsSkinData skinData_;
  TacSkinTables tables_;
  TacSkinListeners listeners_;
  bool packedSource_ = false;
  bool autoApplySuspended_ = false;
  bool unloading_ = false;
  bool creationHookInstalled_ = false;
  std::string previewOptions_;  // options text from a skin editor for the next load
  std::string lastError_;
  TacSkinListener* activeControl_ = nullptr;
};

// The process-wide default manager, or null.
TsSkinManager* DefaultManager();
