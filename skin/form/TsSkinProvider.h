#pragma once
// TsSkinProvider paints a form's caption and frame from the skin: the "FORM"
// face, the title face, the window buttons of "GLOBALINFO", the caption text and
// the form's title-bar items, and runs the buttons and items with the mouse.
// One per form; the form must be a TForm. User-interface thread only.

#include <QRect>
#include <cstdint>
#include <string>

#include "platform/Component.h"
#include "platform/Events.h"
#include "platform/Font.h"
#include "platform/FormNonClient.h"
#include "skin/TsCommonData.h"
#include "skin/TsLabel.h"  // TAlignment
#include "skin/core/Bitmap32.h"
#include "skin/core/SkinListener.h"
#include "skin/form/TacCaptionLayout.h"

class QFont;
class TForm;
class TPopupMenu;
class TsSkinManager;
class TsTitleBar;

enum class TsGripMode { gmNone, gmRightBottom };
enum class TsResizeMode { rmStandard, rmBorder };
enum class TacSysSubMenuPosition { ipTop, ipBottom, ipBeforeClose };

struct TacAddedTitle {
  TFont Font;
  std::string Text;
  bool ShowMainCaption = true;
};
struct TacSysSubMenu {
  std::string Caption;
  TPopupMenu* PopupMenu = nullptr;
  TacSysSubMenuPosition Position = TacSysSubMenuPosition::ipBeforeClose;
};
struct TsTitleIcon {
  TBitmap32 Glyph;
  int Width = 0, Height = 0;
  bool Visible = true;
};

class TsSkinProvider : public TComponent, public TacSkinListener, public TNonClientHandler {
public:
  // Raises "TsSkinProvider component may be used with forms only!" when the owner
  // is not a form, "Only one instance of the TsSkinProvider component is allowed!"
  // when the form has one already.
  explicit TsSkinProvider(TComponent* AOwner);
  ~TsSkinProvider() override;

  // The provider of a form, or null.
  static TsSkinProvider* OfForm(const TForm* form);

  TacAddedTitle AddedTitle;
  bool AllowAnimation = true, AllowExtBorders = true, AllowBlendOnMoving = true;
  TAlignment CaptionAlignment = TAlignment::taLeftJustify;
  bool DrawNonClientArea = true, DrawClientArea = true;
  TsCommonData SkinData;
  TsGripMode GripMode = TsGripMode::gmNone;
  bool MakeSkinMenu = false;
  std::string MenuLineSkin;
  TsResizeMode ResizeMode = TsResizeMode::rmStandard;
  bool ScreenSnap = false;
  int SnapBuffer = 10;
  bool ShowAppIcon = true;
  TacSysSubMenu SysSubMenu;
  TsTitleIcon TitleIcon;
  std::string TitleSkin;
  bool UseGlobalColor = true;
  TNotifyEvent OnAfterAnimation;

  TsTitleBar* TitleBar() const { return titleBar_; }
  void SetTitleBar(TsTitleBar* titleBar);
  // The form's title bar is being destroyed.
  void TitleBarRemoved(TsTitleBar* titleBar);
  TForm* Form() const { return form_; }
  const TacCaptionLayout& Layout() const { return layout_; }
  QRect CaptionTextRect() const { return textArea_; }
  bool Skinned() const { return formSection_ >= 0; }
  // The platform's caption font.
  static QFont CaptionFont();

  // A skin command sent to the form's window (the title bar sends 62 with lParam 1).
  void Perform(int code, int argument, intptr_t lParam);
  void SkinCommand(int code, int argument, TsSkinManager* sender) override;

  // TNonClientHandler
  void PaintNonClient(QPainter& canvas, const QRect& dirty) override;
  int HitTest(const QPoint& pos) const override;
  QRect SetButtonStates(int hot, int pressed) override;
  bool CaptionMouseDown(const QPoint& pos, QRect& repaint) override;
  QRect CaptionMouseUp(const QPoint& pos) override;
  QRect CaptionMouseMove(const QPoint& pos) override;
  void FrameChanged() override;

private:
  struct WindowButton {
    int Hit;       // TNonClientHit
    int Mask = -1; // in "GLOBALINFO"
    QRect* Rect;   // in layout_
  };

  bool ManagerAlive() const;
  void Resolve();
  void Attach();
  void Detach();
  void Rebuild();
  TacCaptionMetrics Metrics() const;
  int ButtonState(int hit) const;
  QRect ButtonRect(int hit) const;
  // Painting into the caches.
  void PaintFrame();
  void PaintIcon();
  void PaintCaptionText();
  void PaintAddedTitle(int left);
  void PaintButton(int hit);
  int ActiveState() const;

  TForm* form_;
  TsSkinManager* manager_ = nullptr;
  TsTitleBar* titleBar_ = nullptr;
  int formSection_ = -1, titleSection_ = -1, captionSection_ = -1;
  int titleBarMask_ = -1;
  int closeMask_ = -1, maxMask_ = -1, minMask_ = -1, helpMask_ = -1;
  TacCaptionLayout layout_;
  QRect textArea_;
  int hot_ = HTNOWHERE, pressed_ = HTNOWHERE;
  TBitmap32 base_;  // caption and frame without the window buttons
  TBitmap32 face_;  // what the window shows
  bool dirty_ = true;
};
