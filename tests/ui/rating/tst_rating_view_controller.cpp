#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "../../services/loopback_http_server.h"
#include "../../services/recording_opener.h"
#include "flow/user_defaults.h"
#include "i18n/translations.h"
#include "services/analytics.h"
#include "services/catalogue_links.h"
#include "services/connection_check.h"
#include "services/remote_config_manager.h"
#include "services/url_opener.h"
#include "ui/rating/rating_view_controller.h"
#include "ui/shell/view_manager.h"

using uc::RatingViewController;
using uc::UserDefaults;
using uc::ViewManager;

namespace {

constexpr char kRatingPage[] = "https://apps.unitcircle.app/tutor-pro/rate";

QJsonObject selfEntry(const QString& ratingUrl) {
  return {{"appIdentifiers", QJsonArray{"app.unitcircle.tutor"}},
          {"appName", QJsonObject{{"en", "Unit Circle Tutor"}}},
          {"appURL", "tutor://open"},
          {"appURLPro", "tutorpro://open"},
          {"ratingURL", ratingUrl},
          {"ratingURLPro", ratingUrl},
          {"storeURL", "https://apps.unitcircle.app/tutor"},
          {"storeURLPro", "https://apps.unitcircle.app/tutor-pro"},
          {"shouldShow", true},
          {"calculationsUntilInterstitial", 5}};
}

// A controller over its own settings file and catalogue, as one process of the app has it.
struct Prompt {
  Prompt()
      : defaults(dir.filePath("settings.jsonl")),
        service(QUrl("file:///nonexistent"), dir.filePath("cache.json")),
        manager(service) {
    manager.setDefaultsResourcePath(dir.filePath("catalogue.json"));
    setCatalogue({selfEntry(kRatingPage)});
    opener = std::make_shared<RecordingOpener>();
    opener->permissive = true;
    uc::UrlOpener::setInstance(opener);
    sink = std::make_shared<uc::RecordingAnalyticsSink>();
    uc::Analytics::setSink(sink);
    check.setProbeUrl(LoopbackHttpServer::deadUrl());
    check.setTimeoutMs(2000);
    controller = newProcess();
  }
  ~Prompt() {
    uc::UrlOpener::setInstance(nullptr);
    uc::Analytics::setSink(nullptr);
  }

  void setCatalogue(const QJsonArray& apps) {
    QFile file(dir.filePath("catalogue.json"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(QJsonObject{{"apps", apps}}).toJson());
    file.close();
    manager.loadApps();
  }

  // A fresh controller over the same settings: the next start of the app.
  std::unique_ptr<RatingViewController> newProcess() {
    auto fresh = std::make_unique<RatingViewController>(&defaults);
    fresh->setConnectionCheck(&check);
    fresh->setRemoteConfigManager(&manager);
    return fresh;
  }

  // Counts down until the prompt shows, and loads its view.
  void presentPrompt() {
    defaults.setInt(RatingViewController::kCounterKey, 1);
    controller->countDown();
    QTRY_VERIFY(controller->promptVisible());
    controller->viewDidLoad();
  }

  int storedCounter() const {
    return UserDefaults(defaults.filePath()).intValue(RatingViewController::kCounterKey, -99);
  }
  bool storedDone() const {
    return UserDefaults(defaults.filePath()).boolValue(RatingViewController::kRatingDoneKey);
  }
  QStringList eventNames() const {
    QStringList names;
    for (const auto& event : sink->events()) names.append(event.name);
    return names;
  }

  QTemporaryDir dir;
  UserDefaults defaults;
  uc::RemoteConfigService service;
  uc::RemoteConfigManager manager;
  uc::ConnectionCheck check;
  std::shared_ptr<RecordingOpener> opener;
  std::shared_ptr<uc::RecordingAnalyticsSink> sink;
  std::unique_ptr<RatingViewController> controller;
};

}  // namespace

class TestRatingViewController : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    uc::i18n::installTranslations(QStringLiteral("en"));
    ViewManager::shared().setWindow(&window_);
  }

  void cleanup() {
    while (ViewManager::shared().alertVisible()) ViewManager::shared().dismissAlert();
  }

  void cleanupTestCase() { ViewManager::shared().setWindow(nullptr); }

  void theFifthAppearancePresentsThePrompt() {
    Prompt prompt;
    RatingViewController& c = *prompt.controller;
    QVERIFY(!prompt.defaults.contains(RatingViewController::kCounterKey));
    QCOMPARE(c.counterForRating(), 5);
    QCOMPARE(prompt.storedCounter(), 5);

    for (int expected = 4; expected >= 1; --expected) {
      c.countDown();
      QCOMPARE(c.counterForRating(), expected);
      QTest::qWait(10);
      QVERIFY(!c.promptVisible());
    }
    c.countDown();
    QCOMPARE(prompt.storedCounter(), 0);
    // Presented from the event loop, not inside the page's appearance.
    QVERIFY(!c.promptVisible());
    QTRY_VERIFY(c.promptVisible());
    QCOMPARE(c.promptText(), QStringLiteral("Do you like this app? Please rate it!"));
    QCOMPARE(c.cancelButtonTitle(), QStringLiteral("Cancel"));
    QCOMPARE(c.sendButtonTitle(), QStringLiteral("Send"));
  }

  // Cancelled, the count starts again but only a later process gets there.
  void cancelRestartsTheCountForALaterProcess() {
    Prompt prompt;
    prompt.presentPrompt();
    RatingViewController& c = *prompt.controller;
    c.tappedCancelRatingButton();
    QVERIFY(!c.promptVisible());
    QCOMPARE(prompt.storedCounter(), 5);
    QCOMPARE(prompt.eventNames(), QStringList{"tapped_rated_app_cancel"});

    for (int i = 0; i < 6; ++i) c.countDown();
    QTest::qWait(10);
    QVERIFY(!c.promptVisible());
    QCOMPARE(c.counterForRating(), 5);

    auto later = prompt.newProcess();
    later->countDown();
    QCOMPARE(prompt.storedCounter(), 4);
  }

  void lowRatingsEndThePromptsWithoutARatingPage_data() {
    QTest::addColumn<double>("rating");
    QTest::newRow("one star") << 1.0;
    QTest::newRow("three stars") << 3.0;
  }
  void lowRatingsEndThePromptsWithoutARatingPage() {
    QFETCH(double, rating);
    Prompt prompt;
    LoopbackHttpServer server;
    prompt.check.setProbeUrl(server.url());
    prompt.presentPrompt();
    prompt.controller->tappedSendRatingButton(rating);

    ViewManager& views = ViewManager::shared();
    QVERIFY(!prompt.controller->promptVisible());
    QVERIFY(prompt.storedDone());
    QCOMPARE(views.alertTitle(), QStringLiteral("Thank you for your rating!"));
    QVERIFY(views.alertMessage().isEmpty());
    QCOMPARE(views.alertActionTitles(), QStringList{"Close"});
    views.triggerAlertAction(0);
    QVERIFY(!views.alertVisible());
    QTest::qWait(50);
    QCOMPARE(server.requestCount(), 0);
    QVERIFY(prompt.opener->opened.isEmpty());

    const auto& events = prompt.sink->events();
    QCOMPARE(events.size(), 1);
    QCOMPARE(events[0].name, QStringLiteral("tapped_rated_app"));
    QCOMPARE(events[0].params.value("app").toString(), QStringLiteral("py"));
    QCOMPARE(events[0].params.value("rating").typeId(), QMetaType::Double);
    QCOMPARE(events[0].params.value("rating").toDouble(), rating);

    // Rated once, never asked again.
    auto later = prompt.newProcess();
    later->countDown();
    QTest::qWait(10);
    QVERIFY(!later->promptVisible());
    QCOMPARE(prompt.storedCounter(), 0);
  }

  // Any HTTP answer counts as connected.
  void goodRatingsOpenTheRatingPageWhenConnected() {
    Prompt prompt;
    LoopbackHttpServer server;
    server.setResponse({404, "missing"});
    prompt.check.setProbeUrl(server.url());
    prompt.presentPrompt();
    prompt.controller->tappedSendRatingButton(4.0);

    QVERIFY(!prompt.controller->promptVisible());
    QTRY_COMPARE(prompt.opener->opened, QStringList{kRatingPage});
    QVERIFY(prompt.storedDone());
    ViewManager& views = ViewManager::shared();
    QCOMPARE(views.alertTitle(), QStringLiteral("Thank you for your rating!"));
    QCOMPARE(views.alertActionTitles(), QStringList{"Close"});
    QCOMPARE(prompt.eventNames(), (QStringList{"tapped_rated_app", "Tapped Rating in Menu"}));
    QCOMPARE(prompt.sink->events()[0].params.value("rating").toDouble(), 4.0);
    QCOMPARE(prompt.sink->events()[1].params.value("tiroApp").toString(),
             QStringLiteral("Unit Circle Tutor"));
  }

  // Send before any star is chosen sends nothing: the prompt stays and asks again.
  void noStarSendsNothing() {
    Prompt prompt;
    prompt.presentPrompt();
    prompt.controller->tappedSendRatingButton(0.0);
    QVERIFY(prompt.controller->promptVisible());
    QVERIFY(!prompt.storedDone());
    QVERIFY(!ViewManager::shared().alertVisible());
    QVERIFY(prompt.sink->events().isEmpty());
  }

  // Without this app's entry there is no page to open: said as the menu says it, and the
  // prompt comes again later.
  void goodRatingsWithoutACatalogueEntryAskAgainLater() {
    Prompt prompt;
    LoopbackHttpServer server;
    prompt.check.setProbeUrl(server.url());
    prompt.manager.setBundleIdentifier(QString());
    prompt.presentPrompt();
    prompt.controller->tappedSendRatingButton(5.0);

    ViewManager& views = ViewManager::shared();
    QTRY_VERIFY(views.alertVisible());
    QCOMPARE(views.alertTitle(), QStringLiteral("No internet connection"));
    QVERIFY(!prompt.storedDone());
    QVERIFY(prompt.opener->opened.isEmpty());
    views.triggerAlertAction(0);
    QCOMPARE(prompt.storedCounter(), 5);
  }

  void goodRatingsWithoutNetworkAskAgainLater() {
    Prompt prompt;
    prompt.presentPrompt();
    prompt.controller->tappedSendRatingButton(5.0);

    ViewManager& views = ViewManager::shared();
    QVERIFY(!views.alertVisible());
    QTRY_VERIFY(views.alertVisible());
    QCOMPARE(views.alertTitle(), QStringLiteral("No internet connection"));
    QVERIFY(views.alertMessage().isEmpty());
    QCOMPARE(views.alertActionTitles(), QStringList{"OK"});
    QVERIFY(!prompt.storedDone());
    QVERIFY(prompt.opener->opened.isEmpty());
    QCOMPARE(prompt.storedCounter(), 0);

    views.triggerAlertAction(0);
    QCOMPARE(prompt.storedCounter(), 5);
    QCOMPARE(prompt.eventNames(), QStringList{"tapped_rated_app"});
  }

  void ratedAlreadyMeansNoCountdown() {
    Prompt prompt;
    prompt.defaults.setBool(RatingViewController::kRatingDoneKey, true);
    prompt.defaults.setInt(RatingViewController::kCounterKey, 1);
    prompt.controller->countDown();
    QTest::qWait(10);
    QVERIFY(!prompt.controller->promptVisible());
    QCOMPARE(prompt.storedCounter(), 1);
  }

  // The page needs this app's entry and an address that may be opened.
  void theRatingPageComesFromTheCatalogue() {
    Prompt prompt;
    prompt.setCatalogue({selfEntry("javascript:alert(1)")});
    QVERIFY(!uc::openAppRatingPage(prompt.manager));
    prompt.setCatalogue({selfEntry(kRatingPage)});
    prompt.manager.setBundleIdentifier(uc::RemoteConfigManager::kDefaultBundleIdentifier);
    QVERIFY(uc::openAppRatingPage(prompt.manager));
    prompt.manager.setBundleIdentifier(QString());
    QVERIFY(!uc::openAppRatingPage(prompt.manager));
    QCOMPARE(prompt.opener->opened, QStringList{kRatingPage});
    QCOMPARE(prompt.eventNames(), QStringList{"Tapped Rating in Menu"});
  }

 private:
  QQuickWindow window_;
};

QTEST_MAIN(TestRatingViewController)
#include "tst_rating_view_controller.moc"
