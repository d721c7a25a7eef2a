#include "skin/core/PictureCache.h"

#include "platform/Exception.h"
#include "skin/core/MaskPixels.h"
#include "skin/core/PictureLimits.h"
#include "skin/core/SkinSource.h"

TacPictureCache::TacPictureCache(TacPictureDecoder decode, uint64_t limit) : decode_(std::move(decode)), limit_(limit)
{
}

TBitmapRef TacPictureCache::Picture(const TacSkinSource& source, const std::string& name)
{
  const auto key = std::make_pair(&source, name);
  if (const auto found = decoded_.find(key); found != decoded_.end())
    return found->second;
  TBitmapRef picture;
  if (const std::optional<std::vector<uint8_t>> bytes = source.Read(name)) {
    try {
      picture = decode_(*bytes, name);
    } catch (const EEmptyPicture&) {
      // skipped like a missing file
    }
  }
  if (picture && picture->Empty())
    picture.reset();
  if (picture)
    Count(*picture);
  decoded_.emplace(key, picture);
  return picture;
}

TBitmapRef TacPictureCache::EntryPicture(const TBitmapRef& picture, bool premultiply)
{
  const auto key = std::make_pair(picture.get(), premultiply);
  if (const auto found = prepared_.find(key); found != prepared_.end())
    return found->second;
  TBitmapRef prepared = PrepareEntryPicture(*picture, premultiply);
  Count(*prepared);
  prepared_.emplace(key, prepared);
  return prepared;
}

void TacPictureCache::Count(const TBitmap32& picture)
{
  bytes_ += picture.Pixels.size();
  if (bytes_ > limit_)
    throw Exception(FormatText("The skin's pictures need more than %llu MiB of memory; the skin is not loaded.",
                               static_cast<unsigned long long>(limit_ >> 20)));
}
