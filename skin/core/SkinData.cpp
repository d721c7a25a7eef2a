#include "skin/core/SkinData.h"

#include "skin/core/SkinIni.h"

#include <charconv>

namespace {

struct TacGlobalKey {
  const char* Key;
  int Default;
  int TsSkinData::*Field;
};

// Every integer key of "GLOBALINFO" with its default, declared once.
constexpr TacGlobalKey kGlobalKeys[] = {
    {"BORDERWIDTH", 4, &TsSkinData::BorderWidth},
    {"TITLEHEIGHT", 30, &TsSkinData::TitleHeight},
    {"MAXHEIGHT", 0, &TsSkinData::MaxHeight},
    {"FORMOFFSET", kSystemFrameWidth, &TsSkinData::FormOffset},
    {"ALIGNOFFSET", 0, &TsSkinData::AlignOffset},
    {"CENTEROFFSET", 0, &TsSkinData::CenterOffset},
    {"BORDERMODE", 0, &TsSkinData::BorderMode},
    {"SHADOW1COLOR", 0, &TsSkinData::Shadow1Color},
    {"SHADOW1OFFSET", 0, &TsSkinData::Shadow1Offset},
    {"SHADOW1BLUR", -1, &TsSkinData::Shadow1Blur},
    {"SHADOW1TRANSPARENCY", 0, &TsSkinData::Shadow1Transparency},
    {"BISPACE", 0, &TsSkinData::BISpace},
    {"BIVALIGN", 0, &TsSkinData::BIVAlign},
    {"BIRIGHT", 0, &TsSkinData::BIRight},
    {"BILEFT", 0, &TsSkinData::BILeft},
    {"BITOP", 0, &TsSkinData::BITop},
    {"BORDERCOLOR", 0, &TsSkinData::BorderColor},
    {"BIKEEPHUE", 0, &TsSkinData::BIKeepHue},
    {"BICONCLOSEGLOW", 0, &TsSkinData::BICloseGlow},
    {"BICONMAXGLOW", 0, &TsSkinData::BIMaxGlow},
    {"BICONMINGLOW", 0, &TsSkinData::BIMinGlow},
    {"BICONCLOSEGLOWMARGIN", 0, &TsSkinData::BICloseGlowMargin},
    {"BICONMAXGLOWMARGIN", 0, &TsSkinData::BIMaxGlowMargin},
    {"BICONMINGLOWMARGIN", 0, &TsSkinData::BIMinGlowMargin},
    {"AEROBLUR", 0, &TsSkinData::AeroBlur},
    {"EXTSHADOW", 0, &TsSkinData::ExtShadow},
};

}  // namespace

void ReadSkinData(const TacSkinIni& ini, TsSkinData& data)
{
  for (const TacGlobalKey& key : kGlobalKeys) {
    const std::optional<std::string> value = ini.Read(kGlobalInfo, key.Key);
    data.*key.Field = value ? StrToIntDef(*value, key.Default) : key.Default;
  }
  if (data.TitleHeight == 0)
    data.TitleHeight = 30;
  if (data.MaxHeight == 0)
    data.MaxHeight = data.TitleHeight;
  data.Version = ReadSkinVersion(ini);
  data.Author = ini.ReadString(kGlobalInfo, "AUTHOR", "");
  data.Description = ini.ReadString(kGlobalInfo, "DESCRIPTION", "");
  data.MasterBitmap = ini.ReadString(kGlobalInfo, "MASTERBITMAP", "");
}

double ReadSkinVersion(const TacSkinIni& ini)
{
  const std::string text(TrimBlanks(ini.ReadString(kGlobalInfo, "VERSION", "")));
  double version = 0;
  // from_chars ignores the C and C++ locales: "." is the separator everywhere.
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), version);
  if (error != std::errc() || end != text.data() + text.size())
    return 0;
  return version;
}
