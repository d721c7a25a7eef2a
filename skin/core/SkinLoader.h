#pragma once
// Reads one skin into fresh tables, in the fixed order: master bitmap, masks,
// patterns, sections (with the common sections), section masks, hue and
// saturation, value ranges, cached indexes. Throws Exception on structural damage (a bad
// fixed-column entry, an unreadable picture, pictures beyond the skin's memory
// limit); missing pictures and pictures without width are skipped.

#include "skin/core/HueSaturation.h"
#include "skin/core/PictureCache.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinTables.h"

#include <memory>
#include <string>
#include <vector>

class TacSkinIni;
class TacSkinSource;
struct TacMaskEntry;

struct TacLoadedSkin {
  TsSkinData Data;
  TacSkinTables Tables;
};

class TacSkinLoader {
public:
  // `pictures` serves the options file's pictures, `commonPictures` those of the
  // common sections (always the skin folder). Both must outlive the loader.
  TacSkinLoader(const TacSkinIni& ini, const TacSkinSource& pictures, const TacSkinSource& commonPictures,
                TacPictureDecoder decode);

  void SetCommonSections(const std::string& text) { commonText_ = text; }
  void SetColorShift(const TacColorShift& shift) { shift_ = shift; }

  TacLoadedSkin Load();

private:
  void ReadMaster();
  void ReadMasks();
  void ReadCommonMasks(const TacSkinIni& common);
  void AddMask(const std::string& section, const std::string& key, TacMaskEntry entry, const TacSkinSource& source);
  void ReadPatterns(const TacSkinIni& ini, const TacSkinSource& source, bool alwaysPattern);

  const TacSkinIni& ini_;
  const TacSkinSource& pictures_;
  const TacSkinSource& commonPictures_;
  TacPictureDecoder decode_;
  std::string commonText_;
  TacColorShift shift_;
  TacLoadedSkin skin_;
  std::unique_ptr<TacPictureCache> pictureCache_;  // during Load only
};
