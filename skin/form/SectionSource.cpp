#include "skin/form/SectionSource.h"

#include "skin/core/SkinManager.h"

TacFaceSource SectionSource(const TsSkinManager& manager, int section, int parentSection)
{
  TacFaceSource source;
  source.Tables = &manager.Tables();
  source.GlobalColor = manager.GlobalColor();
  source.PictureAlpha = manager.SkinData().Version > 7.45 ? TAlphaFormat::Premultiplied : TAlphaFormat::Straight;
  source.ParentSection = parentSection;
  if (section < 0 || size_t(section) >= manager.Tables().Sections.size())
    return source;
  const std::string& name = manager.Tables().Sections[size_t(section)].SectionName;
  source.Section = section;
  source.BorderMask = manager.FindMask(section, name, "BORDERSMASK");
  source.Texture = manager.FindTexture(section, name, "PATTERN");
  source.HotTexture = manager.FindTexture(section, name, "HOTPATTERN");
  return source;
}
