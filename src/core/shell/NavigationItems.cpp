#include "core/shell/NavigationItems.h"

#include <cstring>

#include "core/shell/ResourceIds.h"
#include "core/shell/ShellTexts.h"

const NavigationItem& NavProductInformation() {
  static const NavigationItem item{Cmd::kProductInformation, kNavProductInformationText};
  return item;
}
const NavigationItem& NavChannelInformation() {
  static const NavigationItem item{Cmd::kChannelInformation, kNavChannelInformationText};
  return item;
}
const NavigationItem& NavOptionalFeatures() {
  static const NavigationItem item{Cmd::kOptionalFeatures, kNavOptionalFeaturesText};
  return item;
}
const NavigationItem& NavPowerAdjustment() {
  static const NavigationItem item{Cmd::kPowerAdjust, kNavPowerAdjustmentText};
  return item;
}
const NavigationItem& NavParameterAdjustment() {
  static const NavigationItem item{Cmd::kParamAdjust, kNavParameterAdjustmentText};
  return item;
}

int NavCommandForText(const char* text, Language language) {
  if (text == nullptr) return 0;
  const NavigationItem* items[] = {&NavChannelInformation(), &NavOptionalFeatures(), &NavProductInformation(),
                                   &NavPowerAdjustment(), &NavParameterAdjustment()};
  for (const NavigationItem* item : items)
    if (std::strcmp(text, item->text(language)) == 0) return item->command;
  return 0;
}
