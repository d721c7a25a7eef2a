#pragma once
// What a control's skin binding tells the painting steps: the tables of its
// manager, its section and masks, and its own colours. A value type, made fresh
// for every paint; the tables must outlive the call.

#include "skin/core/SkinTables.h"

struct TacFaceSource {
  const TacSkinTables* Tables = nullptr;
  int Section = -1;
  int BorderMask = -1;
  int Texture = -1;     // the section's "PATTERN" texture, or -1
  int HotTexture = -1;  // "HOTPATTERN", or -1
  int ParentSection = -1;  // the parent's section, for colours of partly transparent controls
  bool CustomColor = false;
  int OwnColor = 0;  // the control's Color, used with CustomColor
  bool CustomFont = false;
  int OwnFontColor = 0;  // the control's font colour, used with CustomFont or without skin
  int GlobalColor = 0;   // the manager's global colour (disabled text)
  // How the skin's own pictures with alpha hold their colours (premultiplied for skins above 7.45).
  TAlphaFormat PictureAlpha = TAlphaFormat::Straight;

  // The section record, or null when the source is not skinned.
  const TsGeneralData* SectionData() const
  {
    return Tables && Section >= 0 && size_t(Section) < Tables->Sections.size() ? &Tables->Sections[size_t(Section)]
                                                                                : nullptr;
  }
  const TsMaskData* Mask(int index) const
  {
    return Tables && index >= 0 && size_t(index) < Tables->Masks.size() ? &Tables->Masks[size_t(index)] : nullptr;
  }
};

// The state a painter uses: clamped to 0..StateCount - 1 (StateCount below 1 counts as 1).
int ClampState(const TsGeneralData& section, int state);
// The state record of a state: normal for 0, hot for any other.
const TsGenState& StateRecord(const TsGeneralData& section, int state);
