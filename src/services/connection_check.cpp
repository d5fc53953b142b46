#include "services/connection_check.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QtGlobal>
#include <memory>

namespace uc {

ConnectionCheck::ConnectionCheck(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)) {}

ConnectionCheck& ConnectionCheck::shared() {
  static ConnectionCheck* const instance = [] {
    auto* check = new ConnectionCheck;
    check->setProbeUrl(probeUrlFromEnvironment());
    return check;
  }();
  return *instance;
}

QUrl ConnectionCheck::probeUrlFromEnvironment() {
  const QString fromEnvironment = qEnvironmentVariable("UNITCIRCLE_PROBE_URL").trimmed();
  return QUrl(fromEnvironment.isEmpty() ? QString::fromLatin1(kDefaultProbeUrl) : fromEnvironment);
}

void ConnectionCheck::check(QObject* context, std::function<void()> connected,
                            std::function<void()> failed) {
  check(probeUrl_, context, std::move(connected), std::move(failed));
}

void ConnectionCheck::check(const QUrl& url, QObject* context, std::function<void()> connected,
                            std::function<void()> failed) {
  QPointer<QObject> guard(context);
  auto finish = [this, guard, connected = std::move(connected),
                 failed = std::move(failed)](bool ok) {
    emit checked(ok);
    if (!guard) return;
    if (ok && connected) connected();
    if (!ok && failed) failed();
  };

  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    QTimer::singleShot(0, this, [finish] { finish(false); });
    return;
  }

  QNetworkRequest request(url);
  request.setTransferTimeout(timeoutMs_);
  // A redirect is an answer too; following it would only test another server.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::ManualRedirectPolicy);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  QNetworkReply* reply = network_->get(request);
  auto answered = std::make_shared<bool>(false);
  // The status line is all that is needed: the outcome does not wait for the body.
  connect(reply, &QNetworkReply::metaDataChanged, this, [reply, answered, finish] {
    if (*answered || !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
      return;
    }
    *answered = true;
    finish(true);
  });
  connect(reply, &QNetworkReply::finished, this, [reply, answered, finish] {
    reply->deleteLater();
    if (*answered) return;
    finish(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid());
  });
}

}  // namespace uc
