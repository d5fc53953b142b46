#include "ui/solution/solution_pane_model.h"

#include "ui/solution/solution_view_controller.h"

namespace uc {

SolutionPaneModel::SolutionPaneModel(QObject* parent) : QSortFilterProxyModel(parent) {}

void SolutionPaneModel::setSolution(QAbstractItemModel* solution) {
  if (solution == sourceModel()) return;
  setSourceModel(solution);
  emit solutionChanged();
}

void SolutionPaneModel::setSteps(bool steps) {
  if (steps == steps_) return;
  steps_ = steps;
  invalidateRowsFilter();
  emit stepsChanged();
}

bool SolutionPaneModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  const QModelIndex row = sourceModel()->index(sourceRow, 0, sourceParent);
  const bool step =
      row.data(SolutionViewController::KindRole).toInt() == SolutionViewController::StepRow;
  return step == steps_;
}

}  // namespace uc
