#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>

class QQmlEngine;
class QJSEngine;

namespace uc {

// The drawer navigation the screens ask for; the shell carries it out. Going to the
// calculation builds fresh input and result pages; going to the history, the practice or the
// Explore screen shows it under the current toolbar. Each closes the drawer when done.
class Navigation : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON

 public:
  // The one instance; QML gets the same one.
  static Navigation& shared();
  static Navigation* create(QQmlEngine*, QJSEngine*);

  Q_INVOKABLE void goToCalculation() { emit calculationRequested(); }
  Q_INVOKABLE void goToHistory() { emit historyRequested(); }
  Q_INVOKABLE void goToPractice() { emit practiceRequested(); }
  Q_INVOKABLE void goToExplore() { emit exploreRequested(); }
  Q_INVOKABLE void openDrawer() { emit drawerOpenRequested(); }
  Q_INVOKABLE void closeDrawer() { emit drawerCloseRequested(); }
  // α set by hand on the unit circle: the input page takes it and calculates it at once.
  Q_INVOKABLE void calculateAngle(const QString& alphaText) {
    emit angleCalculationRequested(alphaText);
  }
  // The solution page asks for its solution to be presented full screen, handing itself
  // over; when the presentation ends, the page takes the focus back.
  Q_INVOKABLE void presentSolution(QObject* solution) { emit presentationRequested(solution); }
  Q_INVOKABLE void endPresentation() { emit presentationEnded(); }

 signals:
  void calculationRequested();
  void historyRequested();
  void practiceRequested();
  void exploreRequested();
  void drawerOpenRequested();
  void drawerCloseRequested();
  void angleCalculationRequested(const QString& alphaText);
  void presentationRequested(QObject* solution);
  void presentationEnded();

 private:
  Navigation() = default;
};

}  // namespace uc
