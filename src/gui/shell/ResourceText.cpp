#include "gui/shell/ResourceText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "core/shell/ResourceTable.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/CurrentLanguage.h"

namespace {
// The translation context that holds every resource key.
constexpr const char* kResourceContext = "Resources";

std::unique_ptr<QTranslator>& Module() { return AppContext().m_pLanguageModule; }
}  // namespace

bool LoadLanguageModule(const QString& path) {
  auto module = std::make_unique<QTranslator>();
  if (path.isEmpty() || !module->load(path)) return false;
  Module() = std::move(module);
  return true;
}

void UnloadLanguageModule() {
  Module().reset();
  LoadQtTexts(Language::English);
}

void LoadQtTexts(Language language) {
  std::unique_ptr<QTranslator>& qtTexts = AppContext().m_pQtTexts;
  if (qtTexts) QCoreApplication::removeTranslator(qtTexts.get());
  qtTexts.reset();
  // Qt's own texts are English unless Qt has them in the language.
  static constexpr PerLanguage<const char*> kQtTexts{"", "qtbase_zh_CN"};
  if (*kQtTexts.Form(language) == '\0') return;
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(QString::fromUtf8(kQtTexts.Form(language)),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator.get());
    qtTexts = std::move(translator);
  }
}

bool LanguageModuleLoaded() { return Module() != nullptr; }

QString ResourceText(const std::string& key) {
  if (Module() && !PseudoTextsOn()) {
    const QString text = Module()->translate(kResourceContext, key.c_str());
    if (!text.isEmpty()) return text;
  }
  if (const LangText* text = ResourceCatalogueText(key)) return LangString(*text);
  return FromStd(key);
}

QString CommandToolTip(int command) { return FromStd(PromptToolTip(ToStd(ResourceText(StringKey(command))))); }

QString LangString(const LangText& text) { return QString::fromUtf8(text(CurrentLanguage())); }

QString FromStd(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QStringList FromStd(const std::vector<std::string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string& text : texts) list << FromStd(text);
  return list;
}

std::string ToStd(const QString& text) { return text.toUtf8().toStdString(); }
