#include "settings/HelpTexts.h"

void showHelpAtRest(SidePanel& panel, bool userScreen) {
    if (userScreen) panel.title.setString(L"使用帮助");
    panel.body.setString(kHelpText);
}
