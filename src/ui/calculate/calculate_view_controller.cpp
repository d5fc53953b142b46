#include "ui/calculate/calculate_view_controller.h"

#include <QCoreApplication>
#include <QtDebug>
#include <exception>

#include "core/solver/pi_fraction_hint.h"
#include "core/solver/tiro_math_operation.h"
#include "core/solver/tiro_string_output.h"
#include "core/solver/tiro_unit_circle.h"
#include "flow/calc_manager.h"
#include "flow/summary_line.h"
#include "services/analytics.h"
#include "ui/calculate/keypad_editing.h"
#include "ui/rating/rating_view_controller.h"
#include "ui/shell/app_state.h"
#include "ui/shell/navigation.h"
#include "ui/solution/solution_view_controller.h"

namespace uc {

QString CalculateViewController::alphaPlaceholder() {
  return QString::fromUtf8(calculation_keys::kAlpha);
}

QString CalculateViewController::bPlaceholder() {
  return QString::fromLatin1(calculation_keys::kB);
}

CalculateViewController::CalculateViewController(QObject* parent) : QObject(parent) {
  alpha_.setTag(kAlphaFieldTag);
  b_.setTag(kBFieldTag);
  // Closing the window while this page is shown must not lose what was typed.
  if (QCoreApplication* app = QCoreApplication::instance()) {
    connect(app, &QCoreApplication::aboutToQuit, this, &CalculateViewController::saveCurrentInputs);
  }
  connect(&Navigation::shared(), &Navigation::angleCalculationRequested, this,
          &CalculateViewController::calculateAngle);
}

void CalculateViewController::calculateAngle(const QString& alphaText) {
  if (AppState::shared().isCalculating()) return;
  fillFields({{alphaPlaceholder(), alphaText}});
  ErrorManager::shared().updateFieldStates();
  calculate();
}

CalcManager& CalculateViewController::calcManager() const {
  return calcManager_ ? *calcManager_ : CalcManager::shared();
}

InputFieldState* CalculateViewController::fieldState(Field field) {
  switch (field) {
    case AlphaField:
      return &alpha_;
    case BField:
      return &b_;
    default:
      return nullptr;
  }
}

QString CalculateViewController::text(Field field) const {
  switch (field) {
    case AlphaField:
      return alpha_.text();
    case BField:
      return b_.text();
    default:
      return {};
  }
}

int CalculateViewController::selectionStart(Field field) const {
  return field == NoField ? 0 : edit(field).start;
}

int CalculateViewController::selectionEnd(Field field) const {
  return field == NoField ? 0 : edit(field).end;
}

void CalculateViewController::setText(Field field, const QString& text, int caret) {
  InputFieldState* state = fieldState(field);
  if (!state) return;
  state->setText(text);
  edit(field) = {caret, caret};
  emit caretMoved(field, caret);
}

void CalculateViewController::viewDidLoad() {
  ErrorManager& errors = ErrorManager::shared();
  errors.setAllFields({&alpha_, &b_});
  errors.setRequiredAmountOfFields(requiredAmountOfTextFields());

  CalcManager& store = calcManager();
  if (std::optional<Calculation> selected = store.takeCurrentSelectedCalculation()) {
    fillFields(selected->inputParameters);
  } else if (const std::optional<Calculation>& current = store.currentCalculation()) {
    fillFields(current->inputParameters);
  }
  errors.updateFieldStates();

  // Typing can start at once: the first field that takes input is being edited.
  textFieldShouldBeginEditing(alpha_.enabled() ? AlphaField : BField);
}

void CalculateViewController::fillFields(const QMap<QString, QString>& inputParameters) {
  const QString alpha = inputParameters.value(alphaPlaceholder());
  const QString b = inputParameters.value(bPlaceholder());
  setText(AlphaField, alpha, static_cast<int>(alpha.size()));
  setText(BField, b, static_cast<int>(b.size()));
}

void CalculateViewController::viewWillAppear() { ErrorManager::shared().updateFieldStates(); }

void CalculateViewController::viewDidAppear() { RatingViewController::shared().countDown(); }

void CalculateViewController::textFieldShouldBeginEditing(Field field) {
  if (field == current_ || !fieldState(field)) return;
  current_ = field;
  emit currentFieldChanged();
}

void CalculateViewController::setSelection(Field field, int start, int end) {
  if (!fieldState(field)) return;
  edit(field) = {std::min(start, end), std::max(start, end)};
}

void CalculateViewController::focusNextField() {
  const Field next = current_ == AlphaField ? BField : AlphaField;
  if (fieldState(next)->enabled()) textFieldShouldBeginEditing(next);
}

void CalculateViewController::tappedKeypadButtonWithValue(const QString& title) {
  insertKey(title);
}

void CalculateViewController::insertKey(const QString& title) {
  if (AppState::shared().isCalculating() || current_ == NoField || title.isEmpty()) return;
  const FieldEdit selection = edit(current_);
  const EditedText edited = uc::insertKey(text(current_), selection.start, selection.end, title);
  setText(current_, edited.text, edited.caret);
  ErrorManager::shared().updateFieldStates();
}

void CalculateViewController::tappedDeleteButton() { deleteBackward(); }

void CalculateViewController::deleteBackward() {
  if (AppState::shared().isCalculating() || current_ == NoField || text(current_).isEmpty()) {
    return;
  }
  const FieldEdit selection = edit(current_);
  const EditedText edited = uc::deleteBackward(text(current_), selection.start, selection.end);
  setText(current_, edited.text, edited.caret);
  ErrorManager::shared().updateFieldStates();
}

void CalculateViewController::deleteForward() {
  if (current_ == NoField) return;
  FieldEdit& selection = edit(current_);
  if (selection.start == selection.end) {
    if (selection.end >= text(current_).size()) return;
    selection = {selection.start + 1, selection.start + 1};
  }
  deleteBackward();
}

void CalculateViewController::tappedCalculateButton() {
  if (AppState::shared().isCalculating()) return;
  calculate();
}

bool CalculateViewController::calculate() {
  AppState& state = AppState::shared();
  ErrorManager& errors = ErrorManager::shared();
  state.setCalculating(true);
  errors.resetBorders();

  const QString alphaText = alpha_.text();
  const QString bText = b_.text();
  SolveResult result;
  try {
    result = uc::calculate(alphaText.toStdString(), bText.toStdString(), alpha_.tag(), b_.tag());
  } catch (const std::exception& error) {
    // The core reports errors as values; anything thrown is a defect, shown as bad input
    // rather than taking the app down.
    qWarning().noquote() << "CALCULATION FAILED:" << error.what();
    result = {};
    result.errorKey = "inputParameterError";
    result.errorTags = std::vector<int>{alpha_.tag(), b_.tag()};
  }

  if (result.errorKey || !result.solutionSteps) {
    QList<int> tags;
    if (result.errorTags) tags = QList<int>(result.errorTags->begin(), result.errorTags->end());
    errors.showErrorForTags(QString::fromStdString(result.errorKey.value_or("inputParameterError")),
                            tags);
    state.setCalculating(false);
    return false;
  }

  storeCalculation();
  const QList<QVariantMap> steps = SolutionViewController::stepMaps(*result.solutionSteps);
  if (solution_) {
    solution_->showSolution(steps, result.chartSteps.value_or(ChartSteps{}),
                            QString::fromLatin1(kManualImageName), std::nullopt, kSolutionRowHeight,
                            result.typedArcLatex);
    const std::optional<double> radians = result.b ? result.b->numericValue() : std::nullopt;
    if (const auto hint = radians ? piFractionHint(bText.toStdString(), *radians) : std::nullopt) {
      solution_->setPiHintInput(QString::fromStdString(*hint));
    }
    emit solutionShown();
  }
  QVariantList loggedSteps;
  for (const QVariantMap& step : steps) loggedSteps.append(step);
  Analytics::log(analytics::event::kTiroCalculate,
                 {{analytics::param::kSolutionSteps, loggedSteps},
                  {analytics::param::kSolutionStepsCount, static_cast<int>(steps.size())}});

  state.setCalculating(false);
  TiroMathOperation::shared().withFraction = false;
  TiroStringOutput::shared().reset();
  return true;
}

void CalculateViewController::storeCalculation() {
  calcManager().insertCalculation(calculationForStoring(alpha_.text(), b_.text()));
}

void CalculateViewController::saveCurrentInputs() {
  Calculation snapshot;
  for (const InputFieldState* field : {&alpha_, &b_}) {
    if (field->text().isEmpty()) continue;
    snapshot.inputParameters.insert(field == &alpha_ ? alphaPlaceholder() : bPlaceholder(),
                                    field->text());
  }
  CalcManager& store = calcManager();
  if (store.currentCalculation() == snapshot) return;
  store.setCurrentCalculation(snapshot);
}

void CalculateViewController::clearAll() {
  Analytics::log(analytics::event::kTappedClear);
  ErrorManager& errors = ErrorManager::shared();
  errors.resetBorders();
  if (AppState::shared().isCalculating()) return;

  if (solution_) {
    solution_->clearSolution();
  } else {
    AppState::shared().postClearCurrentCalculation();
  }
  setText(AlphaField, {}, 0);
  setText(BField, {}, 0);
  TiroMathOperation::shared().withFraction = false;
  TiroStringOutput::shared().reset();
  errors.updateFieldStates();

  CalcManager& store = calcManager();
  store.setCurrentCalculation(std::nullopt);
  store.setCurrentSelectedCalculation(std::nullopt);
}

}  // namespace uc
