#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "loopback_http_server.h"
#include "recording_opener.h"
#include "services/analytics.h"
#include "services/catalogue_links.h"
#include "services/remote_config_manager.h"

using uc::AppMetaData;
using uc::RemoteConfigManager;
using uc::RemoteConfigService;
using Status = RemoteConfigService::FetchStatus;

namespace {

QJsonObject appJson(const QString& name, const QStringList& identifiers) {
  return {{"appIdentifiers", QJsonArray::fromStringList(identifiers)},
          {"appName", QJsonObject{{"en", name}, {"de", name + " DE"}}},
          {"appURL", name.toLower() + "://open"},
          {"appURLPro", name.toLower() + "pro://open"},
          {"ratingURL", "https://apps.unitcircle.app/" + name + "/rate"},
          {"ratingURLPro", "https://apps.unitcircle.app/" + name + "-pro/rate"},
          {"storeURL", "https://apps.unitcircle.app/" + name},
          {"storeURLPro", "https://apps.unitcircle.app/" + name + "-pro"},
          {"shouldShow", true},
          {"calculationsUntilInterstitial", 5}};
}

QJsonObject with(QJsonObject object, const QString& key, const QJsonValue& value) {
  if (value.isUndefined()) {
    object.remove(key);
  } else {
    object.insert(key, value);
  }
  return object;
}

QByteArray json(const QJsonObject& object) { return QJsonDocument(object).toJson(); }

QStringList names(const QList<AppMetaData>& apps) {
  QStringList result;
  for (const auto& app : apps) result.append(app.name("en"));
  return result;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

}  // namespace

class TestRemoteConfigManager : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    documentPath_ = dir_.filePath(QStringLiteral("config-%1.json").arg(++counter_));
    cachePath_ = dir_.filePath(QStringLiteral("cache-%1.json").arg(counter_));
    service_ =
        std::make_unique<RemoteConfigService>(QUrl::fromLocalFile(documentPath_), cachePath_);
    manager_ = std::make_unique<RemoteConfigManager>(*service_);
  }

  void cleanup() {
    manager_.reset();
    service_.reset();
  }

  void startsEmptyAndFetchesEveryTime() {
    QCOMPARE(service_->minimumFetchInterval(), 0);
    QVERIFY(manager_->apps().isEmpty());
    QVERIFY(!manager_->videoTutorials());
    QVERIFY(!manager_->umpReferenceData());
  }

  void firstRunWithoutNetworkUsesBundledCatalogue() {
    RemoteConfigService offline(LoopbackHttpServer::deadUrl(), QString());
    RemoteConfigManager manager(offline);
    QSignalSpy menu(&manager, &RemoteConfigManager::didLoadMenu);
    QSignalSpy ads(&manager, &RemoteConfigManager::didLoadTiroAds);
    manager.loadAll();
    QCOMPARE(menu.count(), 1);
    QCOMPARE(ads.count(), 0);
    QVERIFY(manager.apps().size() >= 6);
    for (const AppMetaData& app : manager.apps()) QVERIFY(!app.name("en").isEmpty());
    const auto current = manager.currentApp();
    QVERIFY(current);
    QCOMPARE(current->name("de"), QStringLiteral("Einheitskreis-Trainer"));
    QCOMPARE(current->name("it"), QStringLiteral("Unit Circle Tutor"));
    QVERIFY(!names(manager.shownMultiApps()).isEmpty());
    QVERIFY(!names(manager.shownSingleApps()).contains("Unit Circle Tutor"));

    // A failed fetch loads what is active again: still the bundled catalogue.
    const auto apps = manager.apps();
    manager.fetch();
    QTRY_COMPARE_WITH_TIMEOUT(menu.count(), 2, 10000);
    QCOMPARE(manager.apps(), apps);
  }

  void fetchedDocumentIsDecodedAndRejectedCatalogueFallsBack() {
    LoopbackHttpServer server;
    const QString defaults = dir_.filePath("defaults.json");
    writeFile(defaults, json({{"apps", QJsonArray{appJson("Fallback", {"app.x"})}}}));
    RemoteConfigService service(server.url(), QString());
    RemoteConfigManager manager(service);
    manager.setDefaultsResourcePath(defaults);
    QSignalSpy menu(&manager, &RemoteConfigManager::didLoadMenu);
    QSignalSpy ump(&manager, &RemoteConfigManager::didLoadUmpReferenceData);

    // One entry without "shouldShow" rejects the whole catalogue; with no good one before
    // it, the fallback is used.
    const QJsonArray bad{appJson("Remote", {"app.r"}),
                         with(appJson("Broken", {"app.b"}), "shouldShow", QJsonValue::Undefined)};
    server.setResponse({200, json({{"apps", QJsonObject{{"apps", bad}}}})});
    manager.fetch();
    QTRY_COMPARE_WITH_TIMEOUT(menu.count(), 1, 10000);
    QCOMPARE(names(manager.apps()), QStringList({"Fallback"}));

    const QJsonObject umpJson{{"purposeConsents", "1"},
                              {"purposeLegitimateInterests", "2"},
                              {"vendorConsents", "3"},
                              {"vendorLegitimateInterests", "4"}};
    const QJsonArray good{appJson("Remote", {"app.r"}), appJson("Other", {"app.o"})};
    server.setResponse({200, json({{"apps", QString::fromUtf8(json({{"apps", good}}))},
                                   {"umpReferenceData", umpJson}})});
    manager.fetch();
    QTRY_COMPARE_WITH_TIMEOUT(menu.count(), 2, 10000);
    QCOMPARE(names(manager.apps()), QStringList({"Remote", "Other"}));
    QCOMPARE(ump.count(), 1);
    QCOMPARE(manager.umpReferenceData()->vendorConsents, QStringLiteral("3"));
    QVERIFY(!manager.umpReferenceData()->isConsentOrPayActivated);
  }

  // Neither the remote catalogue nor the fallback decodes: nothing changes, nothing is reported.
  void brokenFallbackChangesNothing() {
    RemoteConfigService offline(LoopbackHttpServer::deadUrl(), QString());
    RemoteConfigManager manager(offline);
    const QString defaults = dir_.filePath("defaults.json");
    writeFile(defaults, json({{"apps", QJsonArray{appJson("Fallback", {"app.x"})}}}));
    manager.setDefaultsResourcePath(defaults);
    manager.loadApps();
    QSignalSpy menu(&manager, &RemoteConfigManager::didLoadMenu);

    writeFile(defaults, json({{"apps", QJsonArray{with(appJson("Broken", {"app.b"}), "shouldShow",
                                                       QJsonValue::Undefined)}}}));
    manager.loadApps();
    writeFile(defaults, "{\"apps\": [");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("RemoteConfig: cannot parse"));
    manager.loadApps();
    manager.setDefaultsResourcePath(QString());
    manager.loadApps();
    QCOMPARE(menu.count(), 0);
    QCOMPARE(names(manager.apps()), QStringList({"Fallback"}));
  }

  // A document with wrongly shaped or missing members keeps the earlier value of each of them
  // and takes the others, also in the next run.
  void eachDataSetKeepsItsLastGoodValue() {
    const QJsonObject ad{{"imageName", "i"}, {"linkingString", "l"}, {"discountNumber", "10"}};
    const QJsonObject offer{{"buttonTexts", QJsonObject{{"en", "Buy"}}}, {"offerId", "o1"}};
    const QJsonObject umpJson{{"purposeConsents", "1"},
                              {"purposeLegitimateInterests", "2"},
                              {"vendorConsents", "3"},
                              {"vendorLegitimateInterests", "4"}};
    const auto videos = [](const QString& address) {
      return QJsonObject{{"KV", QJsonObject{{"en", QJsonArray{address}}}}};
    };
    publish({{"apps", QJsonObject{{"apps", QJsonArray{appJson("Good", {"app.g"})}}}},
             {"ads", QJsonObject{{"menu", QJsonArray{ad}}}},
             {"offers", QJsonObject{{"start", QJsonArray{offer}}}},
             {"umpReferenceData", umpJson},
             {"videoTutorials", videos("v1")}});

    const QJsonArray badApps{with(appJson("Bad", {"app.b"}), "shouldShow", "yes")};
    publish({{"apps", QJsonObject{{"apps", badApps}}},
             {"ads", QJsonObject{{"menu", QJsonArray{with(ad, "discountNumber", 10)}}}},
             {"offers", QJsonObject{{"start", QJsonArray{with(offer, "offerId", "o2")}}}},
             {"videoTutorials", videos("v2")}});

    for (int run = 0; run < 2; ++run) {
      RemoteConfigService service(QUrl::fromLocalFile(documentPath_), cachePath_);
      RemoteConfigManager manager(service);
      manager.setLocale(QLocale(QLocale::English));
      manager.loadAll();
      QCOMPARE(names(manager.apps()), QStringList({"Good"}));
      QCOMPARE(manager.ads().value("menu").first().discountNumber, QStringLiteral("10"));
      QCOMPARE(manager.offers().value("start").first().offerId, QStringLiteral("o2"));
      QVERIFY(manager.umpReferenceData());
      QCOMPARE(manager.videoTutorialURLs(QStringLiteral("KV")), QStringList({"v2"}));
      if (run == 0) {
        // Once more, with nothing usable at all: the next run still has the good values.
        publish({{"apps", "{"}, {"ads", 5}, {"umpReferenceData", QJsonArray{}}});
      }
    }
  }

  void menuListsAndCurrentApp() {
    const QJsonArray apps{
        appJson("Single", {"app.single"}),
        with(appJson("Multi", {"app.multi"}), "isMultiApp", true),
        with(appJson("Hidden", {"app.hidden"}), "shouldShow", false),
        with(appJson("Explicit", {"app.explicit"}), "isMultiApp", false),
        with(appJson("This", {"app.other", "app.unitcircle.tutor"}), "isMultiApp", QJsonValue()),
        with(appJson("ThisMulti", {"app.unitcircle.tutor"}), "isMultiApp", true),
        appJson("Anonymous", {}),
    };
    publish({{"apps", QJsonObject{{"apps", apps}}}});
    manager_->loadApps();
    QCOMPARE(names(manager_->shownSingleApps()), QStringList({"Single", "Explicit", "Anonymous"}));
    QCOMPARE(names(manager_->shownMultiApps()), QStringList({"Multi"}));
    QCOMPARE(manager_->currentApp()->name("en"), QStringLiteral("This"));  // the first match

    manager_->setBundleIdentifier("app.multi");
    QCOMPARE(manager_->currentApp()->name("en"), QStringLiteral("Multi"));
    QCOMPARE(names(manager_->shownMultiApps()), QStringList({"ThisMulti"}));
    manager_->setBundleIdentifier("app.missing");
    QVERIFY(!manager_->currentApp());
    manager_->setBundleIdentifier(QString());
    QVERIFY(!manager_->currentApp());
    QVERIFY(manager_->shownSingleApps().isEmpty());
    QVERIFY(manager_->shownMultiApps().isEmpty());
  }

  void videosInTheUsersLanguageThenEnglish() {
    const QJsonObject videos{
        {"KV", QJsonObject{{"de", QJsonArray{"d1"}}, {"en", QJsonArray{"e1", "e2"}}}},
        {"EN", QJsonObject{{"en", QJsonArray{"x1"}}}},
        {"DE", QJsonObject{{"de", QJsonArray{"y1"}}}},
    };
    publish({{"videoTutorials", videos}});
    QSignalSpy loaded(manager_.get(), &RemoteConfigManager::didLoadVideoTutorialsData);
    manager_->loadVideoTutorials();
    QCOMPARE(loaded.count(), 1);

    const std::optional<QString> kv = QStringLiteral("KV");
    manager_->setLocale(QLocale(QLocale::Italian));
    QCOMPARE(manager_->videoTutorialURLs(kv), QStringList({"e1", "e2"}));
    manager_->setLocale(QLocale(QLocale::German, QLocale::Austria));
    QCOMPARE(manager_->videoTutorialURLs(kv), QStringList({"d1", "e1", "e2"}));
    QCOMPARE(manager_->videoTutorialURLs(QStringLiteral("EN")), QStringList({"x1"}));
    QCOMPARE(manager_->videoTutorialURLs(QStringLiteral("DE")), QStringList({"y1"}));
    QVERIFY(manager_->videoTutorialURLs(QStringLiteral("XX")).isEmpty());
    QVERIFY(manager_->videoTutorialURLs(std::nullopt).isEmpty());
    manager_->setLocale(QLocale(QLocale::English));
    QCOMPARE(manager_->videoTutorialURLs(kv), QStringList({"e1", "e2"}));

    // A list that does not decode leaves the good one in place.
    publish({{"videoTutorials", QJsonObject{{"KV", QJsonObject{{"en", QJsonArray{1}}}}}}});
    manager_->loadVideoTutorials();
    QCOMPARE(manager_->videoTutorialURLs(kv), QStringList({"e1", "e2"}));
  }

  void failedFetchWithoutErrorPrintsAndChangesNothing() {
    QSignalSpy menu(manager_.get(), &RemoteConfigManager::didLoadMenu);
    for (Status status : {Status::Failure, Status::Throttled, Status::NoFetchYet}) {
      QTest::ignoreMessage(QtInfoMsg, "Config not fetched");
      QTest::ignoreMessage(QtInfoMsg, "Error: No error available.");
      manager_->fetchCompleted(status, std::nullopt);
    }
    QTest::qWait(50);
    QCOMPARE(menu.count(), 0);
    QVERIFY(manager_->apps().isEmpty());
  }

  void adsAndOffersDecodeStrictly() {
    const QJsonObject ad{{"imageName", "i"}, {"linkingString", "l"}, {"discountNumber", "10"}};
    const QJsonObject offer{{"buttonTexts", QJsonObject{{"en", "Buy"}}}, {"offerId", "o1"}};
    publish({{"ads", QJsonObject{{"menu", QJsonArray{ad, ad}}}},
             {"offers", QJsonObject{{"start", QJsonArray{offer}}}}});
    QSignalSpy ads(manager_.get(), &RemoteConfigManager::didLoadTiroAds);
    QSignalSpy offers(manager_.get(), &RemoteConfigManager::didLoadOffers);
    manager_->loadAds();
    manager_->loadOffers();
    QCOMPARE(ads.count(), 1);
    QCOMPARE(offers.count(), 1);
    QCOMPARE(manager_->ads().value("menu").size(), 2);
    QCOMPARE(manager_->offers().value("start").first().buttonTexts.value("en"),
             QStringLiteral("Buy"));

    const QJsonObject badAds{{"menu", QJsonArray{with(ad, "discountNumber", 10)}}};
    const QJsonObject badOffers{
        {"start", QJsonArray{with(offer, "offerId", QJsonValue::Undefined)}}};
    QString error;
    QVERIFY(!uc::decodeAds(json(badAds), &error));
    QVERIFY2(error.contains("menu[0]: discountNumber"), qPrintable(error));
    QVERIFY(!uc::decodeOffers(json(badOffers), &error));
    QVERIFY2(error.contains("start[0]: offerId is missing"), qPrintable(error));

    publish({{"ads", badAds}, {"offers", badOffers}});
    manager_->loadAds();
    manager_->loadOffers();
    QCOMPARE(manager_->ads().value("menu").size(), 2);
    QCOMPARE(manager_->offers().value("start").first().offerId, QStringLiteral("o1"));
  }

  void appRecordsDecodeStrictly_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("unknown member") << "colour" << QJsonValue("red") << true;
    QTest::newRow("null isMultiApp") << "isMultiApp" << QJsonValue() << true;
    QTest::newRow("integral double") << "calculationsUntilInterstitial" << QJsonValue(3.0) << true;
    QTest::newRow("fraction") << "calculationsUntilInterstitial" << QJsonValue(2.5) << false;
    QTest::newRow("number as text") << "calculationsUntilInterstitial" << QJsonValue("3") << false;
    QTest::newRow("isMultiApp as text") << "isMultiApp" << QJsonValue("true") << false;
    QTest::newRow("identifier not text")
        << "appIdentifiers" << QJsonValue(QJsonArray{"a", 1}) << false;
    QTest::newRow("name not text") << "appName" << QJsonValue(QJsonObject{{"en", 1}}) << false;
    QTest::newRow("missing storeURLPro")
        << "storeURLPro" << QJsonValue(QJsonValue::Undefined) << false;
  }

  void appRecordsDecodeStrictly() {
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(bool, accepted);
    const QJsonObject document{
        {"apps", QJsonArray{appJson("A", {"a"}), with(appJson("B", {"b"}), key, value)}}};
    QString error;
    const auto apps = uc::decodeAllAppMetaData(json(document), &error);
    QCOMPARE(apps.has_value(), accepted);
    if (!accepted) QVERIFY2(error.contains(key), qPrintable(error));
    QVERIFY(!uc::decodeAllAppMetaData("{}"));
    QVERIFY(!uc::decodeAllAppMetaData(""));
  }

  // A huge text never gets past decoding: a shown one is cut with an ellipsis, any other one
  // would be wrong if cut and is dropped.
  void overlongTextsAreCappedWhenDecoded() {
    const int shown = uc::kMaxShownTextLength;
    const QString huge(1024 * 1024, 'x');
    const QString tooLong(uc::kMaxTextLength + 1, 'k');
    const QString emoji = QStringLiteral("\U0001F600");
    const QString exact(shown, 'e');
    QJsonObject app = appJson("A", {"a", tooLong});
    app["appName"] = QJsonObject{{"en", huge},
                                 {"de", QString(shown - 2, 'd') + emoji + "!"},
                                 {"fr", exact},
                                 {tooLong, "name"}};
    app["appURL"] = "https://a.test/" + tooLong;
    QString error;
    const auto apps = uc::decodeAllAppMetaData(json({{"apps", QJsonArray{app}}}), &error);
    QVERIFY2(apps, qPrintable(error));
    const AppMetaData& decoded = apps->first();
    QCOMPARE(decoded.name("en"), QString(shown - 1, 'x') + QChar(0x2026));
    QCOMPARE(decoded.name("de"), QString(shown - 2, 'd') + QChar(0x2026));  // no half emoji
    QCOMPARE(decoded.name("fr"), exact);
    QCOMPARE(decoded.appName.size(), 3);
    QVERIFY(decoded.appURL.isEmpty());
    QCOMPARE(decoded.appURLPro, QStringLiteral("apro://open"));
    QCOMPARE(decoded.appIdentifiers, QStringList{"a"});

    const auto offers = uc::decodeOffers(
        json({{"start", QJsonArray{QJsonObject{{"buttonTexts", QJsonObject{{"en", huge}}},
                                               {"offerId", tooLong}}}},
              {tooLong, QJsonArray{}}}));
    QVERIFY(offers);
    QCOMPARE(offers->keys(), QStringList{"start"});
    QCOMPARE(offers->value("start").first().buttonTexts.value("en").size(), shown);
    QVERIFY(offers->value("start").first().offerId.isEmpty());

    const auto videos = uc::decodeVideoTutorials(
        json({{"KV", QJsonObject{{"en", QJsonArray{"v1", huge, "v2"}}, {tooLong, QJsonArray{}}}},
              {tooLong, QJsonObject{}}}));
    QVERIFY(videos);
    QCOMPARE(videos->keys(), QStringList{"KV"});
    QCOMPARE(videos->value("KV").keys(), QStringList{"en"});
    QCOMPARE(videos->value("KV").value("en"), QStringList({"v1", "v2"}));

    const auto ump = uc::decodeUmpReferenceData(json({{"purposeConsents", huge},
                                                      {"purposeLegitimateInterests", "2"},
                                                      {"vendorConsents", "3"},
                                                      {"vendorLegitimateInterests", "4"}}));
    QVERIFY(ump);
    QVERIFY(ump->purposeConsents.isEmpty());
    QCOMPARE(ump->vendorConsents, QStringLiteral("3"));
  }

  // Whatever a fetched catalogue lists, the app schemes that may be opened are those of the
  // bundled one; with https: nothing else reaches the system.
  void onlyTheBundledCatalogueNamesAppSchemes() {
    auto opener = std::make_shared<RecordingOpener>();
    opener->permissive = true;
    uc::UrlOpener::setInstance(opener);
    auto sink = std::make_shared<uc::RecordingAnalyticsSink>();
    uc::Analytics::setSink(sink);
    const auto restore = qScopeGuard([] {
      uc::UrlOpener::setInstance(nullptr);
      uc::Analytics::setSink(nullptr);
    });

    QJsonObject self = appJson("Self", {"app.unitcircle.tutor"});
    self["appURL"] = "intent://rate#Intent;scheme=market;end";
    self["ratingURLPro"] = "intent://rate#Intent;scheme=market;end";
    QJsonObject remote = appJson("Remote", {"app.remote"});
    remote["appURL"] = "smb://host/share";
    remote["appURLPro"] = "ssh://host";
    QJsonObject sibling = appJson("Sibling", {"app.sibling"});
    sibling["appURL"] = "trianglesolver://open";
    publish({{"apps", QJsonObject{{"apps", QJsonArray{self, remote, sibling}}}}});
    manager_->loadApps();
    QCOMPARE(names(manager_->apps()), QStringList({"Self", "Remote", "Sibling"}));

    const QStringList schemes = uc::catalogueAppSchemes(*manager_);
    QVERIFY(schemes.contains("trianglesolver"));
    QVERIFY(schemes.contains("unitcircletutor"));
    for (const char* scheme : {"intent", "smb", "ssh", "selfpro", "remotepro"}) {
      QVERIFY2(!schemes.contains(scheme), scheme);
    }
    for (const AppMetaData& app : manager_->apps()) {
      for (const QString& address : {app.appURL, app.appURLPro}) {
        const QUrl url = uc::catalogueAddress(address);
        if (uc::canOpenAllowedUrl(url, schemes)) uc::openAllowedUrl(url, schemes);
      }
    }
    QVERIFY(!uc::openAppRatingPage(*manager_));
    QCOMPARE(opener->opened, QStringList{"trianglesolver://open"});
    QVERIFY(sink->events().isEmpty());
  }

  void supportedLanguageCodes() {
    QCOMPARE(RemoteConfigManager::supportedLanguageCode(QLocale("zh_TW")), QStringLiteral("zh"));
    QCOMPARE(RemoteConfigManager::supportedLanguageCode(QLocale("pt_BR")), QStringLiteral("pt"));
    QCOMPARE(RemoteConfigManager::supportedLanguageCode(QLocale("hi_IN")), QStringLiteral("hi"));
    QCOMPARE(RemoteConfigManager::supportedLanguageCode(QLocale("it_IT")), QStringLiteral("en"));
    QCOMPARE(RemoteConfigManager::supportedLanguageCode(QLocale::c()), QStringLiteral("en"));
    QCOMPARE(RemoteConfigManager::supportedLanguageCodes().size(), 11);
  }

 private:
  // Makes document the service's active configuration.
  void publish(const QJsonObject& document) {
    writeFile(documentPath_, json(document));
    std::optional<Status> status;
    service_->fetch(0, [&](Status s, const std::optional<QString>&) { status = s; });
    QTRY_VERIFY(status.has_value());
    QCOMPARE(*status, Status::Success);
    bool activated = false;
    service_->activate([&](bool) { activated = true; });
    QTRY_VERIFY(activated);
  }

  QTemporaryDir dir_;
  QString documentPath_;
  QString cachePath_;
  int counter_ = 0;
  std::unique_ptr<RemoteConfigService> service_;
  std::unique_ptr<RemoteConfigManager> manager_;
};

QTEST_GUILESS_MAIN(TestRemoteConfigManager)
#include "tst_remote_config_manager.moc"
