#include "services/remote_config_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <limits>
#include <utility>

namespace uc {
namespace {

bool fits(const QString& text) { return text.size() <= kMaxTextLength; }

QString shortened(const QString& text) {
  if (text.size() <= kMaxShownTextLength) return text;
  qsizetype length = kMaxShownTextLength - 1;
  if (text.at(length - 1).isHighSurrogate()) --length;
  return text.left(length) + QChar(0x2026);
}

// Reads members of one JSON object; the first failure is kept and every later read is skipped,
// so a decoder can read all its members and check ok() once.
class Reader {
 public:
  Reader(const QJsonValue& value, QString context, QString* error)
      : object_(value.toObject()), context_(std::move(context)), error_(error) {
    if (!value.isObject()) fail(QStringLiteral("is not an object"));
  }

  bool ok() const { return ok_; }

  QString string(const QString& key) {
    const QJsonValue v = member(key);
    if (!ok_) return {};
    if (!v.isString()) fail(key, QStringLiteral("is not a string"));
    const QString text = v.toString();
    return fits(text) ? text : QString();
  }

  bool boolean(const QString& key) {
    const QJsonValue v = member(key);
    if (!ok_) return false;
    if (!v.isBool()) fail(key, QStringLiteral("is not a boolean"));
    return v.toBool();
  }

  // Missing and null both mean "not given".
  std::optional<bool> optionalBoolean(const QString& key) {
    if (!ok_) return std::nullopt;
    const QJsonValue v = object_.value(key);
    if (v.isUndefined() || v.isNull()) return std::nullopt;
    if (!v.isBool()) {
      fail(key, QStringLiteral("is not a boolean"));
      return std::nullopt;
    }
    return v.toBool();
  }

  qint64 integer(const QString& key) {
    const QJsonValue v = member(key);
    if (!ok_) return 0;
    const double d = v.toDouble();
    // 2^63 itself is not representable as qint64, hence the strict upper bound.
    constexpr double kLimit = 9223372036854775808.0;
    if (!v.isDouble() || !std::isfinite(d) || std::trunc(d) != d || d < -kLimit || d >= kLimit) {
      fail(key, QStringLiteral("is not an integer"));
      return 0;
    }
    return static_cast<qint64>(d);
  }

  QStringList stringList(const QString& key) {
    const QJsonValue v = member(key);
    if (!ok_) return {};
    if (!v.isArray()) {
      fail(key, QStringLiteral("is not an array"));
      return {};
    }
    QStringList result;
    for (const QJsonValue& item : v.toArray()) {
      if (!item.isString()) {
        fail(key, QStringLiteral("holds a value that is not a string"));
        return {};
      }
      if (fits(item.toString())) result.append(item.toString());
    }
    return result;
  }

  // Language code -> a text that is shown.
  QMap<QString, QString> shownTextMap(const QString& key) {
    const QJsonValue v = member(key);
    if (!ok_) return {};
    if (!v.isObject()) {
      fail(key, QStringLiteral("is not an object"));
      return {};
    }
    QMap<QString, QString> result;
    const QJsonObject object = v.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
      // Skipped before anything else, so that no error message quotes it either.
      if (!fits(it.key())) continue;
      if (!it.value().isString()) {
        fail(key + QLatin1Char('.') + it.key(), QStringLiteral("is not a string"));
        return {};
      }
      result.insert(it.key(), shortened(it.value().toString()));
    }
    return result;
  }

 private:
  QJsonValue member(const QString& key) {
    if (!ok_) return {};
    const QJsonValue v = object_.value(key);
    if (v.isUndefined()) fail(key, QStringLiteral("is missing"));
    return v;
  }

  void fail(const QString& key, const QString& what) { fail(key + QLatin1Char(' ') + what); }

  void fail(const QString& what) {
    if (!ok_) return;
    ok_ = false;
    if (error_) *error_ = context_.isEmpty() ? what : context_ + QLatin1Char(' ') + what;
  }

  QJsonObject object_;
  QString context_;
  QString* error_;
  bool ok_ = true;
};

void setError(QString* error, const QString& text) {
  if (error) *error = text;
}

std::optional<QJsonValue> parse(const QByteArray& json, QString* error) {
  if (json.trimmed().isEmpty()) {
    setError(error, QStringLiteral("no value"));
    return std::nullopt;
  }
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    setError(error, QStringLiteral("invalid JSON at offset %1: %2")
                        .arg(parseError.offset)
                        .arg(parseError.errorString()));
    return std::nullopt;
  }
  if (document.isObject()) return QJsonValue(document.object());
  return QJsonValue(document.array());
}

template <typename Record>
std::optional<QList<Record>> decodeList(const QJsonValue& value, const QString& context,
                                        QString* error) {
  if (!value.isArray()) {
    setError(error, context + QStringLiteral(" is not an array"));
    return std::nullopt;
  }
  QList<Record> result;
  const QJsonArray array = value.toArray();
  for (qsizetype i = 0; i < array.size(); ++i) {
    QString itemError;
    auto record = Record::fromJson(array[i], &itemError);
    if (!record) {
      setError(error, QStringLiteral("%1[%2]: %3").arg(context).arg(i).arg(itemError));
      return std::nullopt;
    }
    result.append(*std::move(record));
  }
  return result;
}

// An object whose every member is a list of records.
template <typename Record>
std::optional<QMap<QString, QList<Record>>> decodeListMap(const QByteArray& json, QString* error) {
  const auto value = parse(json, error);
  if (!value) return std::nullopt;
  if (!value->isObject()) {
    setError(error, QStringLiteral("the document is not an object"));
    return std::nullopt;
  }
  QMap<QString, QList<Record>> result;
  const QJsonObject object = value->toObject();
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (!fits(it.key())) continue;
    auto list = decodeList<Record>(it.value(), it.key(), error);
    if (!list) return std::nullopt;
    result.insert(it.key(), *std::move(list));
  }
  return result;
}

}  // namespace

QString AppMetaData::name(const QString& language) const {
  auto it = appName.constFind(language);
  if (it != appName.constEnd()) return *it;
  return appName.value(QStringLiteral("en"));
}

std::optional<AppMetaData> AppMetaData::fromJson(const QJsonValue& value, QString* error) {
  Reader r(value, {}, error);
  AppMetaData app;
  app.appIdentifiers = r.stringList(QStringLiteral("appIdentifiers"));
  app.appName = r.shownTextMap(QStringLiteral("appName"));
  app.appURL = r.string(QStringLiteral("appURL"));
  app.appURLPro = r.string(QStringLiteral("appURLPro"));
  app.ratingURL = r.string(QStringLiteral("ratingURL"));
  app.ratingURLPro = r.string(QStringLiteral("ratingURLPro"));
  app.storeURL = r.string(QStringLiteral("storeURL"));
  app.storeURLPro = r.string(QStringLiteral("storeURLPro"));
  app.isMultiApp = r.optionalBoolean(QStringLiteral("isMultiApp"));
  app.shouldShow = r.boolean(QStringLiteral("shouldShow"));
  app.calculationsUntilInterstitial = r.integer(QStringLiteral("calculationsUntilInterstitial"));
  if (!r.ok()) return std::nullopt;
  return app;
}

std::optional<QList<AppMetaData>> decodeAllAppMetaData(const QByteArray& json, QString* error) {
  const auto value = parse(json, error);
  if (!value) return std::nullopt;
  if (!value->isObject()) {
    setError(error, QStringLiteral("the document is not an object"));
    return std::nullopt;
  }
  const QJsonValue apps = value->toObject().value(QStringLiteral("apps"));
  if (apps.isUndefined()) {
    setError(error, QStringLiteral("apps is missing"));
    return std::nullopt;
  }
  return decodeList<AppMetaData>(apps, QStringLiteral("apps"), error);
}

std::optional<TiroAdData> TiroAdData::fromJson(const QJsonValue& value, QString* error) {
  Reader r(value, {}, error);
  TiroAdData ad;
  ad.imageName = r.string(QStringLiteral("imageName"));
  ad.linkingString = r.string(QStringLiteral("linkingString"));
  ad.discountNumber = r.string(QStringLiteral("discountNumber"));
  if (!r.ok()) return std::nullopt;
  return ad;
}

std::optional<OfferData> OfferData::fromJson(const QJsonValue& value, QString* error) {
  Reader r(value, {}, error);
  OfferData offer;
  offer.buttonTexts = r.shownTextMap(QStringLiteral("buttonTexts"));
  offer.offerId = r.string(QStringLiteral("offerId"));
  if (!r.ok()) return std::nullopt;
  return offer;
}

std::optional<UmpReferenceData> UmpReferenceData::fromJson(const QJsonValue& value,
                                                           QString* error) {
  Reader r(value, {}, error);
  UmpReferenceData ump;
  ump.isConsentOrPayActivated = r.optionalBoolean(QStringLiteral("isConsentOrPayActivated"));
  ump.purposeConsents = r.string(QStringLiteral("purposeConsents"));
  ump.purposeLegitimateInterests = r.string(QStringLiteral("purposeLegitimateInterests"));
  ump.vendorConsents = r.string(QStringLiteral("vendorConsents"));
  ump.vendorLegitimateInterests = r.string(QStringLiteral("vendorLegitimateInterests"));
  if (!r.ok()) return std::nullopt;
  return ump;
}

std::optional<QMap<QString, QList<TiroAdData>>> decodeAds(const QByteArray& json, QString* error) {
  return decodeListMap<TiroAdData>(json, error);
}

std::optional<QMap<QString, QList<OfferData>>> decodeOffers(const QByteArray& json,
                                                            QString* error) {
  return decodeListMap<OfferData>(json, error);
}

std::optional<UmpReferenceData> decodeUmpReferenceData(const QByteArray& json, QString* error) {
  const auto value = parse(json, error);
  if (!value) return std::nullopt;
  return UmpReferenceData::fromJson(*value, error);
}

std::optional<VideoTutorials> decodeVideoTutorials(const QByteArray& json, QString* error) {
  const auto value = parse(json, error);
  if (!value) return std::nullopt;
  if (!value->isObject()) {
    setError(error, QStringLiteral("the document is not an object"));
    return std::nullopt;
  }
  VideoTutorials result;
  const QJsonObject topics = value->toObject();
  for (auto topic = topics.begin(); topic != topics.end(); ++topic) {
    if (!fits(topic.key())) continue;
    Reader r(topic.value(), topic.key(), error);
    if (!r.ok()) return std::nullopt;
    QMap<QString, QStringList> languages;
    const QJsonObject object = topic.value().toObject();
    for (auto language = object.begin(); language != object.end(); ++language) {
      if (!fits(language.key())) continue;
      languages.insert(language.key(), r.stringList(language.key()));
      if (!r.ok()) return std::nullopt;
    }
    result.insert(topic.key(), languages);
  }
  return result;
}

}  // namespace uc
