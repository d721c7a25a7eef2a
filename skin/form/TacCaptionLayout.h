#pragma once
// Where the parts of a skinned caption go: the window buttons right to left, the
// icon, the rectangle handed to the title bar and the caption text's area.
// Window coordinates; the title starts below the top frame.

#include <QRect>

// Which window buttons a form shows and how wide their masks' frames are.
struct TacCaptionMetrics {
  int WindowWidth = 0;
  int FrameWidth = 0;
  int TitleHeight = 0;
  bool Maximized = false;
  bool ShowClose = true, ShowMax = false, ShowMin = false, ShowHelp = false;
  bool BigButtons = true;
  int CloseWidth = 21, MaxWidth = 21, MinWidth = 21, HelpWidth = 21;
  int ButtonHeight = 21;  // one frame of the close mask
  // "GLOBALINFO" values.
  int BIRight = 0, BISpace = 0, BITop = 0, BIVAlign = 0, BILeft = 0;
  bool ShowIcon = false;
  int IconWidth = 0, IconHeight = 0;  // 0: derived from the title height
  bool HasCaptionSection = false;
};

struct TacCaptionLayout {
  QRect Close, Max, Min, Help;  // empty when not shown
  QRect Icon;                   // empty when not shown
  QRect Title;                  // the whole title area
  QRect TitleBar;               // handed to the TsTitleBar
  int Centre = 0;               // the title's vertical centre
  int ButtonsWidth = 0;         // summed widths of the shown buttons
  int ButtonsLeft = 0;          // left edge of the last (leftmost) button
};

TacCaptionLayout LayoutCaption(const TacCaptionMetrics& metrics);

// The caption text's horizontal span without a title bar.
QRect CaptionTextArea(const TacCaptionMetrics& metrics, const TacCaptionLayout& layout);
// The same with a title bar: inside its rectangle, beside the left and right items.
QRect CaptionTextArea(const TacCaptionLayout& layout, int leftItemsWidth, int rightItemsWidth);
