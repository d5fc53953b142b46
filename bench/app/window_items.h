#pragma once

#include <QLatin1String>
#include <QPoint>
#include <QQuickItem>

// Finding the window's visible items by name, and where a finger taps them.
inline QQuickItem* findItem(QQuickItem* root, QLatin1String name) {
  if (!root) return nullptr;
  if (root->objectName() == name && root->isVisible()) return root;
  for (QQuickItem* child : root->childItems()) {
    if (QQuickItem* found = findItem(child, name)) return found;
  }
  return nullptr;
}

inline QPoint centre(QQuickItem* item) {
  return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}
