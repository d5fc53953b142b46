#include "services/catalogue_links.h"

#include <QUrl>
#include <optional>

#include "services/analytics.h"
#include "services/remote_config_manager.h"
#include "services/url_opener.h"

namespace uc {

QUrl catalogueAddress(const QString& text) {
  const QUrl url(text.trimmed(), QUrl::StrictMode);
  return url.isValid() && !url.isRelative() ? url : QUrl();
}

QString englishAppName(const AppMetaData& app) { return app.appName.value(QStringLiteral("en")); }

QStringList catalogueAppSchemes(const RemoteConfigManager& manager) {
  QStringList schemes;
  // Never the fetched catalogue: it named smb:, ssh: and intent: addresses, and the system
  // would have handed them to whatever claims those schemes.
  for (const AppMetaData& app : manager.bundledApps().value_or(QList<AppMetaData>())) {
    for (const QString& address : {app.appURL, app.appURLPro}) {
      const QString scheme = UrlOpener::appScheme(address);
      if (!scheme.isEmpty() && !schemes.contains(scheme)) schemes.append(scheme);
    }
  }
  return schemes;
}

bool openAppRatingPage(RemoteConfigManager& manager) {
  const std::optional<AppMetaData> app = manager.currentApp();
  if (!app) return false;
  const QUrl url = catalogueAddress(app->ratingURLPro);
  const QStringList schemes = catalogueAppSchemes(manager);
  if (!canOpenAllowedUrl(url, schemes)) return false;
  const bool opened = openAllowedUrl(url, schemes);
  Analytics::log(analytics::event::kTappedRatingInMenu,
                 {{analytics::param::kTiroApp, englishAppName(*app)}});
  return opened;
}

}  // namespace uc
