#include "cli/history_command.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtGlobal>
#include <ostream>
#include <string>

#include "cli/solve_command.h"
#include "core/localization.h"
#include "flow/calculation.h"
#include "flow/user_defaults.h"

namespace uc::cli {
namespace {

// A history may hold 100 000 records: read and print them a page at a time.
constexpr int kRowsPerPage = 500;

// "α=55 b=3π/4": the angle first, as on the input page.
std::string inputsText(const Calculation& calculation) {
  const QString alpha = QString::fromUtf8(calculation_keys::kAlpha);
  QStringList parts;
  if (calculation.inputParameters.contains(alpha)) {
    parts << alpha + QLatin1Char('=') + calculation.inputParameters.value(alpha);
  }
  for (auto it = calculation.inputParameters.begin(); it != calculation.inputParameters.end();
       ++it) {
    if (it.key() != alpha) parts << it.key() + QLatin1Char('=') + it.value();
  }
  return parts.join(QLatin1Char(' ')).toStdString();
}

}  // namespace

int runHistory(const HistoryOptions& options, std::ostream& out, std::ostream& err) {
  // The store's log lines are for the app; here the messages below say what matters.
  const QtMessageHandler previousHandler =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  struct Restore {
    QtMessageHandler handler;
    ~Restore() { qInstallMessageHandler(handler); }
  } restore{previousHandler};

  const QString path = QString::fromStdString(options.settingsPath);
  if (!QFileInfo::exists(path)) {
    err << "unitcircle: " << localizedWithArguments("historyNoFile", options.settingsPath) << "\n";
    return kExitStoreUnreadable;
  }
  const UserDefaults store(path, UserDefaults::Access::ReadOnly);
  if (store.openFailure() == UserDefaults::Failure::Foreign) {
    err << "unitcircle: " << localizedWithArguments("historyForeign", options.settingsPath) << "\n";
    return kExitStoreUnreadable;
  }
  if (store.openFailure() != UserDefaults::Failure::None) {
    err << "unitcircle: "
        << localizedWithArguments("historyCannotRead", options.settingsPath,
                                  store.lastError().toStdString())
        << "\n";
    return kExitStoreUnreadable;
  }
  if (store.skippedLinesOnLoad() > 0) {
    err << "unitcircle: "
        << localizedWithArguments("historySkippedLines", std::to_string(store.skippedLinesOnLoad()))
        << "\n";
  }

  if (options.json) out << "{\"calculations\": [";
  qint64 after = 0;  // the last record printed; 0 before the first
  int number = 0;
  for (;;) {
    QList<UserDefaults::Row> page = store.rows(after, kRowsPerPage + (after ? 1 : 0));
    if (after && !page.isEmpty()) page.removeFirst();
    if (page.isEmpty()) break;
    for (const UserDefaults::Row& row : page) {
      // Read as the app reads it: a damaged record prints with empty fields.
      const Calculation calculation = Calculation::fromDictionary(row.record);
      if (options.json) {
        out << (number ? ",\n  " : "\n  ")
            << QJsonDocument(calculation.asDictionary()).toJson(QJsonDocument::Compact).constData();
      } else {
        out << number + 1 << '\t' << inputsText(calculation) << '\t'
            << calculation.latexString.toStdString() << '\n';
      }
      ++number;
    }
    after = page.last().id;
  }
  if (options.json) out << (number ? "\n]}\n" : "]}\n");
  out.flush();
  // Every readable record is listed; a damaged part is said, and the exit status says it too.
  if (store.foundDamage()) {
    err << "unitcircle: "
        << localizedWithArguments("historyDamaged", options.settingsPath,
                                  "database disk image is malformed")
        << "\n";
    return kExitStoreUnreadable;
  }
  return kExitSolved;
}

}  // namespace uc::cli
