#pragma once
// Classifies one options-file value as a mask entry: a picture file ("!..." or a
// plain ".BMP" name) or a region of the master bitmap ("@", "^", "~" in fixed
// columns, or the free "#" format). Fixed columns that hold no number throw
// Exception; everything else that is not understood yields no entry.

#include "skin/core/SkinRecords.h"

#include <string>
#include <string_view>

enum class TacEntryFormat { None, PictureFile, BitmapFile, MasterRegion };

// How the margins of a picture entry are derived once its picture size is known.
enum class TacMarginRule { Given, Thirds, BitmapNinths };

struct TacMaskEntry {
  TacEntryFormat Format = TacEntryFormat::None;
  std::string FileName;  // picture entries only
  TacMarginRule Margins = TacMarginRule::Given;
  TsMaskData Mask;  // Area is final for regions, filled by FinishPictureEntry otherwise
};

TacMaskEntry ParseMaskEntry(std::string_view value, double version);

// Sets Area and the derived margins of a picture entry from its picture.
void FinishPictureEntry(TacMaskEntry& entry, int pictureWidth, int pictureHeight);
