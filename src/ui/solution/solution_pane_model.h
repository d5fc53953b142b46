#pragma once

#include <QtQml/qqmlregistration.h>

#include <QSortFilterProxyModel>

namespace uc {

// One pane of the result page in a wide window: the solution's step rows, or the rest (the
// chart and video rows). Steps come first in the solution, so a step keeps its row number
// and the other rows move up by the number of steps.
class SolutionPaneModel : public QSortFilterProxyModel {
  Q_OBJECT
  QML_ELEMENT
  // The solution's list model (a SolutionViewController).
  Q_PROPERTY(QAbstractItemModel* solution READ sourceModel WRITE setSolution NOTIFY solutionChanged)
  Q_PROPERTY(bool steps READ steps WRITE setSteps NOTIFY stepsChanged)

 public:
  explicit SolutionPaneModel(QObject* parent = nullptr);

  void setSolution(QAbstractItemModel* solution);
  bool steps() const { return steps_; }
  void setSteps(bool steps);

 signals:
  void solutionChanged();
  void stepsChanged();

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  bool steps_ = true;
};

}  // namespace uc
