#pragma once
// The pictures of one skin load: each file is decoded once and shared by every
// key that names it, and the decoded bytes of the whole skin are capped, so that
// an options file naming one large picture many times cannot ask for gigabytes.

#include "skin/core/SkinRecords.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TacSkinSource;

using TacPictureDecoder = std::function<TBitmapRef(const std::vector<uint8_t>& data, const std::string& fileName)>;

// No sane skin comes near this; BlackBox decodes to about 1 MiB.
inline constexpr uint64_t kMaxSkinPictureBytes = uint64_t(256) << 20;

class TacPictureCache {
public:
  explicit TacPictureCache(TacPictureDecoder decode, uint64_t limit = kMaxSkinPictureBytes);

  // The decoded picture, or null when the file is missing or has no width.
  // Undecodable data, and pictures beyond the skin's limit, throw Exception.
  TBitmapRef Picture(const TacSkinSource& source, const std::string& name);
  // The picture as picture-file entries use it (PrepareEntryPicture), made once per picture.
  TBitmapRef EntryPicture(const TBitmapRef& picture, bool premultiply);

private:
  void Count(const TBitmap32& picture);

  TacPictureDecoder decode_;
  uint64_t limit_;
  uint64_t bytes_ = 0;
  std::map<std::pair<const TacSkinSource*, std::string>, TBitmapRef> decoded_;
  std::map<std::pair<const TBitmap32*, bool>, TBitmapRef> prepared_;
};
