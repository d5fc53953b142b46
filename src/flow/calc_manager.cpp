#include "flow/calc_manager.h"

#include <QDateTime>
#include <QJsonArray>
#include <QQmlEngine>

#include "flow/user_defaults.h"

namespace uc {

using namespace store_keys;

CalcManager::CalcManager(UserDefaults& defaults, QObject* parent)
    : QObject(parent), defaults_(defaults) {
  load();
}

CalcManager& CalcManager::shared() {
  // Kept for the life of the process.
  static CalcManager* instance = new CalcManager(UserDefaults::standard());
  return *instance;
}

CalcManager* CalcManager::create(QQmlEngine*, QJSEngine*) {
  CalcManager* instance = &shared();
  QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
  return instance;
}

Calculation CalcManager::firstStartSample() {
  Calculation sample;
  sample.inputParameters.insert(QString::fromUtf8(calculation_keys::kAlpha), QStringLiteral("55"));
  sample.latexString = QStringLiteral("\\alpha = 55^{\\circ} \\quad b = ?");
  sample.setupParameter.insert(calculation_keys::kAppKey,
                               QString::fromLatin1(calculation_keys::kAppKeyValue));
  return sample;
}

void CalcManager::load() {
  const QJsonValue stored = defaults_.value(kCalculations);
  const QJsonArray array = stored.toArray();
  bool needsRewrite = !stored.isUndefined() && !stored.isArray();
  for (const QJsonValue element : array) {
    if (!element.isObject()) {
      // Not a record at all; dropped, and the list is rewritten below.
      needsRewrite = true;
      continue;
    }
    bool exact = true;
    calculations_.append(Calculation::fromDictionary(element.toObject(), &exact));
    needsRewrite = needsRewrite || !exact;
  }

  if (calculations_.isEmpty()) {
    defaults_.remove(kCalculations);
    defaults_.setValue(kCalculations, QJsonArray());
  } else if (needsRewrite) {
    // Repaired records go back in their clean form, so that memory and file agree index
    // for index before any list edit is written.
    saveCalculations();
  }

  current_ = readOpenCalculation(kCurrentCalculation);
  selected_ = readOpenCalculation(kCurrentSelectedCalculation);
}

std::optional<Calculation> CalcManager::readOpenCalculation(const QString& key) {
  const QJsonValue stored = defaults_.value(key);
  if (stored.isObject()) return Calculation::fromDictionary(stored.toObject());
  if (!stored.isUndefined()) defaults_.remove(key);  // something else stood there
  return std::nullopt;
}

void CalcManager::writeOpenCalculation(const QString& key,
                                       const std::optional<Calculation>& calculation) {
  if (calculation) {
    defaults_.setValue(key, calculation->asDictionary());
  } else {
    defaults_.remove(key);
  }
}

Calculation CalcManager::calculationAt(int index) const {
  return index >= 0 && index < calculations_.size() ? calculations_[index] : Calculation{};
}

void CalcManager::insertCalculation(const Calculation& calculation) {
  calculations_.prepend(calculation);
  defaults_.insertIntoArray(kCalculations, 0, calculation.asDictionary());
  emit calculationInserted(0);
  emit calculationsChanged();
}

bool CalcManager::removeCalculation(int index) {
  if (index < 0 || index >= calculations_.size()) return false;
  calculations_.removeAt(index);
  defaults_.removeFromArray(kCalculations, index);
  emit calculationRemoved(index);
  emit calculationsChanged();
  return true;
}

bool CalcManager::moveCalculation(int from, int to) {
  const int size = count();
  if (from < 0 || from >= size || to < 0 || to >= size) return false;
  calculations_.move(from, to);
  defaults_.moveInArray(kCalculations, from, to);
  emit calculationMoved(from, to);
  emit calculationsChanged();
  return true;
}

void CalcManager::clearCalculations() {
  defaults_.remove(kCalculations);
  calculations_.clear();
  defaults_.setValue(kCalculations, QJsonArray());
  emit calculationsReset();
  emit calculationsChanged();
}

void CalcManager::saveCalculations() {
  QJsonArray array;
  for (const Calculation& calculation : calculations_) array.append(calculation.asDictionary());
  defaults_.setValue(kCalculations, array);
}

void CalcManager::setCurrentCalculation(const std::optional<Calculation>& calculation) {
  current_ = calculation;
  writeOpenCalculation(kCurrentCalculation, current_);
  emit currentCalculationChanged();
}

void CalcManager::setCurrentSelectedCalculation(const std::optional<Calculation>& calculation) {
  selected_ = calculation;
  writeOpenCalculation(kCurrentSelectedCalculation, selected_);
  emit currentSelectedCalculationChanged();
}

std::optional<Calculation> CalcManager::takeCurrentSelectedCalculation() {
  std::optional<Calculation> taken = selected_;
  if (taken) setCurrentSelectedCalculation(std::nullopt);
  return taken;
}

void CalcManager::prepareFirstStart() {
  if (defaults_.contains(kFirstAppStartAt)) return;
  defaults_.setDate(kFirstAppStartAt, QDateTime::currentDateTimeUtc());
  clearCalculations();
  insertCalculation(firstStartSample());
}

}  // namespace uc
