#include <QJsonArray>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "flow/calc_manager.h"
#include "flow/summary_line.h"
#include "flow/user_defaults.h"
#include "services/analytics.h"
#include "ui/calculate/calculate_view_controller.h"
#include "ui/history/history_table_view_controller.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"

using uc::CalcManager;
using uc::HistoryListModel;
using uc::HistoryTableViewController;
using uc::UserDefaults;

class TestHistoryTableViewController : public QObject {
  Q_OBJECT

  // A store of the given α texts, the first one newest.
  void fill(const QStringList& alphas) {
    for (qsizetype i = alphas.size() - 1; i >= 0; --i) {
      store_->insertCalculation(uc::calculationForStoring(alphas.at(i), {}));
    }
  }

  QStringList rows() const {
    QStringList latex;
    for (int row = 0; row < history_->model()->rowCount(); ++row) {
      latex << history_->model()->latexAt(row);
    }
    return latex;
  }

  static QString alphaRow(const QString& alpha) { return uc::summaryLine(alpha, {}); }

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("settings-%1.jsonl").arg(++run_));
    defaults_ = std::make_unique<UserDefaults>(path_);
    store_ = std::make_unique<CalcManager>(*defaults_);
    history_ = std::make_unique<HistoryTableViewController>();
    history_->setCalcManager(store_.get());
    recorder_ = std::make_shared<uc::RecordingAnalyticsSink>();
    uc::Analytics::setSink(recorder_);
  }

  void cleanup() {
    history_.reset();
    store_.reset();
    defaults_.reset();
  }

  void deletingTheLastEntryLeavesAnEmptyStoredList() {
    fill({"30"});
    QCOMPARE(history_->model()->rowCount(), 1);
    QVERIFY(!history_->deleteRow(1));
    QVERIFY(history_->deleteRow(0));
    QCOMPARE(history_->model()->rowCount(), 0);
    QCOMPARE(recorder_->count("tapped_history_delete_single_calc"), 1);
    UserDefaults reread(path_);
    QVERIFY(reread.value("Calculations").isArray());
    QCOMPARE(reread.value("Calculations").toArray().size(), 0);
  }

  void aDeletedRowComesBackWithUndo() {
    QQuickWindow window;
    uc::ViewManager& views = uc::ViewManager::shared();
    views.setWindow(&window);
    fill({"1", "2", "3"});
    QVERIFY(history_->deleteRow(1));
    QCOMPARE(rows(), (QStringList{alphaRow("1"), alphaRow("3")}));
    uc::ToastModel& toasts = *views.toasts();
    QCOMPARE(toasts.rowCount(), 1);
    QCOMPARE(toasts.actionTitleAt(0), QStringLiteral("Undo"));

    views.triggerToastAction(toasts.idAt(0));
    QCOMPARE(toasts.rowCount(), 0);
    QCOMPARE(rows(), (QStringList{alphaRow("1"), alphaRow("2"), alphaRow("3")}));
    CalcManager reloaded(*defaults_);
    QCOMPARE(reloaded.calculationAt(1).latexString, alphaRow("2"));
    views.setWindow(nullptr);
  }

  void movingTheFirstOfThreeToTheBottomIsShownAndStored() {
    fill({"1", "2", "3"});
    QSignalSpy moved(history_->model(), &QAbstractItemModel::rowsMoved);
    QVERIFY(history_->moveRow(0, 2));
    QCOMPARE(moved.count(), 1);
    const QStringList expected = {alphaRow("2"), alphaRow("3"), alphaRow("1")};
    QCOMPARE(rows(), expected);
    // As the next start reads it.
    UserDefaults reread(path_);
    CalcManager reloaded(reread);
    QCOMPARE(reloaded.calculationAt(2).latexString, alphaRow("1"));
    QCOMPARE(reloaded.calculationAt(0).latexString, alphaRow("2"));
  }

  void theRowsFollowTheStore() {
    fill({"1", "2"});
    QSignalSpy inserted(history_->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(history_->model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(history_->model(), &QAbstractItemModel::modelReset);
    store_->insertCalculation(uc::calculationForStoring("9", {}));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 0);  // at the top
    store_->removeCalculation(2);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(1).toInt(), 2);
    QCOMPARE(rows(), (QStringList{alphaRow("9"), alphaRow("1")}));
    QCOMPARE(reset.count(), 0);
  }

  void clearingCountsWhatWasThereAndCancelChangesNothing() {
    fill({"1", "2", "3"});
    history_->handleClearAllButton();
    QVERIFY(history_->clearConfirmationShown());
    history_->cancelClearHistory();
    QVERIFY(!history_->clearConfirmationShown());
    QCOMPARE(store_->count(), 3);
    QCOMPARE(recorder_->events().size(), 0);

    history_->handleClearAllButton();
    history_->confirmClearHistory();
    QCOMPARE(store_->count(), 0);
    QCOMPARE(history_->model()->rowCount(), 0);
    QCOMPARE(recorder_->count("tapped_history_clear"), 1);
    QCOMPARE(recorder_->events().last().params.value("calc_count").toInt(), 3);

    history_->handleClearAllButton();
    history_->confirmClearHistory();
    QCOMPARE(recorder_->events().last().params.value("calc_count").toInt(), 0);
  }

  void reopeningFillsFreshPagesWithTheEntryOnly() {
    uc::Calculation bOnly = uc::calculationForStoring({}, QStringLiteral("3π/4"));
    store_->insertCalculation(bOnly);
    store_->setCurrentCalculation(uc::calculationForStoring("10", {}));
    QSignalSpy navigation(&uc::Navigation::shared(), &uc::Navigation::calculationRequested);

    history_->didSelectRow(5);  // out of range: nothing
    QCOMPARE(navigation.count(), 0);
    history_->didSelectRow(0);
    QCOMPARE(navigation.count(), 1);
    QVERIFY(!store_->currentCalculation().has_value());
    QCOMPARE(store_->currentSelectedCalculation()->latexString, bOnly.latexString);
    const auto& event = recorder_->events().last();
    QCOMPARE(event.name, QStringLiteral("tapped_history_item"));
    QCOMPARE(event.params.value("latex_string").toString(), bOnly.latexString);
    QCOMPARE(event.params.value("calc_parameters").toMap().value("b").toString(),
             QStringLiteral("3π/4"));

    // The fresh input page, as the shell builds it: b filled, α empty, selection consumed.
    uc::CalculateViewController calculate;
    calculate.setCalcManager(store_.get());
    calculate.viewDidLoad();
    QCOMPARE(calculate.text(uc::CalculateViewController::AlphaField), QString());
    QCOMPARE(calculate.text(uc::CalculateViewController::BField), QStringLiteral("3π/4"));
    QVERIFY(!store_->currentSelectedCalculation().has_value());
    QCOMPARE(store_->count(), 1);  // not recalculated
  }

  void recordsWithMissingFieldsStillShowSomething() {
    uc::Calculation noSummary;
    noSummary.inputParameters = {{QStringLiteral("α"), QStringLiteral("45")}};
    store_->insertCalculation(noSummary);
    store_->insertCalculation(uc::Calculation{});
    const QModelIndex empty = history_->model()->index(0);
    QVERIFY(history_->model()->data(empty, HistoryListModel::IncompleteRole).toBool());
    QCOMPARE(history_->model()->latexAt(1), alphaRow("45"));
    QVERIFY(!history_->model()
                 ->data(history_->model()->index(1), HistoryListModel::IncompleteRole)
                 .toBool());
  }

  void editModeToggles() {
    QSignalSpy changed(history_.get(), &HistoryTableViewController::editingChanged);
    history_->handleEditButton();
    QVERIFY(history_->editing());
    history_->handleEditButton();
    QVERIFY(!history_->editing());
    QCOMPARE(changed.count(), 2);
  }

 private:
  QTemporaryDir dir_;
  QString path_;
  int run_ = 0;
  std::unique_ptr<UserDefaults> defaults_;
  std::unique_ptr<CalcManager> store_;
  std::unique_ptr<HistoryTableViewController> history_;
  std::shared_ptr<uc::RecordingAnalyticsSink> recorder_;
};

QTEST_MAIN(TestHistoryTableViewController)
#include "tst_history_table_view_controller.moc"
