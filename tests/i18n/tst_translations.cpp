#include <QCoreApplication>
#include <QTest>
#include <set>
#include <string>

#include "core/localization.h"
#include "flow/error_manager.h"
#include "i18n/translation_keys.h"
#include "i18n/translations.h"
#include "wasm/bundled_core_texts.h"

using uc::i18n::translationKeys;

class TestTranslations : public QObject {
  Q_OBJECT

 private slots:
  void everyKeyIsTranslatedInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : uc::i18n::availableLanguages()) {
      QTest::newRow(qPrintable(language)) << language;
    }
  }

  void everyKeyIsTranslatedInEveryLanguage() {
    QFETCH(QString, language);
    const auto translator = uc::i18n::loadTranslator(language);
    QVERIFY(translator);
    std::set<std::string> seen;
    for (const auto& key : translationKeys()) {
      const std::string id =
          std::string(key.context) + "/" + key.text.source + "/" + key.text.comment;
      QVERIFY2(seen.insert(id).second, id.c_str());  // listed once
      const char* comment = *key.text.comment ? key.text.comment : nullptr;
      const QString text = translator->translate(key.context, key.text.source, comment);
      QVERIFY2(!text.isEmpty(), qPrintable(language + ": " + QString::fromStdString(id)));
      // Placeholders of the keys with arguments survive translation.
      const QString source = QString::fromUtf8(key.text.source);
      if (source.startsWith("mustBe")) QVERIFY2(text.contains("%0"), qPrintable(text));
      if (source == "mustBeBiggerThanXAndLessThanY") QVERIFY(text.contains("%1"));
      if (source.startsWith("onboarding") && source.endsWith('A'))
        QVERIFY(text.contains("§appname"));
    }
  }

  // The WebAssembly core has no Qt: its texts are compiled in from the same files and must be
  // what Qt's translator gives, byte for byte, for every key the core looks up.
  void bundledCoreTextsMatchTheTranslator_data() { everyKeyIsTranslatedInEveryLanguage_data(); }

  void bundledCoreTextsMatchTheTranslator() {
    QFETCH(QString, language);
    const auto translator = uc::i18n::loadTranslator(language);
    QVERIFY(translator);
    int compared = 0;
    for (const auto& key : translationKeys()) {
      if (std::string(key.context) != "Core") continue;
      const char* comment = *key.text.comment ? key.text.comment : nullptr;
      const std::string expected =
          translator->translate("Core", key.text.source, comment).toStdString();
      QCOMPARE(uc::bundledText(language.toStdString(), key.text.source, key.text.comment)
                   .value_or(key.text.source),
               expected.empty() ? std::string(key.text.source) : expected);
      ++compared;
    }
    QVERIFY(compared > 30);
  }

  void theCoreSpeaksTheInstalledLanguage() {
    QVERIFY(uc::i18n::installTranslations("de_DE"));
    QCOMPARE(QString::fromStdString(uc::localized("Step")), QStringLiteral("Schritt"));
    QCOMPARE(
        QString::fromStdString(uc::localized("Your Input", "The input title in solution view")),
        QStringLiteral("Deine Eingabe"));
    QCOMPARE(QString::fromStdString(uc::localized("Cancel (math)")), QStringLiteral("Kürzen"));
    QCOMPARE(uc::localized("no such key"), std::string("no such key"));

    QVERIFY(uc::i18n::installTranslations("en"));
    QCOMPARE(QString::fromStdString(uc::localized("Choosen Formula")),
             QStringLiteral("Chosen Formula"));
    QCOMPARE(QString::fromStdString(uc::localized("Calculate Verb")) + " sin",
             QStringLiteral("Calculate sin"));

    // Not shipped: English, and the caller learns it.
    QVERIFY(!uc::i18n::installTranslations("fr"));
    QCOMPARE(QString::fromStdString(uc::localized("Cancel (math)")), QStringLiteral("Cancel"));

    uc::i18n::removeTranslations();
    QCOMPARE(uc::localized("Cancel (math)"), std::string("Cancel (math)"));
  }

  void errorMessagesMatchTheCoreTexts() {
    for (const QString language : {"de", "en"}) {
      uc::i18n::installTranslations(language);
      for (const char* key : {"inputParameterError", "fractionIncomplete", "valueOutOfRange"}) {
        QCOMPARE(uc::ErrorManager::presentationFor(key).message,
                 QString::fromStdString(uc::localized(key)));
      }
      const QString ranged =
          uc::ErrorManager::presentationFor(QStringLiteral("mustBeBiggerThanXAndLessThanY§0§360"))
              .message;
      QVERIFY2(ranged.contains("0") && ranged.contains("360") && !ranged.contains("%"),
               qPrintable(ranged));
    }
    uc::i18n::installTranslations("de");
    QCOMPARE(QCoreApplication::translate("HistoryView", "Clear History",
                                         "Alert view title for clearing history"),
             QStringLiteral("Verlauf löschen"));
    uc::i18n::removeTranslations();
  }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
