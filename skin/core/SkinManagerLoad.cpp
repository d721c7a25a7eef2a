// Loading of TsSkinManager: packed file, folder or stored skin, version check.
#include "skin/core/SkinManager.h"

#include "platform/Exception.h"
#include "skin/core/PackedSkin.h"
#include "skin/core/PictureLoader.h"
#include "skin/core/SkinDirectory.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinIni.h"
#include "skin/core/SkinLoader.h"
#include "skin/core/SkinSource.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr double kOldestSupported = 7.0;
constexpr double kNewestSupported = 8.99;

const char kNewerSkin[] =
    "This version of the skin have not complete support by used skin engine release.\r\n"
    "Components must be updated up to latest version for using this skin.";

std::string OlderSkinMessage(const std::string& name)
{
  return "You are using an old version of the \"" + name +
         "\" skin. Please, update a skins to latest or contact the skin engine support for upgrading of existing "
         "skin.\r\n\r\nThis notification occurs in design-time only for your information and will not occur in "
         "real-time.";
}

bool IsFolder(const std::string& path)
{
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

// Chooses the source: the packed file when it exists (in preview mode a folder
// of the name wins), else the folder, else a stored skin.
void TsSkinManager::LoadCurrentSkin()
{
  const std::string directory = WithSeparator(ResolvedSkinDirectory());
  const std::string packed = MatchingPath(PackedSkinPath(directory, skinName_));
  std::error_code error;
  packedSource_ = std::filesystem::is_regular_file(packed, error);
  if (packedSource_ && SkinPreviewMode() && IsFolder(MatchingPath(directory + skinName_)))
    packedSource_ = false;
  if (packedSource_)
    LoadPacked(packed);
  else
    LoadFolder();
}

void TsSkinManager::LoadPacked(const std::string& path)
{
  const TacPackedSkin container = ReadPackedSkin(ReadWholeFile(path).value_or(std::vector<uint8_t>()));
  skinData_.PicturePath = WithSeparator(ResolvedSkinDirectory());
  LoadTables(TacSkinIni(container.Options), &container);
}

void TsSkinManager::LoadFolder()
{
  const std::string folder = WithSeparator(WithSeparator(ResolvedSkinDirectory()) + skinName_);
  skinData_.PicturePath = WithSeparator(MatchingPath(folder));
  if (!previewOptions_.empty()) {
    LoadTables(TacSkinIni(previewOptions_), nullptr);
    return;
  }
  const std::optional<std::vector<uint8_t>> options = ReadWholeFile(MatchingPath(skinData_.PicturePath + kOptionsFileName));
  if (!options) {
    LoadStored();
    return;
  }
  LoadTables(TacSkinIni(std::string_view(reinterpret_cast<const char*>(options->data()), options->size())), nullptr);
}

// No folder: a stored skin of the name, else the first stored one; none at all
// switches the manager off without a message.
void TsSkinManager::LoadStored()
{
  skinData_.PicturePath.clear();
  if (InternalSkins.empty()) {
    active_ = false;
    return;
  }
  const TsStoredSkin* stored = &InternalSkins.front();
  for (const TsStoredSkin& skin : InternalSkins)
    if (skin.Name == skinName_)
      stored = &skin;
  skinName_ = stored->Name;
  if (stored->Data.empty())
    throw Exception(FormatText("The stored skin \"%s\" holds no data", stored->Name.c_str()));
  const TacPackedSkin container = ReadPackedSkin(stored->Data);
  packedSource_ = true;
  LoadTables(TacSkinIni(container.Options), &container);
}

// Reads the tables into new storage first, so that a failure keeps the old skin.
void TsSkinManager::LoadTables(const TacSkinIni& ini, const TacPackedSkin* container)
{
  CheckVersion(ReadSkinVersion(ini));
  const TacFolderSource folder(skinData_.PicturePath);
  std::unique_ptr<TacSkinSource> packed;
  if (container)
    packed = std::make_unique<TacPackedSource>(*container);
  TacSkinLoader loader(ini, packed ? *packed : static_cast<const TacSkinSource&>(folder), folder, LoadPicture);
  std::string common;
  for (const std::string& line : CommonSections)
    common += line + "\n";
  loader.SetCommonSections(common);
  loader.SetColorShift({hueOffset_, saturation_});
  TacLoadedSkin loaded = loader.Load();
  loaded.Data.PicturePath = skinData_.PicturePath;
  loaded.Data.InForce = skinData_.InForce;
  skinData_ = std::move(loaded.Data);
  tables_ = std::move(loaded.Tables);
}

void TsSkinManager::CheckVersion(double version)
{
  if (version > kNewestSupported) {
    // The standard dialogs stay unskinned while the warning box is shown.
    const TacSkinningRules rules = SkinningRules;
    SkinningRules &= ~srStdDialogs;
    ShowSkinMessage(TacMessageKind::Warning, kNewerSkin);
    SkinningRules = rules;
  } else if (version < kOldestSupported && (Designing() || HasSkinParameter("/actest"))) {
    ShowSkinMessage(TacMessageKind::Information, OlderSkinMessage(skinName_));
  }
}
