#pragma once
// Resource texts are looked up by one key per resource identifier, the same
// key in every language module. The catalogue here holds every key's text in
// every language: the build writes each language's module from it, and the
// program falls back to its English text for a key a module lacks.
#include <string>
#include <vector>

#include "core/lang/Language.h"

std::string MenuPopupKey(int menu, int position);       // "menu129.popup1"
std::string MenuItemKey(int menu, int command);         // "menu129.57600"
std::string StringKey(int id);                          // "string61452"
std::string DialogCaptionKey(int dialog);               // "dialog134"
std::string DialogControlKey(int dialog, int control);  // "dialog134.1006"
// A template's static text that labels control `control`.
std::string DialogLabelKey(int dialog, int control);  // "dialog132.1118.label"
// The n-th group box of a template, from 1 in template order.
std::string DialogGroupKey(int dialog, int n);  // "dialog139.group1"
// Entry `index` of a list filled by the template itself.
std::string DialogItemKey(int dialog, int control, int index);  // "dialog132.1007.item0"

struct ResourceEntry {
  const char* key;
  LangText text;
};

// Every resource text, in the order the language modules list them.
const std::vector<ResourceEntry>& ResourceCatalogue();

// nullptr for a key the program does not know.
const LangText* ResourceCatalogueText(const std::string& key);
const char* EnglishResourceText(const std::string& key);

// A command prompt string holds "status bar text\ntool tip"; either part may
// be missing.
std::string PromptStatusText(const std::string& prompt);
std::string PromptToolTip(const std::string& prompt);
