#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "../../services/loopback_http_server.h"
#include "../../services/recording_opener.h"
#include "flow/user_defaults.h"
#include "i18n/translations.h"
#include "services/url_opener.h"
#include "ui/onboarding/dsgvo_manager.h"
#include "ui/onboarding/onboarding_manager.h"
#include "ui/shell/view_manager.h"
#include "ui/videos/manual_view_controller.h"
#include "ui/videos/video_collection_table_view_cell.h"
#include "ui/videos/video_collection_view_cell.h"

using uc::DsgvoManager;
using uc::OnboardingManager;
using uc::VideoCollectionTableViewCell;
using uc::VideoCollectionViewCell;
using uc::ViewManager;

namespace {

constexpr char kWatch[] = "https://www.youtube.com/watch?v=abcdefghijk&t=90s";

}  // namespace

// The strip's cover and lock over the real consent alerts, and one video item's states.
class TestVideoStrip : public QObject {
  Q_OBJECT

  // Answers the consent alert once it is up: 0 Accept, 1 Decline.
  static void answerConsent(int button) {
    QTRY_COMPARE(ViewManager::shared().alertActionTitles(), (QStringList{"Accept", "Decline"}));
    ViewManager::shared().triggerAlertAction(button);
  }

  static bool videoPagesShown() {
    OnboardingManager& onboarding = OnboardingManager::shared();
    return onboarding.isPresented() && onboarding.isFormSheet() &&
           onboarding.presentedSequence() == OnboardingManager::Sequence::VideoInstructions;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    uc::i18n::installTranslations(QStringLiteral("en"));
    ViewManager::shared().setWindow(&window_);
    opener_ = std::make_shared<RecordingOpener>();
    uc::UrlOpener::setInstance(opener_);
  }

  void init() {
    uc::UserDefaults::setStandardFilePath(dir_.filePath(QString::number(++run_) + ".jsonl"));
    OnboardingManager::shared().dismiss();
    opener_->opened.clear();
    opener_->broken = false;
    VideoCollectionViewCell::setInAppPlayback(false);
  }

  void withoutConsentTheCoverOpensOnlyOnAccept() {
    VideoCollectionTableViewCell strip;
    QVERIFY(strip.lockingViewVisible());
    QCOMPARE(strip.privacyIconName(), QStringLiteral("lock.fill"));
    QCOMPARE(strip.unlockTitle(), QStringLiteral("Touch to unlock"));

    strip.tappedLockingViewButton();
    answerConsent(1);
    QVERIFY(!DsgvoManager::shared().isYoutubeDsgvoAccepted());
    QVERIFY(uc::UserDefaults::standard().contains(DsgvoManager::kYoutubeDsgvoAcceptedKey));
    QVERIFY(strip.lockingViewVisible());
    QVERIFY(!OnboardingManager::shared().isPresented());

    strip.tappedLockingViewButton();
    answerConsent(0);
    QVERIFY(DsgvoManager::shared().isYoutubeDsgvoAccepted());
    QVERIFY(!strip.lockingViewVisible());
    QCOMPARE(strip.privacyIconName(), QStringLiteral("lock.open.fill"));
    QVERIFY(videoPagesShown());
    // Finishing the video pages counts as onboarding done.
    OnboardingManager::shared().finish();
    QVERIFY(OnboardingManager::shared().isOnboardingFinished());
  }

  void theLockWithdrawsAndOnlyDeclineChangesTheCover() {
    uc::UserDefaults::standard().setBool(DsgvoManager::kYoutubeDsgvoAcceptedKey, true);
    VideoCollectionTableViewCell strip;
    QVERIFY(!strip.lockingViewVisible());
    QCOMPARE(strip.privacyIconName(), QStringLiteral("lock.open.fill"));

    strip.tappedPrivacyButton();
    answerConsent(0);  // accepting again changes nothing shown
    QVERIFY(!strip.lockingViewVisible());
    QVERIFY(!OnboardingManager::shared().isPresented());

    strip.tappedPrivacyButton();
    answerConsent(1);
    QVERIFY(strip.lockingViewVisible());
    QCOMPARE(strip.privacyIconName(), QStringLiteral("lock.fill"));
    QVERIFY(!DsgvoManager::shared().isYoutubeDsgvoAccepted());

    // Accepting from the lock while covered stores the consent; this strip stays covered,
    // a strip built afterwards is open.
    strip.tappedPrivacyButton();
    answerConsent(0);
    QVERIFY(strip.lockingViewVisible());
    QVERIFY(!VideoCollectionTableViewCell().lockingViewVisible());

    strip.tappedManualButton();
    QVERIFY(videoPagesShown());
  }

  void anAnswerAfterTheStripIsGoneIsStillStored() {
    auto strip = std::make_unique<VideoCollectionTableViewCell>();
    strip->tappedLockingViewButton();
    strip.reset();
    answerConsent(0);
    QVERIFY(DsgvoManager::shared().isYoutubeDsgvoAccepted());
  }

  void anItemLoadsNothingBeforeConsent() {
    VideoCollectionViewCell item;
    item.configure(kWatch);
    QCOMPARE(item.state(), VideoCollectionViewCell::Waiting);
    QVERIFY(item.coveringVisible());
    QVERIFY(item.thumbnailUrl().isEmpty());

    item.setLoadAllowed(true);
    QCOMPARE(item.state(), VideoCollectionViewCell::Loading);
    QCOMPARE(item.thumbnailUrl().path(), QStringLiteral("/vi/abcdefghijk/hqdefault.jpg"));
    item.playerReady();
    QCOMPARE(item.state(), VideoCollectionViewCell::Ready);
    QVERIFY(!item.coveringVisible());

    // A new address covers the item again before anything else is known.
    item.configure("https:www.youtube.com/shorts/zyxwvutsrqp");
    QVERIFY(item.coveringVisible());
    QVERIFY(item.isShort());

    item.setLoadAllowed(false);
    QCOMPARE(item.state(), VideoCollectionViewCell::Waiting);
    QVERIFY(item.thumbnailUrl().isEmpty());
  }

  void badAddressesStayCoveredAndFailuresSaySo() {
    VideoCollectionViewCell item;
    item.setLoadAllowed(true);
    for (const char* address :
         {"https://www.youtube.com/watch?v=short", "https://www.youtube.com/shorts/abcdefghijk",
          "https://www.youtube.com/watch?v=abc\"><img>x", "ftp://x"}) {
      item.configure(address);
      QCOMPARE(item.state(), VideoCollectionViewCell::Unavailable);
      QVERIFY(item.playerHidden());
      item.playerReady();
      QVERIFY2(item.coveringVisible(), address);
      QVERIFY(!item.statusText().isEmpty());
    }

    item.configure(kWatch);
    item.loadFailed();
    QCOMPARE(item.state(), VideoCollectionViewCell::Offline);
    QVERIFY(item.statusText().contains("internet connection"));
    item.play();  // nothing to play
    QVERIFY(opener_->opened.isEmpty());
    item.retry();
    QCOMPARE(item.state(), VideoCollectionViewCell::Loading);
  }

  void aTapPlaysInTheAppOrOpensTheBrowser() {
    VideoCollectionViewCell item;
    item.setLoadAllowed(true);
    item.configure(kWatch);
    item.playerReady();
    QSignalSpy opened(&item, &VideoCollectionViewCell::openedInBrowser);
    item.play();
    QCOMPARE(opener_->opened, QStringList{kWatch});
    QCOMPARE(opened.takeFirst().at(0).toBool(), true);
    QCOMPARE(item.state(), VideoCollectionViewCell::Ready);

    opener_->broken = true;
    item.play();
    QCOMPARE(opened.takeFirst().at(0).toBool(), false);
    QCOMPARE(ViewManager::shared().toasts()->rowCount(), 1);
  }

  void theAppsPlayerStartsOnlyWhenTheNetworkAnswers() {
    // The platform's image server stands in for the network: first nobody, then a server.
    LoopbackHttpServer server;
    QVERIFY(server.isListening());
    const QUrl dead = LoopbackHttpServer::deadUrl();
    qputenv("UNITCIRCLE_VIDEO_THUMBNAIL_URL",
            QStringLiteral("http://127.0.0.1:%1/vi/").arg(dead.port()).toUtf8());
    VideoCollectionViewCell::setInAppPlayback(true);
    VideoCollectionViewCell item;
    item.setLoadAllowed(true);
    item.configure(kWatch);
    item.playerReady();

    item.play();
    item.play();  // a second tap while waiting asks nothing more
    QCOMPARE(item.state(), VideoCollectionViewCell::Ready);
    QVERIFY(item.isConnecting());
    QTRY_COMPARE(item.state(), VideoCollectionViewCell::Offline);
    QVERIFY(!item.isConnecting());
    QVERIFY(item.statusText().contains("internet connection"));

    qputenv("UNITCIRCLE_VIDEO_THUMBNAIL_URL",
            QStringLiteral("http://127.0.0.1:%1/vi/").arg(server.url().port()).toUtf8());
    item.retry();
    item.playerReady();
    item.play();
    QTRY_COMPARE(item.state(), VideoCollectionViewCell::Playing);
    QVERIFY(server.lastRequest().startsWith("GET /vi/abcdefghijk/hqdefault.jpg"));
    QVERIFY(item.embedHtml().contains("/embed/abcdefghijk?"));
    item.stop();
    QCOMPARE(item.state(), VideoCollectionViewCell::Ready);
    item.play();
    QTRY_COMPARE(item.state(), VideoCollectionViewCell::Playing);
    item.loadFailed();  // the page did not load
    QCOMPARE(item.state(), VideoCollectionViewCell::Offline);
    item.retry();
    item.playerReady();
    item.play();
    item.configure("https://www.youtube.com/watch?v=zyxwvutsrqp");  // reused before the answer

    item.playerReady();
    QTest::qWait(300);
    QCOMPARE(item.state(), VideoCollectionViewCell::Ready);  // the old tap plays nothing
    qunsetenv("UNITCIRCLE_VIDEO_THUMBNAIL_URL");
  }

  void theRowKeepsTheFirstWidthItWasGiven() {
    QCOMPARE(VideoCollectionTableViewCell::rowHeight(390), 390.0);
    QCOMPARE(VideoCollectionTableViewCell::rowHeight(800), 390.0);
    QCOMPARE(VideoCollectionTableViewCell::itemSide(300), 285.0);
  }

  // The help screen's image and zoom arithmetic.
  void theManualFindsItsImageAndZoomsAboutThePointer() {
    using uc::ManualViewController;
    QCOMPARE(ManualViewController::imageSourceFor("", "en"), QUrl());
    QCOMPARE(ManualViewController::imageSourceFor("../x", "en"), QUrl());
    QCOMPARE(ManualViewController::imageSourceFor("nothing_by_that_name", "en"), QUrl());
    QCOMPARE(ManualViewController::clampedZoom(0.2), 1.0);
    QCOMPARE(ManualViewController::clampedZoom(9), 4.0);
    QCOMPARE(ManualViewController::clampedZoom(qQNaN()), 1.0);
    // Zooming 1 -> 2 about (100, 50) with no scroll keeps that image point under it.
    QCOMPARE(ManualViewController::contentPositionForZoom({0, 0}, {100, 50}, 1, 2),
             QPointF(100, 50));
    QCOMPARE(ManualViewController::contentPositionForZoom({100, 50}, {100, 50}, 2, 1),
             QPointF(0, 0));
  }

 private:
  QTemporaryDir dir_;
  QQuickWindow window_;
  std::shared_ptr<RecordingOpener> opener_;
  int run_ = 0;
};

QTEST_MAIN(TestVideoStrip)
#include "tst_video_strip.moc"
