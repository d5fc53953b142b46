#include "services/url_opener.h"

#include <QProcess>
#include <QStandardPaths>
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

bool DesktopUrlOpener::canOpen(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("https")) return !url.host().isEmpty();
  if (scheme.isEmpty() || isForbiddenScheme(scheme)) return false;
  return hasSchemeHandler(scheme);
}

bool DesktopUrlOpener::open(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool DesktopUrlOpener::hasSchemeHandler(const QString& scheme) {
#ifdef Q_OS_LINUX
  const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (program.isEmpty()) return false;
  QProcess query;
  query.start(program, {QStringLiteral("query"), QStringLiteral("default"),
                        QStringLiteral("x-scheme-handler/") + scheme});
  // A desktop without a working handler database must not stall a tap.
  if (!query.waitForFinished(kHandlerQueryTimeoutMs)) {
    query.kill();
    query.waitForFinished(100);
    return false;
  }
  return query.exitStatus() == QProcess::NormalExit &&
         !query.readAllStandardOutput().trimmed().isEmpty();
#else
  Q_UNUSED(scheme);
  return false;
#endif
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
