#include "skin/form/TacTitleBarItem.h"

#include "skin/form/TsTitleBar.h"

const std::string& TacTitleBarItem::Name() const
{
  static const std::string className = "TacTitleBarItem";
  return name_.empty() ? className : name_;
}

void TacTitleBarItem::Changed()
{
  owner_->Changed();
}

TBitmapRef TacTitleBarItem::StatePicture(const TacImageList* images) const
{
  if (!images)
    return nullptr;
  int index = imageIndex_;
  if (!enabled_ && disabledImageIndex_ >= 0)
    index = disabledImageIndex_;
  else if (State() == 2 && pressedImageIndex_ >= 0)
    index = pressedImageIndex_;
  else if (State() == 1 && hotImageIndex_ >= 0)
    index = hotImageIndex_;
  if (index < 0 || size_t(index) >= images->Pictures.size())
    return nullptr;
  return images->Pictures[size_t(index)];
}
