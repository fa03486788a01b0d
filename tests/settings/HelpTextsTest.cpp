#include <gtest/gtest.h>

#include "settings/HelpTexts.h"

TEST(HelpTexts, AtRestTheUserScreenShowsUsageHelpAndTheAdministratorKeepsItsTitle) {
    SidePanel panel;
    panel.title.setString(L"景点情况");
    panel.body.setString(L"序号:1");
    showHelpAtRest(panel, true);
    EXPECT_EQ(panel.title.getString(), L"使用帮助");
    EXPECT_EQ(panel.body.getString(), kHelpText);

    panel.title.setString(L"操作界面");
    panel.body.setString(L"序号:1");
    showHelpAtRest(panel, false);
    EXPECT_EQ(panel.title.getString(), L"操作界面");
    EXPECT_EQ(panel.body.getString(), kHelpText);
}
