#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QQuickWindow>
#include <QString>
#include <QVariant>
#include <QWindow>

#include "ui/charts/step_highlight.h"
#include "ui/shell/color_manager.h"
#include "ui/solution/solution_view_controller.h"

namespace uc {

// A worked solution shown to a class: full screen, dark, in large type, one step at a time.
// The list holds the steps revealed so far, the newest last; the unit circle beside them shows
// the solution's final state with what the newest step works out stressed. Which key reveals
// or hides a step is the core's rule; this only names the keys as the core knows them.
class PresentationViewController : public QAbstractListModel {
  Q_OBJECT
  // Its view, PresentationViewController.qml, has its name.
  QML_NAMED_ELEMENT(PresentationViewControllerLogic)
  // The solution page whose steps are shown; they follow it while it changes.
  Q_PROPERTY(
      uc::SolutionViewController* solution READ solution WRITE setSolution NOTIFY solutionChanged)
  Q_PROPERTY(int stepCount READ stepCount NOTIFY solutionChanged)
  Q_PROPERTY(int revealed READ revealed NOTIFY revealedChanged)
  // "3 of 9 shown", in the learner's language. The input row counts too, so the counter says no
  // "step" that the numbered step titles would contradict.
  Q_PROPERTY(QString countText READ countText NOTIFY revealedChanged)
  // What the newest revealed step works out on the circle (a StepHighlight).
  Q_PROPERTY(int chartHighlight READ chartHighlight NOTIFY revealedChanged)
  // The solution's unit circle row, as the chart views take it; invalid without one.
  Q_PROPERTY(QVariant circleStep READ circleStep NOTIFY solutionChanged)
  Q_PROPERTY(double circleFrameRatio READ circleFrameRatio NOTIFY solutionChanged)
  // The dark palette the presentation and its circle are drawn in, whatever the app's.
  Q_PROPERTY(uc::ColorManager* colors READ colors CONSTANT)
  // Between enter() and leave().
  Q_PROPERTY(bool presenting READ presenting NOTIFY presentingChanged)

 public:
  enum Role { TitleRole = Qt::UserRole + 1, BoldTitleRole, LatexRole, MessageRole, NewestRole };

  explicit PresentationViewController(QObject* parent = nullptr);
  ~PresentationViewController() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  SolutionViewController* solution() const { return solution_; }
  void setSolution(SolutionViewController* solution);
  int stepCount() const { return static_cast<int>(steps_.size()); }
  int revealed() const { return revealed_; }
  QString countText() const;
  int chartHighlight() const;
  QVariant circleStep() const { return circleStep_; }
  double circleFrameRatio() const;
  ColorManager* colors() { return &colors_; }
  bool presenting() const { return presenting_; }

  // The key's name as a browser gives it (" ", "Enter", "ArrowRight", ...); empty for a key
  // the presentation leaves alone, and for any key with Ctrl, Alt or Meta held (those are
  // the window's shortcuts, the text size among them).
  static QString keyName(int key, Qt::KeyboardModifiers modifiers);

  // A key pressed while presenting; false when the presentation does nothing with it.
  Q_INVOKABLE bool handleKey(int key, int modifiers);
  // A tap or click on the page reveals the next step, as a clicker does.
  Q_INVOKABLE void tapped();
  // Full screen, from the first step; told in a message and left at once when there is
  // nothing to show.
  Q_INVOKABLE void enter();
  // The window as it was before, and the page that asked takes over again.
  Q_INVOKABLE void leave();

 signals:
  void solutionChanged();
  void revealedChanged();
  void presentingChanged();
  // The view brings the newest step into sight.
  void newestStepRevealed(int row);

 private:
  struct Step {
    QString title;
    bool boldTitle = false;
    QString latex;  // display form; empty for a message
    QString message;
    StepHighlight highlight = StepHighlight::None;
  };
  void reloadSteps();
  void setRevealed(int revealed);

  QPointer<SolutionViewController> solution_;
  QList<Step> steps_;
  QVariant circleStep_;
  int revealed_ = 0;
  ColorManager colors_{true};
  bool presenting_ = false;
  QPointer<QWindow> window_;
  QWindow::Visibility visibilityBefore_ = QWindow::Windowed;
};

}  // namespace uc
