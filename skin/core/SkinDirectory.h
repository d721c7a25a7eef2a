#pragma once
// Path rules of skin look-up. Paths use "/"; a "\" given by a caller counts as "/".

#include <string>

// The full skin directory for `skinDirectory` relative to `programDir` (which
// ends with "/"): ".." climbs one folder above the program's, "./" and a
// relative name are put under it, an absolute path or one with ":" stays.
std::string ResolveSkinDirectory(const std::string& skinDirectory, const std::string& programDir);

// "X.asz" loses the suffix (any case) when the name is longer than four characters.
std::string StripPackedSuffix(const std::string& name);

// The packed file of a skin: the directory with one trailing separator + name + ".asz".
std::string PackedSkinPath(const std::string& directory, const std::string& name);

// `directory` with exactly one trailing "/" (empty stays empty).
std::string WithSeparator(const std::string& directory);
