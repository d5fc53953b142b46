#include "services/remote_config_service.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QtDebug>
#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace uc {
namespace {

// The cache holds the fetched and the active set, each text escaped once more.
constexpr qint64 kMaxCacheBytes = 16 * RemoteConfigService::kMaxDocumentBytes;

const QString kFetchedKey = QStringLiteral("fetched");
const QString kActiveKey = QStringLiteral("active");
const QString kLastFetchAtKey = QStringLiteral("lastFetchAt");

QString& sharedCacheFileSlot() {
  static QString path;
  return path;
}

// A member's value as JSON text: a string holds the text itself, anything else is serialised.
QByteArray jsonText(const QJsonValue& value) {
  if (value.isString()) return value.toString().toUtf8();
  if (value.isObject()) return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
  if (value.isArray()) return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
  // A document cannot hold a bare number or boolean; serialise it inside an array.
  const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  return wrapped.mid(1, wrapped.size() - 2);
}

QJsonObject toJson(const QHash<QString, QByteArray>& values) {
  QJsonObject object;
  for (auto it = values.begin(); it != values.end(); ++it) {
    object.insert(it.key(), QString::fromUtf8(it.value()));
  }
  return object;
}

// Nothing when the value is present but not an object of strings.
std::optional<QHash<QString, QByteArray>> fromJson(const QJsonValue& value) {
  QHash<QString, QByteArray> result;
  if (value.isUndefined()) return result;
  if (!value.isObject()) return std::nullopt;
  const QJsonObject object = value.toObject();
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (!it.value().isString()) return std::nullopt;
    result.insert(it.key(), it.value().toString().toUtf8());
  }
  return result;
}

// At most maxBytes of a regular file. A FIFO, a device or a directory is refused without
// waiting on it: opening a FIFO for reading waits for a writer, a device may never end.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* error) {
  QFile file;
#ifdef Q_OS_UNIX
  // Checked on the opened file, so that nothing can be swapped in between.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    *error = QStringLiteral("cannot read %1: %2").arg(path, qt_error_string(errno));
    return std::nullopt;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    *error = QStringLiteral("%1 is not a regular file").arg(path);
    return std::nullopt;
  }
  // A regular file ignores O_NONBLOCK.
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return std::nullopt;
  }
#else
  file.setFileName(path);
  if (const QFileInfo info(path); info.exists() && !info.isFile()) {
    *error = QStringLiteral("%1 is not a regular file").arg(path);
    return std::nullopt;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return std::nullopt;
  }
#endif
  QByteArray bytes = file.read(maxBytes + 1);
  if (bytes.size() > maxBytes) {
    *error = QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes);
    return std::nullopt;
  }
  return bytes;
}

QUrl urlFromText(const QString& text) {
  return QUrl::fromUserInput(text, QDir::currentPath(), QUrl::AssumeLocalFile);
}

QByteArray userAgent() {
  QString version = QCoreApplication::applicationVersion();
  if (version.isEmpty()) version = QStringLiteral("1.0");
  return QStringLiteral("UnitCircleTutor/%1 Qt/%2")
      .arg(version, QString::fromLatin1(qVersion()))
      .toUtf8();
}

}  // namespace

RemoteConfigService::RemoteConfigService(QUrl url, QString cacheFile, QObject* parent)
    : QObject(parent), url_(std::move(url)), cacheFile_(std::move(cacheFile)) {
  loadCache();
}

RemoteConfigService::~RemoteConfigService() {
  if (pending_ && pending_->reply) {
    // The completion must not run into a half-destroyed service.
    pending_->reply->disconnect(this);
    pending_->reply->abort();
  }
}

RemoteConfigService& RemoteConfigService::shared() {
  static RemoteConfigService* const instance = new RemoteConfigService(
      urlFromArguments(QCoreApplication::instance() ? QCoreApplication::arguments()
                                                    : QStringList()),
      sharedCacheFile());
  return *instance;
}

void RemoteConfigService::setSharedCacheFile(const QString& cacheFile) {
  sharedCacheFileSlot() = cacheFile;
}

QString RemoteConfigService::sharedCacheFile() {
  if (!sharedCacheFileSlot().isEmpty()) return sharedCacheFileSlot();
  QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir + QStringLiteral("/remote-config.json");
}

QUrl RemoteConfigService::urlFromArguments(const QStringList& arguments) {
  const QString option = QStringLiteral("--config-url");
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == option && i + 1 < arguments.size() && !arguments[i + 1].isEmpty()) {
      return urlFromText(arguments[i + 1]);
    }
    if (argument.startsWith(option + QLatin1Char('=')) && argument.size() > option.size() + 1) {
      return urlFromText(argument.mid(option.size() + 1));
    }
  }
  const QString fromEnvironment = qEnvironmentVariable("UNITCIRCLE_CONFIG_URL");
  if (!fromEnvironment.isEmpty()) return urlFromText(fromEnvironment);
  return QUrl(QString::fromLatin1(kDefaultUrl));
}

QString RemoteConfigService::cacheFileBeside(const QString& settingsFile) {
  return settingsFile + QStringLiteral(".remote-config.json");
}

void RemoteConfigService::fetch(int expirationSeconds, FetchCompletion completion) {
  const auto answerLater = [this, &completion](FetchStatus status, std::optional<QString> error) {
    QTimer::singleShot(0, this, [completion = std::move(completion), status, error] {
      if (completion) completion(status, error);
    });
  };
  if (pending_) {
    answerLater(FetchStatus::Throttled, std::nullopt);
    return;
  }
  // Both limits must call for a fetch: the manager sets the interval to 0, so its fetches
  // always go out; a clock that went back never throttles.
  const int window = std::min(expirationSeconds, minimumFetchIntervalSeconds_);
  if (window > 0 && hasFetched_ && lastFetchAt_) {
    const qint64 age = lastFetchAt_->secsTo(QDateTime::currentDateTimeUtc());
    if (age >= 0 && age < window) {
      lastStatus_ = FetchStatus::Throttled;
      answerLater(FetchStatus::Throttled, std::nullopt);
      return;
    }
  }

  pending_ = Pending{};
  pending_->completion = std::move(completion);
  const QString scheme = url_.scheme().toLower();
  if (url_.isValid() && scheme == QLatin1String("file")) {
    QTimer::singleShot(0, this, &RemoteConfigService::readFile);
  } else if (url_.isValid() &&
             (scheme == QLatin1String("http") || scheme == QLatin1String("https"))) {
    startNetworkFetch();
  } else {
    finish(FetchStatus::Failure,
           QStringLiteral("unsupported configuration address \"%1\"").arg(url_.toString()));
  }
}

void RemoteConfigService::activate(std::function<void(bool changed)> completion) {
  bool changed = false;
  if (hasFetched_) {
    QHash<QString, QByteArray> next = valuesToActivate();
    changed = active_ != next;
    active_ = std::move(next);
    if (changed) saveCache();
  }
  QTimer::singleShot(0, this, [completion = std::move(completion), changed] {
    if (completion) completion(changed);
  });
}

QHash<QString, QByteArray> RemoteConfigService::valuesToActivate() const {
  if (!check_) return fetched_;
  // One bad member must not cost the others, nor its own earlier value.
  QHash<QString, QByteArray> values = active_;
  for (auto it = fetched_.begin(); it != fetched_.end(); ++it) {
    if (check_(it.key(), it.value())) values.insert(it.key(), it.value());
  }
  return values;
}

void RemoteConfigService::readFile() {
  if (!pending_) return;
  QString error;
  const std::optional<QByteArray> body =
      readRegularFile(url_.toLocalFile(), kMaxDocumentBytes, &error);
  if (!body) {
    finish(FetchStatus::Failure, error);
    return;
  }
  if (acceptDocument(*body, &error)) {
    finish(FetchStatus::Success, std::nullopt);
  } else {
    finish(FetchStatus::Failure, error);
  }
}

void RemoteConfigService::startNetworkFetch() {
  if (!network_) network_ = new QNetworkAccessManager(this);
  QNetworkRequest request(url_);
  request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::NoLessSafeRedirectPolicy);
  // Catches a server that stops sending; the deadline below bounds the whole fetch.
  request.setTransferTimeout(timeoutMs_);

  QNetworkReply* reply = network_->get(request);
  pending_->reply = reply;
  connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > kMaxDocumentBytes) {
      abortWith(QStringLiteral("the configuration announces %1 bytes, more than %2")
                    .arg(length.toLongLong())
                    .arg(kMaxDocumentBytes));
    }
  });
  connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
    if (received > kMaxDocumentBytes) {
      abortWith(QStringLiteral("the configuration is larger than %1 bytes").arg(kMaxDocumentBytes));
    }
  });
  connect(reply, &QNetworkReply::readyRead, this, &RemoteConfigService::onReadyRead);
  connect(reply, &QNetworkReply::finished, this, &RemoteConfigService::onFinished);

  auto* deadline = new QTimer(this);
  deadline->setSingleShot(true);
  connect(deadline, &QTimer::timeout, this,
          [this] { abortWith(QStringLiteral("no answer within %1 ms").arg(timeoutMs_)); });
  deadline->start(timeoutMs_);
  pending_->deadline = deadline;
}

void RemoteConfigService::onReadyRead() {
  if (!pending_ || !pending_->reply) return;
  pending_->body += pending_->reply->readAll();
  if (pending_->body.size() > kMaxDocumentBytes) {
    abortWith(QStringLiteral("the configuration is larger than %1 bytes").arg(kMaxDocumentBytes));
  }
}

void RemoteConfigService::abortWith(const QString& error) {
  if (!pending_ || !pending_->reply || pending_->abortError) return;
  pending_->abortError = error;
  // Emits finished, which reports the failure.
  pending_->reply->abort();
}

void RemoteConfigService::onFinished() {
  if (!pending_ || !pending_->reply) return;
  QNetworkReply* reply = pending_->reply;
  if (pending_->abortError) {
    finish(FetchStatus::Failure, pending_->abortError);
    return;
  }
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (status >= 400) {
    finish(FetchStatus::Failure, QStringLiteral("the server answered HTTP status %1").arg(status));
    return;
  }
  if (reply->error() == QNetworkReply::OperationCanceledError) {
    finish(FetchStatus::Failure, QStringLiteral("no answer within %1 ms").arg(timeoutMs_));
    return;
  }
  if (reply->error() != QNetworkReply::NoError) {
    finish(FetchStatus::Failure, reply->errorString());
    return;
  }
  pending_->body += reply->readAll();
  if (pending_->body.size() > kMaxDocumentBytes) {
    finish(FetchStatus::Failure,
           QStringLiteral("the configuration is larger than %1 bytes").arg(kMaxDocumentBytes));
    return;
  }
  QString error;
  if (acceptDocument(pending_->body, &error)) {
    finish(FetchStatus::Success, std::nullopt);
  } else {
    finish(FetchStatus::Failure, error);
  }
}

bool RemoteConfigService::acceptDocument(const QByteArray& body, QString* error) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    *error = QStringLiteral("the configuration is not valid JSON (offset %1: %2)")
                 .arg(parseError.offset)
                 .arg(parseError.errorString());
    return false;
  }
  if (!document.isObject()) {
    *error = QStringLiteral("the configuration is not a JSON object");
    return false;
  }
  // The document replaces the fetched set whole: a key it lacks is gone after activation.
  QHash<QString, QByteArray> values;
  const QJsonObject object = document.object();
  for (auto it = object.begin(); it != object.end(); ++it) {
    values.insert(it.key(), jsonText(it.value()));
  }
  fetched_ = std::move(values);
  hasFetched_ = true;
  lastFetchAt_ = QDateTime::currentDateTimeUtc();
  saveCache();
  return true;
}

// error by value: it may live in pending_, which this clears.
void RemoteConfigService::finish(FetchStatus status, std::optional<QString> error) {
  if (!pending_) return;
  Pending done = *std::move(pending_);
  pending_.reset();
  if (done.reply) {
    // Late signals of this reply must not reach a later fetch.
    done.reply->disconnect(this);
    done.reply->deleteLater();
  }
  if (done.deadline) done.deadline->deleteLater();
  lastStatus_ = status;
  QTimer::singleShot(0, this, [completion = std::move(done.completion), status, error] {
    if (completion) completion(status, error);
  });
}

void RemoteConfigService::loadCache() {
  if (cacheFile_.isEmpty() || !QFileInfo::exists(cacheFile_)) return;
  QString error;
  const std::optional<QByteArray> bytes = readRegularFile(cacheFile_, kMaxCacheBytes, &error);
  if (!bytes) {
    qWarning().noquote() << "RemoteConfig: cannot read the cache:" << error;
    return;
  }
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(*bytes, &parseError);
  const QJsonObject object = document.object();
  const auto fetched = fromJson(object.value(kFetchedKey));
  const auto active = fromJson(object.value(kActiveKey));
  const QJsonValue lastFetchAt = object.value(kLastFetchAtKey);
  const QDateTime lastFetch = QDateTime::fromString(lastFetchAt.toString(), Qt::ISODateWithMs);
  const bool lastFetchOk =
      lastFetchAt.isUndefined() || (lastFetchAt.isString() && lastFetch.isValid());
  if (parseError.error != QJsonParseError::NoError || !document.isObject() || !fetched || !active ||
      !lastFetchOk) {
    qWarning().noquote() << "RemoteConfig: ignoring a damaged cache" << cacheFile_;
    return;
  }
  hasFetched_ = object.contains(kFetchedKey);
  fetched_ = *fetched;
  active_ = *active;
  if (lastFetch.isValid()) lastFetchAt_ = lastFetch;
}

void RemoteConfigService::saveCache() const {
  if (cacheFile_.isEmpty()) return;
  QJsonObject object;
  if (hasFetched_) object.insert(kFetchedKey, toJson(fetched_));
  object.insert(kActiveKey, toJson(active_));
  if (lastFetchAt_) object.insert(kLastFetchAtKey, lastFetchAt_->toString(Qt::ISODateWithMs));

  QDir().mkpath(QFileInfo(cacheFile_).absolutePath());
  QSaveFile file(cacheFile_);
  const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
  const bool ok =
      file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
  if (!ok && !saveWarned_) {
    saveWarned_ = true;
    qWarning().noquote() << "RemoteConfig: cannot write the cache" << cacheFile_
                         << file.errorString();
  }
}

}  // namespace uc
