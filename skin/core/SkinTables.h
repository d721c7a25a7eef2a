#pragma once
// The tables of one loaded skin (sections, masks, patterns, master bitmap) with
// the lookups skinned controls use and the cached indexes of well-known entries.
// Built by TacSkinLoader; read-only for painters.

#include "skin/core/SkinIni.h"
#include "skin/core/SkinRecords.h"

#include <map>
#include <string>
#include <vector>

// Indexes of a well-known section and of its usual masks; -1 when missing.
struct TacSectionIndexes {
  int Section = -1;
  int BorderMask = -1;
  int GlyphMask = -1;
  int Texture = -1;
  int HotTexture = -1;
};

class TacSkinTables {
public:
  std::vector<TsGeneralData> Sections;  // file order; the index is the section number
  std::vector<TsMaskData> Masks;
  std::vector<TsPatternData> Patterns;
  TBitmapRef MasterBitmap;  // 0xFF00FF is its transparent colour

  int FindSection(const std::string& name) const;
  // First mask of the section and key, else of the parent sections; -1 when none.
  int FindMask(int sectionNumber, const std::string& sectionName, const std::string& keyName) const;
  // Like FindMask, for masks of EntryKind 1 only.
  int FindTexture(int sectionNumber, const std::string& sectionName, const std::string& keyName) const;
  int FindPattern(int sectionNumber, const std::string& sectionName, const std::string& keyName) const;
  // Exact search without inheritance.
  int FindOwnMask(const std::string& sectionName, const std::string& keyName) const;
  int FindOwnTexture(const std::string& sectionName, const std::string& keyName) const;

  int FrameWidth(int mask) const;
  int FrameHeight(int mask) const;

  // The picture a mask's Area refers to: its own or the master bitmap.
  const TBitmap32* MaskPicture(const TsMaskData& mask) const;

  void UpdateCachedIndexes();
  int GlobalInfoIndex() const { return globalInfo_; }
  int WebButtonIndex() const { return webButton_; }
  int ComboGlyphIndex() const { return comboGlyph_; }
  // A mask of "GLOBALINFO" such as "BICONCLOSE" or "BOXCHECKED"; -1 when missing or not cached.
  int GlobalMask(const std::string& keyName) const;
  // A cached section such as "COMBOBTN", "TABTOP" or "SCROLLBTNLEFT"; all -1 when not cached.
  TacSectionIndexes CachedSection(const std::string& sectionName) const;

  void Clear();

private:
  template <class Match>
  int SearchInherited(int sectionNumber, const std::string& sectionName, const Match& own) const;
  // Brings the name indexes up to the tables' current size (they only grow while loading).
  void CatchUp() const;
  static int Lookup(const TacNameIndex& index, const std::string& key);

  mutable TacNameIndex sectionIndex_, maskIndex_, textureIndex_, patternIndex_;
  mutable size_t sectionsIndexed_ = 0, masksIndexed_ = 0, patternsIndexed_ = 0;

  int globalInfo_ = -1, webButton_ = -1, comboGlyph_ = -1;
  std::map<std::string, int> globalMasks_;
  std::map<std::string, TacSectionIndexes> cachedSections_;
};
