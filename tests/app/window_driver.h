#pragma once

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

// Finds the window's visible items by object name and taps them, as a finger would. Popups
// count too: they live in the window's overlay.
class WindowDriver {
 public:
  void setWindow(QQuickWindow* window) { window_ = window; }
  QQuickWindow* window() const { return window_; }

  QQuickItem* item(const char* name) const {
    return window_ ? findIn(window_->contentItem(), QLatin1String(name)) : nullptr;
  }

  QVariant read(const char* name, const char* property) const {
    QQuickItem* target = item(name);
    return target ? target->property(property) : QVariant();
  }

  // False when there is no such item to tap.
  bool tap(const char* name) const {
    QQuickItem* target = item(name);
    if (!target) return false;
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(window_, Qt::LeftButton, {}, centre.toPoint());
    return true;
  }

  // The first visible item of that name in root's tree.
  static QQuickItem* findIn(QQuickItem* root, QLatin1String name) {
    if (!root || !root->isVisible()) return nullptr;
    if (root->objectName() == name) return root;
    for (QQuickItem* child : root->childItems()) {
      if (QQuickItem* found = findIn(child, name)) return found;
    }
    return nullptr;
  }

 private:
  QQuickWindow* window_ = nullptr;
};
