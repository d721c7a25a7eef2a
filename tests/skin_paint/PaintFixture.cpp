#include "PaintFixture.h"

#include "skin/paint/PaintColors.h"

int PixelAt(const TBitmap32& bitmap, int x, int y)
{
  return BgraToColor(bitmap.Scanline(y) + x * 4);
}

TBitmapRef Columns(std::initializer_list<int> colors, int height)
{
  auto picture = std::make_shared<TBitmap32>(int(colors.size()), height);
  int x = 0;
  for (int color : colors) {
    FillColor(*picture, {x, 0, 1, height}, color);
    ++x;
  }
  return picture;
}

int PaintFixture::AddSection(const char* name, int color, int states)
{
  TsGeneralData section;
  section.SectionName = name;
  section.StateCount = states;
  section.States[0].Color = section.States[1].Color = color;
  Tables.Sections.push_back(section);
  return int(Tables.Sections.size()) - 1;
}

int PaintFixture::AddMask(TBitmapRef picture, int frames, int margin, int drawFlags, int maskRows)
{
  TsMaskData mask;
  mask.Area = {0, 0, picture->Width, picture->Height};
  mask.Picture = std::move(picture);
  mask.FrameCount = frames;
  mask.MaskRows = maskRows;
  mask.MarginLeft = mask.MarginTop = mask.MarginRight = mask.MarginBottom = margin;
  mask.DrawFlags = drawFlags;
  Tables.Masks.push_back(mask);
  return int(Tables.Masks.size()) - 1;
}

TacFaceSource PaintFixture::Source(int section, int borderMask) const
{
  TacFaceSource source;
  source.Tables = &Tables;
  source.Section = section;
  source.BorderMask = borderMask;
  return source;
}
