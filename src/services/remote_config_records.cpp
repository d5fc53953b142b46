#include "services/remote_config_records.h"

#include <type_traits>
#include <utility>

namespace uc {
namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

QStringList qt(const std::vector<std::string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string& text : texts) list.append(qt(text));
  return list;
}

QMap<QString, QString> qt(const config::TextMap& texts) {
  QMap<QString, QString> map;
  for (const auto& [key, text] : texts) map.insert(qt(key), qt(text));
  return map;
}

AppMetaData qt(const config::AppMetaData& app) {
  AppMetaData result;
  result.appIdentifiers = qt(app.appIdentifiers);
  result.appName = qt(app.appName);
  result.appURL = qt(app.appURL);
  result.appURLPro = qt(app.appURLPro);
  result.ratingURL = qt(app.ratingURL);
  result.ratingURLPro = qt(app.ratingURLPro);
  result.storeURL = qt(app.storeURL);
  result.storeURLPro = qt(app.storeURLPro);
  result.isMultiApp = app.isMultiApp;
  result.shouldShow = app.shouldShow;
  result.calculationsUntilInterstitial = app.calculationsUntilInterstitial;
  return result;
}

TiroAdData qt(const config::TiroAdData& ad) {
  return {qt(ad.imageName), qt(ad.linkingString), qt(ad.discountNumber)};
}

OfferData qt(const config::OfferData& offer) { return {qt(offer.buttonTexts), qt(offer.offerId)}; }

template <typename Record>
auto qtList(const std::vector<Record>& records) {
  QList<decltype(qt(records.front()))> list;
  list.reserve(static_cast<qsizetype>(records.size()));
  for (const Record& record : records) list.append(qt(record));
  return list;
}

template <typename Record>
auto qtListMap(const std::map<std::string, std::vector<Record>>& lists) {
  QMap<QString, QList<decltype(qt(std::declval<const Record&>()))>> map;
  for (const auto& [key, records] : lists) map.insert(qt(key), qtList(records));
  return map;
}

// Decodes with the core and gives its answer, or its error, in Qt's types.
template <typename Decoded, typename Convert>
std::optional<std::invoke_result_t<Convert, const typename Decoded::value_type&>> decoded(
    const QByteArray& json, QString* error, Decoded (*decode)(std::string_view, std::string*),
    Convert convert) {
  std::string failure;
  const Decoded value = decode(std::string_view(json.constData(), json.size()), &failure);
  if (!value) {
    if (error) *error = qt(failure);
    return std::nullopt;
  }
  return convert(*value);
}

}  // namespace

QString AppMetaData::name(const QString& language) const {
  auto it = appName.constFind(language);
  if (it != appName.constEnd()) return *it;
  return appName.value(QStringLiteral("en"));
}

std::optional<QList<AppMetaData>> decodeAllAppMetaData(const QByteArray& json, QString* error) {
  return decoded(json, error, &config::decodeAllAppMetaData,
                 [](const auto& apps) { return qtList(apps); });
}

std::optional<QMap<QString, QList<TiroAdData>>> decodeAds(const QByteArray& json, QString* error) {
  return decoded(json, error, &config::decodeAds, [](const auto& ads) { return qtListMap(ads); });
}

std::optional<QMap<QString, QList<OfferData>>> decodeOffers(const QByteArray& json,
                                                            QString* error) {
  return decoded(json, error, &config::decodeOffers,
                 [](const auto& offers) { return qtListMap(offers); });
}

std::optional<UmpReferenceData> decodeUmpReferenceData(const QByteArray& json, QString* error) {
  return decoded(
      json, error, &config::decodeUmpReferenceData, [](const config::UmpReferenceData& ump) {
        return UmpReferenceData{ump.isConsentOrPayActivated, qt(ump.purposeConsents),
                                qt(ump.purposeLegitimateInterests), qt(ump.vendorConsents),
                                qt(ump.vendorLegitimateInterests)};
      });
}

std::optional<VideoTutorials> decodeVideoTutorials(const QByteArray& json, QString* error) {
  return decoded(json, error, &config::decodeVideoTutorials,
                 [](const config::VideoTutorials& videos) {
                   VideoTutorials result;
                   for (const auto& [topic, languages] : videos) {
                     QMap<QString, QStringList> lists;
                     for (const auto& [language, urls] : languages)
                       lists.insert(qt(language), qt(urls));
                     result.insert(qt(topic), lists);
                   }
                   return result;
                 });
}

}  // namespace uc
