#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

namespace uc {

// Hands addresses to the system: web pages to the browser, app addresses to the installed
// app. Callers go through openAllowedUrl/canOpenAllowedUrl, which only ever pass on https:
// addresses and the app schemes they name; everything else (http:, file:, javascript:,
// relative or empty addresses) never reaches an opener.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  virtual bool canOpen(const QUrl& url) = 0;
  virtual bool open(const QUrl& url) = 0;
  // Finds out ahead what canOpen will be asked about these app schemes, so that a tap finds
  // the answer there; asked again, it notices apps installed or removed since.
  virtual void prepare(const QStringList& appSchemes) { Q_UNUSED(appSchemes); }

  // The process-wide opener: the desktop one unless replaced.
  static UrlOpener& instance();
  // Replaces it (tests record); nullptr goes back to the desktop opener.
  static void setInstance(std::shared_ptr<UrlOpener> opener);

  // Whether url may be opened at all: an absolute https: address with a host, or an address
  // whose scheme is one of appSchemes (compared case-insensitively). Schemes that reach
  // the local machine or run script are refused even when listed.
  static bool isAllowed(const QUrl& url, const QStringList& appSchemes = {});
  // The scheme of an app address in text, or empty when it cannot be an app scheme.
  static QString appScheme(const QString& address);
};

// Through QDesktopServices. https: opens in the browser; an app scheme counts as openable
// only when the desktop has a handler registered for it. xdg-mime answers that in a process
// of its own, never waited for: until its answer is there a scheme counts as having no app.
// Each scheme is asked once, one at a time (a dozen at once made the drawer stutter), and
// again once the application has been away and comes back.
class DesktopUrlOpener final : public UrlOpener {
 public:
  static constexpr int kHandlerQueryTimeoutMs = 1500;

  DesktopUrlOpener();
  ~DesktopUrlOpener() override;

  bool canOpen(const QUrl& url) override;
  bool open(const QUrl& url) override;
  void prepare(const QStringList& appSchemes) override;

  // Has every scheme asked again as it is next needed, keeping the answers until then: apps
  // may have been installed or removed meanwhile.
  void forgetAnswers();

 private:
  // Queues the question for x-scheme-handler/<scheme> unless it is answered or on its way.
  void ask(const QString& scheme);
  void askNext();

  // Owns the question out; its answer comes back on this thread.
  std::unique_ptr<QObject> questions_;
  QHash<QString, bool> hasHandler_;
  QSet<QString> stale_;
  QStringList queue_;
  QString asking_;
};

// Checks isAllowed first, then asks the current opener.
bool canOpenAllowedUrl(const QUrl& url, const QStringList& appSchemes = {});
bool openAllowedUrl(const QUrl& url, const QStringList& appSchemes = {});

}  // namespace uc
