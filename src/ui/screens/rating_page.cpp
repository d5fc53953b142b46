#include "ui/screens/rating_page.h"

#include <QUrl>
#include <optional>

#include "services/analytics.h"
#include "services/remote_config_manager.h"
#include "services/url_opener.h"

namespace uc {

QStringList catalogueAppSchemes(const RemoteConfigManager& manager) {
  QStringList schemes;
  for (const AppMetaData& app : manager.apps()) {
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
  const QUrl url(app->ratingURLPro.trimmed(), QUrl::StrictMode);
  const QStringList schemes = catalogueAppSchemes(manager);
  if (!url.isValid() || url.isRelative() || !canOpenAllowedUrl(url, schemes)) return false;
  const bool opened = openAllowedUrl(url, schemes);
  Analytics::log(analytics::event::kTappedRatingInMenu,
                 {{analytics::param::kTiroApp, app->appName.value(QStringLiteral("en"))}});
  return opened;
}

}  // namespace uc
