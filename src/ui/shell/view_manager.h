#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <QString>

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
  enum Role { IdRole = Qt::UserRole + 1, TextRole, FadingRole };

  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  int add(const QString& text);
  void setFading(int id);
  void remove(int id);
  QString textAt(int row) const { return toasts_.value(row).text; }
  bool fadingAt(int row) const { return toasts_.value(row).fading; }

 signals:
  void countChanged();

 private:
  struct Toast {
    int id = 0;
    QString text;
    bool fading = false;
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
  Q_PROPERTY(bool alertVisible READ alertVisible NOTIFY alertChanged)
  Q_PROPERTY(QString alertTitle READ alertTitle NOTIFY alertChanged)
  Q_PROPERTY(QString alertMessage READ alertMessage NOTIFY alertChanged)

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
  ToastModel* toasts() { return &toasts_; }

  // Both posted to the event loop, never immediate; a second overlay is never added.
  Q_INVOKABLE void showLoadingOverlay();
  Q_INVOKABLE void hideLoadingOverlay();
  Q_INVOKABLE void showToast(const QString& message);

  // Alerts wait in line; the shell shows the first until it is dismissed.
  Q_INVOKABLE void showAlert(const QString& title, const QString& message);
  Q_INVOKABLE void dismissAlert();
  bool alertVisible() const { return !alerts_.isEmpty(); }
  QString alertTitle() const { return alerts_.isEmpty() ? QString() : alerts_.first().first; }
  QString alertMessage() const { return alerts_.isEmpty() ? QString() : alerts_.first().second; }

 signals:
  void windowChanged();
  void loadingOverlayChanged();
  void alertChanged();

 private:
  ViewManager() = default;
  void setOverlayVisible(bool visible);

  QPointer<QQuickWindow> window_;
  bool overlayVisible_ = false;
  ToastModel toasts_;
  QList<QPair<QString, QString>> alerts_;
};

}  // namespace uc
