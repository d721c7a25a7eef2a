#pragma once
// The skin binding of a control: which manager and section paint it, the indexes
// looked up in the manager's tables, the cache of its painted face and the flags
// its painting goes by. Owned by its control; user-interface thread only.

#include <string>

#include "platform/Colors.h"
#include "skin/core/Bitmap32.h"
#include "skin/paint/FaceSource.h"

class TControl;
class TsSkinManager;
class TacSkinListener;

// Control kind codes: they choose the default section.
constexpr int ckPanel = 51, ckBitBtn = 94, ckGauge = 161;
// A query command: a skinned control answers it with 1.
constexpr int cmdQuerySkinned = 7;

// The default section of a control kind; any other kind: the class name.
std::string DefaultSkinSection(int kind, const std::string& className);

class TsCommonData {
public:
  // `listener` is the control as the manager knows it (for mouse tracking).
  TsCommonData(TControl* owner, TacSkinListener* listener, int kind);
  virtual ~TsCommonData();
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  // The manager as set; null follows the default manager. It must outlive the control.
  TsSkinManager* SkinManager() const { return skinManager_; }
  void SetSkinManager(TsSkinManager* manager);
  // Stored upper-cased; empty is stored as "UNKNOWN".
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value);

  // After the control was constructed or loaded: the default section when there
  // is none, then the indexes and colours from the manager.
  void Loaded(const std::string& className);

  // The manager in force (own or default); null when there is none.
  TsSkinManager* Manager() const;
  // An active manager whose skin has the section.
  bool Skinned() const { return SkinIndex >= 0; }
  TControl* Owner() const { return owner_; }
  int Kind() const { return kind_; }

  // Looks the section and its masks up again and sets the colours (algorithm of
  // the binding); drops them when the manager is missing or inactive.
  void UpdateIndexes();
  // Forgets every index, empties the cache, gives the control its own colours back.
  void Reset();
  // A skin command; false when it comes from another manager than this one's.
  bool Command(int code, TsSkinManager* sender);
  int Query(int code) const { return code == cmdQuerySkinned ? 1 : 0; }
  // Background changed: the cache is rebuilt at the next paint.
  void Invalidate();

  // What the painting steps need, with the parent's section.
  TacFaceSource FaceSource() const;
  // The plain-fill flag: a face that is one colour and a border (computed in UpdateIndexes).
  bool PlainFill() const { return plainFill_; }

  // Run-time state.
  int SkinIndex = -1, BorderIndex = -1, Texture = -1, HotTexture = -1;
  TBitmap32 FCacheBmp;
  bool BGChanged = true;
  bool HalfVisible = false;
  bool Updating = false;
  bool UrgentPainting = false;
  bool FMouseAbove = false;
  bool FFocused = false;

protected:
  // Colours go through this on their way to the control (buttons shift hue and saturation).
  virtual int ShiftedColor(int color) const { return color; }

private:
  void ApplyColors();
  void ComputePlainFill();

  TControl* owner_;
  TacSkinListener* listener_;
  int kind_;
  bool customColor_ = false, customFont_ = false;
  TsSkinManager* skinManager_ = nullptr;
  std::string skinSection_;
  bool plainFill_ = false;
  // The control's own colours before a skin coloured it; restored when the skin goes.
  bool colorsSaved_ = false;
  TColor ownColor_ = clWindow, ownFontColor_ = clWindowText;
};

// The binding of buttons: hue and saturation of the control's own face.
class TsCtrlSkinData : public TsCommonData {
public:
  using TsCommonData::TsCommonData;

  int HUEOffset() const { return hueOffset_; }
  void SetHUEOffset(int value);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  // Applies both to a built face cache.
  void ShiftCache(TBitmap32& cache) const;

protected:
  int ShiftedColor(int color) const override;

private:
  int hueOffset_ = 0, saturation_ = 0;
};
