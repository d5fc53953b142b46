#include <QCoreApplication>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "flow/user_defaults.h"
#include "i18n/translations.h"
#include "ui/onboarding/dsgvo_manager.h"
#include "ui/onboarding/onboarding_manager.h"
#include "ui/shell/view_manager.h"

using uc::DsgvoManager;
using uc::OnboardingManager;
using uc::UserDefaults;
using uc::ViewManager;

// The privacy questions and the onboarding sequences, over the real alerts of the view
// manager and a settings file of their own.
class TestFirstRunManagers : public QObject {
  Q_OBJECT

  static bool flag(const char* key) {
    return UserDefaults::standard().boolValue(QString::fromLatin1(key));
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    uc::i18n::installTranslations(QStringLiteral("en"));
    ViewManager::shared().setWindow(&window_);
  }

  void init() {
    UserDefaults::setStandardFilePath(dir_.filePath(QString::number(++run_) + ".jsonl"));
    ViewManager& views = ViewManager::shared();
    while (views.alertVisible()) views.dismissAlert();
    OnboardingManager::shared().dismiss();
  }

  void alertButtonsCloseFirstThenRunTheirHandler() {
    ViewManager& views = ViewManager::shared();
    QStringList order;
    views.showAlert(
        "A", "",
        {{"one", [&] { order << QString("one ran, alert %1").arg(views.alertTitle()); }},
         {"two", [&] { order << "two"; }}});
    views.showAlert("B", "");
    QVERIFY(!views.alertDismissable());
    QCOMPARE(views.alertActionTitles(), (QStringList{"one", "two"}));
    views.triggerAlertAction(0);
    // The handler saw the next alert already in front.
    QCOMPARE(order, QStringList{"one ran, alert B"});
    QVERIFY(views.alertDismissable());
    QVERIFY(views.alertActionTitles().isEmpty());
    views.triggerAlertAction(5);  // no such button: just closes
    QVERIFY(!views.alertVisible());
  }

  void thePrivacyNoticeCanOnlyBeAccepted() {
    ViewManager& views = ViewManager::shared();
    int completions = 0;
    DsgvoManager::shared().showPrivacyNotice([&] {
      QVERIFY(flag(DsgvoManager::kDsgvoAcceptedKey));  // stored before the completion
      ++completions;
    });
    QVERIFY2(!views.alertVisible(), "posted, not shown at once");
    QTRY_VERIFY(views.alertVisible());
    QCOMPARE(views.alertTitle(), QStringLiteral("Privacy"));
    QVERIFY(views.alertMessage().contains("on this device only"));
    QCOMPARE(views.alertActionTitles(), QStringList{"Accept"});
    QVERIFY(!flag(DsgvoManager::kDsgvoAcceptedKey));
    views.triggerAlertAction(0);
    QCOMPARE(completions, 1);
    QVERIFY(DsgvoManager::shared().isDsgvoAccepted());
  }

  void theVideoConsentStoresEitherAnswer() {
    ViewManager& views = ViewManager::shared();
    QStringList ran;
    DsgvoManager& dsgvo = DsgvoManager::shared();
    QSignalSpy changed(&dsgvo, &DsgvoManager::consentChanged);
    dsgvo.showVideoConsent([&] { ran << "accepted"; }, [&] { ran << "declined"; });
    QTRY_COMPARE(views.alertActionTitles(), (QStringList{"Accept", "Decline"}));
    views.triggerAlertAction(0);
    QVERIFY(dsgvo.isYoutubeDsgvoAccepted());

    dsgvo.showVideoConsent({}, [&] { ran << "declined"; });
    QTRY_VERIFY(views.alertVisible());
    views.triggerAlertAction(1);
    QVERIFY(!dsgvo.isYoutubeDsgvoAccepted());
    QVERIFY(UserDefaults::standard().contains(DsgvoManager::kYoutubeDsgvoAcceptedKey));
    QCOMPARE(ran, (QStringList{"accepted", "declined"}));
    QCOMPARE(changed.count(), 2);

    // Closed without an answer: nothing stored, nothing run.
    dsgvo.showVideoConsent([&] { ran << "accepted"; }, {});
    QTRY_VERIFY(views.alertVisible());
    views.dismissAlert();
    QVERIFY(!dsgvo.isYoutubeDsgvoAccepted());
    QCOMPARE(ran.size(), 2);
  }

  void pagesGetTheirButtonsAndTheAppName() {
    const auto items = OnboardingManager::pageItems(OnboardingManager::introductionDescriptors());
    QCOMPARE(items.size(), 5);
    QCOMPARE(items.first().imageName, QStringLiteral("main_onboarding_1"));
    QCOMPARE(items.last().imageName, QStringLiteral("main_onboarding_4"));
    for (int i = 0; i < 4; ++i) QCOMPARE(items.at(i).buttonTitle, QStringLiteral("Next"));
    QCOMPARE(items.last().buttonTitle, QStringLiteral("Let's start"));
    QVERIFY(items.first().description.startsWith("Welcome to \"Unit Circle\"!"));
    for (const auto& item : items) {
      QVERIFY(item.title.isEmpty() && item.secondText.isEmpty());
      QVERIFY(!item.description.contains("§appname"));
    }

    const auto custom = OnboardingManager::pageItems(
        {{"", "a", "", "§appname and §appname"}, {"", "b", "", "no name here"}});
    QCOMPARE(custom.at(0).description, QStringLiteral("\"Unit Circle\" and \"Unit Circle\""));
    QCOMPARE(custom.at(1).description, QStringLiteral("no name here"));
    QCOMPARE(custom.at(1).buttonTitle, QStringLiteral("Let's start"));

    const auto videos =
        OnboardingManager::pageItems(OnboardingManager::videoInstructionDescriptors());
    QCOMPARE(videos.size(), 5);
    QCOMPARE(videos.at(2).imageName, QStringLiteral("onboarding_youtube_3"));
  }

  void finishingAnySequenceMarksOnboardingDone() {
    OnboardingManager& onboarding = OnboardingManager::shared();
    int followUps = 0;
    onboarding.present(OnboardingManager::Sequence::VideoInstructions,
                       OnboardingManager::Presentation::FormSheet, true, [&] { ++followUps; });
    // One sequence at a time: a second request while it shows is dropped.
    onboarding.presentIntroduction();
    QCOMPARE(onboarding.presentedSequence(), OnboardingManager::Sequence::VideoInstructions);
    QVERIFY(onboarding.isFormSheet());
    QCOMPARE(onboarding.pages().size(), 5);

    onboarding.dismiss();
    QVERIFY(!onboarding.isPresented());
    QVERIFY(!onboarding.isOnboardingFinished());
    QCOMPARE(followUps, 0);

    onboarding.present(OnboardingManager::Sequence::Introduction,
                       OnboardingManager::Presentation::OverFullScreen, false,
                       [&] { ++followUps; });
    onboarding.finish();
    QVERIFY(onboarding.isOnboardingFinished());
    QVERIFY(!onboarding.isPresented());
    QCOMPARE(followUps, 1);
    onboarding.finish();  // nothing on screen: nothing more happens
    QCOMPARE(followUps, 1);
  }

 private:
  QTemporaryDir dir_;
  QQuickWindow window_;
  int run_ = 0;
};

QTEST_MAIN(TestFirstRunManagers)
#include "tst_first_run_managers.moc"
