#include "skin/core/SkinTables.h"

#include "skin/core/SkinData.h"

namespace {

constexpr const char* kGlobalMaskNames[] = {
    "BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED",
    "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED", "EXBORDER", "GRIPIMAGE", "GRIPHORZ", "GRIPVERT",
    "BICONCLOSE", "BICLOSEALONE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP",
    "SICONCLOSE", "SICONMAX", "SICONNORM", "SICONMIN", "SICONHELP",
};

// Sections whose indexes are cached, with the masks looked up for each.
struct TacCachedSection {
  const char* Name;
  bool Glyph;
  bool Textures;
};

constexpr TacCachedSection kCachedSections[] = {
    {"COMBOBTN", false, true},
    {"TABTOP", false, false}, {"TABBOTTOM", false, false}, {"TABLEFT", false, false}, {"TABRIGHT", false, false},
    {"SCROLLBTNTOP", true, true}, {"SCROLLBTNBOTTOM", true, true}, {"SCROLLBTNLEFT", true, true},
    {"SCROLLBTNRIGHT", true, true}, {"SCROLLSLIDERV", true, true}, {"SCROLLSLIDERH", true, true},
    {"SCROLLBAR1H", false, true}, {"SCROLLBAR1V", false, true}, {"SCROLLBAR2H", false, true},
    {"SCROLLBAR2V", false, true},
};

// One key for a section and key name pair; the length keeps any pair apart.
std::string PairKey(const std::string& section, const std::string& key)
{
  return std::to_string(section.size()) + ':' + section + key;
}

}  // namespace

void TacSkinTables::CatchUp() const
{
  if (Sections.size() < sectionsIndexed_ || Masks.size() < masksIndexed_ || Patterns.size() < patternsIndexed_) {
    sectionIndex_.clear();
    maskIndex_.clear();
    textureIndex_.clear();
    patternIndex_.clear();
    sectionsIndexed_ = masksIndexed_ = patternsIndexed_ = 0;
  }
  for (; sectionsIndexed_ < Sections.size(); ++sectionsIndexed_)
    sectionIndex_.emplace(Sections[sectionsIndexed_].SectionName, sectionsIndexed_);
  for (; masksIndexed_ < Masks.size(); ++masksIndexed_) {
    const TsMaskData& mask = Masks[masksIndexed_];
    const std::string key = PairKey(mask.SectionName, mask.KeyName);
    maskIndex_.emplace(key, masksIndexed_);
    if (mask.EntryKind == ekTexture)
      textureIndex_.emplace(key, masksIndexed_);
  }
  for (; patternsIndexed_ < Patterns.size(); ++patternsIndexed_)
    patternIndex_.emplace(PairKey(Patterns[patternsIndexed_].SectionName, Patterns[patternsIndexed_].KeyName),
                          patternsIndexed_);
}

int TacSkinTables::Lookup(const TacNameIndex& index, const std::string& key)
{
  const auto found = index.find(key);
  return found == index.end() ? -1 : static_cast<int>(found->second);
}

int TacSkinTables::FindSection(const std::string& name) const
{
  if (name.empty())
    return -1;
  CatchUp();
  return Lookup(sectionIndex_, name);
}

// Runs `own` on the section, then on its parent chain. A chain can be at most as
// long as the table, which ends any loop of sections naming each other.
template <class Match>
int TacSkinTables::SearchInherited(int sectionNumber, const std::string& sectionName, const Match& own) const
{
  std::string name = sectionName;
  for (size_t depth = 0; depth <= Sections.size(); ++depth) {
    if (sectionNumber < 0 || sectionNumber >= static_cast<int>(Sections.size()))
      return -1;
    const int found = own(name);
    if (found >= 0)
      return found;
    const std::string& parent = Sections[sectionNumber].ParentClass;
    if (parent.empty() || parent == name)
      return -1;
    sectionNumber = FindSection(parent);
    name = parent;
  }
  return -1;
}

int TacSkinTables::FindOwnMask(const std::string& sectionName, const std::string& keyName) const
{
  CatchUp();
  return Lookup(maskIndex_, PairKey(sectionName, keyName));
}

int TacSkinTables::FindOwnTexture(const std::string& sectionName, const std::string& keyName) const
{
  CatchUp();
  return Lookup(textureIndex_, PairKey(sectionName, keyName));
}

int TacSkinTables::FindMask(int sectionNumber, const std::string& sectionName, const std::string& keyName) const
{
  return SearchInherited(sectionNumber, sectionName, [&](const std::string& name) { return FindOwnMask(name, keyName); });
}

int TacSkinTables::FindTexture(int sectionNumber, const std::string& sectionName, const std::string& keyName) const
{
  return SearchInherited(sectionNumber, sectionName,
                         [&](const std::string& name) { return FindOwnTexture(name, keyName); });
}

int TacSkinTables::FindPattern(int sectionNumber, const std::string& sectionName, const std::string& keyName) const
{
  CatchUp();
  return SearchInherited(sectionNumber, sectionName,
                         [&](const std::string& name) { return Lookup(patternIndex_, PairKey(name, keyName)); });
}

int TacSkinTables::FrameWidth(int mask) const
{
  return mask >= 0 && mask < static_cast<int>(Masks.size()) ? Masks[mask].FrameWidth() : 0;
}

int TacSkinTables::FrameHeight(int mask) const
{
  return mask >= 0 && mask < static_cast<int>(Masks.size()) ? Masks[mask].FrameHeight() : 0;
}

const TBitmap32* TacSkinTables::MaskPicture(const TsMaskData& mask) const
{
  return mask.Picture ? mask.Picture.get() : MasterBitmap.get();
}

void TacSkinTables::UpdateCachedIndexes()
{
  CatchUp();
  globalInfo_ = FindSection(kGlobalInfo);
  globalMasks_.clear();
  for (const char* name : kGlobalMaskNames)
    globalMasks_[name] = FindMask(globalInfo_, kGlobalInfo, name);
  cachedSections_.clear();
  for (const TacCachedSection& cached : kCachedSections) {
    TacSectionIndexes indexes;
    indexes.Section = FindSection(cached.Name);
    indexes.BorderMask = FindMask(indexes.Section, cached.Name, "BORDERSMASK");
    if (cached.Glyph)
      indexes.GlyphMask = FindMask(indexes.Section, cached.Name, "GLYPHMASK");
    if (cached.Textures) {
      indexes.Texture = FindTexture(indexes.Section, cached.Name, "PATTERN");
      indexes.HotTexture = FindTexture(indexes.Section, cached.Name, "HOTPATTERN");
    }
    cachedSections_[cached.Name] = indexes;
  }
  comboGlyph_ = FindMask(FindSection("COMBOBOX"), "COMBOBOX", "GLYPHMASK");
  webButton_ = FindSection("WEBBUTTON");
}

int TacSkinTables::GlobalMask(const std::string& keyName) const
{
  const auto found = globalMasks_.find(keyName);
  return found == globalMasks_.end() ? -1 : found->second;
}

TacSectionIndexes TacSkinTables::CachedSection(const std::string& sectionName) const
{
  const auto found = cachedSections_.find(sectionName);
  return found == cachedSections_.end() ? TacSectionIndexes() : found->second;
}

void TacSkinTables::Clear()
{
  Sections.clear();
  Masks.clear();
  Patterns.clear();
  MasterBitmap.reset();
  UpdateCachedIndexes();
}
