// Fuzz target: the skin options file, read into complete tables. Every picture
// name resolves to one small picture with 0xFF00FF corners, so that regions,
// margins and corner checks run on real pixels.
#include "platform/Exception.h"
#include "skin/core/SkinIni.h"
#include "skin/core/SkinLoader.h"
#include "skin/core/SkinSource.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class TacAnySource : public TacSkinSource {
public:
  std::optional<std::vector<uint8_t>> Read(const std::string&) const override { return std::vector<uint8_t>{1}; }
};

TBitmapRef SmallPicture(const std::vector<uint8_t>&, const std::string&)
{
  static const TBitmapRef picture = [] {
    auto bitmap = std::make_shared<TBitmap32>(24, 16);
    for (size_t i = 0; i < bitmap->Pixels.size(); i += 4) {
      const bool corner = (i / 4) % 24 < 3;
      bitmap->Pixels[i] = bitmap->Pixels[i + 2] = corner ? 0xFF : 0x40;
      bitmap->Pixels[i + 3] = 0xFF;
    }
    return bitmap;
  }();
  return picture;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::string text(reinterpret_cast<const char*>(data), size);
  // The second half doubles as the manager's common sections.
  const TacSkinIni ini(text);
  const TacAnySource source;
  TacSkinLoader loader(ini, source, source, SmallPicture);
  loader.SetCommonSections(text.substr(size / 2));
  // The per-pixel colour shift is slow; one input in sixteen is enough to cover it.
  if (size % 16 == 0)
    loader.SetColorShift({static_cast<int>(size % 720) - 360, static_cast<int>(size % 201) - 100});
  try {
    const TacLoadedSkin skin = loader.Load();
    for (const TsGeneralData& section : skin.Tables.Sections)
      skin.Tables.FindMask(skin.Tables.FindSection(section.SectionName), section.SectionName, "BORDERSMASK");
  } catch (const Exception&) {
    // Bad fixed-column entries end a load with a message; anything else is a finding.
  }
  return 0;
}
