#pragma once
// TPNGGraphic: the skin engine's picture class. A bitmap that can also read PNG
// files and that blends pictures with alpha over what is already on the target.
// Not thread-safe; a loaded picture may be shared read-only.

#include "skin/core/Bitmap32.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class TPNGGraphic {
public:
  static constexpr std::string_view ClassName = "TPNGGraphic";

  // Loads a PNG file's bytes; on error throws and leaves the picture empty.
  void LoadFromPng(const uint8_t* data, size_t size);
  // Loads stored picture data (class name, byte count, BMP file); no PNG decoding.
  void LoadFromStoredData(const uint8_t* data, size_t size);
  // The stored picture data of this picture, as a form stores it.
  std::vector<uint8_t> StoredData() const;
  // Takes another picture as a bitmap assignment does.
  void Assign(const TBitmap32& picture);

  // Draws into rect of target: blended when the picture has alpha, else copied;
  // stretched when rect has another size; with Reflection a mirrored copy below.
  void Draw(TBitmap32& target, const TPixelRect& rect) const;

  const TBitmap32& Bitmap() const { return FBitmap; }
  bool Empty() const { return FBitmap.Empty(); }
  // The PNG's bKGD colour (0x00BBGGRR) when it had one.
  std::optional<uint32_t> BackgroundColor() const { return FBackground; }

  TReflection Reflection = TReflection::None;

private:
  TBitmap32 FBitmap;
  std::optional<uint32_t> FBackground;
};

// Stored picture data: 1 byte class name length, "TPNGGraphic", 32-bit little-endian
// byte count, then that many bytes of a BMP file.
bool IsStoredPicture(const uint8_t* data, size_t size);
TBitmap32 ReadStoredPicture(const uint8_t* data, size_t size);
std::vector<uint8_t> WriteStoredPicture(const TBitmap32& picture);
