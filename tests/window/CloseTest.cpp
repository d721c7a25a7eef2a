// Closing the main window releases the player and with it the advertisement
// panel and its browser: nothing may point to them afterwards.

#include "WindowFixture.h"

TEST_F(WindowTest, CloseLeavesNoPointerToTheFreedPanel)
{
  CreateWindow("demo.mp4\n\n\n");
  ASSERT_TRUE(AdPanelShown);
  ASSERT_NE(FormTV->AdBrowser, nullptr);
  FormTV->FormClose(FormTV);
  EXPECT_EQ(FormTV->Player, nullptr);
  EXPECT_EQ(FormTV->pnlINFO, nullptr);
  EXPECT_EQ(FormTV->AdBrowser, nullptr);
  EXPECT_FALSE(AdPanelShown);
}
