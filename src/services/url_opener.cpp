#include "services/url_opener.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QtDebug>
#include <QtGui/QDesktopServices>

namespace uc {
namespace {

std::shared_ptr<UrlOpener>& currentOpener() {
  static std::shared_ptr<UrlOpener> opener;
  return opener;
}

// Never handed to the system, whatever a catalogue lists.
bool isForbiddenScheme(const QString& scheme) {
  static const QStringList forbidden{"http",  "file", "javascript", "vbscript", "data", "ftp",
                                     "about", "blob", "qrc",        "mailto",   "tel",  "sms"};
  return forbidden.contains(scheme, Qt::CaseInsensitive);
}

}  // namespace

UrlOpener& UrlOpener::instance() {
  std::shared_ptr<UrlOpener>& opener = currentOpener();
  if (!opener) opener = std::make_shared<DesktopUrlOpener>();
  return *opener;
}

void UrlOpener::setInstance(std::shared_ptr<UrlOpener> opener) {
  currentOpener() = std::move(opener);
}

bool UrlOpener::isAllowed(const QUrl& url, const QStringList& appSchemes) {
  if (!url.isValid() || url.isRelative()) return false;
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("https")) return !url.host().isEmpty();
  if (isForbiddenScheme(scheme)) return false;
  return appSchemes.contains(scheme, Qt::CaseInsensitive);
}

QString UrlOpener::appScheme(const QString& address) {
  const QUrl url(address, QUrl::StrictMode);
  if (!url.isValid() || url.isRelative()) return {};
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("https") || isForbiddenScheme(scheme)) return {};
  return scheme;
}

DesktopUrlOpener::DesktopUrlOpener() : questions_(std::make_unique<QObject>()) {
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QObject::connect(app, &QGuiApplication::applicationStateChanged, questions_.get(),
                     [this, wasActive = true](Qt::ApplicationState state) mutable {
                       const bool active = state == Qt::ApplicationActive;
                       if (active && !wasActive) forgetAnswers();
                       wasActive = active;
                     });
  }
}

DesktopUrlOpener::~DesktopUrlOpener() = default;

bool DesktopUrlOpener::canOpen(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("https")) return !url.host().isEmpty();
  if (scheme.isEmpty() || isForbiddenScheme(scheme)) return false;
  ask(scheme);
  return hasHandler_.value(scheme, false);
}

bool DesktopUrlOpener::open(const QUrl& url) { return QDesktopServices::openUrl(url); }

void DesktopUrlOpener::prepare(const QStringList& appSchemes) {
  for (const QString& scheme : appSchemes) {
    const QString name = scheme.toLower();
    if (!name.isEmpty() && name != QLatin1String("https") && !isForbiddenScheme(name)) ask(name);
  }
}

void DesktopUrlOpener::forgetAnswers() {
  for (auto it = hasHandler_.cbegin(); it != hasHandler_.cend(); ++it) stale_.insert(it.key());
}

void DesktopUrlOpener::ask(const QString& scheme) {
  if (hasHandler_.contains(scheme) && !stale_.contains(scheme)) return;
  if (asking_ == scheme || queue_.contains(scheme)) return;
  queue_.append(scheme);
  if (asking_.isEmpty()) askNext();
}

void DesktopUrlOpener::askNext() {
#ifdef Q_OS_LINUX
  const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
#else
  const QString program;
#endif
  while (!queue_.isEmpty() && program.isEmpty()) {
    const QString scheme = queue_.takeFirst();
    hasHandler_.insert(scheme, false);
    stale_.remove(scheme);
  }
  if (queue_.isEmpty()) return;
  asking_ = queue_.takeFirst();
  auto* query = new QProcess(questions_.get());
  const auto answer = [this, query](bool found) {
    hasHandler_.insert(asking_, found);
    stale_.remove(asking_);
    asking_.clear();
    query->disconnect(questions_.get());
    query->deleteLater();
    askNext();
  };
  QObject::connect(query, &QProcess::finished, questions_.get(),
                   [query, answer](int, QProcess::ExitStatus status) {
                     answer(status == QProcess::NormalExit &&
                            !query->readAllStandardOutput().trimmed().isEmpty());
                   });
  QObject::connect(query, &QProcess::errorOccurred, questions_.get(),
                   [answer](QProcess::ProcessError error) {
                     if (error == QProcess::FailedToStart) answer(false);
                   });
  // A desktop without a working handler database never answers: it counts as no handler.
  QTimer::singleShot(kHandlerQueryTimeoutMs, query, [query] { query->kill(); });
  query->start(program, {QStringLiteral("query"), QStringLiteral("default"),
                         QStringLiteral("x-scheme-handler/") + asking_});
}

bool canOpenAllowedUrl(const QUrl& url, const QStringList& appSchemes) {
  return UrlOpener::isAllowed(url, appSchemes) && UrlOpener::instance().canOpen(url);
}

bool openAllowedUrl(const QUrl& url, const QStringList& appSchemes) {
  if (!UrlOpener::isAllowed(url, appSchemes)) {
    qWarning().noquote() << "UrlOpener: refused" << url.toString(QUrl::RemoveUserInfo);
    return false;
  }
  return UrlOpener::instance().open(url);
}

}  // namespace uc
