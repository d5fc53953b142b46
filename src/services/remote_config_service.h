#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace uc {

// The remote configuration: one JSON document (an object with the keys "apps", "ads",
// "offers", "umpReferenceData" and "videoTutorials", each holding a JSON text or a JSON
// value) fetched over HTTP(S) or from a file: address (a regular file only: a FIFO or a
// device could hold up the event loop). Fetched values are kept on disk in a file beside the
// settings and only become the values the app reads on activate().
// Never blocks the event loop: the fetch is asynchronous, bounded in size and time.
class RemoteConfigService : public QObject {
  Q_OBJECT

 public:
  enum class FetchStatus { NoFetchYet, Success, Failure, Throttled };

  // Limits on what a fetch accepts.
  static constexpr qint64 kMaxDocumentBytes = 1024 * 1024;
  static constexpr int kTimeoutMs = 10000;
  static constexpr char kDefaultUrl[] = "https://config.unitcircle.app/v1/config.json";
  static constexpr char kKeys[][17] = {"apps", "ads", "offers", "umpReferenceData",
                                       "videoTutorials"};

  // cacheFile keeps the fetched and the active values across runs.
  RemoteConfigService(QUrl url, QString cacheFile, QObject* parent = nullptr);
  ~RemoteConfigService() override;

  // The process-wide service, made on first use and never destroyed: address from
  // QCoreApplication::arguments() and the environment, cache in sharedCacheFile().
  static RemoteConfigService& shared();
  // Call before the first shared(); the default is remote-config.json in the app's data folder.
  static void setSharedCacheFile(const QString& cacheFile);
  static QString sharedCacheFile();
  // "--config-url URL" or "--config-url=URL", else UNITCIRCLE_CONFIG_URL, else kDefaultUrl.
  static QUrl urlFromArguments(const QStringList& arguments);
  // The cache file beside a settings file: "<settings>.remote-config.json".
  static QString cacheFileBeside(const QString& settingsFile);

  const QUrl& url() const { return url_; }
  void setMinimumFetchInterval(int seconds) { minimumFetchIntervalSeconds_ = seconds; }
  int minimumFetchInterval() const { return minimumFetchIntervalSeconds_; }
  // How long a fetch may take as a whole; kTimeoutMs unless set (tests).
  void setTimeoutMs(int milliseconds) { timeoutMs_ = milliseconds; }
  int timeoutMs() const { return timeoutMs_; }

  // A key's active value as raw JSON text; empty when the key was never activated.
  QByteArray value(const QString& key) const { return active_.value(key); }

  // Whether a key's fetched value can be used. With a check, activate() takes each key on its
  // own and keeps the earlier value of a key whose fetched value fails it or is missing;
  // without one, the fetched set replaces the active set whole.
  using ValueCheck = std::function<bool(const QString& key, const QByteArray& value)>;
  void setValueCheck(ValueCheck check) { check_ = std::move(check); }

  using FetchCompletion = std::function<void(FetchStatus, const std::optional<QString>& error)>;
  // Fetches unless the last successful fetch is younger than both expirationSeconds and the
  // minimum fetch interval, or a fetch is still under way (then Throttled, no error). With a
  // minimum interval of 0 every fetch goes out. The completion always runs later on the event
  // loop, never inside fetch().
  void fetch(int expirationSeconds, FetchCompletion completion);
  // Makes the fetched values active; the completion gets whether anything changed.
  void activate(std::function<void(bool changed)> completion);

  FetchStatus lastFetchStatus() const { return lastStatus_; }

 private:
  QHash<QString, QByteArray> valuesToActivate() const;
  void loadCache();
  void saveCache() const;
  void startNetworkFetch();
  void readFile();
  void onReadyRead();
  void onFinished();
  void abortWith(const QString& error);
  // Takes a fetched document; false with error when it is not a JSON object.
  bool acceptDocument(const QByteArray& body, QString* error);
  void finish(FetchStatus status, std::optional<QString> error);

  // The fetch under way, if any.
  struct Pending {
    FetchCompletion completion;
    QNetworkReply* reply = nullptr;
    QTimer* deadline = nullptr;
    QByteArray body;
    std::optional<QString> abortError;
  };

  QUrl url_;
  QString cacheFile_;
  QNetworkAccessManager* network_ = nullptr;
  int minimumFetchIntervalSeconds_ = 43200;
  FetchStatus lastStatus_ = FetchStatus::NoFetchYet;
  std::optional<QDateTime> lastFetchAt_;
  QHash<QString, QByteArray> fetched_;
  QHash<QString, QByteArray> active_;
  ValueCheck check_;
  bool hasFetched_ = false;
  int timeoutMs_ = kTimeoutMs;
  std::optional<Pending> pending_;
  mutable bool saveWarned_ = false;
};

}  // namespace uc
