#include "core/shell/NavigationItems.h"

#include <cstring>

#include "core/shell/ResourceIds.h"

const NavigationItem& NavProductInformation() {
  static const NavigationItem item{Cmd::kProductInformation, {"Product Information", "类型设置"}};
  return item;
}
const NavigationItem& NavChannelInformation() {
  static const NavigationItem item{Cmd::kChannelInformation, {"Channel Information", "信道信息"}};
  return item;
}
const NavigationItem& NavOptionalFeatures() {
  static const NavigationItem item{Cmd::kOptionalFeatures, {"Optional Features", "可选功能"}};
  return item;
}
const NavigationItem& NavPowerAdjustment() {
  static const NavigationItem item{Cmd::kPowerAdjust, {"Power Adjustment", "功率调整"}};
  return item;
}
const NavigationItem& NavParameterAdjustment() {
  static const NavigationItem item{Cmd::kParamAdjust, {"Parameter Adjustment", "参数调整"}};
  return item;
}

int NavCommandForText(const char* text, Language language) {
  if (text == nullptr) return 0;
  const NavigationItem* items[] = {&NavChannelInformation(), &NavOptionalFeatures(),
                                   &NavProductInformation(), &NavPowerAdjustment(),
                                   &NavParameterAdjustment()};
  for (const NavigationItem* item : items)
    if (std::strcmp(text, item->text(language)) == 0) return item->command;
  return 0;
}
