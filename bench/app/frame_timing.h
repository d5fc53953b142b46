#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QQuickWindow>
#include <algorithm>
#include <vector>

// Waits for the next frame on screen and returns the milliseconds since timer started.
inline double nextFrame(QQuickWindow* window, const QElapsedTimer& timer) {
  bool swapped = false;
  auto connection =
      QObject::connect(window, &QQuickWindow::frameSwapped, window, [&swapped] { swapped = true; });
  window->update();
  while (!swapped) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  QObject::disconnect(connection);
  return double(timer.nsecsElapsed()) / 1e6;
}

inline double percentile(std::vector<double> values, double p) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}
