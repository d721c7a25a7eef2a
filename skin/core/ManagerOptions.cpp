#include "skin/core/ManagerOptions.h"

const std::array<const char*, TacThirdPartyList::Count> TacThirdPartyList::Names = {
    "ThirdEdits", "ThirdButtons", "ThirdBitBtns", "ThirdCheckBoxes", "ThirdGroupBoxes", "ThirdListViews",
    "ThirdPanels", "ThirdGrids", "ThirdTreeViews", "ThirdComboBoxes", "ThirdWWEdits", "ThirdVirtualTrees",
    "ThirdGridEh", "ThirdPageControl", "ThirdTabControl", "ThirdToolBar", "ThirdStatusBar", "ThirdSpeedButton",
    "ThirdScrollControl", "ThirdUpDown", "ThirdScrollBar",
};

TacThirdPartyList::TacThirdPartyList()
{
  FillDefaults();
}

void TacThirdPartyList::FillDefaults()
{
  for (int i = 0; i < Count; ++i)
    if (Texts[i].empty())
      Texts[i] = i == 1 ? "TButton" : " ";
}

std::vector<std::vector<std::string>> TacThirdPartyList::Lists() const
{
  std::vector<std::vector<std::string>> lists;
  for (const std::string& text : Texts) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos)
        end = text.size();
      std::string line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      names.push_back(line);
      start = end + 1;
    }
    lists.push_back(std::move(names));
  }
  return lists;
}
