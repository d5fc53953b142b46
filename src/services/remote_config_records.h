#pragma once

#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace uc {

// The records of the remote configuration, decoded strictly: every member that is not marked
// optional must be present with its type, or the whole document is rejected. Each decoder
// returns nothing on failure and, when error is given, says which member failed.
//
// No text gets through longer than these limits: a single huge name froze the menu and used a
// gigabyte. Shown texts (names, button texts) are cut to kMaxShownTextLength, ending in "…";
// any other text (addresses, identifiers, keys) would be wrong if cut: one longer than
// kMaxTextLength is dropped, leaving an empty text or a list or map without it.
inline constexpr qsizetype kMaxShownTextLength = 200;
inline constexpr qsizetype kMaxTextLength = 2048;

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

  static std::optional<AppMetaData> fromJson(const QJsonValue& value, QString* error = nullptr);
  bool operator==(const AppMetaData&) const = default;
};

// {"apps": [AppMetaData ...]}
std::optional<QList<AppMetaData>> decodeAllAppMetaData(const QByteArray& json,
                                                       QString* error = nullptr);

struct TiroAdData {
  QString imageName;
  QString linkingString;
  QString discountNumber;
  static std::optional<TiroAdData> fromJson(const QJsonValue& value, QString* error = nullptr);
  bool operator==(const TiroAdData&) const = default;
};

struct OfferData {
  QMap<QString, QString> buttonTexts;
  QString offerId;
  static std::optional<OfferData> fromJson(const QJsonValue& value, QString* error = nullptr);
  bool operator==(const OfferData&) const = default;
};

struct UmpReferenceData {
  std::optional<bool> isConsentOrPayActivated;
  QString purposeConsents;
  QString purposeLegitimateInterests;
  QString vendorConsents;
  QString vendorLegitimateInterests;
  static std::optional<UmpReferenceData> fromJson(const QJsonValue& value,
                                                  QString* error = nullptr);
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
