#include <QApplication>
#include <QQmlApplicationEngine>
#include <cstdio>

#include "app_startup.h"

int main(int argc, char* argv[]) {
  if (uc::app::helpRequested(argc, argv)) {
    std::fputs(uc::app::helpText(), stdout);
    return 0;
  }
  uc::app::prepareApplication();
  // QApplication rather than QGuiApplication: the chart views need it.
  QApplication app(argc, argv);
  QQmlApplicationEngine engine;
  if (const int status = uc::app::startApplication(app, engine); status != 0) return status;
  return app.exec();
}
