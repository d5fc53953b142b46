#pragma once

#include <QtQml/qqmlregistration.h>

#include <QHash>
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
// The records stay on disk: memory holds their ids in list order, which turn a row the
// learner chose into the record it shows, and a few recently read records. Every change
// names records by id, so it hits the chosen record even after another window has changed
// the list. A change that cannot be written changes nothing here either, and UserDefaults
// tells its failure listener.
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

  int count() const { return static_cast<int>(ids_.size()); }
  // An empty record for an index out of range, or for a record another window deleted.
  Q_INVOKABLE uc::Calculation calculationAt(int index) const;
  // Every record, read from disk at each call: for tests and tools, not for screens.
  QList<Calculation> allCalculations() const;

  // What a removal took away: enough to put the record back where it was.
  struct Removed {
    qint64 id = 0;
    // None when another window had removed it first: then there is nothing to put back.
    std::optional<qint64> position;
    Calculation calculation;
  };

  // Changes return false (or nullopt) when nothing changed: an invalid index, or a failed
  // write.
  bool insertCalculation(const Calculation& calculation);
  Q_INVOKABLE bool removeCalculation(int index) { return takeCalculation(index).has_value(); }
  std::optional<Removed> takeCalculation(int index);
  // Puts a removed record back under its id, between the records it stood between, also
  // after another window has changed the list. False when it is back already.
  bool restoreCalculation(const Removed& removed);
  Q_INVOKABLE bool moveCalculation(int from, int to);
  Q_INVOKABLE bool clearCalculations();

  // Reads the list again when another process has changed the store since this one last
  // looked; then emits calculationsReset. Cheap when nothing changed: call it whenever the
  // window becomes active.
  Q_INVOKABLE bool reloadIfChanged();

  const std::optional<Calculation>& currentCalculation() const { return current_; }
  bool setCurrentCalculation(const std::optional<Calculation>& calculation);
  const std::optional<Calculation>& currentSelectedCalculation() const { return selected_; }
  bool setCurrentSelectedCalculation(const std::optional<Calculation>& calculation);
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
  void reloadIds();
  std::optional<Calculation> readOpenCalculation(const QString& key);
  bool writeOpenCalculation(const QString& key, const std::optional<Calculation>& calculation);

  UserDefaults& defaults_;
  QList<qint64> ids_;  // list order, newest first
  // Records are never changed in place, so a cached one stays right until it is deleted.
  mutable QHash<qint64, Calculation> cache_;
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
