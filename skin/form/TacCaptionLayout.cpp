#include "skin/form/TacCaptionLayout.h"

#include <algorithm>

namespace {

int DerivedIconSize(int titleHeight)
{
  if (titleHeight <= 8)
    return 1;
  return titleHeight <= 16 ? 8 : 16;
}

}  // namespace

TacCaptionLayout LayoutCaption(const TacCaptionMetrics& m)
{
  TacCaptionLayout layout;
  layout.Title = QRect(m.FrameWidth, m.FrameWidth, m.WindowWidth - 2 * m.FrameWidth, m.TitleHeight);
  layout.Centre = m.TitleHeight / 2 + m.FrameWidth / 2 + (m.Maximized ? 2 : 0);
  const int top = m.BigButtons && m.BIVAlign == 1 ? layout.Title.top() + m.BITop : layout.Centre - m.ButtonHeight / 2;
  int position = m.WindowWidth - m.BIRight - m.FrameWidth;
  layout.ButtonsLeft = position;
  const auto place = [&](QRect& button, int width, int gap) {
    position -= gap;
    button = QRect(position - width, top, width, m.ButtonHeight);
    layout.ButtonsLeft = button.left();
    layout.ButtonsWidth += width;
    position = button.left() - (m.BigButtons ? m.BISpace : 0);
  };
  if (m.ShowClose)
    place(layout.Close, m.CloseWidth, 0);
  if (m.ShowMax)
    place(layout.Max, m.MaxWidth, 0);
  if (m.ShowMin)
    place(layout.Min, m.MinWidth, 0);
  if (m.ShowHelp)
    place(layout.Help, m.HelpWidth, 6);

  const int iconLeft = m.FrameWidth + m.BILeft;
  int iconRight = iconLeft;
  if (m.ShowIcon) {
    const int width = m.IconWidth > 0 ? m.IconWidth : DerivedIconSize(m.TitleHeight);
    const int height = m.IconHeight > 0 ? m.IconHeight : DerivedIconSize(m.TitleHeight);
    layout.Icon = QRect(iconLeft, layout.Centre - height / 2, width, height);
    iconRight = layout.Icon.left() + width;
  }
  const int barLeft = m.ShowIcon ? iconRight + 6 : iconRight;
  const int barRight = layout.ButtonsLeft - 6;
  const int barTop = layout.ButtonsWidth > 0 ? top : layout.Title.top();
  layout.TitleBar = QRect(barLeft, barTop, std::max(0, barRight - barLeft),
                          std::max(0, layout.Title.top() + m.TitleHeight - barTop));
  return layout;
}

QRect CaptionTextArea(const TacCaptionMetrics& m, const TacCaptionLayout& layout)
{
  const int left = m.FrameWidth + (m.ShowIcon ? layout.Icon.width() : 0) + m.BILeft + 4 + (m.HasCaptionSection ? 2 : 0);
  const int right = m.WindowWidth - layout.ButtonsWidth - 12;
  return QRect(left, layout.Title.top(), std::max(0, right - left), layout.Title.height());
}

QRect CaptionTextArea(const TacCaptionLayout& layout, int leftItemsWidth, int rightItemsWidth)
{
  const int left = layout.TitleBar.left() + leftItemsWidth + 8;
  const int right = layout.TitleBar.left() + layout.TitleBar.width() - rightItemsWidth - 8;
  return QRect(left, layout.Title.top(), std::max(0, right - left), layout.Title.height());
}
