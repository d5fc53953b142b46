// The app's own start, exactly as main() runs it, up to its first frame.
#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include "app/app_startup.h"
#include "first_frame.h"

int main(int argc, char* argv[]) {
  uc::app::prepareApplication();
  QApplication app(argc, argv);
  QQmlApplicationEngine engine;
  if (uc::app::startApplication(app, engine) != 0) return 1;
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
  if (!window) return 1;
  reportFirstFrame(window, "app");
  return app.exec();
}
