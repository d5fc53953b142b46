#pragma once

#include <QHash>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "services/remote_config_records.h"
#include "services/remote_config_service.h"

namespace uc {

// The data the app receives from the remote configuration: the catalogue of the maker's apps
// (side menu, rating link), video lists per topic and language, house-advertising and offer
// data and consent reference data. Each key's JSON is decoded strictly into typed records; a
// document that does not decode leaves the previous value in place. The catalogue falls back
// to the RemoteConfigDefaults.json resource.
//
// One signal per data set stands for the notifications "didLoadMenu", "didLoadTiroAds",
// "didLoadOffers", "didLoadUmpReferenceData" and "didLoadVideoTutorialsData".
class RemoteConfigManager : public QObject {
  Q_OBJECT

 public:
  // Seconds before a fetched value counts as stale; the shell fetches with this.
  static constexpr int kFetchExpirationSeconds = 21600;
  // The topic code of this app's videos.
  static constexpr const char* kTopicCode = config::kTopicCode;
  // The identifier under which the catalogue lists this app.
  static constexpr const char* kDefaultBundleIdentifier = config::kOwnIdentifier;
  // The bundled fallback catalogue.
  static constexpr char kDefaultsResource[] = ":/unitcircle/RemoteConfigDefaults.json";

  // Takes the service (which must outlive the manager), sets its minimum fetch interval to 0
  // and has it keep the last value of each key that decoded; all data starts empty.
  explicit RemoteConfigManager(RemoteConfigService& service, QObject* parent = nullptr);

  // The process-wide manager over RemoteConfigService::shared(), made on first use.
  static RemoteConfigManager& shared();

  RemoteConfigService& service() const { return service_; }

  // The five loaders; loadAll runs them in this order.
  void loadAll();
  void loadApps();
  void loadAds();
  void loadOffers();
  void loadUmpReferenceData();
  void loadVideoTutorials();

  // Starts one fetch with kFetchExpirationSeconds and fetchCompleted as its completion.
  void fetch();
  void fetchCompleted(RemoteConfigService::FetchStatus status, const std::optional<QString>& error);

  const QList<AppMetaData>& apps() const { return apps_; }
  const QMap<QString, QList<TiroAdData>>& ads() const { return ads_; }
  const QMap<QString, QList<OfferData>>& offers() const { return offers_; }
  const std::optional<UmpReferenceData>& umpReferenceData() const { return ump_; }
  const std::optional<VideoTutorials>& videoTutorials() const { return videoTutorials_; }

  // The catalogue entry of this app, cached once found.
  std::optional<AppMetaData> currentApp();
  // The menu's two catalogue lists: shown entries, single- or multi-topic, never this app.
  QList<AppMetaData> shownSingleApps() const;
  QList<AppMetaData> shownMultiApps() const;
  // The topic's videos in the user's language, then the English ones.
  QStringList videoTutorialURLs(const std::optional<QString>& topic) const;

  // The language code of locale if it is one of the eleven supported, else "en".
  static QString supportedLanguageCode(const QLocale& locale = QLocale());
  static const QStringList& supportedLanguageCodes();

  // Whether value decodes as the records of key; a key nothing reads always does.
  static bool decodes(const QString& key, const QByteArray& value);

  // Empty means "no identifier": no currentApp, empty menu lists (tests).
  QString bundleIdentifier() const { return bundleIdentifier_; }
  void setBundleIdentifier(const QString& identifier);
  // The language videoTutorialURLs uses; the system's unless set (tests).
  void setLocale(const QLocale& locale) { locale_ = locale; }
  // Another fallback file, or none (an empty path, tests).
  void setDefaultsResourcePath(const QString& path) { defaultsPath_ = path; }
  // The fallback catalogue, read anew; nothing when it is missing or does not decode.
  std::optional<QList<AppMetaData>> bundledApps() const;

 signals:
  void didLoadMenu();
  void didLoadTiroAds();
  void didLoadOffers();
  void didLoadUmpReferenceData();
  void didLoadVideoTutorialsData();

 private:
  RemoteConfigService& service_;
  QString bundleIdentifier_ = QString::fromLatin1(kDefaultBundleIdentifier);
  QString defaultsPath_ = QString::fromLatin1(kDefaultsResource);
  QLocale locale_;
  std::optional<AppMetaData> currentApp_;
  QList<AppMetaData> apps_;
  QMap<QString, QList<TiroAdData>> ads_;
  QMap<QString, QList<OfferData>> offers_;
  std::optional<UmpReferenceData> ump_;
  std::optional<VideoTutorials> videoTutorials_;
};

}  // namespace uc
