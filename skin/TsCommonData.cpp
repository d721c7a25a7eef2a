#include "skin/TsCommonData.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/WinControl.h"
#include "skin/SkinControl.h"
#include "skin/core/HueSaturation.h"
#include "skin/core/SkinManager.h"

std::string DefaultSkinSection(int kind, const std::string& className)
{
  static const std::map<int, const char*> byKind = {
      {51, "PANEL"}, {59, "PANEL"}, {68, "PANEL"}, {73, "PANEL"}, {52, "PANEL_LOW"}, {58, "PANEL_LOW"},
      {93, "BUTTON"}, {94, "BUTTON"}, {92, "SPEEDBUTTON"}, {95, "SPEEDBUTTON"}, {161, "GAUGE"},
      {165, "TRACKBAR"}, {74, "GROUPBOX"}, {226, "GROUPBOX"}, {32, "CHECKBOX"}, {33, "CHECKBOX"},
      {152, "CHECKBOX"}, {19, "BAR"}, {20, "BARTITLE"}, {53, "TOOLBAR"}, {54, "TOOLBAR"}, {60, "TOOLBAR"},
      {56, "DRAGBAR"}, {57, "TABSHEET"}, {75, "SPLITTER"}, {98, "TOOLBUTTON"}, {141, "PAGECONTROL"},
      {143, "PAGECONTROL"}, {151, "STATUSBAR"}};
  const auto found = byKind.find(kind);
  return found != byKind.end() ? found->second : className;
}

TsCommonData::TsCommonData(TControl* owner, TacSkinListener* listener, int kind)
    : owner_(owner), listener_(listener), kind_(kind)
{
}

TsCommonData::~TsCommonData()
{
  if (TsSkinManager* manager = Manager())
    manager->Unregister(listener_);
}

void TsCommonData::SetCustomColor(bool value)
{
  customColor_ = value;
  UpdateIndexes();
  Invalidate();
}

void TsCommonData::SetCustomFont(bool value)
{
  customFont_ = value;
  UpdateIndexes();
  Invalidate();
}

void TsCommonData::SetSkinManager(TsSkinManager* manager)
{
  if (TsSkinManager* old = Manager(); old && old != manager)
    old->Unregister(listener_);
  skinManager_ = manager;
  UpdateIndexes();
  Invalidate();
}

void TsCommonData::SetSkinSection(const std::string& value)
{
  std::string upper = value.empty() ? "UNKNOWN" : value;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  if (upper == skinSection_)
    return;
  skinSection_ = upper;
  UpdateIndexes();
  if (!Skinned())
    Reset();
  Invalidate();
}

void TsCommonData::Loaded(const std::string& className)
{
  if (skinSection_.empty())
    SetSkinSection(DefaultSkinSection(kind_, className));
  UpdateIndexes();
}

TsSkinManager* TsCommonData::Manager() const
{
  return skinManager_ ? skinManager_ : DefaultManager();
}

void TsCommonData::UpdateIndexes()
{
  const TsSkinManager* manager = Manager();
  SkinIndex = BorderIndex = Texture = HotTexture = -1;
  if (manager && manager->Active() && !manager->Unloading()) {
    SkinIndex = manager->FindSection(skinSection_);
    if (SkinIndex >= 0) {
      BorderIndex = manager->Tables().Sections[size_t(SkinIndex)].BorderMaskIndex;
      Texture = manager->FindTexture(SkinIndex, skinSection_, "PATTERN");
      HotTexture = manager->FindTexture(SkinIndex, skinSection_, "HOTPATTERN");
      ApplyColors();
    }
  }
  ComputePlainFill();
  BGChanged = true;
}

void TsCommonData::ApplyColors()
{
  const TsGenState& normal = Manager()->Tables().Sections[size_t(SkinIndex)].States[0];
  if (!colorsSaved_) {
    ownColor_ = owner_->Color();
    ownFontColor_ = owner_->Font().Color;
    colorsSaved_ = true;
  }
  if (!customColor_)
    owner_->SetColor(ShiftedColor(normal.Color));
  if (!customFont_ && owner_->Font().Color != ShiftedColor(normal.FontColor)) {
    TFont font = owner_->Font();
    font.Color = ShiftedColor(normal.FontColor);
    owner_->SetFont(font);
  }
}

void TsCommonData::ComputePlainFill()
{
  const TacFaceSource source = FaceSource();
  const TsGeneralData* section = source.SectionData();
  plainFill_ = false;
  if (!section)
    return;
  const TsGenState& normal = section->States[0];
  const TsMaskData* border = source.Mask(BorderIndex);
  const bool smallBorder = !border || (border->EffectiveLeft() + border->EffectiveRight() <= 30 &&
                                       border->EffectiveTop() + border->EffectiveBottom() <= 30);
  const bool corners = section->ImgTopLeft >= 0 || section->ImgTopRight >= 0 || section->ImgBottomLeft >= 0 ||
                       section->ImgBottomRight >= 0;
  // A see-through section (Transparency 100) takes the cached path, which copies the parent.
  plainFill_ = !(border && (border->DrawFlags & 4)) && smallBorder &&
               normal.Transparency == 0 && Texture < 0 &&
               normal.TextureIndex < 0 && (normal.GradientPercent == 0 || normal.GradientArray.empty()) &&
               normal.ImagePercent == 0 && !corners;
}

void TsCommonData::Reset()
{
  SkinIndex = BorderIndex = Texture = HotTexture = -1;
  FCacheBmp = TBitmap32();
  plainFill_ = false;
  BGChanged = true;
  if (!colorsSaved_)
    return;
  colorsSaved_ = false;
  if (!customColor_)
    owner_->SetColor(ownColor_);
  if (!customFont_) {
    TFont font = owner_->Font();
    font.Color = ownFontColor_;
    owner_->SetFont(font);
  }
}

bool TsCommonData::Command(int code, TsSkinManager* sender)
{
  if (sender && sender != Manager())
    return false;
  switch (code) {
  case cmdNewSkin: UpdateIndexes(); break;
  case cmdRemoveSkin: Reset(); break;
  case cmdRefresh:
    if (Skinned())
      ApplyColors();
    break;
  case cmdMouseEnter: FMouseAbove = true; break;
  case cmdMouseLeave: FMouseAbove = false; break;
  default: return true;
  }
  Invalidate();
  return true;
}

void TsCommonData::Invalidate()
{
  BGChanged = true;
  owner_->Invalidate();
}

TacFaceSource TsCommonData::FaceSource() const
{
  TacFaceSource source;
  const TsSkinManager* manager = Manager();
  if (!manager || SkinIndex < 0)
    return source;
  source.Tables = &manager->Tables();
  source.Section = SkinIndex;
  source.BorderMask = BorderIndex;
  source.Texture = Texture;
  source.HotTexture = HotTexture;
  if (auto* parent = dynamic_cast<TacSkinControl*>(owner_->Parent()))
    source.ParentSection = parent->SkinBinding().SkinIndex;
  source.CustomColor = customColor_;
  source.OwnColor = owner_->Color();
  source.CustomFont = customFont_;
  source.OwnFontColor = owner_->Font().Color;
  source.GlobalColor = manager->GlobalColor();
  source.PictureAlpha = manager->SkinData().Version > 7.45 ? TAlphaFormat::Premultiplied : TAlphaFormat::Straight;
  return source;
}

void TsCtrlSkinData::SetHUEOffset(int value)
{
  hueOffset_ = value;
  UpdateIndexes();
  Invalidate();
}

void TsCtrlSkinData::SetSaturation(int value)
{
  saturation_ = value;
  UpdateIndexes();
  Invalidate();
}

int TsCtrlSkinData::ShiftedColor(int color) const
{
  const TacColorShift shift{hueOffset_, saturation_};
  return shift.Empty() ? color : ShiftColor(color, shift);
}

void TsCtrlSkinData::ShiftCache(TBitmap32& cache) const
{
  const TacColorShift shift{hueOffset_, saturation_};
  if (!shift.Empty() && !cache.Empty())
    cache = *ShiftBitmap(cache, shift);
}
