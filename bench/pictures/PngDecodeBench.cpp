// PNG decoding throughput: our decoder and Qt's on the same generated files.
#include "PngWriter.h"

#include "skin/core/PngDecoder.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

enum class Kind { Rgba, Palette, RgbaInterlaced, Grey16 };

// Smooth pictures with some noise: compress like real artwork, not like noise.
std::vector<uint8_t> MakeFile(Kind kind)
{
  const uint8_t type = kind == Kind::Palette ? 3 : kind == Kind::Grey16 ? 0 : 6;
  TestPng png = NewTestPng(512, 512, kind == Kind::Grey16 ? 16 : 8, type, kind == Kind::RgbaInterlaced);
  for (int i = 0; type == 3 && i < 256; ++i)
    png.Palette.insert(png.Palette.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i * 3)});
  FillRandomSamples(png, 0);
  const int channels = ChannelsOf(type);
  for (uint32_t y = 0; y < png.Height; ++y)
    for (uint32_t x = 0; x < png.Width; ++x)
      for (int c = 0; c < channels; ++c) {
        uint16_t& sample = png.Samples[(size_t(y) * png.Width + x) * channels + c];
        const double wave = std::sin(x * 0.02 + c) * std::cos(y * 0.03) * 0.5 + 0.5;
        const uint32_t top = png.BitDepth == 16 ? 65535 : 255;
        sample = uint16_t(std::min<uint32_t>(top, uint32_t(wave * top) + sample % 8));
      }
  png.IdatSize = 8192;
  return EncodePng(png);
}

void OurDecoder(benchmark::State& state, Kind kind)
{
  const std::vector<uint8_t> file = MakeFile(kind);
  for (auto _ : state)
    benchmark::DoNotOptimize(DecodePng(file.data(), file.size()));
  state.SetBytesProcessed(int64_t(state.iterations()) * 512 * 512 * 4);
}

void QtDecoder(benchmark::State& state, Kind kind)
{
  const std::vector<uint8_t> file = MakeFile(kind);
  for (auto _ : state) {
    // The same result as ours: a 32-bit ARGB picture.
    QImage image = QImage::fromData(file.data(), int(file.size()), "PNG").convertToFormat(QImage::Format_ARGB32);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * 512 * 512 * 4);
}

}  // namespace

BENCHMARK_CAPTURE(OurDecoder, rgba8, Kind::Rgba);
BENCHMARK_CAPTURE(QtDecoder, rgba8, Kind::Rgba);
BENCHMARK_CAPTURE(OurDecoder, palette8, Kind::Palette);
BENCHMARK_CAPTURE(QtDecoder, palette8, Kind::Palette);
BENCHMARK_CAPTURE(OurDecoder, rgba8_interlaced, Kind::RgbaInterlaced);
BENCHMARK_CAPTURE(QtDecoder, rgba8_interlaced, Kind::RgbaInterlaced);
BENCHMARK_CAPTURE(OurDecoder, grey16, Kind::Grey16);
BENCHMARK_CAPTURE(QtDecoder, grey16, Kind::Grey16);
