#pragma once
// How a help request finds its topic: the help file names the program passes
// around, the HTML file that stands for each, and one anchor per context.
#include <cstdint>
#include <string>

constexpr unsigned kHelpContextCommand = 0x000F;  // the one command ever used
constexpr std::uint32_t kHelpCommandBase = 0x10000;
constexpr std::uint32_t kHelpResourceBase = 0x20000;

// "enHelp.chm" -> "enHelp.html"; any other name keeps its stem and gets
// ".html" in place of its last extension.
std::string HelpHtmlFileName(const std::string& helpFile);

// The context the frame's help hook asks for: its data less 0x10000
// (unsigned, so data below the base wraps to a number no topic has).
std::uint32_t HelpContextFromHelpData(std::uint32_t data);

// The context of the main window itself (its resource 128).
std::uint32_t MainWindowHelpContext();

// "ctx32799": the anchor of a context's topic in a help file.
std::string HelpAnchor(std::uint32_t context);

// Whether an HTML text holds the anchor of a context (as name= or id=).
bool HelpTextHasTopic(const std::string& html, std::uint32_t context);
