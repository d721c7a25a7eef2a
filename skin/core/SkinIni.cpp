#include "skin/core/SkinIni.h"

#include "platform/Exception.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

const std::string* TacIniSection::Find(std::string_view key) const
{
  const auto found = index_.find(key);
  return found == index_.end() ? nullptr : &Keys[found->second].Value;
}

void TacIniSection::Add(std::string_view key, std::string_view value)
{
  if (index_.emplace(std::string(key), Keys.size()).second)
    Keys.push_back({std::string(key), std::string(value)});
}

TacSkinIni::TacSkinIni(std::string_view text)
{
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos)
      end = text.size();
    AddLine(text.substr(start, end - start));
    start = end + 1;
  }
}

void TacSkinIni::AddLine(std::string_view raw)
{
  const std::string_view line = TrimBlanks(raw);
  if (line.empty() || line.front() == ';')
    return;
  if (line.front() == '[') {
    const size_t close = line.find(']');
    if (close != std::string_view::npos) {
      sections_.emplace_back().Name = TrimBlanks(line.substr(1, close - 1));
      index_.emplace(sections_.back().Name, sections_.size() - 1);
    }
    return;
  }
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos || equals == 0 || sections_.empty())
    return;
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  if (!key.empty())
    sections_.back().Add(key, TrimBlanks(line.substr(equals + 1)));
}

const TacIniSection* TacSkinIni::FindSection(std::string_view name) const
{
  const int index = SectionIndex(name);
  return index < 0 ? nullptr : &sections_[static_cast<size_t>(index)];
}

int TacSkinIni::SectionIndex(std::string_view name) const
{
  const auto found = index_.find(name);
  return found == index_.end() ? -1 : static_cast<int>(found->second);
}

std::optional<std::string> TacSkinIni::Read(std::string_view section, std::string_view key) const
{
  const TacIniSection* found = FindSection(section);
  if (!found)
    return std::nullopt;
  const std::string* value = found->Find(key);
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::string TacSkinIni::ReadString(std::string_view section, std::string_view key, const std::string& def) const
{
  return Read(section, key).value_or(def);
}

namespace {

std::optional<int> ParseInt(std::string_view text)
{
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty())
    return std::nullopt;
  // Hexadecimal colours such as $FFFFFFFF wrap like 32-bit values do.
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  if (base == 16 && value <= 0xFFFFFFFFll)
    value = static_cast<int32_t>(static_cast<uint32_t>(value));
  if (negative)
    value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

int StrToIntDef(std::string_view text, int def)
{
  return ParseInt(text).value_or(def);
}

int StrToIntStrict(std::string_view text)
{
  const std::optional<int> value = ParseInt(text);
  if (!value)
    throw Exception(FormatText("'%s' is not a valid integer value", std::string(text).c_str()));
  return *value;
}

std::string UpperCase(std::string_view text)
{
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return result;
}

std::string_view TrimBlanks(std::string_view text)
{
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}
