#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>

#include "ui/calculate/calculate_view_controller.h"
#include "ui/solution/solution_view_controller.h"

namespace uc {

// The two main pages, input (index 0) and result (index 1), and which one is shown. The
// result page can only be chosen while it holds solution steps: a calculation turns to it, and
// emptying it turns back to the input page. Setting both pages hands the result page to the
// input page, which fills it.
class AppPageTabBarController : public QObject {
  Q_OBJECT
  // Its view, AppPageTabBarController.qml, has its name.
  QML_NAMED_ELEMENT(AppPageTabBarControllerLogic)
  Q_PROPERTY(int currentIndex READ currentIndex WRITE selectIndex NOTIFY currentIndexChanged)
  Q_PROPERTY(uc::CalculateViewController* calculateViewController READ calculateViewController WRITE
                 setCalculateViewController NOTIFY pagesChanged)
  Q_PROPERTY(uc::SolutionViewController* solutionViewController READ solutionViewController WRITE
                 setSolutionViewController NOTIFY pagesChanged)
  Q_PROPERTY(bool resultEnabled READ resultEnabled NOTIFY resultEnabledChanged)

 public:
  using QObject::QObject;

  int currentIndex() const { return currentIndex_; }
  // Index 1 is refused while the result page is empty.
  Q_INVOKABLE void selectIndex(int index);

  CalculateViewController* calculateViewController() const { return calculate_; }
  void setCalculateViewController(CalculateViewController* controller);
  SolutionViewController* solutionViewController() const { return solution_; }
  void setSolutionViewController(SolutionViewController* controller);

  bool resultEnabled() const { return solution_ && solution_->hasSteps(); }

 signals:
  void currentIndexChanged();
  void pagesChanged();
  void resultEnabledChanged();

 private:
  void connectPages();
  void followSolution();

  int currentIndex_ = 0;
  QPointer<CalculateViewController> calculate_;
  QPointer<SolutionViewController> solution_;
};

}  // namespace uc
