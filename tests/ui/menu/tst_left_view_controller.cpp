#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "../../services/loopback_http_server.h"
#include "../../services/recording_opener.h"
#include "i18n/translations.h"
#include "services/analytics.h"
#include "services/connection_check.h"
#include "services/remote_config_manager.h"
#include "services/url_opener.h"
#include "ui/menu/left_view_controller.h"
#include "ui/onboarding/onboarding_manager.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"

using uc::LeftViewController;
using uc::RecordingAnalyticsSink;
using uc::RemoteConfigManager;
using uc::RemoteConfigService;
using uc::ViewManager;

namespace {

constexpr char kSelf[] = "app.unitcircle.tutor";

QJsonObject appJson(const QString& id, const QJsonObject& names, bool multi) {
  const QString scheme = id.section('.', -1);
  return {{"appIdentifiers", QJsonArray{id, id + ".pro"}},
          {"appName", names},
          {"appURL", scheme + "://open"},
          {"appURLPro", scheme + "pro://open"},
          {"ratingURL", "https://apps.unitcircle.app/" + scheme + "/rate"},
          {"ratingURLPro", "https://apps.unitcircle.app/" + scheme + "-pro/rate"},
          {"storeURL", "https://apps.unitcircle.app/" + scheme},
          {"storeURLPro", "https://apps.unitcircle.app/" + scheme + "-pro"},
          {"shouldShow", true},
          {"calculationsUntilInterstitial", 5},
          {"isMultiApp", multi}};
}

QJsonObject named(const QString& id, const QString& english, bool multi) {
  return appJson(id, {{"en", english}}, multi);
}

// Records what would have been opened. Web pages always open; an app address only when
// its scheme is "installed", or any address at all when permissive.

// A menu over its own catalogue file, with a recording opener and analytics sink.
struct Menu {
  Menu() : service(QUrl("file:///nonexistent"), dir.filePath("cache.json")), manager(service) {
    manager.setDefaultsResourcePath(dir.filePath("catalogue.json"));
    opener = std::make_shared<RecordingOpener>();
    uc::UrlOpener::setInstance(opener);
    sink = std::make_shared<RecordingAnalyticsSink>();
    uc::Analytics::setSink(sink);
    check.setProbeUrl(LoopbackHttpServer::deadUrl());
    check.setTimeoutMs(2000);
  }
  ~Menu() {
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

  std::unique_ptr<LeftViewController> controller() {
    auto menu = std::make_unique<LeftViewController>(&manager);
    menu->setConnectionCheck(&check);
    return menu;
  }

  QStringList titles(const LeftViewController& menu, int section) const {
    QStringList result;
    for (int row = 0; row < menu.numberOfRows(section); ++row) {
      result.append(menu.titleForRow(section, row));
    }
    return result;
  }

  QStringList eventNames() const {
    QStringList names;
    for (const auto& event : sink->events()) names.append(event.name);
    return names;
  }

  QTemporaryDir dir;
  RemoteConfigService service;
  RemoteConfigManager manager;
  uc::ConnectionCheck check;
  std::shared_ptr<RecordingOpener> opener;
  std::shared_ptr<RecordingAnalyticsSink> sink;
};

}  // namespace

class TestLeftViewController : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    uc::i18n::installTranslations(QStringLiteral("en"));
    ViewManager::shared().setWindow(&window_);
  }

  void cleanup() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    while (ViewManager::shared().alertVisible()) ViewManager::shared().dismissAlert();
  }

  void cleanupTestCase() { ViewManager::shared().setWindow(nullptr); }

  // The app sections only show when the catalogue has both kinds; this app is never listed.
  void sectionsFollowTheCatalogue() {
    Menu menu;
    menu.setCatalogue({named(kSelf, "Unit Circle Tutor", true),
                       named("app.unitcircle.fractions", "Fractions", true)});
    auto onlyMulti = menu.controller();
    QCOMPARE(onlyMulti->multiApps().size(), 1);
    QCOMPARE(onlyMulti->numberOfSections(), 2);
    QCOMPARE(onlyMulti->numberOfRows(2), 0);
    // Pages, then the contact header and its two rows.
    QCOMPARE(onlyMulti->rowCount(), 9);

    menu.setCatalogue({named(kSelf, "Unit Circle Tutor", false),
                       named("app.unitcircle.fractions", "Fractions", true),
                       named("app.unitcircle.triangles", "Triangles", false)});
    auto both = menu.controller();
    QCOMPARE(both->numberOfSections(), 4);
    QCOMPARE(menu.titles(*both, 0), (QStringList{"Calculation", "History", "Practice", "Explore",
                                                 "Introduction", "Privacy Policy"}));
    QCOMPARE(menu.titles(*both, 1), (QStringList{"Join our community", "Rate this App"}));
    QCOMPARE(menu.titles(*both, 2), QStringList{"Fractions"});
    QCOMPARE(menu.titles(*both, 3), QStringList{"Triangles"});
    QCOMPARE(both->heightForHeader(0), 0);
    QVERIFY(both->titleForHeader(0).isEmpty());
    QCOMPARE(both->titleForHeader(1), QStringLiteral(" Visit us:"));
    QCOMPARE(both->titleForHeader(2), QStringLiteral(" All in one:"));
    QCOMPARE(both->titleForHeader(3), QStringLiteral(" Other apps:"));
    QCOMPARE(both->heightForHeader(3), LeftViewController::kHeaderHeight);

    // The flat list the view draws: headers before every section but the first.
    QStringList flat;
    for (int i = 0; i < both->rowCount(); ++i) {
      const QModelIndex index = both->index(i);
      flat.append(index.data(LeftViewController::KindRole).toString().left(1) +
                  index.data(LeftViewController::SectionRole).toString() + ":" +
                  index.data(LeftViewController::TitleRole).toString());
    }
    QCOMPARE(flat,
             (QStringList{"r0:Calculation", "r0:History", "r0:Practice", "r0:Explore",
                          "r0:Introduction", "r0:Privacy Policy",
                          "h1: Visit us:", "r1:Join our community", "r1:Rate this App",
                          "h2: All in one:", "r2:Fractions", "h3: Other apps:", "r3:Triangles"}));

    menu.setCatalogue({named("app.unitcircle.triangles", "Triangles", false)});
    QCOMPARE(menu.controller()->numberOfSections(), 2);
  }

  // The entry's name in the locale's own language, else English, else nothing.
  void namesFallBackToEnglish() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Menu menu;
    menu.setCatalogue(
        {appJson("app.unitcircle.fractions", {{"en", "Fractions"}, {"de", "Brüche"}}, true),
         appJson("app.unitcircle.triangles", {{"en", "Triangles"}}, false),
         appJson("app.unitcircle.vectors", {{"fr", "Vecteurs"}}, false)});
    auto controller = menu.controller();
    QCOMPARE(menu.titles(*controller, 2), QStringList{"Brüche"});
    QCOMPARE(menu.titles(*controller, 3), (QStringList{"Triangles", ""}));

    // The raw language, not the supported list: Swahili is not supported and still asked.
    QLocale::setDefault(QLocale(QLocale::Swahili));
    menu.setCatalogue({appJson("app.unitcircle.fractions", {{"en", "F"}, {"sw", "F-sw"}}, true),
                       named("app.unitcircle.triangles", "T", false)});
    QCOMPARE(menu.titles(*menu.controller(), 2), QStringList{"F-sw"});
  }

  void pageRowsNavigateAndLog() {
    Menu menu;
    auto controller = menu.controller();
    uc::Navigation& navigation = uc::Navigation::shared();
    QSignalSpy calculation(&navigation, &uc::Navigation::calculationRequested);
    QSignalSpy history(&navigation, &uc::Navigation::historyRequested);
    QSignalSpy practice(&navigation, &uc::Navigation::practiceRequested);
    QSignalSpy explore(&navigation, &uc::Navigation::exploreRequested);
    uc::OnboardingManager& onboarding = uc::OnboardingManager::shared();
    uc::ViewManager& views = uc::ViewManager::shared();

    for (int row = 0; row < 6; ++row) controller->didSelectRow(0, row);
    controller->didSelectRow(0, 6);
    controller->didSelectRow(2, 0);  // no such section without apps

    QCOMPARE(calculation.count(), 1);
    QCOMPARE(history.count(), 1);
    QCOMPARE(practice.count(), 1);
    QCOMPARE(explore.count(), 1);
    // The introduction as a card in front of the menu, the notice on the next turn.
    QVERIFY(onboarding.isPresented());
    QVERIFY(onboarding.isFormSheet());
    QCOMPARE(onboarding.presentedSequence(), uc::OnboardingManager::Sequence::Introduction);
    onboarding.dismiss();
    QTRY_COMPARE(views.alertActionTitles(), QStringList{"Accept"});
    views.dismissAlert();
    QCOMPARE(menu.eventNames(),
             (QStringList{"tapped_menu_calculate", "tapped_menu_history", "tapped_menu_practice",
                          "tapped_menu_explore", "tapped_onboarding", "tapped_privacy_policy"}));
    QVERIFY(menu.opener->opened.isEmpty());
  }

  // The installed pro app, then the free one, then the store page. Which apps are installed
  // is asked as the drawer opens, so that a tap never waits for the answer.
  void catalogueEntriesOpenTheInstalledAppFirst() {
    Menu menu;
    QJsonObject noStore = named("app.unitcircle.vectors", "Vectors", false);
    noStore["storeURLPro"] = "not an address";
    menu.setCatalogue({named("app.unitcircle.fractions", "Fractions", true),
                       named("app.unitcircle.triangles", "Triangles", false), noStore});
    auto controller = menu.controller();
    controller->viewWillAppear();
    QCOMPARE(menu.opener->prepared, (QStringList{"fractions", "fractionspro", "triangles",
                                                 "trianglespro", "vectors", "vectorspro"}));

    menu.opener->installed = {"fractionspro", "fractions"};
    controller->didSelectRow(2, 0);
    menu.opener->installed = {"triangles"};
    controller->didSelectRow(3, 0);
    menu.opener->installed = {};
    controller->didSelectRow(3, 0);
    controller->didSelectRow(3, 1);

    QCOMPARE(menu.opener->opened, (QStringList{"fractionspro://open", "triangles://open",
                                               "https://apps.unitcircle.app/triangles-pro"}));
    const auto& events = menu.sink->events();
    QCOMPARE(events.size(), 4);
    const QList<QPair<bool, QString>> expected{
        {true, "Fractions"}, {true, "Triangles"}, {false, "Triangles"}, {false, "Vectors"}};
    for (int i = 0; i < events.size(); ++i) {
      QCOMPARE(events[i].name, QStringLiteral("Tapped App Link"));
      QCOMPARE(events[i].params.value("has_app").toBool(), expected[i].first);
      QCOMPARE(events[i].params.value("tiroApp").toString(), expected[i].second);
    }
  }

  // Whatever the opener would take, only https: and the catalogue's app schemes go out.
  void unsafeAddressesAreNeverOpened() {
    Menu menu;
    QJsonObject unsafe = appJson("app.unitcircle.evil", {}, false);
    unsafe["appURLPro"] = "javascript:alert(1)";
    unsafe["appURL"] = "file:///etc/passwd";
    unsafe["storeURLPro"] = "http://apps.unitcircle.app/evil";
    QJsonObject self = named(kSelf, "Unit Circle Tutor", false);
    self["ratingURLPro"] = "http://apps.unitcircle.app/rate";
    menu.setCatalogue({named("app.unitcircle.fractions", "Fractions", true), unsafe, self});
    menu.opener->permissive = true;
    LoopbackHttpServer server;
    menu.check.setProbeUrl(server.url());
    auto controller = menu.controller();

    controller->didSelectRow(3, 0);
    controller->didSelectRow(1, 1);
    QTRY_COMPARE(server.requestCount(), 1);
    QTest::qWait(50);

    QVERIFY2(menu.opener->opened.isEmpty(), qPrintable(menu.opener->opened.join(' ')));
    QCOMPARE(menu.eventNames(), (QStringList{"Tapped App Link", "tapped_rate_app"}));
    QCOMPARE(menu.sink->events().first().params.value("has_app").toBool(), false);
    QCOMPARE(menu.sink->events().first().params.value("tiroApp").toString(), QString());
  }

  void contactRowsWithoutNetworkShowTheAlert() {
    Menu menu;
    menu.setCatalogue({named(kSelf, "Unit Circle Tutor", false)});
    auto controller = menu.controller();
    ViewManager& views = ViewManager::shared();

    controller->didSelectRow(1, 1);
    QVERIFY(!views.alertVisible());
    QTRY_VERIFY(views.alertVisible());
    QCOMPARE(views.alertTitle(), QStringLiteral("No internet connection"));
    QVERIFY(views.alertMessage().isEmpty());
    views.dismissAlert();

    controller->didSelectRow(1, 0);
    QTRY_VERIFY(views.alertVisible());
    views.dismissAlert();

    QVERIFY(menu.opener->opened.isEmpty());
    QCOMPARE(menu.eventNames(), (QStringList{"tapped_rate_app", "tapped_discord"}));
  }

  // An HTTP error status is still an answer: the pages open.
  void contactRowsWithNetworkOpenThePages() {
    Menu menu;
    menu.setCatalogue({named(kSelf, "Unit Circle Tutor", false)});
    LoopbackHttpServer server;
    server.setResponse({404, "missing"});
    menu.check.setProbeUrl(server.url());
    auto controller = menu.controller();

    controller->didSelectRow(1, 1);
    QTRY_COMPARE(menu.opener->opened.size(), 1);
    controller->didSelectRow(1, 0);
    QTRY_COMPARE(menu.opener->opened.size(), 2);

    QCOMPARE(menu.opener->opened, (QStringList{"https://apps.unitcircle.app/tutor-pro/rate",
                                               LeftViewController::kCommunityUrl}));
    QCOMPARE(menu.eventNames(),
             (QStringList{"tapped_rate_app", "Tapped Rating in Menu", "tapped_discord"}));
    QCOMPARE(menu.sink->events().at(1).params.value("tiroApp").toString(),
             QStringLiteral("Unit Circle Tutor"));
    QVERIFY(!ViewManager::shared().alertVisible());
  }

  // Connected, but the catalogue lacks this app: nothing to rate.
  void ratingWithoutTheAppsEntryShowsTheAlert() {
    Menu menu;
    menu.setCatalogue({named("app.unitcircle.triangles", "Triangles", false)});
    LoopbackHttpServer server;
    menu.check.setProbeUrl(server.url());
    auto controller = menu.controller();
    controller->didSelectRow(1, 1);
    QTRY_VERIFY(ViewManager::shared().alertVisible());
    QCOMPARE(ViewManager::shared().alertTitle(), QStringLiteral("No internet connection"));
    QCOMPARE(server.requestCount(), 1);
    QVERIFY(menu.opener->opened.isEmpty());
  }

  // A new catalogue refills the menu from the event loop, shown or hidden: one that arrives
  // while the drawer is closed is there when it opens. Several in one turn refill it once.
  void menuUpdatesRefillShownOrHidden() {
    Menu menu;
    menu.setCatalogue({named("app.unitcircle.fractions", "Fractions", true)});
    auto controller = menu.controller();
    QSignalSpy resets(controller.get(), &QAbstractItemModel::modelReset);
    const QJsonArray both{named("app.unitcircle.fractions", "Fractions", true),
                          named("app.unitcircle.triangles", "Triangles", false)};

    menu.setCatalogue(both);
    QCOMPARE(controller->numberOfSections(), 2);
    QTRY_COMPARE(controller->numberOfSections(), 4);
    QCOMPARE(resets.count(), 1);

    controller->viewWillAppear();
    menu.setCatalogue({named("app.unitcircle.fractions", "Fractions", true)});
    menu.manager.loadApps();
    QTRY_COMPARE(controller->numberOfSections(), 2);
    QTest::qWait(30);
    QCOMPARE(resets.count(), 2);
  }

 private:
  QQuickWindow window_;
};

QTEST_MAIN(TestLeftViewController)
#include "tst_left_view_controller.moc"
