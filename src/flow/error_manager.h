#pragma once

#include <QtQml/qqmlregistration.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

#include "flow/user_defaults.h"

class QQmlEngine;
class QJSEngine;
class TestErrorManager;

namespace uc {

// What ErrorManager knows of one input field. QML binds the field to it:
//   InputFieldState { id: alphaState; tag: 1; text: alphaField.text; shown: alphaBox.visible }
//   TextField { enabled: alphaState.enabled
//               background: Rectangle { color: alphaState.greyed ? ColorManager.systemFillColor
//                                                          : ColorManager.systemBackgroundColor
//                                       border.color:
//                                       ColorManager.fieldBorderColor(alphaState.border) } }
class InputFieldState : public QObject {
  Q_OBJECT
  QML_ELEMENT
  Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
  // False when the field's container is hidden: such a field is neither counted nor disabled.
  Q_PROPERTY(bool shown READ shown WRITE setShown NOTIFY shownChanged)
  Q_PROPERTY(int tag READ tag WRITE setTag NOTIFY tagChanged)
  Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
  Q_PROPERTY(bool greyed READ greyed NOTIFY enabledChanged)
  Q_PROPERTY(Border border READ border NOTIFY borderChanged)

 public:
  enum Border { Normal = 0, Warning = 1, Error = 2 };
  Q_ENUM(Border)

  explicit InputFieldState(QObject* parent = nullptr) : QObject(parent) {}

  QString text() const { return text_; }
  void setText(const QString& text);
  bool shown() const { return shown_; }
  void setShown(bool shown);
  int tag() const { return tag_; }
  void setTag(int tag);
  bool enabled() const { return enabled_; }
  // A disabled field is drawn on the fill colour instead of the background colour.
  bool greyed() const { return !enabled_; }
  Border border() const { return border_; }

  void setEnabled(bool enabled);
  void setBorder(Border border);
  Q_INVOKABLE void resetBorder() { setBorder(Normal); }

 signals:
  void textChanged();
  void shownChanged();
  void tagChanged();
  void enabledChanged();
  void borderChanged();

 private:
  QString text_;
  bool shown_ = true;
  int tag_ = 0;
  bool enabled_ = true;
  Border border_ = Normal;
};

// Keeps exactly the required number of input fields fillable and turns error cases from the
// solver into feedback: it logs the error, colours the offending fields and asks the shell
// for a toast or an alert.
//
// An error case is a key optionally followed by arguments, each after a "§":
// "mustBeGreatherThanX§0". Messages come from the translations of context "Core", the same
// texts the command-line program prints.
class ErrorManager : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON
  Q_PROPERTY(QList<QObject*> allFields READ allFieldObjects WRITE setAllFieldObjects NOTIFY
                 allFieldsChanged)
  Q_PROPERTY(int requiredAmountOfFields READ requiredAmountOfFields WRITE setRequiredAmountOfFields
                 NOTIFY requiredAmountOfFieldsChanged)

 public:
  static ErrorManager& shared();
  static ErrorManager* create(QQmlEngine*, QJSEngine*);

  struct Presentation {
    enum Kind { None, Toast, Alert };
    Kind kind = None;
    QString title;  // alerts only
    QString message;
  };
  // What showError presents for an error case, without side effects.
  static Presentation presentationFor(const QString& errorCase);
  // The key and arguments of an error case; empty pieces are dropped.
  static QStringList splitErrorCase(const QString& errorCase);
  // The alert for a store that failed: what happened, then what was not saved (texts of
  // context "Store"), or what opening did about it; setAsidePath names the file it set
  // aside, if any.
  static Presentation storeFailurePresentation(UserDefaults::Failure failure,
                                               UserDefaults::Change change,
                                               const QString& setAsidePath = {});

  QList<InputFieldState*> allFields() const;
  void setAllFields(const QList<InputFieldState*>& fields);
  int requiredAmountOfFields() const { return required_; }
  void setRequiredAmountOfFields(int amount);

  // Enables every shown field while fewer than the required number hold text; once enough
  // do, disables (and greys) the shown empty ones. Off when the required number is below 1.
  Q_INVOKABLE void updateFieldStates();
  // Logs "tiro_got_error", colours the fields (orange for missing values, red otherwise)
  // and presents the message.
  void showError(const QString& errorCase, const QList<InputFieldState*>& fields);
  // The same for the fields among allFields whose tags the solver returned; unknown tags
  // are skipped.
  Q_INVOKABLE void showErrorForTags(const QString& errorCase, const QList<int>& tags);
  Q_INVOKABLE void resetBorders();
  // Presents storeFailurePresentation from the event loop, once for all failures of one
  // turn: one action that fails in several writes gives one message, and a failure during
  // start-up waits until the window listens.
  void showStoreFailure(UserDefaults::Failure failure, UserDefaults::Change change,
                        const QString& setAsidePath = {});
  // Tells that a stored practice progress could not be read and practice starts afresh;
  // keptIn names the file the damaged progress was set aside in (empty when it could not be).
  static Presentation practiceResetPresentation(const QString& keptIn);
  void showPracticeReset(const QString& keptIn);

 signals:
  void allFieldsChanged();
  void requiredAmountOfFieldsChanged();
  // The shell shows these: a transient bottom message, or an alert with one "OK" button.
  void toastRequested(const QString& message);
  void alertRequested(const QString& title, const QString& message);

 private:
  // Private: with a public default constructor QML makes a second instance instead of asking
  // create() for the shared one. Tests get fresh instances as friends.
  explicit ErrorManager(QObject* parent = nullptr) : QObject(parent) {}
  friend class ::TestErrorManager;

  // Emits alertRequested from the event loop, after beforeShowing.
  void queueAlert(const Presentation& presentation, std::function<void()> beforeShowing = {});

  QList<QObject*> allFieldObjects() const;
  void setAllFieldObjects(const QList<QObject*>& objects);

  QList<QPointer<InputFieldState>> fields_;
  int required_ = 1;
  bool storeFailurePending_ = false;
};

}  // namespace uc
