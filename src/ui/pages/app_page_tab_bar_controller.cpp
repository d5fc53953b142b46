#include "ui/pages/app_page_tab_bar_controller.h"

namespace uc {

void AppPageTabBarController::selectIndex(int index) {
  if (index < 0 || index > 1 || index == currentIndex_) return;
  if (index == 1 && !resultEnabled()) return;
  currentIndex_ = index;
  emit currentIndexChanged();
}

void AppPageTabBarController::setCalculateViewController(CalculateViewController* controller) {
  if (controller == calculate_) return;
  if (calculate_) {
    calculate_->setSolutionViewController(nullptr);
    disconnect(calculate_, nullptr, this, nullptr);
  }
  calculate_ = controller;
  if (calculate_) {
    connect(calculate_, &CalculateViewController::solutionShown, this, [this] { selectIndex(1); });
  }
  connectPages();
  emit pagesChanged();
}

void AppPageTabBarController::setSolutionViewController(SolutionViewController* controller) {
  if (controller == solution_) return;
  if (solution_) disconnect(solution_, nullptr, this, nullptr);
  solution_ = controller;
  if (solution_) {
    connect(solution_, &SolutionViewController::solutionChanged, this,
            &AppPageTabBarController::followSolution);
  }
  connectPages();
  emit pagesChanged();
  emit resultEnabledChanged();
}

void AppPageTabBarController::connectPages() {
  if (calculate_) calculate_->setSolutionViewController(solution_);
}

void AppPageTabBarController::followSolution() {
  emit resultEnabledChanged();
  // An emptied result page cannot stay in front.
  if (!resultEnabled()) selectIndex(0);
}

}  // namespace uc
