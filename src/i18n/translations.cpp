#include "i18n/translations.h"

#include <QCoreApplication>

#include "core/localization.h"

namespace uc::i18n {
namespace {

std::shared_ptr<QTranslator>& installedTranslator() {
  static std::shared_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

QStringList availableLanguages() { return {QStringLiteral("en"), QStringLiteral("de")}; }

QString languageFor(const QLocale& locale) {
  return locale.language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
}

std::unique_ptr<QTranslator> loadTranslator(const QString& language) {
  const QString base = language.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
  if (!availableLanguages().contains(base.toLower())) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral(":/i18n/unitcircle_%1.qm").arg(base.toLower()))) {
    return nullptr;
  }
  return translator;
}

bool installTranslations(const QString& language) {
  std::unique_ptr<QTranslator> loaded = loadTranslator(language);
  const bool shipped = loaded != nullptr;
  if (!loaded) loaded = loadTranslator(QStringLiteral("en"));

  removeTranslations();
  if (!loaded) return false;
  std::shared_ptr<QTranslator> translator(std::move(loaded));
  if (QCoreApplication::instance()) QCoreApplication::installTranslator(translator.get());
  installedTranslator() = translator;
  setCoreTranslator(translator);
  return shipped;
}

void removeTranslations() {
  auto& translator = installedTranslator();
  if (translator && QCoreApplication::instance()) {
    QCoreApplication::removeTranslator(translator.get());
  }
  translator.reset();
  setCoreTranslator(nullptr);
}

void setCoreTranslator(std::shared_ptr<const QTranslator> translator) {
  if (!translator) {
    uc::setTranslateFunction({});
    return;
  }
  uc::setTranslateFunction([translator](const std::string& key, const std::string& comment) {
    const QString text =
        translator->translate("Core", key.c_str(), comment.empty() ? nullptr : comment.c_str());
    return text.isEmpty() ? key : text.toStdString();
  });
}

}  // namespace uc::i18n
