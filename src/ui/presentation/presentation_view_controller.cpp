#include "ui/presentation/presentation_view_controller.h"

#include <QCoreApplication>
#include <QHash>
#include <array>
#include <utility>

#include "core/presentation/presentation_steps.h"
#include "ui/charts/chart_manager.h"
#include "ui/shell/navigation.h"
#include "ui/shell/view_manager.h"

namespace uc {
namespace {

QString presentationText(const char* key) {
  return QCoreApplication::translate("Presentation", key);
}

}  // namespace

PresentationViewController::PresentationViewController(QObject* parent)
    : QAbstractListModel(parent) {}

// Gone while still presenting (the window closed under it): the window is not left full
// screen for the page behind.
PresentationViewController::~PresentationViewController() {
  if (presenting_ && window_) window_->setVisibility(visibilityBefore_);
}

int PresentationViewController::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : revealed_;
}

QVariant PresentationViewController::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= revealed_ || index.row() >= steps_.size()) return {};
  const Step& step = steps_[index.row()];
  switch (role) {
    case TitleRole:
      return step.title;
    case BoldTitleRole:
      return step.boldTitle;
    case LatexRole:
      return step.latex;
    case MessageRole:
      return step.message;
    case NewestRole:
      return index.row() == revealed_ - 1;
    default:
      return {};
  }
}

QHash<int, QByteArray> PresentationViewController::roleNames() const {
  return {{TitleRole, "title"},
          {BoldTitleRole, "boldTitle"},
          {LatexRole, "latex"},
          {MessageRole, "message"},
          {NewestRole, "newest"}};
}

void PresentationViewController::setSolution(SolutionViewController* solution) {
  if (solution == solution_) return;
  if (solution_) disconnect(solution_, nullptr, this, nullptr);
  solution_ = solution;
  if (solution_) {
    // A new or cleared calculation under the presentation: show that one, or leave when
    // nothing is left to show.
    connect(solution_, &SolutionViewController::solutionChanged, this, [this] {
      reloadSteps();
      if (presenting_ && steps_.isEmpty()) leave();
    });
    connect(solution_, &QObject::destroyed, this, [this] {
      reloadSteps();
      if (presenting_) leave();
    });
  }
  reloadSteps();
}

void PresentationViewController::reloadSteps() {
  beginResetModel();
  steps_.clear();
  circleStep_ = QVariant();
  if (solution_) {
    const QList<QVariantMap>& raw = solution_->solutionSteps();
    // The solution lists its steps first: row i is step i.
    for (int i = 0; i < solution_->stepCount(); ++i) {
      const QModelIndex at = solution_->index(i);
      steps_.append(
          {solution_->data(at, SolutionViewController::TitleRole).toString(),
           solution_->data(at, SolutionViewController::BoldTitleRole).toBool(),
           solution_->data(at, SolutionViewController::LatexRole).toString(),
           solution_->data(at, SolutionViewController::MessageRole).toString(),
           highlightForStep(raw.value(i).value(SolutionViewController::kLatexKey).toString())});
    }
    for (const ChartStep& chart : solution_->chartSteps()) {
      if (ChartManager::kindOf(chart) == ChartManager::UnitCircleChart) {
        circleStep_ = ChartManager::wrap(chart);
        break;
      }
    }
  }
  // The first step always shows (the core's rule); a shorter solution keeps what it has.
  revealed_ = presentation::revealedAfter(presentation::Command::none, revealed_, stepCount());
  endResetModel();
  emit solutionChanged();
  emit revealedChanged();
}

QString PresentationViewController::countText() const {
  if (steps_.isEmpty()) return {};
  return presentationText("%1 of %2 shown").arg(revealed_).arg(stepCount());
}

int PresentationViewController::chartHighlight() const {
  if (revealed_ <= 0 || revealed_ > steps_.size()) return static_cast<int>(StepHighlight::None);
  return static_cast<int>(steps_[revealed_ - 1].highlight);
}

double PresentationViewController::circleFrameRatio() const {
  return circleStep_.isValid() ? ChartManager::frameRatioOf(circleStep_) : 1.0;
}

QString PresentationViewController::keyName(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  static const QHash<int, QString> names{
      {Qt::Key_Space, QStringLiteral(" ")},
      {Qt::Key_Return, QStringLiteral("Enter")},
      {Qt::Key_Enter, QStringLiteral("Enter")},  // the keypad's
      {Qt::Key_Right, QStringLiteral("ArrowRight")},
      {Qt::Key_Down, QStringLiteral("ArrowDown")},
      {Qt::Key_PageDown, QStringLiteral("PageDown")},
      {Qt::Key_Left, QStringLiteral("ArrowLeft")},
      {Qt::Key_Up, QStringLiteral("ArrowUp")},
      {Qt::Key_PageUp, QStringLiteral("PageUp")},
      {Qt::Key_Backspace, QStringLiteral("Backspace")},
      {Qt::Key_Home, QStringLiteral("Home")},
      {Qt::Key_End, QStringLiteral("End")},
      {Qt::Key_Escape, QStringLiteral("Escape")},
  };
  return names.value(key);
}

bool PresentationViewController::handleKey(int key, int modifiers) {
  const QString name = keyName(key, Qt::KeyboardModifiers(modifiers));
  const presentation::Command command = presentation::commandForKey(name.toStdString());
  if (command == presentation::Command::none) return false;
  if (command == presentation::Command::leave) {
    leave();
    return true;
  }
  setRevealed(presentation::revealedAfter(command, revealed_, stepCount()));
  return true;
}

void PresentationViewController::tapped() {
  setRevealed(presentation::revealedAfter(presentation::Command::next, revealed_, stepCount()));
}

void PresentationViewController::setRevealed(int revealed) {
  if (revealed == revealed_) return;
  const int before = revealed_;
  const bool more = revealed > before;
  // The row that was newest, or becomes newest, changes its mark.
  if (more) {
    beginInsertRows({}, before, revealed - 1);
    revealed_ = revealed;
    endInsertRows();
  } else {
    beginRemoveRows({}, revealed, before - 1);
    revealed_ = revealed;
    endRemoveRows();
  }
  const int markChanged = more ? before - 1 : revealed - 1;
  if (markChanged >= 0) emit dataChanged(index(markChanged), index(markChanged), {NewestRole});
  emit revealedChanged();
  if (revealed_ > 0) emit newestStepRevealed(revealed_ - 1);
}

void PresentationViewController::enter() {
  if (presenting_) return;
  if (steps_.isEmpty()) {
    ViewManager::shared().showToast(presentationText("This solution has no steps to present."));
    Navigation::shared().endPresentation();
    return;
  }
  setRevealed(presentation::revealedAfter(presentation::Command::first, revealed_, stepCount()));
  presenting_ = true;
  window_ = ViewManager::shared().window();
  if (window_) {
    // A hidden or minimised window comes back as a plain one.
    const QWindow::Visibility now = window_->visibility();
    visibilityBefore_ =
        now == QWindow::FullScreen || now == QWindow::Maximized ? now : QWindow::Windowed;
    window_->setVisibility(QWindow::FullScreen);
  }
  emit presentingChanged();
}

void PresentationViewController::leave() {
  if (!presenting_) return;
  presenting_ = false;
  if (window_) window_->setVisibility(visibilityBefore_);
  window_.clear();
  emit presentingChanged();
  Navigation::shared().endPresentation();
}

}  // namespace uc
