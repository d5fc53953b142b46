#include "services/remote_config_manager.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QtDebug>

namespace uc {
namespace {

void reportDecodeFailure(const char* key, const QString& error) {
  qWarning().noquote()
      << QStringLiteral("RemoteConfig: %1 not loaded: %2").arg(QLatin1String(key), error);
}

}  // namespace

RemoteConfigManager::RemoteConfigManager(RemoteConfigService& service, QObject* parent)
    : QObject(parent), service_(service) {
  service_.setMinimumFetchInterval(0);
  // Without this a bad document would wipe good values from the cache, for every later run.
  service_.setValueCheck(&RemoteConfigManager::decodes);
}

bool RemoteConfigManager::decodes(const QString& key, const QByteArray& value) {
  return config::decodes(key.toStdString(), std::string_view(value.constData(), value.size()));
}

RemoteConfigManager& RemoteConfigManager::shared() {
  static RemoteConfigManager* const instance =
      new RemoteConfigManager(RemoteConfigService::shared());
  return *instance;
}

void RemoteConfigManager::loadAll() {
  loadApps();
  loadAds();
  loadOffers();
  loadUmpReferenceData();
  loadVideoTutorials();
}

void RemoteConfigManager::loadApps() {
  if (auto apps = decodeAllAppMetaData(service_.value(QStringLiteral("apps")))) {
    apps_ = *std::move(apps);
    emit didLoadMenu();
    return;
  }
  if (auto apps = bundledApps()) {
    apps_ = *std::move(apps);
    emit didLoadMenu();
  }
}

std::optional<QList<AppMetaData>> RemoteConfigManager::bundledApps() const {
  if (defaultsPath_.isEmpty() || !QFile::exists(defaultsPath_)) return std::nullopt;
  QFile file(defaultsPath_);
  if (!file.open(QIODevice::ReadOnly)) {
    qWarning().noquote() << "RemoteConfig: cannot read" << defaultsPath_ << file.errorString();
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  QJsonParseError parseError;
  QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    qWarning().noquote() << "RemoteConfig: cannot parse" << defaultsPath_
                         << parseError.errorString();
    return std::nullopt;
  }
  return decodeAllAppMetaData(bytes);
}

void RemoteConfigManager::loadAds() {
  QString error;
  if (auto ads = decodeAds(service_.value(QStringLiteral("ads")), &error)) {
    ads_ = *std::move(ads);
    emit didLoadTiroAds();
  } else {
    reportDecodeFailure("ads", error);
  }
}

void RemoteConfigManager::loadOffers() {
  QString error;
  if (auto offers = decodeOffers(service_.value(QStringLiteral("offers")), &error)) {
    offers_ = *std::move(offers);
    emit didLoadOffers();
  } else {
    reportDecodeFailure("offers", error);
  }
}

void RemoteConfigManager::loadUmpReferenceData() {
  QString error;
  if (auto ump =
          decodeUmpReferenceData(service_.value(QStringLiteral("umpReferenceData")), &error)) {
    ump_ = *std::move(ump);
    emit didLoadUmpReferenceData();
  } else {
    reportDecodeFailure("umpReferenceData", error);
  }
}

void RemoteConfigManager::loadVideoTutorials() {
  QString error;
  if (auto videos =
          decodeVideoTutorials(service_.value(QStringLiteral("videoTutorials")), &error)) {
    videoTutorials_ = *std::move(videos);
    emit didLoadVideoTutorialsData();
  } else {
    reportDecodeFailure("videoTutorials", error);
  }
}

void RemoteConfigManager::fetch() {
  service_.fetch(kFetchExpirationSeconds,
                 [this](RemoteConfigService::FetchStatus status,
                        const std::optional<QString>& error) { fetchCompleted(status, error); });
}

void RemoteConfigManager::fetchCompleted(RemoteConfigService::FetchStatus status,
                                         const std::optional<QString>& error) {
  if (error) {
    // What was activated before still holds; load it.
    loadAll();
    return;
  }
  if (status == RemoteConfigService::FetchStatus::Success) {
    service_.activate([this](bool) { loadAll(); });
    return;
  }
  qInfo("Config not fetched");
  qInfo("Error: No error available.");
}

std::optional<AppMetaData> RemoteConfigManager::currentApp() {
  if (currentApp_) return currentApp_;
  if (bundleIdentifier_.isEmpty()) return std::nullopt;
  for (const AppMetaData& app : apps_) {
    if (app.appIdentifiers.contains(bundleIdentifier_)) {
      currentApp_ = app;
      return currentApp_;
    }
  }
  return std::nullopt;
}

QList<AppMetaData> RemoteConfigManager::shownSingleApps() const {
  QList<AppMetaData> result;
  if (bundleIdentifier_.isEmpty()) return result;
  for (const AppMetaData& app : apps_) {
    if (app.shouldShow && app.isMultiApp != true && !app.appIdentifiers.contains(bundleIdentifier_))
      result.append(app);
  }
  return result;
}

QList<AppMetaData> RemoteConfigManager::shownMultiApps() const {
  QList<AppMetaData> result;
  if (bundleIdentifier_.isEmpty()) return result;
  for (const AppMetaData& app : apps_) {
    if (app.shouldShow && app.isMultiApp == true && !app.appIdentifiers.contains(bundleIdentifier_))
      result.append(app);
  }
  return result;
}

QStringList RemoteConfigManager::videoTutorialURLs(const std::optional<QString>& topic) const {
  if (!topic || !videoTutorials_) return {};
  const auto found = videoTutorials_->constFind(*topic);
  if (found == videoTutorials_->constEnd()) return {};
  const QString english = QStringLiteral("en");
  const QString language = supportedLanguageCode(locale_);
  QStringList result = found->value(language);
  if (language != english && found->contains(english)) result += found->value(english);
  return result;
}

const QStringList& RemoteConfigManager::supportedLanguageCodes() {
  static const QStringList codes{"de", "zh", "ja", "en", "es", "ko", "pt", "ru", "fr", "id", "hi"};
  return codes;
}

QString RemoteConfigManager::supportedLanguageCode(const QLocale& locale) {
  const QString code = QLocale::languageToCode(locale.language());
  return supportedLanguageCodes().contains(code) ? code : QStringLiteral("en");
}

void RemoteConfigManager::setBundleIdentifier(const QString& identifier) {
  bundleIdentifier_ = identifier;
  currentApp_.reset();
}

}  // namespace uc
