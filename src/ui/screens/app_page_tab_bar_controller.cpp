#include "ui/screens/app_page_tab_bar_controller.h"

namespace uc {

void AppPageTabBarController::selectIndex(int index) {
  if (index < 0 || index > 1 || index == currentIndex_) return;
  if (index == 1 && !resultEnabled()) return;
  currentIndex_ = index;
  emit currentIndexChanged();
}

void AppPageTabBarController::setCalculateViewController(CalculateViewController* controller) {
  if (controller == calculate_) return;
  if (calculate_) calculate_->setPageTabBarController(nullptr);
  calculate_ = controller;
  if (calculate_) calculate_->setPageTabBarController(this);
  emit pagesChanged();
}

void AppPageTabBarController::setSolutionViewController(SolutionViewController* controller) {
  if (controller == solution_) return;
  if (solution_) {
    solution_->setPageTabBarController(nullptr);
    disconnect(solution_, nullptr, this, nullptr);
  }
  solution_ = controller;
  if (solution_) {
    solution_->setPageTabBarController(this);
    connect(solution_, &SolutionViewController::solutionChanged, this,
            &AppPageTabBarController::resultEnabledChanged);
  }
  emit pagesChanged();
  emit resultEnabledChanged();
}

}  // namespace uc
