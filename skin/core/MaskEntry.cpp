#include "skin/core/MaskEntry.h"

#include "skin/core/SkinIni.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double kCentreRuleVersion = 7.4;  // older skins derive the stretch bit from the centre size
// Bounds that keep frame arithmetic far from overflow; values outside fall back.
constexpr int kMaxFrames = 1024, kMaxMaskRows = 64, kMaxCoordinate = 32767;

int InRange(int value, int low, int high, int def)
{
  return value >= low && value <= high ? value : def;
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separators)
{
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of(separators, start);
    if (end == std::string_view::npos)
      end = text.size();
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::vector<std::string_view> Words(std::string_view text, std::string_view separators)
{
  std::vector<std::string_view> words;
  for (std::string_view part : Split(text, separators))
    if (!part.empty())
      words.push_back(part);
  return words;
}

// A 1-based fixed column of `length` characters; a column beyond the end is empty.
int Column(std::string_view value, size_t position, size_t length)
{
  const std::string_view column = position - 1 < value.size() ? value.substr(position - 1, length) : std::string_view();
  return StrToIntStrict(TrimBlanks(column));
}

void ReadRect(std::string_view value, TacRect& area)
{
  area = {Column(value, 2, 4), Column(value, 7, 4), Column(value, 12, 4), Column(value, 17, 4)};
}

// All four margins 0: DefaultMargin when set, else a third of the frame.
void FillZeroMargins(TsMaskData& mask)
{
  if (mask.MarginLeft || mask.MarginTop || mask.MarginRight || mask.MarginBottom)
    return;
  if (mask.DefaultMargin != 0) {
    mask.MarginLeft = mask.MarginTop = mask.MarginRight = mask.MarginBottom = mask.DefaultMargin;
    return;
  }
  mask.MarginLeft = mask.MarginRight = mask.FrameWidth() / 3;
  mask.MarginTop = mask.MarginBottom = mask.FrameHeight() / 3;
}

TacMaskEntry PictureFileEntry(std::string_view value)
{
  TacMaskEntry entry;
  const std::vector<std::string_view> fields = Split(value.substr(1), "!");
  const std::string upper = UpperCase(fields[0]);
  if (upper.find(".BMP") == std::string::npos && upper.find(".PNG") == std::string::npos)
    return entry;
  const auto field = [&](size_t index, int def) { return index < fields.size() ? StrToIntDef(fields[index], def) : def; };
  entry.Format = TacEntryFormat::PictureFile;
  entry.FileName = std::string(fields[0]);
  TsMaskData& mask = entry.Mask;
  mask.FrameCount = InRange(field(1, 1), 0, kMaxFrames, 1);
  mask.MaskRows = InRange(field(2, 0), -1, kMaxMaskRows, 0);
  mask.EntryKind = std::min(field(3, 0), 4);
  mask.MarginLeft = field(4, 0);
  mask.MarginTop = field(5, 0);
  mask.MarginRight = field(6, 0);
  mask.MarginBottom = field(7, 0);
  mask.DrawFlags = field(8, 1);
  entry.Margins = fields.size() < 5 ? TacMarginRule::Thirds : TacMarginRule::Given;
  return entry;
}

TacMaskEntry PlainRegionEntry(std::string_view value)
{
  TacMaskEntry entry{TacEntryFormat::MasterRegion, {}, TacMarginRule::Given, {}};
  ReadRect(value, entry.Mask.Area);
  entry.Mask.FrameCount = Column(value, 22, 1);
  entry.Mask.MaskRows = Column(value, 24, 1);
  entry.Mask.EntryKind = ekPlainRegion;
  return entry;
}

TacMaskEntry MarginRegionEntry(std::string_view value, double version)
{
  TacMaskEntry entry{TacEntryFormat::MasterRegion, {}, TacMarginRule::Given, {}};
  TsMaskData& mask = entry.Mask;
  ReadRect(value, mask.Area);
  mask.MarginLeft = Column(value, 22, 4);
  mask.MarginTop = Column(value, 27, 4);
  mask.MarginRight = Column(value, 32, 4);
  mask.MarginBottom = Column(value, 37, 4);
  mask.FrameCount = Column(value, 42, 1);
  mask.MaskRows = Column(value, 44, 1);
  mask.DrawFlags = Column(value, 46, 1);
  mask.DefaultMargin = Column(value, 48, 1);
  mask.EntryKind = ekRegion;
  FillZeroMargins(mask);
  if (version < kCentreRuleVersion && mask.MaskRows > 0) {
    const bool thinCentre = mask.FrameWidth() - mask.MarginLeft - mask.MarginRight == 1 &&
                            mask.FrameHeight() - mask.MarginTop - mask.MarginBottom == 1;
    mask.DrawFlags = thinCentre ? (mask.DrawFlags | 1) : (mask.DrawFlags & ~1);
  }
  return entry;
}

TacMaskEntry TextureRegionEntry(std::string_view value, double version)
{
  TacMaskEntry entry{TacEntryFormat::MasterRegion, {}, TacMarginRule::Given, {}};
  TsMaskData& mask = entry.Mask;
  ReadRect(value, mask.Area);
  mask.FrameCount = 1;
  mask.DrawFlags = Column(value, 22, 2);
  mask.MaskRows = value.size() >= 25 ? Column(value, 25, 1) : 0;
  mask.EntryKind = ekTexture;
  if (version < kCentreRuleVersion && mask.MaskRows > 0)
    mask.DrawFlags &= ~1;
  return entry;
}

TacMaskEntry FreeRegionEntry(std::string_view value)
{
  TacMaskEntry entry{TacEntryFormat::MasterRegion, {}, TacMarginRule::Given, {}};
  const std::vector<std::string_view> words = Words(value, " ()");
  const auto numbers = [&](size_t word) {
    return word < words.size() ? Words(words[word], " ,") : std::vector<std::string_view>();
  };
  const std::vector<std::string_view> rect = numbers(1), params = numbers(2);
  const auto number = [](const std::vector<std::string_view>& list, size_t i, int def) {
    return i < list.size() ? StrToIntDef(list[i], 0) : def;
  };
  const auto coordinate = [&](size_t i) { return std::clamp(number(rect, i, 0), 0, kMaxCoordinate); };
  TsMaskData& mask = entry.Mask;
  mask.Area = {coordinate(0), coordinate(1), coordinate(2), coordinate(3)};
  mask.FrameCount = std::clamp(number(params, 0, 1), 1, kMaxFrames);
  mask.MaskRows = std::clamp(number(params, 1, 0), 0, kMaxMaskRows);
  mask.DefaultMargin = std::clamp(number(params, 2, 0), 0, kMaxCoordinate);
  mask.DrawFlags = number(params, 3, 1);
  mask.EntryKind = ekRegion;
  FillZeroMargins(mask);
  return entry;
}

}  // namespace

TacMaskEntry ParseMaskEntry(std::string_view value, double version)
{
  if (value.empty())
    return {};
  switch (value.front()) {
  case '!': return PictureFileEntry(value);
  case '@': return PlainRegionEntry(value);
  case '^': return MarginRegionEntry(value, version);
  case '~': return TextureRegionEntry(value, version);
  default: break;
  }
  if (value.find('#') == std::string_view::npos) {
    TacMaskEntry entry;
    const std::string upper = UpperCase(value);
    if (upper.find(".BMP") != std::string::npos)
      entry = {TacEntryFormat::BitmapFile, upper, TacMarginRule::BitmapNinths, {}};
    entry.Mask.FrameCount = 3;
    entry.Mask.MaskRows = 1;
    return entry;
  }
  return value == "#" ? TacMaskEntry() : FreeRegionEntry(value);
}

void FinishPictureEntry(TacMaskEntry& entry, int pictureWidth, int pictureHeight)
{
  TsMaskData& mask = entry.Mask;
  mask.Area = {0, 0, pictureWidth, pictureHeight};
  if (entry.Margins == TacMarginRule::Thirds) {
    mask.MarginLeft = mask.MarginRight = mask.FrameCount > 0 ? pictureWidth / (mask.FrameCount * 3) : 0;
    mask.MarginTop = mask.MarginBottom = mask.MaskRows >= 0 ? pictureHeight / ((mask.MaskRows + 1) * 3) : 0;
  } else if (entry.Margins == TacMarginRule::BitmapNinths) {
    mask.MarginLeft = mask.MarginRight = pictureWidth / 9;
    mask.MarginTop = mask.MarginBottom = pictureHeight / 6;
  }
}
