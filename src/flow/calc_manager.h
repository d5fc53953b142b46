#pragma once

#include <QtQml/qqmlregistration.h>

#include <QList>
#include <QObject>
#include <optional>

#include "flow/calculation.h"

class QQmlEngine;
class QJSEngine;

namespace uc {

class UserDefaults;

// The store of calculations, newest first, written through to the user defaults before
// every operation returns. Also holds the two open calculations that carry typed input
// between screens: the current one (last typed) and the selected one (picked in the
// history, waiting for the calculate screen to load it).
//
// On disk "Calculations" is a list whose inserts, removals and moves are written as single
// list edits (see UserDefaults), so an insert costs the same at 10 and at 10 000 records.
class CalcManager : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON
  Q_PROPERTY(int count READ count NOTIFY calculationsChanged)

 public:
  // Runs the start-up load from defaults, which must outlive the manager.
  explicit CalcManager(UserDefaults& defaults, QObject* parent = nullptr);

  // The process-wide store over UserDefaults::standard(), created on first use.
  static CalcManager& shared();
  static CalcManager* create(QQmlEngine*, QJSEngine*);

  // The sample seeded on the very first start: α = 55.
  static Calculation firstStartSample();

  const QList<Calculation>& calculations() const { return calculations_; }
  int count() const { return static_cast<int>(calculations_.size()); }
  Q_INVOKABLE uc::Calculation calculationAt(int index) const;

  void insertCalculation(const Calculation& calculation);
  // Invalid indices change nothing and return false.
  Q_INVOKABLE bool removeCalculation(int index);
  Q_INVOKABLE bool moveCalculation(int from, int to);
  Q_INVOKABLE void clearCalculations();
  void saveCalculations();

  const std::optional<Calculation>& currentCalculation() const { return current_; }
  void setCurrentCalculation(const std::optional<Calculation>& calculation);
  const std::optional<Calculation>& currentSelectedCalculation() const { return selected_; }
  void setCurrentSelectedCalculation(const std::optional<Calculation>& calculation);
  // Returns the selected calculation and empties it (removing its key).
  std::optional<Calculation> takeCurrentSelectedCalculation();

  // Acts only on the very first launch: stores its date and seeds the sample.
  Q_INVOKABLE void prepareFirstStart();

 signals:
  // Fine-grained signals let a list model follow without resetting.
  void calculationInserted(int index);
  void calculationRemoved(int index);
  void calculationMoved(int from, int to);
  void calculationsReset();
  void calculationsChanged();
  void currentCalculationChanged();
  void currentSelectedCalculationChanged();

 private:
  void load();
  std::optional<Calculation> readOpenCalculation(const QString& key);
  void writeOpenCalculation(const QString& key, const std::optional<Calculation>& calculation);

  UserDefaults& defaults_;
  QList<Calculation> calculations_;
  std::optional<Calculation> current_;
  std::optional<Calculation> selected_;
};

namespace store_keys {
inline constexpr char kCalculations[] = "Calculations";
inline constexpr char kCurrentCalculation[] = "CurrentCalculation";
inline constexpr char kCurrentSelectedCalculation[] = "CurrentSelectedCalculation";
inline constexpr char kFirstAppStartAt[] = "firstAppStartAt";
}  // namespace store_keys

}  // namespace uc
