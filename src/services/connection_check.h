#pragma once

#include <QObject>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

namespace uc {

// Whether the internet can be reached, asked right before something opens a web page: one
// GET of a probe address. Any HTTP answer counts as connected, whatever its status code
// (a captive portal's redirect or a 404 still proves a way out); no answer, a refused
// connection or the timeout count as not connected. Never blocks: the outcome arrives later
// on the event loop, on the thread the check lives in.
class ConnectionCheck : public QObject {
  Q_OBJECT

 public:
  static constexpr char kDefaultProbeUrl[] = "https://connectivity.unitcircle.app/probe";
  static constexpr int kDefaultTimeoutMs = 10000;

  explicit ConnectionCheck(QObject* parent = nullptr);

  // The process-wide check, made on first use with probeUrlFromEnvironment().
  static ConnectionCheck& shared();
  // UNITCIRCLE_PROBE_URL when set, else kDefaultProbeUrl.
  static QUrl probeUrlFromEnvironment();

  const QUrl& probeUrl() const { return probeUrl_; }
  void setProbeUrl(const QUrl& url) { probeUrl_ = url; }
  int timeoutMs() const { return timeoutMs_; }
  void setTimeoutMs(int milliseconds) { timeoutMs_ = milliseconds; }

  // Runs connected or failed (either may be empty) once the probe is answered or given up.
  // Nothing runs when context is destroyed first.
  void check(QObject* context, std::function<void()> connected, std::function<void()> failed = {});
  // The same with another address than the probe's: whether that server answers.
  void check(const QUrl& url, QObject* context, std::function<void()> connected,
             std::function<void()> failed = {});

 signals:
  void checked(bool connected);

 private:
  QNetworkAccessManager* network_;
  QUrl probeUrl_;
  int timeoutMs_ = kDefaultTimeoutMs;
};

}  // namespace uc
