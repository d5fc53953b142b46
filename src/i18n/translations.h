#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace uc::i18n {

// Languages with embedded translations: "en", "de".
QStringList availableLanguages();

// The shipped language for a locale: German locales get "de", every other "en".
QString languageFor(const QLocale& locale);

// The embedded translations of a language ("de", "de_AT", "en_US" ...), or nullptr when the
// language is not shipped.
std::unique_ptr<QTranslator> loadTranslator(const QString& language);

// Installs the translations of language on the application (when one exists) and feeds
// the calculation core's texts from their context "Core". A language that is not shipped
// installs English and returns false. Replaces whatever an earlier call installed.
bool installTranslations(const QString& language);

// Removes the installed translations; every text shows its key again.
void removeTranslations();

// Makes the core's localized() translate in context "Core" through translator, falling back
// to the key itself; nullptr restores the keys. Works without a QCoreApplication.
void setCoreTranslator(std::shared_ptr<const QTranslator> translator);

}  // namespace uc::i18n
