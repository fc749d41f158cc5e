#pragma once
// The navigation tree's items and the commands they run. The texts are built
// in code in the process's language; the tree's selection handler maps the
// text of the item under the pointer back to its command.
#include "core/lang/Language.h"

struct NavigationItem {
  int command;
  LangText text;
};

// In tree order: the three items of every run, then the two service items.
const NavigationItem& NavProductInformation();
const NavigationItem& NavChannelInformation();
const NavigationItem& NavOptionalFeatures();
const NavigationItem& NavPowerAdjustment();
const NavigationItem& NavParameterAdjustment();

// 0 for any other text (the root, empty space), compared byte-wise with the
// texts of the given language only.
int NavCommandForText(const char* text, Language language);
