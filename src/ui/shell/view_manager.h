#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>
#include <QStringList>
#include <functional>

class QQmlEngine;
class QJSEngine;

namespace uc {

// The transient bottom messages on screen, oldest first; the shell draws them all at the same
// place, so a newer one lies on top of an older one until that one has faded.
class ToastModel : public QAbstractListModel {
  Q_OBJECT
  QML_ANONYMOUS
  Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

 public:
  enum Role { IdRole = Qt::UserRole + 1, TextRole, FadingRole, ActionTitleRole };

  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  int add(const QString& text, const QString& actionTitle = {});
  void setFading(int id);
  void remove(int id);
  QString textAt(int row) const { return toasts_.value(row).text; }
  QString actionTitleAt(int row) const { return toasts_.value(row).actionTitle; }
  int idAt(int row) const { return toasts_.value(row).id; }
  bool fadingAt(int row) const { return toasts_.value(row).fading; }

 signals:
  void countChanged();

 private:
  struct Toast {
    int id = 0;
    QString text;
    bool fading = false;
    QString actionTitle;
  };
  int rowOf(int id) const;

  QList<Toast> toasts_;
  int nextId_ = 1;
};

// The loading overlay, the bottom messages and simple one-button alerts of the window the
// shell registers. Without a registered window every operation does nothing.
class ViewManager : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON
  Q_PROPERTY(QQuickWindow* window READ window WRITE setWindow NOTIFY windowChanged)
  Q_PROPERTY(bool loadingOverlayVisible READ loadingOverlayVisible NOTIFY loadingOverlayChanged)
  Q_PROPERTY(uc::ToastModel* toasts READ toasts CONSTANT)
  // What the bottom messages must not cover (the keypad, whose keys correct the input they
  // report); none when null.
  Q_PROPERTY(QQuickItem* toastKeepClear READ toastKeepClear WRITE setToastKeepClear NOTIFY
                 toastKeepClearChanged)
  Q_PROPERTY(bool alertVisible READ alertVisible NOTIFY alertChanged)
  Q_PROPERTY(QString alertTitle READ alertTitle NOTIFY alertChanged)
  Q_PROPERTY(QString alertMessage READ alertMessage NOTIFY alertChanged)
  Q_PROPERTY(QStringList alertActionTitles READ alertActionTitles NOTIFY alertChanged)
  // False for alerts that ask for a choice: only their buttons close them.
  Q_PROPERTY(bool alertDismissable READ alertDismissable NOTIFY alertChanged)

 public:
  // A toast stays fully visible this long, then fades out over kToastFadeMs.
  static constexpr int kToastVisibleMs = 3000;
  static constexpr int kToastFadeMs = 2000;

  // The one instance; QML gets the same one (Qt 6.4 would construct its own for a type that
  // has a public default constructor, so there is none).
  static ViewManager& shared();
  static ViewManager* create(QQmlEngine*, QJSEngine*);

  QQuickWindow* window() const { return window_; }
  void setWindow(QQuickWindow* window);

  bool loadingOverlayVisible() const { return overlayVisible_; }
  QQuickItem* toastKeepClear() const { return toastKeepClear_; }
  void setToastKeepClear(QQuickItem* item);
  ToastModel* toasts() { return &toasts_; }

  // Both posted to the event loop, never immediate; a second overlay is never added.
  Q_INVOKABLE void showLoadingOverlay();
  Q_INVOKABLE void hideLoadingOverlay();
  Q_INVOKABLE void showToast(const QString& message);

  // A toast with one button (an "Undo"): a tap on it closes the toast and runs the handler,
  // at most once; when the toast has faded unused, the handler is dropped.
  struct ToastAction {
    QString title;
    std::function<void()> handler;
  };
  void showToast(const QString& message, ToastAction action);
  Q_INVOKABLE void triggerToastAction(int toastId);

  // One button of an alert: its title and what a tap on it runs after the alert has closed.
  struct AlertAction {
    QString title;
    std::function<void()> handler;
  };

  // Alerts wait in line; the shell shows the first until it is dismissed. Without actions an
  // alert has one "OK" button, and Escape closes it too; with actions only they close it.
  Q_INVOKABLE void showAlert(const QString& title, const QString& message);
  void showAlert(const QString& title, const QString& message, QList<AlertAction> actions);
  // Closes the alert on screen without a choice: no handler runs.
  Q_INVOKABLE void dismissAlert();
  // Closes the alert on screen, then runs the chosen button's handler.
  Q_INVOKABLE void triggerAlertAction(int index);
  bool alertVisible() const { return !alerts_.isEmpty(); }
  QString alertTitle() const { return alerts_.isEmpty() ? QString() : alerts_.first().title; }
  QString alertMessage() const { return alerts_.isEmpty() ? QString() : alerts_.first().message; }
  QStringList alertActionTitles() const;
  bool alertDismissable() const { return alerts_.isEmpty() || alerts_.first().actions.isEmpty(); }

 signals:
  void windowChanged();
  void toastKeepClearChanged();
  void loadingOverlayChanged();
  void alertChanged();

 private:
  ViewManager() = default;
  void setOverlayVisible(bool visible);

  QPointer<QQuickWindow> window_;
  QPointer<QQuickItem> toastKeepClear_;
  bool overlayVisible_ = false;
  ToastModel toasts_;
  QHash<int, std::function<void()>> toastHandlers_;
  struct Alert {
    QString title;
    QString message;
    QList<AlertAction> actions;
  };
  QList<Alert> alerts_;
};

}  // namespace uc
