#include "flow/calc_manager.h"

#include <QDateTime>
#include <QQmlEngine>

#include "flow/error_manager.h"
#include "flow/user_defaults.h"

namespace uc {

using namespace store_keys;

CalcManager::CalcManager(UserDefaults& defaults, QObject* parent)
    : QObject(parent), defaults_(defaults) {
  load();
}

CalcManager& CalcManager::shared() {
  // Kept for the life of the process.
  static CalcManager* instance = [] {
    UserDefaults& defaults = UserDefaults::standard();
    // Every failed write of the process's store reaches the learner, the settings of other
    // screens' included; a store that cannot be opened is told now, once.
    defaults.setFailureListener(
        [&defaults](UserDefaults::Failure failure, UserDefaults::Change change) {
          ErrorManager::shared().showStoreFailure(failure, change, defaults.setAsidePath());
        });
    return new CalcManager(defaults);
  }();
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
  reloadIds();
  current_ = readOpenCalculation(kCurrentCalculation);
  selected_ = readOpenCalculation(kCurrentSelectedCalculation);
}

void CalcManager::reloadIds() {
  ids_ = defaults_.recordIds();
  cache_.clear();
}

std::optional<Calculation> CalcManager::readOpenCalculation(const QString& key) {
  const QJsonValue stored = defaults_.value(key);
  if (stored.isObject()) return Calculation::fromDictionary(stored.toObject());
  if (!stored.isUndefined()) defaults_.remove(key);  // something else stood there
  return std::nullopt;
}

bool CalcManager::writeOpenCalculation(const QString& key,
                                       const std::optional<Calculation>& calculation) {
  return calculation ? defaults_.setValue(key, calculation->asDictionary()) : defaults_.remove(key);
}

Calculation CalcManager::calculationAt(int index) const {
  if (index < 0 || index >= ids_.size()) return {};
  const qint64 id = ids_[index];
  if (const auto it = cache_.constFind(id); it != cache_.cend()) return *it;
  // A list view asks row by row: one read brings the rows that follow too.
  constexpr int kRowsPerRead = 64;
  constexpr qsizetype kMaxCached = 1024;
  if (cache_.size() > kMaxCached) cache_.clear();
  for (const UserDefaults::Row& row : defaults_.rows(id, kRowsPerRead)) {
    cache_.insert(row.id, Calculation::fromDictionary(row.record));
  }
  return cache_.value(id);
}

QList<Calculation> CalcManager::allCalculations() const {
  QList<Calculation> result;
  for (int i = 0; i < count(); ++i) result.append(calculationAt(i));
  return result;
}

bool CalcManager::insertCalculation(const Calculation& calculation) {
  const std::optional<qint64> id = defaults_.insertRecord(calculation.asDictionary());
  if (!id) {
    // Another window may have written meanwhile (a store locked by it, say): show what the
    // store holds.
    reloadIfChanged();
    return false;
  }
  ids_.prepend(*id);
  cache_.insert(*id, calculation);
  emit calculationInserted(0);
  emit calculationsChanged();
  return true;
}

std::optional<CalcManager::Removed> CalcManager::takeCalculation(int index) {
  if (index < 0 || index >= count()) return std::nullopt;
  const qint64 id = ids_[index];
  const Calculation calculation = calculationAt(index);
  std::optional<qint64> position;
  if (!defaults_.removeRecord(id, &position)) return std::nullopt;
  ids_.removeAt(index);
  cache_.remove(id);
  emit calculationRemoved(index);
  emit calculationsChanged();
  return Removed{id, position, calculation};
}

bool CalcManager::restoreCalculation(const Removed& removed) {
  if (!removed.position ||
      !defaults_.restoreRecord(removed.id, *removed.position, removed.calculation.asDictionary())) {
    return false;
  }
  QList<qint64> ids = defaults_.recordIds();
  const int index = static_cast<int>(ids.indexOf(removed.id));
  QList<qint64> others = ids;
  if (index >= 0) others.removeAt(index);
  cache_.insert(removed.id, removed.calculation);
  if (index >= 0 && others == ids_) {
    ids_ = std::move(ids);
    emit calculationInserted(index);
  } else {
    // Another window changed the list meanwhile: show it as it is now.
    reloadIds();
    emit calculationsReset();
  }
  emit calculationsChanged();
  return true;
}

bool CalcManager::moveCalculation(int from, int to) {
  const int size = count();
  if (from < 0 || from >= size || to < 0 || to >= size) return false;
  if (from != to && !defaults_.moveRecord(ids_[from], ids_[to])) {
    // Another window deleted one of the two: show the list as it is now.
    if (defaults_.lastFailure() == UserDefaults::Failure::None) {
      reloadIds();
      emit calculationsReset();
      emit calculationsChanged();
    }
    return false;
  }
  ids_.move(from, to);
  emit calculationMoved(from, to);
  emit calculationsChanged();
  return true;
}

bool CalcManager::clearCalculations() {
  if (!defaults_.clearRecords()) return false;
  ids_.clear();
  cache_.clear();
  emit calculationsReset();
  emit calculationsChanged();
  return true;
}

bool CalcManager::reloadIfChanged() {
  if (!defaults_.refreshIfChanged()) return false;
  load();
  emit calculationsReset();
  emit calculationsChanged();
  emit currentCalculationChanged();
  emit currentSelectedCalculationChanged();
  return true;
}

bool CalcManager::setCurrentCalculation(const std::optional<Calculation>& calculation) {
  if (!writeOpenCalculation(kCurrentCalculation, calculation)) return false;
  current_ = calculation;
  emit currentCalculationChanged();
  return true;
}

bool CalcManager::setCurrentSelectedCalculation(const std::optional<Calculation>& calculation) {
  if (!writeOpenCalculation(kCurrentSelectedCalculation, calculation)) return false;
  selected_ = calculation;
  emit currentSelectedCalculationChanged();
  return true;
}

std::optional<Calculation> CalcManager::takeCurrentSelectedCalculation() {
  std::optional<Calculation> taken = selected_;
  // Should emptying it fail, it stays, as on disk: the screen loads it again next time.
  if (taken) setCurrentSelectedCalculation(std::nullopt);
  return taken;
}

void CalcManager::prepareFirstStart() {
  if (defaults_.contains(kFirstAppStartAt)) return;
  // The date and the sample in one transaction: two windows started at once seed once.
  if (defaults_.claimFirstStart(kFirstAppStartAt, QDateTime::currentDateTimeUtc(),
                                firstStartSample().asDictionary())) {
    reloadIds();
    emit calculationsReset();
    emit calculationsChanged();
  } else {
    reloadIfChanged();
  }
}

}  // namespace uc
