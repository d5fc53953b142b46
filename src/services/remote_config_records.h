#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/config/remote_config_records.h"

namespace uc {

// The records of the remote configuration in Qt's types, decoded by the core's decoders
// (core/config/remote_config_records.h), which the web edition uses too: strictly, every
// required member present with its type, and no text longer than the limits below.
inline constexpr qsizetype kMaxShownTextLength = config::kMaxShownTextLength;
inline constexpr qsizetype kMaxTextLength = config::kMaxTextLength;

// One catalogue entry.
struct AppMetaData {
  QStringList appIdentifiers;
  QMap<QString, QString> appName;  // language code -> display name
  QString appURL;
  QString appURLPro;
  QString ratingURL;
  QString ratingURLPro;
  QString storeURL;
  QString storeURLPro;
  std::optional<bool> isMultiApp;
  bool shouldShow = false;
  qint64 calculationsUntilInterstitial = 0;

  // The name in language, else the English name, else an empty text.
  QString name(const QString& language) const;

  bool operator==(const AppMetaData&) const = default;
};

// {"apps": [AppMetaData ...]}
std::optional<QList<AppMetaData>> decodeAllAppMetaData(const QByteArray& json,
                                                       QString* error = nullptr);

struct TiroAdData {
  QString imageName;
  QString linkingString;
  QString discountNumber;
  bool operator==(const TiroAdData&) const = default;
};

struct OfferData {
  QMap<QString, QString> buttonTexts;
  QString offerId;
  bool operator==(const OfferData&) const = default;
};

struct UmpReferenceData {
  std::optional<bool> isConsentOrPayActivated;
  QString purposeConsents;
  QString purposeLegitimateInterests;
  QString vendorConsents;
  QString vendorLegitimateInterests;
  bool operator==(const UmpReferenceData&) const = default;
};

// topic code -> language code -> video addresses
using VideoTutorials = QMap<QString, QMap<QString, QStringList>>;

std::optional<QMap<QString, QList<TiroAdData>>> decodeAds(const QByteArray& json,
                                                          QString* error = nullptr);
std::optional<QMap<QString, QList<OfferData>>> decodeOffers(const QByteArray& json,
                                                            QString* error = nullptr);
std::optional<UmpReferenceData> decodeUmpReferenceData(const QByteArray& json,
                                                       QString* error = nullptr);
std::optional<VideoTutorials> decodeVideoTutorials(const QByteArray& json,
                                                   QString* error = nullptr);

}  // namespace uc
