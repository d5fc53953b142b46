#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "flow/error_manager.h"
#include "services/analytics.h"

using uc::ErrorManager;
using uc::InputFieldState;

namespace {

// Stands in for the shipped translations of context "Core".
class FakeCoreTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* = nullptr,
                    int = -1) const override {
    const QByteArray key(source);
    if (QByteArray(context) == "Store") {
      if (key == "storeNotSavedTitle") return QStringLiteral("Not saved");
      if (key == "storeFull") return QStringLiteral("The disk is full.");
      if (key == "calculationNotSaved") return QStringLiteral("The calculation was not saved.");
      if (key == "storeLogSetAside") return QStringLiteral("Set aside as %1.");
      if (key == "storeDamaged") return QStringLiteral("Damaged.");
      if (key == "storeSalvaged") return QStringLiteral("Kept as %1.");
      return {};
    }
    if (QByteArray(context) != "Core") return {};
    if (key == "mustBeGreatherThanX") return QStringLiteral("more than %0, %0!");
    if (key == "mustBeBiggerThanXAndLessThanY") return QStringLiteral("between %0 and %1");
    if (key == "error") return QStringLiteral("Oops");
    if (key == "oppositionError") return QStringLiteral("contradiction");
    if (key == "inputZeroInDenominator") return QStringLiteral("no zero below");
    return {};
  }
  bool isEmpty() const override { return false; }
};

}  // namespace

class TestErrorManager : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCoreApplication::installTranslator(&translator_); }

  void init() {
    recorder_ = std::make_shared<uc::RecordingAnalyticsSink>();
    uc::Analytics::setSink(recorder_);
    alpha_ = std::make_unique<InputFieldState>();
    b_ = std::make_unique<InputFieldState>();
    alpha_->setTag(1);
    b_->setTag(2);
    manager_.reset(new ErrorManager());
    manager_->setAllFields({alpha_.get(), b_.get()});
    manager_->setRequiredAmountOfFields(1);
  }

  void fillingOneFieldDisablesTheOther() {
    alpha_->setText("5");
    manager_->updateFieldStates();
    QVERIFY(alpha_->enabled());
    QVERIFY(!b_->enabled());
    QVERIFY(b_->greyed());

    alpha_->setText("");
    manager_->updateFieldStates();
    QVERIFY(alpha_->enabled() && b_->enabled());
    QVERIFY(!b_->greyed());
  }

  void hiddenFieldsAreNeitherCountedNorDisabled() {
    alpha_->setShown(false);
    alpha_->setText("5");
    manager_->updateFieldStates();
    QVERIFY(b_->enabled());  // the hidden text does not count

    alpha_->setText("");
    b_->setText("1");
    manager_->updateFieldStates();
    QVERIFY(alpha_->enabled());  // hidden and empty, but left alone
  }

  void requiredBelowOneTurnsTheUpdateOff() {
    b_->setText("1");
    manager_->updateFieldStates();
    QVERIFY(!alpha_->enabled());
    manager_->setRequiredAmountOfFields(0);
    b_->setText("");
    manager_->updateFieldStates();
    QVERIFY(!alpha_->enabled());
  }

  void messagesByKey_data() {
    QTest::addColumn<QString>("errorCase");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const int toast = ErrorManager::Presentation::Toast;
    const int none = ErrorManager::Presentation::None;
    QTest::newRow("argument") << "mustBeGreatherThanX§0" << toast << ""
                              << "more than 0, 0!";
    QTest::newRow("argument missing") << "mustBeGreatherThanX" << none << ""
                                      << "";
    QTest::newRow("too many arguments") << "mustBeGreatherThanX§1§2" << none << ""
                                        << "";
    QTest::newRow("two arguments") << "mustBeBiggerThanXAndLessThanY§-1§1" << toast << ""
                                   << "between -1 and 1";
    // %1 is replaced after %0, so an argument holding "%1" is replaced too.
    QTest::newRow("argument with %1") << "mustBeBiggerThanXAndLessThanY§%1§x" << toast << ""
                                      << "between x and x";
    QTest::newRow("less than, untranslated") << "mustBeLessThanX§9" << toast << ""
                                             << "mustBeLessThanX";
    QTest::newRow("plain key") << "inputZeroInDenominator" << toast << ""
                               << "no zero below";
    QTest::newRow("unknown key shows itself") << "somethingNew" << toast << ""
                                              << "somethingNew";
    QTest::newRow("only separators") << "§§" << none << ""
                                     << "";
    QTest::newRow("alert") << "oppositionError§x" << int(ErrorManager::Presentation::Alert)
                           << "Oops"
                           << "contradiction";
  }

  void messagesByKey() {
    QFETCH(QString, errorCase);
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, message);
    const auto presentation = ErrorManager::presentationFor(errorCase);
    QCOMPARE(int(presentation.kind), kind);
    QCOMPARE(presentation.title, title);
    QCOMPARE(presentation.message, message);
  }

  void showErrorLogsColoursAndRequestsTheMessage() {
    QSignalSpy toasts(manager_.get(), &ErrorManager::toastRequested);
    QSignalSpy alerts(manager_.get(), &ErrorManager::alertRequested);

    manager_->showErrorForTags("notEnoughInputValues", {1, 2});
    QCOMPARE(alpha_->border(), InputFieldState::Warning);
    QCOMPARE(b_->border(), InputFieldState::Warning);
    QCOMPARE(toasts.count(), 1);

    manager_->resetBorders();
    manager_->showErrorForTags("mustBeGreatherThanX", {2, 99});  // unknown tag skipped
    QCOMPARE(alpha_->border(), InputFieldState::Normal);
    QCOMPARE(b_->border(), InputFieldState::Error);
    QCOMPARE(toasts.count(), 1);  // nothing shown, but logged and coloured

    manager_->showError("oppositionError", {});
    QCOMPARE(alerts.count(), 1);
    QCOMPARE(alerts.first().at(0).toString(), QStringLiteral("Oops"));

    const auto& events = recorder_->events();
    QCOMPARE(events.size(), 3);
    for (const auto& event : events) QCOMPARE(event.name, QStringLiteral("tiro_got_error"));
    QCOMPARE(events[1].params, (QVariantMap{{"error_case", "mustBeGreatherThanX"}}));
  }

  void deletedFieldsAreDropped() {
    b_.reset();
    QCOMPARE(manager_->allFields().size(), 1);
    manager_->updateFieldStates();
    manager_->showErrorForTags("inputParameterError", {2});
  }

  void storeFailuresSayWhatHappenedAndWhatWasLost() {
    using Failure = uc::UserDefaults::Failure;
    using Change = uc::UserDefaults::Change;
    const auto full = ErrorManager::storeFailurePresentation(Failure::Full, Change::InsertRecord);
    QCOMPARE(full.kind, ErrorManager::Presentation::Alert);
    QCOMPARE(full.title, QStringLiteral("Not saved"));
    QCOMPARE(full.message, QStringLiteral("The disk is full. The calculation was not saved."));
    // Untranslated texts show their keys; each failure and change has its own.
    QCOMPARE(ErrorManager::storeFailurePresentation(Failure::ReadOnly, Change::MoveRecord).message,
             QStringLiteral("storeReadOnly orderNotSaved"));
    QCOMPARE(ErrorManager::storeFailurePresentation(Failure::Busy, Change::RemoveRecord).message,
             QStringLiteral("storeBusy deletionNotSaved"));
    const auto atStart = ErrorManager::storeFailurePresentation(Failure::Unavailable, Change::Open);
    QCOMPARE(atStart.title, QStringLiteral("storeNotKeptTitle"));
    QCOMPARE(atStart.message, QStringLiteral("storeUnavailable storeInMemoryOnly"));
  }

  // What opening did is said with the file it set aside, by name only.
  void storeRepairsSayWhatWasDoneAndWhere() {
    using Failure = uc::UserDefaults::Failure;
    using Change = uc::UserDefaults::Change;
    const auto setAside = ErrorManager::storeFailurePresentation(
        Failure::Foreign, Change::LogSetAside, "/home/a/settings.jsonl-wal.foreign");
    // The store itself is whole: no cause before it.
    QCOMPARE(setAside.title, QStringLiteral("storeCheckedTitle"));
    QCOMPARE(setAside.message, QStringLiteral("Set aside as settings.jsonl-wal.foreign."));
    const auto salvaged = ErrorManager::storeFailurePresentation(Failure::Damaged, Change::Salvaged,
                                                                 "/home/a/settings.jsonl.damaged");
    QCOMPARE(salvaged.title, QStringLiteral("storeRepairedTitle"));
    QCOMPARE(salvaged.message, QStringLiteral("Damaged. Kept as settings.jsonl.damaged."));
    const auto readOnly =
        ErrorManager::storeFailurePresentation(Failure::ReadOnly, Change::OpenReadOnly);
    QCOMPARE(readOnly.title, QStringLiteral("storeReadOnlyTitle"));
    QCOMPARE(readOnly.message, QStringLiteral("storeReadOnly storeShownNotKept"));
    QCOMPARE(ErrorManager::storeFailurePresentation(Failure::Foreign, Change::Open).message,
             QStringLiteral("storeForeign storeInMemoryOnly"));
  }

  void storeFailuresOfOneActionMakeOneMessage() {
    using Failure = uc::UserDefaults::Failure;
    using Change = uc::UserDefaults::Change;
    QSignalSpy alerts(manager_.get(), &ErrorManager::alertRequested);
    manager_->showStoreFailure(Failure::Full, Change::InsertRecord);
    manager_->showStoreFailure(Failure::Full, Change::Setting);
    QCOMPARE(alerts.count(), 0);  // from the event loop, once the window listens
    QVERIFY(alerts.wait(1000));
    QCOMPARE(alerts.count(), 1);
    QCOMPARE(alerts[0][1].toString(),
             QStringLiteral("The disk is full. The calculation was not saved."));
    // The next action is told again.
    manager_->showStoreFailure(Failure::Full, Change::InsertRecord);
    QVERIFY(alerts.wait(1000));
    QCOMPARE(alerts.count(), 2);
  }

  void cleanupTestCase() { uc::Analytics::setSink(nullptr); }

 private:
  FakeCoreTranslator translator_;
  std::shared_ptr<uc::RecordingAnalyticsSink> recorder_;
  std::unique_ptr<InputFieldState> alpha_, b_;
  std::unique_ptr<ErrorManager> manager_;
};

QTEST_GUILESS_MAIN(TestErrorManager)
#include "tst_error_manager.moc"
