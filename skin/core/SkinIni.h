#pragma once
// Options-file text as INI: "[NAME]" opens a section, "KEY=VALUE" lines follow,
// lines starting with ";" are comments. Names and keys compare case-sensitively.
// Malformed lines are skipped; of duplicate keys the first one counts.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A name index that finds std::string keys by std::string_view.
struct TacNameHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};
using TacNameIndex = std::unordered_map<std::string, size_t, TacNameHash, std::equal_to<>>;

struct TacIniKey {
  std::string Name;
  std::string Value;
};

struct TacIniSection {
  std::string Name;
  std::vector<TacIniKey> Keys;  // file order
  const std::string* Find(std::string_view key) const;
  // Adds the key unless the section has it already.
  void Add(std::string_view key, std::string_view value);

private:
  TacNameIndex index_;
};

class TacSkinIni {
public:
  TacSkinIni() = default;
  explicit TacSkinIni(std::string_view text);

  const std::vector<TacIniSection>& Sections() const { return sections_; }
  const TacIniSection* FindSection(std::string_view name) const;
  // The number of the first section of that name; -1 when there is none.
  int SectionIndex(std::string_view name) const;
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;

private:
  void AddLine(std::string_view line);

  std::vector<TacIniSection> sections_;
  TacNameIndex index_;
};

// Lenient integer: decimal, "$" or "0x" hexadecimal, optional sign and blanks
// around; anything else gives the default.
int StrToIntDef(std::string_view text, int def);
// Strict integer for fixed-column entries: throws Exception on a bad number.
int StrToIntStrict(std::string_view text);
std::string UpperCase(std::string_view text);
std::string_view TrimBlanks(std::string_view text);
