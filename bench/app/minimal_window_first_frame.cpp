// The floor: the smallest Qt Quick Controls window in the same style, up to its first frame.
#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>

#include "first_frame.h"

int main(int argc, char* argv[]) {
  QQuickStyle::setStyle(QStringLiteral("Material"));
  QApplication app(argc, argv);
  QQmlApplicationEngine engine;
  engine.loadData(R"(
import QtQuick
import QtQuick.Controls
ApplicationWindow {
    width: 400
    height: 720
    visible: true
    Label { anchors.centerIn: parent; text: "Unit Circle" }
}
)");
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
  if (!window) return 1;
  reportFirstFrame(window, "minimal");
  return app.exec();
}
