#include "skin/core/SkinManager.h"

#include "platform/Colors.h"
#include "skin/core/SkinColors.h"
#include "skin/core/SkinDirectory.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinIni.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

TsSkinManager* defaultManager = nullptr;

constexpr int kNoColor = -1;
constexpr int kKeyColour = 0xFF00FF;

}  // namespace

TsSkinManager* DefaultManager()
{
  return defaultManager;
}

TsSkinManager::TsSkinManager(TComponent* AOwner) : TComponent(AOwner)
{
  if (!defaultManager)
    defaultManager = this;
  tables_.UpdateCachedIndexes();
}

TsSkinManager::~TsSkinManager()
{
  SetActive(false);
  if (defaultManager == this)
    defaultManager = nullptr;
}

void TsSkinManager::SetActive(bool value)
{
  if (value == active_)
    return;
  active_ = value;
  if (value) {
    ChangeSkin(skinName_);
    return;
  }
  UnloadSkin();
  Fire(OnDeactivate);
}

void TsSkinManager::SetSkinName(const std::string& value)
{
  const std::string previous = skinName_;
  skinName_ = value;
  if (active_)
    ChangeSkin(previous);
}

// The change sequence: events around a load that keeps the previous skin's
// tables and name when it fails.
void TsSkinManager::ChangeSkin(const std::string& previousName)
{
  Fire(OnBeforeChange);
  skinData_.InForce = false;
  skinName_ = StripPackedSuffix(skinName_);
  try {
    LoadCurrentSkin();
  } catch (const std::exception& error) {
    skinName_ = previousName;
    lastError_ = error.what();
    ShowSkinMessage(TacMessageKind::Error, lastError_);
  }
  if (active_) {
    if (!autoApplySuspended_)
      ApplySkin(true);
  } else {
    UnloadSkin();
  }
  Fire(OnActivate);
  Fire(OnAfterChange);
}

void TsSkinManager::SetSkinDirectory(const std::string& value)
{
  if (value == skinDirectory_)
    return;
  skinDirectory_ = value.empty() ? "c:\\Skins" : value;
  skinData_.PicturePath = WithSeparator(ResolvedSkinDirectory());
  Fire(OnSkinListChanged);
}

bool TsSkinManager::IsDefault() const
{
  return defaultManager == this;
}

void TsSkinManager::SetIsDefault(bool value)
{
  if (value == IsDefault())
    return;
  if (!value) {
    defaultManager = nullptr;
    return;
  }
  defaultManager = this;
  if (active_)
    ApplySkin(false);
  else
    UnloadSkin();
}

void TsSkinManager::SetHueOffset(int value)
{
  if (value == hueOffset_)
    return;
  hueOffset_ = value;
  ReloadAfterOptionChange();
}

void TsSkinManager::SetSaturation(int value)
{
  if (value == saturation_)
    return;
  saturation_ = value;
  ReloadAfterOptionChange();
}

void TsSkinManager::SetExtendedBorders(bool value)
{
  if (value == extendedBorders_)
    return;
  extendedBorders_ = value;
  ReloadAfterOptionChange();
}

void TsSkinManager::ReloadAfterOptionChange()
{
  if (!active_ || !skinData_.InForce)
    return;
  try {
    LoadCurrentSkin();
  } catch (const std::exception& error) {
    lastError_ = error.what();
    ShowSkinMessage(TacMessageKind::Error, lastError_);
  }
  if (!autoApplySuspended_)
    RepaintAllWindows(false);
}

std::string TsSkinManager::SkinInfo() const
{
  if (!active_ || !skinData_.InForce)
    return "N/A";
  char text[32];
  const auto result = std::to_chars(text, text + sizeof(text), skinData_.Version);
  return std::string(text, result.ptr);
}

std::string TsSkinManager::Version() const
{
  return kSkinEngineVersion;
}

void TsSkinManager::Loaded()
{
  ThirdParty.FillDefaults();
  if (MenuSupport.IcoLineSkin.empty())
    MenuSupport.IcoLineSkin = "ICOLINE";
  if (!active_ || skinName_.empty())
    return;
  ApplySkin(false);
  if (!Designing())
    Fire(OnActivate);
}

void TsSkinManager::ApplySkin(bool animate)
{
  if (!active_)
    return;
  skinData_.InForce = false;
  tables_.UpdateCachedIndexes();
  Broadcast(cmdNewSkin);
  skinData_.InForce = true;
  if (IsDefault() && !creationHookInstalled_) {
    if (Hooks.InstallCreationHook)
      Hooks.InstallCreationHook();
    creationHookInstalled_ = true;
  }
  if (animate)
    RepaintAllWindows(false);
}

void TsSkinManager::UnloadSkin()
{
  unloading_ = true;
  if (creationHookInstalled_) {
    if (Hooks.RemoveCreationHook)
      Hooks.RemoveCreationHook();
    creationHookInstalled_ = false;
  }
  skinData_.InForce = false;
  Broadcast(cmdRemoveSkin);
  tables_.Clear();
  unloading_ = false;
}

void TsSkinManager::RepaintAllWindows(bool /*animate: the change animation is drawn by the forms*/)
{
  Broadcast(cmdBeforeRefresh);
  Broadcast(cmdRefresh);
}

void TsSkinManager::ResumeAutoApply(bool animate, bool allowAnimation)
{
  autoApplySuspended_ = false;
  if (!active_)
    return;
  const bool animation = AnimEffects.SkinChanging.Active;
  if (!allowAnimation)
    AnimEffects.SkinChanging.Active = false;
  ApplySkin(animate);
  AnimEffects.SkinChanging.Active = animation;
}

void TsSkinManager::ReceivePreview(const std::string& name, const std::string& directory, const std::string& optionsText)
{
  SuspendAutoApply();
  previewOptions_ = optionsText;
  SetSkinDirectory(directory);
  SetSkinName(name);
  previewOptions_.clear();
  ResumeAutoApply(false, false);
}

// The forms and their controls first, then the listeners registered by hand.
void TsSkinManager::Broadcast(int code)
{
  if (TacWindowBroadcast windows = WindowBroadcast())
    windows(code, 0, this);
  listeners_.Broadcast(code, 0, this);
}

void TsSkinManager::Unregister(TacSkinListener* listener)
{
  listeners_.Unregister(listener);
  if (activeControl_ == listener)
    activeControl_ = nullptr;
}

void TsSkinManager::SetActiveControl(TacSkinListener* control)
{
  if (control == activeControl_)
    return;
  if (activeControl_)
    activeControl_->SkinCommand(cmdMouseLeave, 0, this);
  activeControl_ = control;
  if (activeControl_)
    activeControl_->SkinCommand(cmdMouseEnter, 0, this);
}

std::string TsSkinManager::ResolvedSkinDirectory() const
{
  return ResolveSkinDirectory(skinDirectory_, SkinProgramDirectory());
}

// Stored skins first, then folders with "Options.dat" (kind 0 or 2) and ".asz"
// files (kind 1 or 2) of the skin directory; returns the first name found.
std::string TsSkinManager::ListSkins(std::vector<std::string>& list, int kind) const
{
  list.clear();
  for (const TsStoredSkin& stored : InternalSkins)
    list.push_back(stored.Name);
  std::vector<fs::path> entries;
  std::error_code error;
  for (fs::directory_iterator it(ResolvedSkinDirectory(), error), end; !error && it != end; it.increment(error))
    entries.push_back(it->path());
  std::sort(entries.begin(), entries.end());
  for (const fs::path& entry : entries) {
    const std::string name = entry.filename().string();
    if (kind != 1 && fs::is_regular_file(entry / "Options.dat", error))
      list.push_back(name);
    else if (kind != 0 && fs::is_regular_file(entry, error) && UpperCase(entry.extension().string()) == ".ASZ")
      list.push_back(name.substr(0, name.find('.')));
  }
  const std::string first = list.empty() ? std::string() : list.front();
  std::sort(list.begin(), list.end());
  return first;
}

int TsSkinManager::FindMask(int section, const std::string& sectionName, const std::string& key) const
{
  return tables_.FindMask(section, sectionName, key);
}

int TsSkinManager::FindTexture(int section, const std::string& sectionName, const std::string& key) const
{
  return tables_.FindTexture(section, sectionName, key);
}

int TsSkinManager::FindPattern(int section, const std::string& sectionName, const std::string& key) const
{
  return tables_.FindPattern(section, sectionName, key);
}

// The normal or hot colour (or font colour) of a section; `fallback` when it is missing.
int TsSkinManager::StateColor(const char* section, bool hot, bool font, int fallback) const
{
  const int index = tables_.FindSection(section);
  if (index < 0)
    return fallback;
  const TsGenState& state = tables_.Sections[index].States[hot ? 1 : 0];
  return font ? state.FontColor : state.Color;
}

int TsSkinManager::GlobalColor() const
{
  return ResolveSkinColor(StateColor(kGlobalInfo, false, false, clBtnFace));
}

int TsSkinManager::GlobalFontColor() const
{
  return ResolveSkinColor(StateColor(kGlobalInfo, false, true, kKeyColour));
}

int TsSkinManager::GlobalHotColor() const
{
  return ResolveSkinColor(StateColor(kGlobalInfo, true, false, clWindow));
}

int TsSkinManager::EditFontColor() const
{
  return ResolveSkinColor(StateColor("EDIT", false, true, clWindowText));
}

// "SELECTION" (its hot state when asked and it has one), else the hot colour of
// "MENUITEM" when usable, else the system highlight colour.
int TsSkinManager::Selection(bool hot, bool font) const
{
  const int index = tables_.FindSection("SELECTION");
  const bool useHot = hot && index >= 0 && tables_.Sections[index].StateCount > 1;
  const int color = StateColor("SELECTION", useHot, font, kNoColor);
  if (color != kNoColor && color != kKeyColour)
    return ResolveSkinColor(color);
  const int menu = StateColor("MENUITEM", true, font, kNoColor);
  const bool usable = menu != kKeyColour && menu != kNoColor && (font || menu != 0xFFFFFF);
  return ResolveSkinColor(usable ? menu : font ? clHighlightText : clHighlight);
}

int TsSkinManager::SelectionColor(bool hot) const
{
  return Selection(hot, false);
}

int TsSkinManager::SelectionFontColor(bool hot) const
{
  return Selection(hot, true);
}
