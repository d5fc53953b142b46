#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QQuickWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

// Prints the time from the launch (UC_LAUNCH_NS, nanoseconds of the realtime clock, set by
// the measuring script just before it starts the program) to the window's first frame on
// screen, then ends the program at once.
inline void reportFirstFrame(QQuickWindow* window, const char* label) {
  const long long launch = qEnvironmentVariable("UC_LAUNCH_NS").toLongLong();
  QObject::connect(
      window, &QQuickWindow::frameSwapped, window,
      [launch, label] {
        const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count();
        std::printf("%s %.1f\n", label, launch > 0 ? double(now - launch) / 1e6 : -1.0);
        std::fflush(stdout);
        std::_Exit(0);
      },
      Qt::DirectConnection);
}
