#include "ui/history/history_table_view_controller.h"

#include <QCoreApplication>
#include <QPointer>

#include "flow/calc_manager.h"
#include "flow/calculation.h"
#include "flow/summary_line.h"
#include "services/analytics.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"

namespace uc {

HistoryListModel::HistoryListModel(QObject* parent) : QAbstractListModel(parent) {}

CalcManager& HistoryListModel::calcManager() const {
  return manager_ ? *manager_ : CalcManager::shared();
}

void HistoryListModel::setCalcManager(CalcManager* manager) {
  beginResetModel();
  manager_ = manager;
  follow(&calcManager());
  endResetModel();
  emit countChanged();
}

void HistoryListModel::follow(CalcManager* manager) {
  for (const QMetaObject::Connection& connection : connections_) disconnect(connection);
  connections_ = {
      connect(manager, &CalcManager::calculationInserted, this,
              [this](int index) {
                beginInsertRows({}, index, index);
                endInsertRows();
                emit countChanged();
              }),
      connect(manager, &CalcManager::calculationRemoved, this,
              [this](int index) {
                beginRemoveRows({}, index, index);
                endRemoveRows();
                emit countChanged();
              }),
      connect(manager, &CalcManager::calculationMoved, this,
              [this](int from, int to) {
                // Qt names the destination as the row the moved one goes before.
                if (beginMoveRows({}, from, from, {}, to > from ? to + 1 : to)) endMoveRows();
              }),
      connect(manager, &CalcManager::calculationsReset, this,
              [this] {
                beginResetModel();
                endResetModel();
                emit countChanged();
              }),
  };
}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return calcManager().count();
}

QString HistoryListModel::latexAt(int row) const {
  if (row < 0 || row >= calcManager().count()) return {};
  const Calculation record = calcManager().calculationAt(row);
  if (!record.latexString.trimmed().isEmpty()) return record.latexString;
  const QString alpha = record.inputParameters.value(QString::fromUtf8(calculation_keys::kAlpha));
  const QString b = record.inputParameters.value(QString::fromUtf8(calculation_keys::kB));
  if (alpha.isEmpty() && b.isEmpty()) return {};
  return summaryLine(alpha, b);
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= calcManager().count()) return {};
  switch (role) {
    case LatexRole:
      return latexAt(index.row());
    case IncompleteRole:
      return latexAt(index.row()).isEmpty();
    default:
      return {};
  }
}

QHash<int, QByteArray> HistoryListModel::roleNames() const {
  return {{LatexRole, "latexString"}, {IncompleteRole, "incomplete"}};
}

HistoryTableViewController::HistoryTableViewController(QObject* parent) : QObject(parent) {
  model_.setCalcManager(nullptr);
}

QString HistoryTableViewController::title() const {
  return QCoreApplication::translate("HistoryView", "History", "Toolbar title for history view");
}

void HistoryTableViewController::handleEditButton() {
  editing_ = !editing_;
  emit editingChanged();
}

bool HistoryTableViewController::deleteRow(int row) {
  CalcManager& store = model_.calcManager();
  if (row < 0 || row >= store.count()) return false;
  Analytics::log(analytics::event::kTappedHistoryDeleteSingleCalc);
  std::optional<CalcManager::Removed> removed = store.takeCalculation(row);
  if (!removed) return false;
  // The undo outlives this screen (the toast stays when the learner leaves), not the store.
  ViewManager::shared().showToast(
      QCoreApplication::translate("HistoryView", "Calculation deleted",
                                  "Message after a history row was deleted"),
      {QCoreApplication::translate(
           "HistoryView", "Undo",
           "Button of the message after a history row was deleted: puts the row back"),
       [store = QPointer<CalcManager>(&store), removed = std::move(*removed)] {
         if (store) store->restoreCalculation(removed);
       }});
  return true;
}

bool HistoryTableViewController::moveRow(int from, int to) {
  return from != to && model_.calcManager().moveCalculation(from, to);
}

void HistoryTableViewController::handleClearAllButton() { setClearConfirmationShown(true); }

void HistoryTableViewController::confirmClearHistory() {
  setClearConfirmationShown(false);
  CalcManager& store = model_.calcManager();
  Analytics::log(analytics::event::kTappedHistoryClear,
                 {{analytics::param::kCalcCount, store.count()}});
  store.clearCalculations();
}

void HistoryTableViewController::cancelClearHistory() { setClearConfirmationShown(false); }

void HistoryTableViewController::setClearConfirmationShown(bool shown) {
  if (clearConfirmationShown_ == shown) return;
  clearConfirmationShown_ = shown;
  emit clearConfirmationShownChanged();
}

void HistoryTableViewController::didSelectRow(int row) {
  CalcManager& store = model_.calcManager();
  if (row < 0 || row >= store.count()) return;
  const Calculation record = store.calculationAt(row);
  store.setCurrentCalculation(std::nullopt);
  store.setCurrentSelectedCalculation(record);
  Analytics::log(analytics::event::kTappedHistoryItem,
                 {{analytics::param::kCalcParameters, record.inputParametersVariant()},
                  {analytics::param::kLatexString, record.latexString}});
  Navigation::shared().goToCalculation();
}

}  // namespace uc
