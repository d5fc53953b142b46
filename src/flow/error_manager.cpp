#include "flow/error_manager.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJSEngine>
#include <QtDebug>
#include <utility>

#include "services/analytics.h"

namespace uc {
namespace {

const QChar kSeparator(0x00A7);  // §

QString localizedCore(const QString& key) {
  const QByteArray utf8 = key.toUtf8();
  return QCoreApplication::translate("Core", utf8.constData());
}

QString localizedStore(const char* key) { return QCoreApplication::translate("Store", key); }

const char* storeCauseKey(UserDefaults::Failure failure) {
  switch (failure) {
    case UserDefaults::Failure::Full:
      return "storeFull";
    case UserDefaults::Failure::ReadOnly:
      return "storeReadOnly";
    case UserDefaults::Failure::Busy:
      return "storeBusy";
    case UserDefaults::Failure::Unavailable:
      return "storeUnavailable";
    case UserDefaults::Failure::Foreign:
      return "storeForeign";
    case UserDefaults::Failure::Damaged:
      return "storeDamaged";
    case UserDefaults::Failure::None:
    case UserDefaults::Failure::Other:
      break;
  }
  return "storeNotWritable";
}

const char* storeConsequenceKey(UserDefaults::Change change) {
  switch (change) {
    case UserDefaults::Change::Open:
      return "storeInMemoryOnly";
    case UserDefaults::Change::OpenReadOnly:
      return "storeShownNotKept";
    case UserDefaults::Change::LogSetAside:
      return "storeLogSetAside";
    case UserDefaults::Change::Salvaged:
      return "storeSalvaged";
    case UserDefaults::Change::Read:
      return "storeDamagedRead";
    case UserDefaults::Change::InsertRecord:
      return "calculationNotSaved";
    case UserDefaults::Change::RemoveRecord:
      return "deletionNotSaved";
    case UserDefaults::Change::MoveRecord:
      return "orderNotSaved";
    case UserDefaults::Change::ClearRecords:
      return "clearingNotSaved";
    case UserDefaults::Change::Setting:
      break;
  }
  return "changeNotSaved";
}

}  // namespace

void InputFieldState::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  emit textChanged();
}

void InputFieldState::setShown(bool shown) {
  if (shown == shown_) return;
  shown_ = shown;
  emit shownChanged();
}

void InputFieldState::setTag(int tag) {
  if (tag == tag_) return;
  tag_ = tag;
  emit tagChanged();
}

void InputFieldState::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  emit enabledChanged();
}

void InputFieldState::setBorder(Border border) {
  if (border == border_) return;
  border_ = border;
  emit borderChanged();
}

ErrorManager& ErrorManager::shared() {
  static ErrorManager* instance = new ErrorManager();
  return *instance;
}

ErrorManager* ErrorManager::create(QQmlEngine*, QJSEngine*) {
  ErrorManager* instance = &shared();
  QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
  return instance;
}

QStringList ErrorManager::splitErrorCase(const QString& errorCase) {
  return errorCase.split(kSeparator, Qt::SkipEmptyParts);
}

ErrorManager::Presentation ErrorManager::presentationFor(const QString& errorCase) {
  const QStringList pieces = splitErrorCase(errorCase);
  if (pieces.isEmpty()) return {};
  const QString& key = pieces.first();

  if (key == QLatin1String("oppositionError")) {
    return {Presentation::Alert, localizedCore(QStringLiteral("error")), localizedCore(key)};
  }
  if (key == QLatin1String("mustBeBiggerThanXAndLessThanY")) {
    if (pieces.size() != 3) return {};
    QString message = localizedCore(key);
    message.replace(QLatin1String("%0"), pieces[1]);
    message.replace(QLatin1String("%1"), pieces[2]);
    return {Presentation::Toast, {}, message};
  }
  if (key == QLatin1String("mustBeGreatherThanX") || key == QLatin1String("mustBeLessThanX")) {
    if (pieces.size() != 2) return {};
    QString message = localizedCore(key);
    message.replace(QLatin1String("%0"), pieces[1]);
    return {Presentation::Toast, {}, message};
  }
  // Any other key, known or not, shows its text (the key itself when untranslated).
  return {Presentation::Toast, {}, localizedCore(key)};
}

ErrorManager::Presentation ErrorManager::storeFailurePresentation(UserDefaults::Failure failure,
                                                                  UserDefaults::Change change,
                                                                  const QString& setAsidePath) {
  using Change = UserDefaults::Change;
  const char* title = "storeNotSavedTitle";
  switch (change) {
    case Change::Open:
      title = "storeNotKeptTitle";
      break;
    case Change::OpenReadOnly:
      title = "storeReadOnlyTitle";
      break;
    case Change::LogSetAside:
      title = "storeCheckedTitle";
      break;
    case Change::Salvaged:
      title = "storeRepairedTitle";
      break;
    case Change::Read:
      title = "storeDamagedTitle";
      break;
    default:
      break;
  }
  QString consequence = localizedStore(storeConsequenceKey(change));
  consequence.replace(QLatin1String("%1"), QFileInfo(setAsidePath).fileName());
  // A log set aside is the whole story: the store itself is fine.
  if (change == Change::LogSetAside)
    return {Presentation::Alert, localizedStore(title), consequence};
  return {Presentation::Alert, localizedStore(title),
          localizedStore(storeCauseKey(failure)) + QLatin1Char(' ') + consequence};
}

void ErrorManager::showStoreFailure(UserDefaults::Failure failure, UserDefaults::Change change,
                                    const QString& setAsidePath) {
  if (std::exchange(storeFailurePending_, true)) return;
  queueAlert(storeFailurePresentation(failure, change, setAsidePath),
             [this] { storeFailurePending_ = false; });
}

void ErrorManager::queueAlert(const Presentation& presentation,
                              std::function<void()> beforeShowing) {
  QMetaObject::invokeMethod(
      this,
      [this, presentation, beforeShowing = std::move(beforeShowing)] {
        if (beforeShowing) beforeShowing();
        emit alertRequested(presentation.title, presentation.message);
      },
      Qt::QueuedConnection);
}

ErrorManager::Presentation ErrorManager::practiceResetPresentation(const QString& keptIn) {
  QString message = localizedStore("practiceReset");
  if (!keptIn.isEmpty()) {
    message +=
        QLatin1Char(' ') + localizedStore("practiceSetAside").replace(QLatin1String("%1"), keptIn);
  }
  return {Presentation::Alert, localizedStore("practiceResetTitle"), message};
}

void ErrorManager::showPracticeReset(const QString& keptIn) {
  // Queued: the schedule is read while the screens are built, before the window listens.
  queueAlert(practiceResetPresentation(keptIn));
}

QList<InputFieldState*> ErrorManager::allFields() const {
  QList<InputFieldState*> result;
  for (const auto& field : fields_) {
    if (field) result.append(field);
  }
  return result;
}

void ErrorManager::setAllFields(const QList<InputFieldState*>& fields) {
  fields_.clear();
  for (InputFieldState* field : fields) {
    if (field) fields_.append(field);
  }
  emit allFieldsChanged();
}

QList<QObject*> ErrorManager::allFieldObjects() const {
  QList<QObject*> result;
  for (InputFieldState* field : allFields()) result.append(field);
  return result;
}

void ErrorManager::setAllFieldObjects(const QList<QObject*>& objects) {
  QList<InputFieldState*> fields;
  for (QObject* object : objects) {
    if (auto* field = qobject_cast<InputFieldState*>(object)) fields.append(field);
  }
  setAllFields(fields);
}

void ErrorManager::setRequiredAmountOfFields(int amount) {
  if (amount == required_) return;
  required_ = amount;
  emit requiredAmountOfFieldsChanged();
}

void ErrorManager::updateFieldStates() {
  if (required_ < 1) return;
  int filled = 0;
  QList<InputFieldState*> empty;
  for (InputFieldState* field : allFields()) {
    if (!field->shown()) continue;
    field->setEnabled(true);
    if (field->text().isEmpty()) {
      empty.append(field);
    } else {
      ++filled;
    }
  }
  if (filled < required_) return;
  for (InputFieldState* field : empty) field->setEnabled(false);
}

void ErrorManager::showError(const QString& errorCase, const QList<InputFieldState*>& fields) {
  Analytics::log(analytics::event::kTiroGotError, {{analytics::param::kErrorCase, errorCase}});

  const bool missingValues = errorCase == QLatin1String("notEnoughInputValues");
  if (missingValues) {
    qInfo().noquote() << "INPUT: NOT ENOUGH INPUT VALUES";
  } else {
    qInfo().noquote() << "INPUT ERROR: " + errorCase;
  }
  for (InputFieldState* field : fields) {
    if (field) field->setBorder(missingValues ? InputFieldState::Warning : InputFieldState::Error);
  }

  const Presentation presentation = presentationFor(errorCase);
  if (presentation.kind == Presentation::Alert) {
    emit alertRequested(presentation.title, presentation.message);
  } else if (presentation.kind == Presentation::Toast) {
    emit toastRequested(presentation.message);
  }
}

void ErrorManager::showErrorForTags(const QString& errorCase, const QList<int>& tags) {
  QList<InputFieldState*> fields;
  for (int tag : tags) {
    for (InputFieldState* field : allFields()) {
      if (field->tag() == tag) {
        fields.append(field);
        break;
      }
    }
  }
  showError(errorCase, fields);
}

void ErrorManager::resetBorders() {
  for (InputFieldState* field : allFields()) field->resetBorder();
}

}  // namespace uc
