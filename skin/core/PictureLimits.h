#pragma once
// Size limits shared by the picture readers: a header is checked against them
// before anything is allocated, so a hostile file cannot ask for gigabytes.

#include "platform/Exception.h"

#include <cstdint>

constexpr int64_t MaxPictureSide = 16384;
constexpr uint64_t MaxPictureBytes = uint64_t(256) << 20;

// A picture without width: the skin loader skips it instead of failing.
class EEmptyPicture : public Exception {
public:
  using Exception::Exception;
};

// Throws when a picture of width x height pixels (4 bytes each) is out of bounds.
// format names the file kind in the message ("PNG", "BMP", "JPEG"); workBytes is
// any other buffer the decoder needs (raw samples), bounded the same way.
inline void CheckPictureSize(int64_t width, int64_t height, const char* format, uint64_t workBytes = 0)
{
  const std::string invalid = FormatText("Cannot load image. Invalid or unexpected %s image format.", format);
  if (width == 0)
    throw EEmptyPicture(invalid);
  if (width < 0 || height <= 0)
    throw Exception(invalid);
  if (width > MaxPictureSide || height > MaxPictureSide || uint64_t(width) * uint64_t(height) * 4 > MaxPictureBytes ||
      workBytes > MaxPictureBytes)
    throw Exception(FormatText("Cannot load image. The %s picture of %lld x %lld pixels is too large "
                               "(at most 16384 pixels a side and 256 MiB).",
                               format, static_cast<long long>(width), static_cast<long long>(height)));
}
