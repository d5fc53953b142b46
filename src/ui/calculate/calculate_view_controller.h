#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>

#include "flow/error_manager.h"
#include "ui/solution/solution_view_controller.h"

namespace uc {

class CalcManager;

// The input page: two fields (angle α in degrees, arc length b) filled only through the
// keypad or a physical keyboard, one calculation from calculate to the solution page, and
// the typed input carried across restarts and history selections.
//
// The view reports which field is edited and its selection; the controller owns the texts
// and tells the view where the caret goes after each edit.
class CalculateViewController : public QObject {
  Q_OBJECT
  // Its view, CalculateViewController.qml, has its name.
  QML_NAMED_ELEMENT(CalculateViewControllerLogic)
  Q_PROPERTY(uc::InputFieldState* alphaField READ alphaField CONSTANT)
  Q_PROPERTY(uc::InputFieldState* bField READ bField CONSTANT)
  Q_PROPERTY(Field currentField READ currentField NOTIFY currentFieldChanged)
  Q_PROPERTY(int requiredAmountOfTextFields READ requiredAmountOfTextFields CONSTANT)
  Q_PROPERTY(QString manualImageName READ manualImageName CONSTANT)

 public:
  enum Field { NoField = 0, AlphaField = 1, BField = 2 };
  Q_ENUM(Field)

  // Placeholders of the two fields, also their keys in a calculation's inputParameters.
  static QString alphaPlaceholder();
  static QString bPlaceholder();
  // The image the manual shows for this screen.
  static constexpr char kManualImageName[] = "kv_info";
  static QString manualImageName() { return QString::fromLatin1(kManualImageName); }
  static constexpr double kSolutionRowHeight = 100;

  explicit CalculateViewController(QObject* parent = nullptr);

  InputFieldState* alphaField() { return &alpha_; }
  InputFieldState* bField() { return &b_; }
  Field currentField() const { return current_; }
  int requiredAmountOfTextFields() const { return 1; }

  // The store the screen reads and writes; CalcManager::shared() unless set (tests).
  void setCalcManager(CalcManager* manager) { calcManager_ = manager; }
  CalcManager& calcManager() const;

  // The result page a successful calculation fills; the tab bar that holds both pages sets it.
  SolutionViewController* solutionViewController() const { return solution_; }
  void setSolutionViewController(SolutionViewController* controller) { solution_ = controller; }

  // Wires the fields to the validator, pre-fills them from the store and starts editing the
  // first field that can take input.
  Q_INVOKABLE void viewDidLoad();
  Q_INVOKABLE void viewWillAppear();
  // Counts towards the rating prompt.
  Q_INVOKABLE void viewDidAppear();
  Q_INVOKABLE void viewWillDisappear() { saveCurrentInputs(); }

  Q_INVOKABLE void textFieldShouldBeginEditing(uc::CalculateViewController::Field field);
  // The selection of a field as the view shows it (caret = empty selection).
  Q_INVOKABLE void setSelection(uc::CalculateViewController::Field field, int start, int end);
  int selectionStart(Field field) const;
  int selectionEnd(Field field) const;
  QString text(Field field) const;

  // Keypad and keyboard.
  Q_INVOKABLE void tappedKeypadButtonWithValue(const QString& title);
  Q_INVOKABLE void tappedDeleteButton();
  // The Delete key: removes the selection or the character after the caret.
  Q_INVOKABLE void deleteForward();
  Q_INVOKABLE void tappedCalculateButton();
  // Tab: moves to the other field when it can take input.
  Q_INVOKABLE void focusNextField();
  Q_INVOKABLE void handleClearAllButton() { clearAll(); }

  void insertKey(const QString& title);
  void deleteBackward();
  bool calculate();
  // Fills α alone and calculates it, as a drag on the unit circle asks.
  void calculateAngle(const QString& alphaText);
  void clearAll();
  void saveCurrentInputs();

 signals:
  void currentFieldChanged();
  // Where the view puts the caret of a field after its text was changed here.
  void caretMoved(uc::CalculateViewController::Field field, int caret);
  // A calculation filled the result page, which is to be shown now.
  void solutionShown();

 private:
  struct FieldEdit {
    int start = 0;
    int end = 0;
  };
  InputFieldState* fieldState(Field field);
  FieldEdit& edit(Field field) { return field == AlphaField ? alphaEdit_ : bEdit_; }
  const FieldEdit& edit(Field field) const { return field == AlphaField ? alphaEdit_ : bEdit_; }
  void setText(Field field, const QString& text, int caret);
  void fillFields(const QMap<QString, QString>& inputParameters);
  void storeCalculation();

  InputFieldState alpha_;
  InputFieldState b_;
  FieldEdit alphaEdit_;
  FieldEdit bEdit_;
  Field current_ = NoField;
  CalcManager* calcManager_ = nullptr;
  QPointer<SolutionViewController> solution_;
};

}  // namespace uc
