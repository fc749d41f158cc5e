#include "core/shell/HelpTopics.h"

std::string HelpHtmlFileName(const std::string& helpFile) {
  const auto slash = helpFile.rfind('/');
  const auto dot = helpFile.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot != 0 && (slash == std::string::npos || dot > slash + 1);
  return (hasExtension ? helpFile.substr(0, dot) : helpFile) + ".html";
}

std::uint32_t HelpContextFromHelpData(std::uint32_t data) { return data - kHelpCommandBase; }

std::uint32_t MainWindowHelpContext() { return HelpContextFromHelpData(kHelpResourceBase + 128); }

std::string HelpAnchor(std::uint32_t context) { return "ctx" + std::to_string(context); }

bool HelpTextHasTopic(const std::string& html, std::uint32_t context) {
  const std::string anchor = HelpAnchor(context);
  for (const char* attribute : {"name=\"", "id=\""}) {
    if (html.find(attribute + anchor + "\"") != std::string::npos) return true;
  }
  return false;
}
