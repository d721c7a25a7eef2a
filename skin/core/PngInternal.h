#pragma once
// Pieces of the PNG decoder shared by its source files (PngDecoder.cpp drives,
// PngFilters.cpp unfilters and de-interlaces, PngPixels.cpp converts samples).

#include "platform/Exception.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace png {

enum ColourType : uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

struct Header {
  uint32_t Width = 0;
  uint32_t Height = 0;
  uint8_t BitDepth = 0;
  uint8_t ColourType = 0;
  uint8_t Interlace = 0;

  int Channels() const;
  int BitsPerPixel() const { return Channels() * BitDepth; }
  size_t RowBytes(uint32_t pixels) const { return (size_t(pixels) * size_t(BitsPerPixel()) + 7) / 8; }
  // Distance to the byte of the pixel to the left, as the filters see it.
  size_t FilterStride() const { return BitsPerPixel() >= 8 ? size_t(BitsPerPixel() / 8) : 1; }
};

// Colour information of the ancillary and palette chunks.
struct Colours {
  std::array<uint8_t, 256 * 3> Palette{};  // RGB triples as stored
  std::array<uint8_t, 256> PaletteAlpha{};  // from tRNS; 255 where not given
  int PaletteSize = 0;
  bool PaletteTransparency = false;
  std::optional<std::array<uint16_t, 3>> Key;  // tRNS colour key of grey (index 0) or RGB
  double Gamma = 0;  // file gamma from gAMA, 0 when absent
};

// One pass of Adam7 (or the whole picture): where its pixels go on the picture.
struct Pass {
  uint32_t X0, Y0, DX, DY, Width, Height;
};

std::vector<Pass> PassesOf(const Header& header);
// Bytes of the inflated image data: every row of every pass with its filter byte.
uint64_t RawSize(const Header& header);

// Undoes one row's filter in place; prior is the previous row of the pass, already
// unfiltered (zeros for the first row). Throws on an unknown filter type.
void UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t length, size_t stride);

// Converts rows of samples to BGRA with palette, colour key and gamma applied.
class RowConverter {
public:
  RowConverter(const Header& header, const Colours& colours);
  void Convert(const uint8_t* row, uint32_t count, uint8_t* bgra) const;

  const Header& Head;
  std::array<uint8_t, 256> Level{};  // 8-bit channel value after gamma correction
  std::array<uint8_t, 256 * 4> PaletteBgra{};
  std::optional<std::array<uint16_t, 3>> Key;
};

// Inflates the zlib stream spread over the IDAT chunks into a buffer of exactly the
// size the header implies. The buffer grows with the data actually inflated, so a
// short file cannot make the decoder allocate the whole picture up front.
class Inflater {
public:
  explicit Inflater(uint64_t expectedSize);
  ~Inflater();
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  void Feed(const uint8_t* data, size_t size);
  // The complete data; throws when the stream ended early or did not end.
  std::vector<uint8_t>& Finish();

private:
  void Grow();
  void CheckForExtraData();

  struct State;
  State* FState;
  std::vector<uint8_t> FOutput;
  uint64_t FExpected;
  bool FEnded = false;
};

// Throws the loader's error with "PNG" filled into message's %s places.
[[noreturn]] void Fail(const char* message);

}  // namespace png
