#include "ui/print/print_application.h"

#include <QString>
#include <cstdio>

namespace uc::print {
namespace {

// Qt's complaint about a missing XDG_RUNTIME_DIR, which scripts and cron jobs do not set, says
// nothing about the page; every other message goes through.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
  if (previousHandler) {
    previousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

}  // namespace

PrintApplication::PrintApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "unitcircle";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  previousHandler = qInstallMessageHandler(quietHandler);
  own_ = std::make_unique<QGuiApplication>(argc, argv);
}

PrintApplication::~PrintApplication() = default;

bool PrintApplication::canDraw() const {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace uc::print
