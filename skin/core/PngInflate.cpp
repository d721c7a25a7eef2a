// zlib inflate of PNG image data into a buffer sized from the header.
#include "skin/core/PngInternal.h"

#include <algorithm>
#include <zlib.h>

namespace png {

struct Inflater::State {
  z_stream Stream{};
};

Inflater::Inflater(uint64_t expectedSize) : FState(new State), FExpected(expectedSize)
{
  if (inflateInit(&FState->Stream) != Z_OK) {
    delete FState;
    Fail("LZ77 decompression error.");
  }
}

Inflater::~Inflater()
{
  inflateEnd(&FState->Stream);
  delete FState;
}

void Inflater::Grow()
{
  const size_t used = FOutput.size() - FState->Stream.avail_out;
  const size_t wanted = std::max<size_t>(used * 2, 64 * 1024);
  FOutput.resize(size_t(std::min<uint64_t>(wanted, FExpected)));
  FState->Stream.next_out = FOutput.data() + used;
  FState->Stream.avail_out = uInt(FOutput.size() - used);
}

// The output is full but the stream goes on: one more byte of output means the
// stream holds more data than the picture needs.
void Inflater::CheckForExtraData()
{
  uint8_t spare = 0;
  z_stream& stream = FState->Stream;
  stream.next_out = &spare;
  stream.avail_out = 1;
  const int result = inflate(&stream, Z_NO_FLUSH);
  if (stream.avail_out == 0)
    Fail("Cannot load image. Extra compressed data found in %s file.");
  stream.next_out = FOutput.data() + FOutput.size();
  stream.avail_out = 0;
  if (result == Z_STREAM_END)
    FEnded = true;
  else if (result != Z_OK)
    Fail("LZ77 decompression error.");
}

void Inflater::Feed(const uint8_t* data, size_t size)
{
  z_stream& stream = FState->Stream;
  if (FEnded) {
    if (size > 0)
      Fail("Cannot load image. Extra compressed data found in %s file.");
    return;
  }
  stream.next_in = const_cast<uint8_t*>(data);
  stream.avail_in = uInt(size);
  while (stream.avail_in > 0 && !FEnded) {
    const size_t used = FOutput.size() - stream.avail_out;
    if (stream.avail_out == 0 && used == FExpected) {
      CheckForExtraData();
      continue;
    }
    if (stream.avail_out == 0)
      Grow();
    const int result = inflate(&stream, Z_NO_FLUSH);
    if (result == Z_STREAM_END)
      FEnded = true;
    else if (result != Z_OK)  // with input and room left, no progress is an error too
      Fail("LZ77 decompression error.");
  }
  if (FEnded && stream.avail_in > 0)
    Fail("Cannot load image. Extra compressed data found in %s file.");
}

std::vector<uint8_t>& Inflater::Finish()
{
  const size_t used = FOutput.size() - FState->Stream.avail_out;
  if (!FEnded || used != FExpected)
    Fail("Cannot load image. Compression error found in %s file.");
  FOutput.resize(used);
  return FOutput;
}

}  // namespace png
