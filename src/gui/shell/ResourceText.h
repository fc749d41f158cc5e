#pragma once
// The language module: the translation file named after the language, loaded
// once at start-up. Every Qt class takes its resource texts from here.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "core/lang/Language.h"

// Makes the module at `path` the source of resource texts; false when it
// cannot be read (a missing or damaged file).
bool LoadLanguageModule(const QString& path);
void UnloadLanguageModule();

// Qt's own texts (standard dialogs, their buttons) in Chinese for a Chinese
// run; nothing happens when Qt's translations are not installed.
void LoadQtTexts(Language language);
bool LanguageModuleLoaded();

// The module's text for a resource key, else the program's English text,
// else the key itself (so a missing text shows up instead of a blank).
QString ResourceText(const std::string& key);

// A command's short name, the tool tip part of its prompt ("Compare With").
QString CommandToolTip(int command);

// A text built in code, in the process's language.
QString LangString(const LangText& text);

QString FromStd(const std::string& text);
QStringList FromStd(const std::vector<std::string>& texts);
std::string ToStd(const QString& text);
