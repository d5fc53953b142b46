#pragma once

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
// only when the desktop has a handler registered for it.
class DesktopUrlOpener final : public UrlOpener {
 public:
  static constexpr int kHandlerQueryTimeoutMs = 1500;

  bool canOpen(const QUrl& url) override;
  bool open(const QUrl& url) override;

  // Asks xdg-mime for the default handler of x-scheme-handler/<scheme>; false without it.
  static bool hasSchemeHandler(const QString& scheme);
};

// Checks isAllowed first, then asks the current opener.
bool canOpenAllowedUrl(const QUrl& url, const QStringList& appSchemes = {});
bool openAllowedUrl(const QUrl& url, const QStringList& appSchemes = {});

}  // namespace uc
