#include "skin/core/SectionReader.h"

#include "skin/core/InheritedValues.h"
#include "skin/core/SkinColors.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinIni.h"
#include "skin/core/SkinTables.h"

#include <algorithm>
#include <optional>

namespace {

enum class TacKeyKind { Integer, Color, Flag, Text };
enum TacKeyState { ksSection = -1, ksNormal = 0, ksHot = 1 };

using TacIntField = int& (*)(TsGeneralData&);
using TacTextField = std::string& (*)(TsGeneralData&);
using TacFlagField = bool& (*)(TsGeneralData&);

struct TacSectionKey {
  const char* Key;
  TacKeyKind Kind;
  TacKeyState State;
  int Default;
  const char* TextDefault;
  TacIntField Int;
  TacTextField Text;
  TacFlagField Flag;
};

#define ZZ_STATE_INT(key, kind, state, def, member) \
  {key, kind, state, def, nullptr, [](TsGeneralData& d) -> int& { return d.States[state].member; }, nullptr, nullptr}
#define ZZ_SECTION_INT(key, def, member) \
  {key, TacKeyKind::Integer, ksSection, def, nullptr, [](TsGeneralData& d) -> int& { return d.member; }, nullptr, nullptr}
#define ZZ_FLAG(key, member) \
  {key, TacKeyKind::Flag, ksSection, 0, "0", nullptr, nullptr, [](TsGeneralData& d) -> bool& { return d.member; }}
#define ZZ_TEXT(key, state, def) \
  {key, TacKeyKind::Text, state, 0, def, nullptr, [](TsGeneralData& d) -> std::string& { return d.States[state].GradientData; }, nullptr}

// Every key of a section with its default and the field it fills, declared once.
const TacSectionKey kSectionKeys[] = {
    ZZ_SECTION_INT("STATES", 3, StateCount),
    ZZ_STATE_INT("COLOR", TacKeyKind::Color, ksNormal, 0xFFFFFF, Color),
    ZZ_STATE_INT("FONTCOLOR", TacKeyKind::Color, ksNormal, 0, FontColor),
    ZZ_STATE_INT("TCLEFT", TacKeyKind::Color, ksNormal, -1, TextContour[tcLeft]),
    ZZ_STATE_INT("TCTOP", TacKeyKind::Color, ksNormal, -1, TextContour[tcTop]),
    ZZ_STATE_INT("TCRIGHT", TacKeyKind::Color, ksNormal, -1, TextContour[tcRight]),
    ZZ_STATE_INT("TCBOTTOM", TacKeyKind::Color, ksNormal, -1, TextContour[tcBottom]),
    ZZ_STATE_INT("TRANSPARENCY", TacKeyKind::Integer, ksNormal, 0, Transparency),
    ZZ_STATE_INT("GRADIENTPERCENT", TacKeyKind::Integer, ksNormal, 0, GradientPercent),
    ZZ_TEXT("GRADIENTDATA", ksNormal, " "),
    ZZ_STATE_INT("IMAGEPERCENT", TacKeyKind::Integer, ksNormal, 0, ImagePercent),
    ZZ_STATE_INT("GCOL", TacKeyKind::Color, ksNormal, 0xFFFFFF, GlowColor),
    ZZ_STATE_INT("GSIZE", TacKeyKind::Integer, ksNormal, 0, GlowSize),
    ZZ_SECTION_INT("GLOW", 0, GlowCount),
    ZZ_SECTION_INT("GLOWMARGIN", 0, GlowMargin),
    ZZ_FLAG("GIVEOWNFONT", GiveOwnFont),
    ZZ_FLAG("RESERVEDBOOLEAN", ReservedBoolean),
    ZZ_FLAG("SHOWFOCUS", ShowFocus),
    ZZ_FLAG("FADINGENABLED", FadingEnabled),
    ZZ_SECTION_INT("FADINGITERATIONS", 5, FadingIterations),
    ZZ_STATE_INT("HOTCOLOR", TacKeyKind::Color, ksHot, 0xFFFFFF, Color),
    ZZ_STATE_INT("HOTFONTCOLOR", TacKeyKind::Color, ksHot, 0, FontColor),
    ZZ_STATE_INT("HOTTCLEFT", TacKeyKind::Color, ksHot, -1, TextContour[tcLeft]),
    ZZ_STATE_INT("HOTTCTOP", TacKeyKind::Color, ksHot, -1, TextContour[tcTop]),
    ZZ_STATE_INT("HOTTCRIGHT", TacKeyKind::Color, ksHot, -1, TextContour[tcRight]),
    ZZ_STATE_INT("HOTTCBOTTOM", TacKeyKind::Color, ksHot, -1, TextContour[tcBottom]),
    ZZ_STATE_INT("HOTTRANSPARENCY", TacKeyKind::Integer, ksHot, 0, Transparency),
    ZZ_STATE_INT("HOTGRADIENTPERCENT", TacKeyKind::Integer, ksHot, 0, GradientPercent),
    ZZ_TEXT("HOTGRADIENTDATA", ksHot, ""),
    ZZ_STATE_INT("HOTIMAGEPERCENT", TacKeyKind::Integer, ksHot, 0, ImagePercent),
    ZZ_STATE_INT("HGCOL", TacKeyKind::Color, ksHot, 0xFFFFFF, GlowColor),
    ZZ_STATE_INT("HGSIZE", TacKeyKind::Integer, ksHot, 0, GlowSize),
};

#undef ZZ_STATE_INT
#undef ZZ_SECTION_INT
#undef ZZ_FLAG
#undef ZZ_TEXT

bool FlagValue(const std::string& value)
{
  const std::string upper = UpperCase(TrimBlanks(value));
  return upper == "1" || upper == "TRUE";
}

// Stores a value given for `key`; a bad number keeps the default.
void Store(const TacSectionKey& key, const std::string& value, TsGeneralData& data)
{
  switch (key.Kind) {
  case TacKeyKind::Integer: key.Int(data) = StrToIntDef(value, key.Default); break;
  case TacKeyKind::Color: key.Int(data) = ResolveSkinColor(StrToIntDef(value, key.Default)); break;
  case TacKeyKind::Flag: key.Flag(data) = FlagValue(value); break;
  case TacKeyKind::Text: key.Text(data) = value; break;
  }
}

// Numbers equal to -1 (or unreadable) count as absent while searching.
bool Present(const TacSectionKey& key, const std::string& raw)
{
  if (key.Kind == TacKeyKind::Integer || key.Kind == TacKeyKind::Color)
    return StrToIntDef(raw, -1) != -1;
  return !raw.empty();
}

// Every key of every section looked up in the section and then along its
// PARENTCLASS chain, resolved once for the whole file. The chain is cut at "?",
// at a section naming itself and where a loop closes.
class TacInheritedReader {
public:
  explicit TacInheritedReader(const TacSkinIni& ini) : ini_(ini)
  {
    const std::vector<TacIniSection>& sections = ini.Sections();
    const auto parent = [&](int i) {
      const std::string* name = sections[i].Find("PARENTCLASS");
      if (!name || name->empty() || *name == "?" || *name == sections[i].Name)
        return -1;
      return ini.SectionIndex(*name);
    };
    for (const TacSectionKey& key : kSectionKeys) {
      const auto own = [&](int i) -> const std::string* {
        const std::string* raw = sections[i].Find(key.Key);
        return raw && Present(key, *raw) ? raw : nullptr;
      };
      values_.push_back(InheritAlongChains<const std::string*>(sections.size(), parent, own, nullptr));
    }
  }

  // The value for the section of that name (the first of its name, as lookups by name find).
  std::string Value(const std::string& section, const TacSectionKey& key) const
  {
    const int number = ini_.SectionIndex(section);
    const std::string* raw = number < 0 ? nullptr : values_[static_cast<size_t>(&key - kSectionKeys)][number];
    if (raw)
      return *raw;
    return key.TextDefault ? key.TextDefault : std::to_string(key.Default);
  }

private:
  const TacSkinIni& ini_;
  std::vector<std::vector<const std::string*>> values_;  // per key, per section
};

void FinishStates(TsGeneralData& data)
{
  if (data.StateCount < 2)
    data.States[ksHot] = data.States[ksNormal];
  for (TsGenState& state : data.States) {
    if (state.GradientData.size() < 2)
      state.GradientPercent = 0;
    state.GradientArray = ParseGradientData(state.GradientData);
  }
}

TsGeneralData ReadSection(const TacInheritedReader& reader, const TacIniSection& section)
{
  TsGeneralData data;
  data.SectionName = section.Name;
  const std::string* parent = section.Find("PARENTCLASS");
  data.ParentClass = parent ? *parent : std::string();
  for (const TacSectionKey& key : kSectionKeys)
    if (key.State != ksHot)
      Store(key, reader.Value(section.Name, key), data);
  if (data.StateCount >= 2)
    for (const TacSectionKey& key : kSectionKeys)
      if (key.State == ksHot)
        Store(key, reader.Value(section.Name, key), data);
  FinishStates(data);
  return data;
}

// The record a common section starts from: its current one, a copy of its
// parent (compared upper-cased) or the defaults.
TsGeneralData& CommonTarget(const TacIniSection& section, TacSkinTables& tables)
{
  const int existing = tables.FindSection(section.Name);
  if (existing >= 0)
    return tables.Sections[existing];
  TsGeneralData data;
  if (const std::string* parent = section.Find("PARENTCLASS")) {
    const std::string wanted = UpperCase(*parent);
    const auto found = std::find_if(tables.Sections.begin(), tables.Sections.end(),
                                    [&](const TsGeneralData& s) { return UpperCase(s.SectionName) == wanted; });
    if (found != tables.Sections.end())
      data = *found;
    data.ParentClass = *parent;
  }
  data.SectionName = section.Name;
  tables.Sections.push_back(std::move(data));
  return tables.Sections.back();
}

}  // namespace

std::vector<TsGradientBand> ParseGradientData(const std::string& data)
{
  std::vector<int> values;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = data.find(';', start);
    if (end == std::string::npos)
      end = data.size();
    values.push_back(StrToIntDef(std::string_view(data).substr(start, end - start), 0));
    start = end + 1;
  }
  std::vector<TsGradientBand> bands;
  for (size_t i = 0; i + 5 <= values.size(); i += 5)
    bands.push_back({std::max(values[i], 0), std::max(values[i + 1], 0), std::clamp(values[i + 2], 0, 100),
                     std::clamp(values[i + 3], 0, 2)});
  return bands;
}

void ReadSections(const TacSkinIni& ini, TacSkinTables& tables)
{
  const TacInheritedReader reader(ini);
  for (const TacIniSection& section : ini.Sections())
    tables.Sections.push_back(ReadSection(reader, section));
}

void ApplyCommonSections(const TacSkinIni& common, TacSkinTables& tables)
{
  for (const TacIniSection& section : common.Sections()) {
    TsGeneralData& data = CommonTarget(section, tables);
    for (const TacSectionKey& key : kSectionKeys)
      if (const std::string* value = section.Find(key.Key))
        Store(key, *value, data);
    FinishStates(data);
  }
}

namespace {

// For every section: the first mask found by `own` in it or along its parents.
template <class Own>
std::vector<int> InheritedMasks(const TacSkinTables& tables, const Own& own)
{
  const auto parent = [&](int i) {
    const TsGeneralData& data = tables.Sections[i];
    return data.ParentClass.empty() || data.ParentClass == data.SectionName ? -1 : tables.FindSection(data.ParentClass);
  };
  return InheritAlongChains<int>(tables.Sections.size(), parent, [&](int i) { return own(tables.Sections[i].SectionName); }, -1);
}

std::vector<int> InheritedMask(const TacSkinTables& tables, const std::string& key)
{
  return InheritedMasks(tables, [&](const std::string& name) { return tables.FindOwnMask(name, key); });
}

std::vector<int> InheritedTexture(const TacSkinTables& tables, const std::string& key)
{
  return InheritedMasks(tables, [&](const std::string& name) { return tables.FindOwnTexture(name, key); });
}

}  // namespace

void ResolveSectionMasks(TacSkinTables& tables)
{
  const std::vector<int> border = InheritedMask(tables, "BORDERSMASK");
  const std::vector<int> topLeft = InheritedMask(tables, "IMGTOPLEFT");
  const std::vector<int> topRight = InheritedMask(tables, "IMGTOPRIGHT");
  const std::vector<int> bottomLeft = InheritedMask(tables, "IMGBTMLEFT");
  const std::vector<int> bottomRight = InheritedMask(tables, "IMGBTMRIGHT");
  const std::vector<int> texture = InheritedTexture(tables, "PATTERN");
  const std::vector<int> hotTexture = InheritedTexture(tables, "HOTPATTERN");
  for (size_t i = 0; i < tables.Sections.size(); ++i) {
    TsGeneralData& data = tables.Sections[i];
    if (data.SectionName == kGlobalInfo)
      continue;
    data.BorderMaskIndex = border[i];
    data.ImgTopLeft = topLeft[i];
    data.ImgTopRight = topRight[i];
    data.ImgBottomLeft = bottomLeft[i];
    data.ImgBottomRight = bottomRight[i];
    data.States[ksNormal].TextureIndex = texture[i];
    // With one state the hot state is a copy of the normal one.
    data.States[ksHot].TextureIndex = data.StateCount > 1 ? hotTexture[i] : texture[i];
  }
}
