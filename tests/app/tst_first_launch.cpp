#include <QApplication>
#include <QFile>
#include <QFont>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "app/app_startup.h"
#include "flow/calc_manager.h"
#include "flow/user_defaults.h"
#include "ui/onboarding/dsgvo_manager.h"
#include "ui/onboarding/onboarding_manager.h"
#include "ui/shell/text_scale.h"
#include "ui/shell/view_manager.h"
#include "window_driver.h"

using uc::DsgvoManager;
using uc::OnboardingManager;
using uc::UserDefaults;
using uc::ViewManager;

// The first launch on a fresh settings file: the introduction pages with the privacy notice
// above them, then the input page. Before that, what later launches show for each state the
// two flags can be in.
class TestFirstLaunch : public QObject {
  Q_OBJECT

  static constexpr int kImageReady = 1;  // Image.Ready

  static void setFlag(const char* key, bool on) {
    UserDefaults& defaults = UserDefaults::standard();
    QVERIFY(on ? defaults.setBool(QLatin1String(key), true) : defaults.remove(QLatin1String(key)));
  }
  static bool flag(const char* key) {
    return UserDefaults::standard().boolValue(QLatin1String(key));
  }

  // The alert's first button is on screen: shown, wholly inside the window, below the
  // message rather than under it, and faded in.
  bool acceptShown(QQuickWindow* window) const {
    QQuickItem* button = driver_.item("alertActionButton0");
    QQuickItem* message = driver_.item("alertMessageScroll");
    if (!button || !message || !button->isVisible() || button->width() < 24) return false;
    const QRectF box = button->mapRectToScene(QRectF(0, 0, button->width(), button->height()));
    const QRectF text = message->mapRectToScene(QRectF(0, 0, message->width(), message->height()));
    const QRectF screen(QPointF(0, 0), QSizeF(window->size()));
    qreal opacity = 1;
    for (QQuickItem* i = button; i; i = i->parentItem()) opacity *= i->opacity();
    return screen.contains(box) && text.bottom() <= box.top() + 1 && opacity > 0.5;
  }

 private slots:
  // Alerts need a window; the app's own replaces this one when it loads.
  void initTestCase() { ViewManager::shared().setWindow(&bareWindow_); }

  void laterLaunchesShowWhatIsStillOpen_data() {
    QTest::addColumn<bool>("onboardingFinished");
    QTest::addColumn<bool>("privacyAccepted");
    QTest::newRow("neither done") << false << false;
    QTest::newRow("pages done, notice open") << true << false;
    QTest::newRow("notice done, pages open") << false << true;
    QTest::newRow("both done") << true << true;
  }

  void laterLaunchesShowWhatIsStillOpen() {
    QFETCH(bool, onboardingFinished);
    QFETCH(bool, privacyAccepted);
    setFlag(OnboardingManager::kOnboardingFinishedKey, onboardingFinished);
    setFlag(DsgvoManager::kDsgvoAcceptedKey, privacyAccepted);

    uc::app::presentFirstRunScreens();
    OnboardingManager& onboarding = OnboardingManager::shared();
    ViewManager& views = ViewManager::shared();
    QTest::qWait(50);  // the notice is posted
    QCOMPARE(onboarding.isPresented(), !onboardingFinished);
    if (onboarding.isPresented()) {
      QCOMPARE(onboarding.presentedSequence(), OnboardingManager::Sequence::Introduction);
      QVERIFY(!onboarding.isFormSheet());
    }
    QCOMPARE(views.alertVisible(), !privacyAccepted);
    if (views.alertVisible()) QVERIFY(!views.alertDismissable());  // accepting is the only way on
  }

  void cleanup() {
    OnboardingManager::shared().dismiss();
    while (ViewManager::shared().alertVisible()) ViewManager::shared().dismissAlert();
    setFlag(OnboardingManager::kOnboardingFinishedKey, false);
    setFlag(DsgvoManager::kDsgvoAcceptedKey, false);
  }

  void aFirstLaunchGoesThroughTheNoticeAndThePages() {
    QCOMPARE(uc::app::startApplication(*qApp, engine_), 0);
    auto* window = qobject_cast<QQuickWindow*>(engine_.rootObjects().value(0));
    QVERIFY(window);
    window->resize(360, 640);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    driver_.setWindow(window);

    // The pages are there from the first frame, the notice above them.
    QTRY_VERIFY(driver_.item("onboardingPages"));
    QCOMPARE(driver_.read("onboardingPages", "count").toInt(), 5);
    // The notice has its Accept from the first moment its text shows.
    QTRY_VERIFY(driver_.item("alertMessageScroll") &&
                driver_.item("alertMessageScroll")->isVisible());
    QVERIFY(driver_.item("alertActionButton0") && driver_.item("alertActionButton0")->isVisible());
    QTRY_VERIFY2(acceptShown(window), "the notice showed without its Accept");
    // ... and keeps it inside the window, clear of the text, at every size and text size.
    for (const QSize size : {QSize(360, 640), QSize(640, 360), QSize(320, 480), QSize(1024, 768)}) {
      for (const int percent : {100, 200}) {
        uc::TextScale::shared().setPercent(percent);
        window->resize(size);
        QTRY_COMPARE(window->size(), size);
        QTRY_VERIFY2(
            acceptShown(window),
            qPrintable(
                QStringLiteral("%1x%2 at %3 %").arg(size.width()).arg(size.height()).arg(percent)));
      }
    }
    uc::TextScale::shared().reset();
    window->resize(360, 640);
    QTRY_COMPARE(window->size(), QSize(360, 640));
    QCOMPARE(driver_.read("alertActionButton0", "text").toString(), QStringLiteral("Accept"));
    // Shown as written, not in the style's capitals.
    QCOMPARE(driver_.read("alertActionButton0", "font").value<QFont>().capitalization(),
             QFont::MixedCase);
    QVERIFY(!driver_.item("alertActionButton1"));  // no way to decline

    // The notice takes the taps: the pages' button under it does nothing.
    QVERIFY(driver_.tap("onboardingAdvanceButton"));
    QCOMPARE(driver_.read("onboardingPages", "currentIndex").toInt(), 0);
    QVERIFY(driver_.tap("alertActionButton0"));
    QTRY_VERIFY(!ViewManager::shared().alertVisible());
    QVERIFY(flag(DsgvoManager::kDsgvoAcceptedKey));
    QVERIFY(!flag(OnboardingManager::kOnboardingFinishedKey));

    // Every page has its picture; the last button starts the app.
    for (int page = 0; page < 5; ++page) {
      QTRY_COMPARE(driver_.read("onboardingPages", "currentIndex").toInt(), page);
      auto* shown = qvariant_cast<QQuickItem*>(driver_.read("onboardingPages", "currentItem"));
      QQuickItem* picture = WindowDriver::findIn(shown, QLatin1String("onboardingImage"));
      QVERIFY(picture);
      QTRY_COMPARE(picture->property("status").toInt(), kImageReady);
      QVERIFY(picture->property("paintedWidth").toDouble() > 100);
      QCOMPARE(driver_.read("onboardingAdvanceButton", "text").toString(),
               page < 4 ? QStringLiteral("Next") : QStringLiteral("Let's start"));
      QTest::qWait(400);  // the page slides in
      QVERIFY(driver_.tap("onboardingAdvanceButton"));
    }
    QTRY_VERIFY(!driver_.item("onboardingPages"));
    QVERIFY(flag(OnboardingManager::kOnboardingFinishedKey));

    // The help sheet's picture, and the input page under it all works.
    QVERIFY(driver_.tap("manualButton"));
    QTRY_COMPARE(driver_.read("manualImage", "status").toInt(), kImageReady);
    QVERIFY(driver_.read("manualImage", "source").toString().endsWith("/kv_info.svg"));
    // A wheel turn over the picture zooms it, nothing above the sheet takes it.
    QQuickItem* picture = driver_.item("manualImage");
    const QPointF over = picture->mapToScene({picture->width() / 2, picture->height() / 3});
    QWheelEvent turn(over, window->mapToGlobal(over), {}, {0, 120}, Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window, &turn);
    QTRY_COMPARE(driver_.read("manualScrollView", "zoom").toDouble(), 1.25);
    QVERIFY(driver_.tap("closeManualButton"));
    QTRY_VERIFY(!driver_.item("manualImage"));

    const qsizetype before = uc::CalcManager::shared().count();
    QVERIFY(driver_.tap("key_3"));
    QVERIFY(driver_.tap("key_0"));
    QVERIFY(driver_.tap("calculateButton"));
    QTRY_COMPARE(uc::CalcManager::shared().count(), before + 1);

    // The web engine of the in-app player loads when a video plays, not before.
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("libQt6WebEngine"));
  }

 private:
  QQuickWindow bareWindow_;
  QQmlApplicationEngine engine_;
  WindowDriver driver_;
};

int main(int argc, char* argv[]) {
  uc::app::prepareApplication();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  // A fresh settings file; the configuration from a local file, never an outside host.
  UserDefaults::setStandardFilePath(dir.filePath("settings.jsonl"));
  qputenv("UNITCIRCLE_CONFIG_URL", QUrl::fromLocalFile(dir.filePath("config.json")).toEncoded());
  TestFirstLaunch test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_first_launch.moc"
