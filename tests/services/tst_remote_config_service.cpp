#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "loopback_http_server.h"
#include "services/remote_config_service.h"

using uc::RemoteConfigService;
using Status = RemoteConfigService::FetchStatus;

namespace {

const QByteArray kAppsText = R"({"apps":[]})";

// "apps" as a JSON text inside a string, "ads" as a plain object, plus a bare number.
QByteArray goodDocument(const QString& discount = QStringLiteral("20")) {
  QJsonObject document;
  document.insert("apps", QString::fromUtf8(kAppsText));
  document.insert("ads",
                  QJsonObject{{"banner", QJsonArray{QJsonObject{{"imageName", "a"},
                                                                {"linkingString", "b"},
                                                                {"discountNumber", discount}}}}});
  document.insert("extra", 5);
  return QJsonDocument(document).toJson();
}

struct FetchResult {
  Status status = Status::NoFetchYet;
  std::optional<QString> error;
  bool answeredInsideFetch = false;
};

FetchResult fetchAndWait(RemoteConfigService& service, int expirationSeconds = 0) {
  std::optional<FetchResult> result;
  service.fetch(expirationSeconds, [&](Status status, const std::optional<QString>& error) {
    result = FetchResult{status, error, false};
  });
  const bool answeredInside = result.has_value();
  if (!QTest::qWaitFor([&] { return result.has_value(); }, 5000)) return {};
  result->answeredInsideFetch = answeredInside;
  return *result;
}

std::optional<bool> activateAndWait(RemoteConfigService& service) {
  std::optional<bool> changed;
  service.activate([&](bool c) { changed = c; });
  if (changed) return std::nullopt;  // must not answer inside activate()
  (void)QTest::qWaitFor([&] { return changed.has_value(); }, 5000);
  return changed;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

}  // namespace

class TestRemoteConfigService : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    cache_ = dir_.filePath(QStringLiteral("cache-%1.json").arg(++counter_));
    QVERIFY(server_.isListening());
    server_.setResponse({200, goodDocument()});
  }

  void goodDocumentIsFetchedThenActivated() {
    RemoteConfigService service(server_.url(), cache_);
    const FetchResult result = fetchAndWait(service);
    QCOMPARE(result.status, Status::Success);
    QVERIFY(!result.error);
    QVERIFY(!result.answeredInsideFetch);
    QVERIFY(server_.lastRequest().contains("User-Agent: UnitCircleTutor/"));
    QVERIFY(service.value("apps").isEmpty());  // fetched, not yet active

    QCOMPARE(activateAndWait(service), std::optional<bool>(true));
    QCOMPARE(service.value("apps"), kAppsText);
    QCOMPARE(
        service.value("ads"),
        QByteArray(R"({"banner":[{"discountNumber":"20","imageName":"a","linkingString":"b"}]})"));
    QCOMPARE(service.value("extra"), QByteArray("5"));
    QVERIFY(service.value("offers").isEmpty());
    QCOMPARE(activateAndWait(service), std::optional<bool>(false));

    // A later document replaces the set whole.
    server_.setResponse({200, R"({"offers": {}})"});
    QCOMPARE(fetchAndWait(service).status, Status::Success);
    QCOMPARE(activateAndWait(service), std::optional<bool>(true));
    QVERIFY(service.value("apps").isEmpty());
    QCOMPARE(service.value("offers"), QByteArray("{}"));
  }

  void failuresKeepEarlierValues_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("sendContentLength");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("noServer");
    QTest::addColumn<QString>("errorPart");
    const QByteArray big = "{\"apps\": \"" + QByteArray(1024 * 1024 + 10, 'x') + "\"}";
    QTest::newRow("malformed JSON") << 200 << QByteArray("{\"apps\": ") << true << false << false
                                    << QStringLiteral("not valid JSON");
    QTest::newRow("not an object") << 200 << QByteArray("[1, 2]") << true << false << false
                                   << QStringLiteral("not a JSON object");
    QTest::newRow("HTTP 500") << 500 << goodDocument("99") << true << false << false
                              << QStringLiteral("status 500");
    QTest::newRow("oversized, announced")
        << 200 << big << true << false << false << QStringLiteral("announces");
    QTest::newRow("oversized, unannounced")
        << 200 << big << false << false << false << QStringLiteral("larger than");
    QTest::newRow("no answer") << 200 << QByteArray() << true << true << false
                               << QStringLiteral("no answer within 300 ms");
    QTest::newRow("no server") << 200 << QByteArray() << true << false << true
                               << QStringLiteral("refused");
  }

  void failuresKeepEarlierValues() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, sendContentLength);
    QFETCH(bool, silent);
    QFETCH(bool, noServer);
    QFETCH(QString, errorPart);
    {
      RemoteConfigService first(server_.url(), cache_);
      QCOMPARE(fetchAndWait(first).status, Status::Success);
      QCOMPARE(activateAndWait(first), std::optional<bool>(true));
    }
    // A new instance starts from the cache the first one left.
    RemoteConfigService service(noServer ? LoopbackHttpServer::deadUrl() : server_.url(), cache_);
    service.setTimeoutMs(300);
    const QByteArray ads = service.value("ads");
    QVERIFY(ads.contains("\"20\""));

    server_.setResponse({status, body, sendContentLength, silent});
    const FetchResult result = fetchAndWait(service);
    QCOMPARE(result.status, Status::Failure);
    QVERIFY(result.error);
    QVERIFY2(result.error->contains(errorPart, Qt::CaseInsensitive), qPrintable(*result.error));
    QVERIFY(!result.answeredInsideFetch);
    QCOMPARE(service.lastFetchStatus(), Status::Failure);
    QCOMPARE(activateAndWait(service), std::optional<bool>(false));  // fetched set untouched
    QCOMPARE(service.value("ads"), ads);
    QCOMPARE(service.value("apps"), kAppsText);
  }

  void fileAddressesAndUnsupportedSchemes() {
    const QString path = dir_.filePath("config.json");
    writeFile(path, goodDocument("33"));
    RemoteConfigService service(QUrl::fromLocalFile(path), cache_);
    FetchResult result = fetchAndWait(service);
    QCOMPARE(result.status, Status::Success);
    QVERIFY(!result.answeredInsideFetch);
    QCOMPARE(activateAndWait(service), std::optional<bool>(true));
    QVERIFY(service.value("ads").contains("\"33\""));

    QFile::remove(path);
    result = fetchAndWait(service);
    QCOMPARE(result.status, Status::Failure);
    QVERIFY(result.error);

    RemoteConfigService ftp(QUrl("ftp://127.0.0.1/config.json"), QString());
    result = fetchAndWait(ftp);
    QCOMPARE(result.status, Status::Failure);
    QVERIFY(result.error);
    QVERIFY(!result.answeredInsideFetch);
  }

  // Opening a FIFO waits for a writer, and a device never ends: neither may hold up the app.
  void fileAddressesThatAreNotRegularFilesAreRefused_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("device") << QStringLiteral("/dev/zero");
    QTest::newRow("directory") << QString();
  }

  void fileAddressesThatAreNotRegularFilesAreRefused() {
    QFETCH(QString, path);
    const QString config = dir_.filePath("config.json");
    writeFile(config, goodDocument("33"));
    RemoteConfigService service(QUrl::fromLocalFile(config), cache_);
    QCOMPARE(fetchAndWait(service).status, Status::Success);
    QCOMPARE(activateAndWait(service), std::optional<bool>(true));

    if (path == QLatin1String("fifo")) {
      path = dir_.filePath(QStringLiteral("fifo-%1").arg(counter_));
      QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (path.isEmpty()) {
      path = dir_.path();
    }
    RemoteConfigService refused(QUrl::fromLocalFile(path), cache_);
    const FetchResult result = fetchAndWait(refused);
    QCOMPARE(result.status, Status::Failure);
    QVERIFY(result.error);
    QVERIFY2(result.error->contains("not a regular file"), qPrintable(*result.error));
    QCOMPARE(activateAndWait(refused), std::optional<bool>(false));
    QVERIFY(refused.value("ads").contains("\"33\""));
  }

  // A FIFO where the cache should be is ignored, not waited on.
  void cacheThatIsNotARegularFileIsIgnored() {
    QCOMPARE(::mkfifo(QFile::encodeName(cache_).constData(), 0600), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("RemoteConfig: cannot read the cache"));
    RemoteConfigService service(server_.url(), cache_);
    QVERIFY(service.value("apps").isEmpty());
    QCOMPARE(fetchAndWait(service).status, Status::Success);
    QCOMPARE(activateAndWait(service), std::optional<bool>(true));
    RemoteConfigService next(server_.url(), cache_);  // the cache is a file again
    QCOMPARE(next.value("apps"), kAppsText);
  }

  void throttling() {
    RemoteConfigService service(server_.url(), QString());
    QCOMPARE(fetchAndWait(service).status, Status::Success);  // an expiry of 0 always fetches
    const int requests = server_.requestCount();

    // Younger than both the expiry and the (default, 12 h) minimum interval.
    FetchResult result = fetchAndWait(service, 3600);
    QCOMPARE(result.status, Status::Throttled);
    QVERIFY(!result.error);
    QVERIFY(!result.answeredInsideFetch);
    QCOMPARE(server_.requestCount(), requests);

    service.setMinimumFetchInterval(0);
    QCOMPARE(fetchAndWait(service, 3600).status, Status::Success);
    QCOMPARE(server_.requestCount(), requests + 1);

    server_.setResponse({200, {}, true, true});
    service.setTimeoutMs(500);
    std::optional<Status> first;
    service.fetch(0, [&](Status status, const std::optional<QString>&) { first = status; });
    result = fetchAndWait(service);  // while the first is under way
    QCOMPARE(result.status, Status::Throttled);
    QVERIFY(!result.error);
    QTRY_COMPARE_WITH_TIMEOUT(first, std::optional<Status>(Status::Failure), 5000);
  }

  void damagedCacheIsIgnored_data() {
    QTest::addColumn<QByteArray>("cache");
    QTest::newRow("not JSON") << QByteArray("{\"active\": {\"apps\"");
    QTest::newRow("not an object") << QByteArray("[]");
    QTest::newRow("values not text") << QByteArray(R"({"active": {"apps": 5}})");
    QTest::newRow("bad time") << QByteArray(R"({"active": {}, "lastFetchAt": "soon"})");
  }

  void damagedCacheIsIgnored() {
    QFETCH(QByteArray, cache);
    writeFile(cache_, cache);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("RemoteConfig: ignoring a damaged cache"));
    RemoteConfigService service(server_.url(), cache_);
    QVERIFY(service.value("apps").isEmpty());
    QCOMPARE(fetchAndWait(service).status, Status::Success);
    QCOMPARE(activateAndWait(service), std::optional<bool>(true));
    RemoteConfigService next(server_.url(), cache_);  // the cache is whole again
    QCOMPARE(next.value("apps"), kAppsText);
  }

  void addressFromArgumentsAndEnvironment() {
    qunsetenv("UNITCIRCLE_CONFIG_URL");
    QCOMPARE(RemoteConfigService::urlFromArguments({"app"}),
             QUrl(RemoteConfigService::kDefaultUrl));
    qputenv("UNITCIRCLE_CONFIG_URL", "http://127.0.0.1:9/env.json");
    QCOMPARE(RemoteConfigService::urlFromArguments({"app"}), QUrl("http://127.0.0.1:9/env.json"));
    QCOMPARE(RemoteConfigService::urlFromArguments({"app", "--config-url", "https://a.test/c"}),
             QUrl("https://a.test/c"));
    QCOMPARE(RemoteConfigService::urlFromArguments({"app", "--config-url=file:///tmp/c.json"}),
             QUrl("file:///tmp/c.json"));
    QCOMPARE(RemoteConfigService::urlFromArguments({"app", "--config-url", "sub/c.json"}),
             QUrl::fromLocalFile(QDir::current().absoluteFilePath("sub/c.json")));
    qunsetenv("UNITCIRCLE_CONFIG_URL");
    QCOMPARE(RemoteConfigService::cacheFileBeside("/x/settings.jsonl"),
             QStringLiteral("/x/settings.jsonl.remote-config.json"));
  }

 private:
  QTemporaryDir dir_;
  QString cache_;
  int counter_ = 0;
  LoopbackHttpServer server_;
};

QTEST_GUILESS_MAIN(TestRemoteConfigService)
#include "tst_remote_config_service.moc"
