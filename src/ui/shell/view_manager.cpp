#include "ui/shell/view_manager.h"

#include <QJSEngine>
#include <QTimer>

namespace uc {

int ToastModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(toasts_.size());
}

QVariant ToastModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= toasts_.size()) return {};
  const Toast& toast = toasts_[index.row()];
  switch (role) {
    case IdRole:
      return toast.id;
    case TextRole:
    case Qt::DisplayRole:
      return toast.text;
    case FadingRole:
      return toast.fading;
    case ActionTitleRole:
      return toast.actionTitle;
    default:
      return {};
  }
}

QHash<int, QByteArray> ToastModel::roleNames() const {
  return {{IdRole, "toastId"},
          {TextRole, "text"},
          {FadingRole, "fading"},
          {ActionTitleRole, "actionTitle"}};
}

int ToastModel::rowOf(int id) const {
  for (qsizetype row = 0; row < toasts_.size(); ++row) {
    if (toasts_[row].id == id) return static_cast<int>(row);
  }
  return -1;
}

int ToastModel::add(const QString& text, const QString& actionTitle) {
  const int row = static_cast<int>(toasts_.size());
  beginInsertRows({}, row, row);
  toasts_.append({nextId_, text, false, actionTitle});
  endInsertRows();
  emit countChanged();
  return nextId_++;
}

void ToastModel::setFading(int id) {
  const int row = rowOf(id);
  if (row < 0) return;
  toasts_[row].fading = true;
  emit dataChanged(index(row), index(row), {FadingRole});
}

void ToastModel::remove(int id) {
  const int row = rowOf(id);
  if (row < 0) return;
  beginRemoveRows({}, row, row);
  toasts_.removeAt(row);
  endRemoveRows();
  emit countChanged();
}

ViewManager& ViewManager::shared() {
  static ViewManager* instance = new ViewManager();
  return *instance;
}

ViewManager* ViewManager::create(QQmlEngine*, QJSEngine*) {
  ViewManager* instance = &shared();
  QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
  return instance;
}

void ViewManager::setWindow(QQuickWindow* window) {
  if (window == window_) return;
  window_ = window;
  emit windowChanged();
}

void ViewManager::setToastKeepClear(QQuickItem* item) {
  if (item == toastKeepClear_) return;
  toastKeepClear_ = item;
  emit toastKeepClearChanged();
}

void ViewManager::setOverlayVisible(bool visible) {
  if (visible == overlayVisible_) return;
  overlayVisible_ = visible;
  emit loadingOverlayChanged();
}

void ViewManager::showLoadingOverlay() {
  QTimer::singleShot(0, this, [this] {
    if (window_) setOverlayVisible(true);
  });
}

void ViewManager::hideLoadingOverlay() {
  QTimer::singleShot(0, this, [this] { setOverlayVisible(false); });
}

void ViewManager::showToast(const QString& message) { showToast(message, {}); }

void ViewManager::showToast(const QString& message, ToastAction action) {
  if (!window_) return;
  const int id = toasts_.add(message, action.handler ? action.title : QString());
  if (action.handler) toastHandlers_.insert(id, std::move(action.handler));
  QTimer::singleShot(kToastVisibleMs, this, [this, id] { toasts_.setFading(id); });
  QTimer::singleShot(kToastVisibleMs + kToastFadeMs, this, [this, id] {
    toasts_.remove(id);
    toastHandlers_.remove(id);
  });
}

void ViewManager::triggerToastAction(int toastId) {
  const std::function<void()> handler = toastHandlers_.take(toastId);
  toasts_.remove(toastId);
  if (handler) handler();
}

void ViewManager::showAlert(const QString& title, const QString& message) {
  showAlert(title, message, {});
}

void ViewManager::showAlert(const QString& title, const QString& message,
                            QList<AlertAction> actions) {
  if (!window_) return;
  alerts_.append({title, message, std::move(actions)});
  if (alerts_.size() == 1) emit alertChanged();
}

QStringList ViewManager::alertActionTitles() const {
  QStringList titles;
  if (!alerts_.isEmpty()) {
    for (const AlertAction& action : alerts_.first().actions) titles.append(action.title);
  }
  return titles;
}

void ViewManager::dismissAlert() {
  if (alerts_.isEmpty()) return;
  alerts_.removeFirst();
  emit alertChanged();
}

void ViewManager::triggerAlertAction(int index) {
  if (alerts_.isEmpty()) return;
  const QList<AlertAction> actions = alerts_.first().actions;
  dismissAlert();
  // The handler may show the next alert; it comes after this one is gone.
  if (index >= 0 && index < actions.size() && actions.at(index).handler) {
    actions.at(index).handler();
  }
}

}  // namespace uc
