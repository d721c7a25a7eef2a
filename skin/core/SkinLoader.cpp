#include "skin/core/SkinLoader.h"

#include "skin/core/MaskEntry.h"
#include "skin/core/MaskPixels.h"
#include "skin/core/SectionReader.h"
#include "skin/core/SkinIni.h"
#include "skin/core/SkinSource.h"
#include "skin/core/TableLimits.h"

namespace {

constexpr double kPremultipliedVersion = 7.45;  // newer skins store colours multiplied by alpha
constexpr int64_t kMaxMaskPatternPixels = 899999;  // larger JPEG pictures stay patterns

bool IsJpegName(const std::string& value)
{
  const std::string upper = UpperCase(value);
  return upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos;
}

}  // namespace

TacSkinLoader::TacSkinLoader(const TacSkinIni& ini, const TacSkinSource& pictures,
                             const TacSkinSource& commonPictures, TacPictureDecoder decode)
    : ini_(ini), pictures_(pictures), commonPictures_(commonPictures), decode_(std::move(decode))
{
}

TacLoadedSkin TacSkinLoader::Load()
{
  skin_ = {};
  pictureCache_ = std::make_unique<TacPictureCache>(decode_);
  ReadSkinData(ini_, skin_.Data);
  const TacSkinIni common(commonText_);
  ReadMaster();
  ReadMasks();
  ReadCommonMasks(common);
  ReadPatterns(ini_, pictures_, false);
  ReadPatterns(common, commonPictures_, true);
  ReadSections(ini_, skin_.Tables);
  ApplyCommonSections(common, skin_.Tables);
  ResolveSectionMasks(skin_.Tables);
  ShiftSkin(skin_.Tables, skin_.Data, shift_);
  ClampTables(skin_.Tables, skin_.Data);
  skin_.Tables.UpdateCachedIndexes();
  pictureCache_.reset();
  return std::move(skin_);
}

void TacSkinLoader::ReadMaster()
{
  if (!skin_.Data.MasterBitmap.empty())
    skin_.Tables.MasterBitmap = pictureCache_->Picture(pictures_, skin_.Data.MasterBitmap);
}

void TacSkinLoader::ReadMasks()
{
  for (const TacIniSection& section : ini_.Sections())
    for (const TacIniKey& key : section.Keys)
      if (!(section.Name == kGlobalInfo && key.Name == "MASTERBITMAP"))
        AddMask(section.Name, key.Name, ParseMaskEntry(key.Value, skin_.Data.Version), pictures_);
}

// Common sections contribute plain ".BMP" files and free-format regions only.
void TacSkinLoader::ReadCommonMasks(const TacSkinIni& common)
{
  for (const TacIniSection& section : common.Sections()) {
    if (section.Name == kGlobalInfo)
      continue;
    for (const TacIniKey& key : section.Keys) {
      TacMaskEntry entry = ParseMaskEntry(key.Value, skin_.Data.Version);
      const bool freeRegion = entry.Format == TacEntryFormat::MasterRegion && key.Value.find('#') != std::string::npos;
      if (entry.Format == TacEntryFormat::BitmapFile || freeRegion)
        AddMask(section.Name, key.Name, std::move(entry), commonPictures_);
    }
  }
}

void TacSkinLoader::AddMask(const std::string& section, const std::string& key, TacMaskEntry entry,
                            const TacSkinSource& source)
{
  if (entry.Format == TacEntryFormat::None)
    return;
  TsMaskData& mask = entry.Mask;
  if (entry.Format != TacEntryFormat::MasterRegion) {
    mask.Picture = pictureCache_->Picture(source, entry.FileName);
    if (!mask.Picture)
      return;
    if (entry.Format == TacEntryFormat::PictureFile)
      mask.Picture = pictureCache_->EntryPicture(mask.Picture, skin_.Data.Version > kPremultipliedVersion);
    FinishPictureEntry(entry, mask.Picture->Width, mask.Picture->Height);
  }
  const TBitmap32* picture = skin_.Tables.MaskPicture(mask);
  ClipArea(mask, picture);
  mask.SectionName = section;
  mask.KeyName = key;
  mask.CornerKind = section == "BUTTON_HUGE" && key == "BORDERSMASK" ? 2 : ComputeCornerKind(mask, picture);
  skin_.Tables.Masks.push_back(std::move(mask));
}

void TacSkinLoader::ReadPatterns(const TacSkinIni& ini, const TacSkinSource& source, bool alwaysPattern)
{
  for (const TacIniSection& section : ini.Sections())
    for (const TacIniKey& key : section.Keys) {
      if (!IsJpegName(key.Value))
        continue;
      TBitmapRef picture = pictureCache_->Picture(source, key.Value);
      if (!picture)
        continue;
      if (alwaysPattern || int64_t(picture->Width) * picture->Height > kMaxMaskPatternPixels) {
        skin_.Tables.Patterns.push_back({picture, section.Name, key.Name});
        continue;
      }
      TsMaskData mask;
      mask.Picture = picture;
      mask.SectionName = section.Name;
      mask.KeyName = key.Name;
      mask.Area = {0, 0, picture->Width, picture->Height};
      mask.EntryKind = ekTexture;
      skin_.Tables.Masks.push_back(std::move(mask));
    }
}
