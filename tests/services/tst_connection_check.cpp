#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "loopback_http_server.h"
#include "services/connection_check.h"
#include "services/url_opener.h"

using uc::ConnectionCheck;
using uc::UrlOpener;

namespace {

struct Outcome {
  int connected = 0;
  int failed = 0;
};

// Starts a check that counts into outcome.
void start(ConnectionCheck& check, QObject* context, const std::shared_ptr<Outcome>& outcome) {
  check.check(
      context, [outcome] { ++outcome->connected; }, [outcome] { ++outcome->failed; });
}

}  // namespace

class TestConnectionCheck : public QObject {
  Q_OBJECT

 private slots:
  // Any HTTP answer proves the way out, an error status included; the outcome never
  // arrives inside check().
  void anyHttpAnswerCountsAsConnected() {
    for (int status : {200, 404, 503}) {
      LoopbackHttpServer server;
      QVERIFY(server.isListening());
      server.setResponse({status, "x"});
      ConnectionCheck check;
      check.setProbeUrl(server.url());
      QSignalSpy checked(&check, &ConnectionCheck::checked);
      auto outcome = std::make_shared<Outcome>();
      start(check, this, outcome);
      QCOMPARE(checked.count(), 0);
      QTRY_COMPARE(checked.count(), 1);
      QCOMPARE(checked.first().first().toBool(), true);
      QCOMPARE(outcome->connected, 1);
      QCOMPARE(outcome->failed, 0);
      QCOMPARE(server.requestCount(), 1);
    }
  }

  void noAnswerCountsAsNotConnected() {
    // Refused.
    ConnectionCheck refused;
    refused.setProbeUrl(LoopbackHttpServer::deadUrl());
    auto outcome = std::make_shared<Outcome>();
    start(refused, this, outcome);
    QTRY_COMPARE(outcome->failed, 1);
    QCOMPARE(outcome->connected, 0);

    // Accepted but never answered: the timeout gives up.
    LoopbackHttpServer silent;
    silent.setResponse({200, {}, true, true});
    ConnectionCheck waiting;
    waiting.setProbeUrl(silent.url());
    waiting.setTimeoutMs(300);
    outcome = std::make_shared<Outcome>();
    start(waiting, this, outcome);
    QTest::qWait(100);
    QCOMPARE(outcome->failed, 0);
    QTRY_COMPARE_WITH_TIMEOUT(outcome->failed, 1, 5000);
    QCOMPARE(outcome->connected, 0);

    // Not a web address at all: fails without a request, still later.
    ConnectionCheck broken;
    broken.setProbeUrl(QUrl("file:///etc/hostname"));
    outcome = std::make_shared<Outcome>();
    start(broken, this, outcome);
    QCOMPARE(outcome->failed, 0);
    QTRY_COMPARE(outcome->failed, 1);
  }

  void aDestroyedContextGetsNothing() {
    LoopbackHttpServer server;
    ConnectionCheck check;
    check.setProbeUrl(server.url());
    QSignalSpy checked(&check, &ConnectionCheck::checked);
    auto outcome = std::make_shared<Outcome>();
    auto context = std::make_unique<QObject>();
    start(check, context.get(), outcome);
    context.reset();
    QTRY_COMPARE(checked.count(), 1);
    QCOMPARE(outcome->connected + outcome->failed, 0);
  }

  void theProbeAddressComesFromTheEnvironment() {
    qputenv("UNITCIRCLE_PROBE_URL", "http://127.0.0.1:9/probe");
    QCOMPARE(ConnectionCheck::probeUrlFromEnvironment(), QUrl("http://127.0.0.1:9/probe"));
    qunsetenv("UNITCIRCLE_PROBE_URL");
    QCOMPARE(ConnectionCheck::probeUrlFromEnvironment(),
             QUrl(QString::fromLatin1(ConnectionCheck::kDefaultProbeUrl)));
  }

  // Only https: and the listed app schemes ever reach an opener.
  void onlyWebAndListedAppAddressesAreAllowed() {
    const QStringList apps{"trianglesolver"};
    QVERIFY(UrlOpener::isAllowed(QUrl("https://apps.unitcircle.app/x"), apps));
    QVERIFY(UrlOpener::isAllowed(QUrl("trianglesolver://open"), apps));
    QVERIFY(UrlOpener::isAllowed(QUrl("TriangleSolver://open"), apps));
    for (const char* address : {"http://apps.unitcircle.app/x", "file:///etc/passwd",
                                "javascript:alert(1)", "", "/relative/path", "apps.unitcircle.app",
                                "https:///nohost", "otherapp://open", "data:text/html,x"}) {
      QVERIFY2(!UrlOpener::isAllowed(QUrl(address), apps), address);
    }
    // A catalogue cannot make a dangerous scheme an app scheme.
    QVERIFY(!UrlOpener::isAllowed(QUrl("javascript:alert(1)"), {"javascript"}));
    QCOMPARE(UrlOpener::appScheme("TriangleSolverPro://open"), QStringLiteral("trianglesolverpro"));
    QVERIFY(UrlOpener::appScheme("javascript:alert(1)").isEmpty());
    QVERIFY(UrlOpener::appScheme("https://x.app").isEmpty());
    QVERIFY(UrlOpener::appScheme("not an address").isEmpty());

    // The desktop opener never claims a refused address.
    uc::DesktopUrlOpener desktop;
    QVERIFY(desktop.canOpen(QUrl("https://apps.unitcircle.app/x")));
    QVERIFY(!desktop.canOpen(QUrl("http://apps.unitcircle.app/x")));
    QVERIFY(!desktop.canOpen(QUrl("file:///etc/passwd")));
  }
};

QTEST_GUILESS_MAIN(TestConnectionCheck)
#include "tst_connection_check.moc"
