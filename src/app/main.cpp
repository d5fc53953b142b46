#include <QApplication>
#include <QQmlApplicationEngine>

#include "app_startup.h"

int main(int argc, char* argv[]) {
  uc::app::prepareApplication();
  // QApplication rather than QGuiApplication: the chart views need it.
  QApplication app(argc, argv);
  QQmlApplicationEngine engine;
  if (const int status = uc::app::startApplication(app, engine); status != 0) return status;
  return app.exec();
}
