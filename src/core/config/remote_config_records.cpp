#include "core/config/remote_config_records.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

namespace uc::config {
namespace {

using Json = nlohmann::json;

// The UTF-16 units of one UTF-8 sequence starting with lead: a character beyond the basic
// plane takes two.
std::size_t utf16Units(unsigned char lead) { return lead >= 0xF0 ? 2 : 1; }
bool startsCharacter(unsigned char byte) { return (byte & 0xC0) != 0x80; }

std::size_t utf16Length(const std::string& text) {
  std::size_t length = 0;
  for (const char c : text) {
    if (startsCharacter(static_cast<unsigned char>(c))) length += utf16Units(c);
  }
  return length;
}

bool fits(const std::string& text) {
  // Bytes are never fewer than UTF-16 units: most texts need no counting.
  return text.size() <= kMaxTextLength || utf16Length(text) <= kMaxTextLength;
}

// The first kMaxShownTextLength - 1 units and "…", never half a character.
std::string shortened(const std::string& text) {
  if (text.size() <= kMaxShownTextLength || utf16Length(text) <= kMaxShownTextLength) return text;
  std::size_t units = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = units + utf16Units(static_cast<unsigned char>(text[end]));
    if (next > kMaxShownTextLength - 1) break;
    units = next;
    ++end;
    while (end < text.size() && !startsCharacter(static_cast<unsigned char>(text[end]))) ++end;
  }
  return text.substr(0, end) + "\u2026";
}

// Reads members of one JSON object; the first failure is kept and every later read is skipped,
// so a decoder can read all its members and check ok() once.
class Reader {
 public:
  Reader(const Json& value, std::string context, std::string* error)
      : value_(value), context_(std::move(context)), error_(error) {
    if (!value.is_object()) fail("is not an object");
  }

  bool ok() const { return ok_; }

  std::string string(const std::string& key) {
    const Json* v = member(key);
    if (!v) return {};
    if (!v->is_string()) {
      fail(key, "is not a string");
      return {};
    }
    const std::string& text = v->get_ref<const std::string&>();
    return fits(text) ? text : std::string();
  }

  bool boolean(const std::string& key) {
    const Json* v = member(key);
    if (!v) return false;
    if (!v->is_boolean()) fail(key, "is not a boolean");
    return v->is_boolean() && v->get<bool>();
  }

  // Missing and null both mean "not given".
  std::optional<bool> optionalBoolean(const std::string& key) {
    if (!ok_) return std::nullopt;
    const auto found = value_.find(key);
    if (found == value_.end() || found->is_null()) return std::nullopt;
    if (!found->is_boolean()) {
      fail(key, "is not a boolean");
      return std::nullopt;
    }
    return found->get<bool>();
  }

  // Any JSON number with a whole value within 64 bits, read as a double is read: 3.0 is 3.
  std::int64_t integer(const std::string& key) {
    const Json* v = member(key);
    if (!v) return 0;
    const double d = v->is_number() ? v->get<double>() : NAN;
    // 2^63 itself is not representable as int64, hence the strict upper bound.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(d) || std::trunc(d) != d || d < -kLimit || d >= kLimit) {
      fail(key, "is not an integer");
      return 0;
    }
    return static_cast<std::int64_t>(d);
  }

  std::vector<std::string> stringList(const std::string& key) {
    const Json* v = member(key);
    if (!v) return {};
    if (!v->is_array()) {
      fail(key, "is not an array");
      return {};
    }
    std::vector<std::string> result;
    for (const Json& item : *v) {
      if (!item.is_string()) {
        fail(key, "holds a value that is not a string");
        return {};
      }
      if (fits(item.get_ref<const std::string&>())) result.push_back(item.get<std::string>());
    }
    return result;
  }

  // Language code -> a text that is shown.
  TextMap shownTextMap(const std::string& key) {
    const Json* v = member(key);
    if (!v) return {};
    if (!v->is_object()) {
      fail(key, "is not an object");
      return {};
    }
    TextMap result;
    for (const auto& [name, text] : v->items()) {
      // Skipped before anything else, so that no error message quotes it either.
      if (!fits(name)) continue;
      if (!text.is_string()) {
        fail(key + "." + name, "is not a string");
        return {};
      }
      result[name] = shortened(text.get<std::string>());
    }
    return result;
  }

 private:
  const Json* member(const std::string& key) {
    if (!ok_) return nullptr;
    const auto found = value_.find(key);
    if (found == value_.end()) {
      fail(key, "is missing");
      return nullptr;
    }
    return &*found;
  }

  void fail(const std::string& key, const std::string& what) { fail(key + " " + what); }

  void fail(const std::string& what) {
    if (!ok_) return;
    ok_ = false;
    if (error_) *error_ = context_.empty() ? what : context_ + " " + what;
  }

  const Json& value_;
  std::string context_;
  std::string* error_;
  bool ok_ = true;
};

void setError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

// A document is an object or an array; nothing else, and no text that is not JSON.
std::optional<Json> parse(std::string_view json, std::string* error) {
  if (std::all_of(json.begin(), json.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
      })) {
    setError(error, "no value");
    return std::nullopt;
  }
  try {
    Json document = Json::parse(json);
    if (document.is_object() || document.is_array()) return document;
    setError(error, "the document is neither an object nor an array");
  } catch (const Json::parse_error& failure) {
    setError(error,
             "invalid JSON at offset " + std::to_string(failure.byte) + ": " + failure.what());
  } catch (const Json::exception& failure) {  // a number beyond a double, say
    setError(error, std::string("invalid JSON: ") + failure.what());
  }
  return std::nullopt;
}

std::optional<AppMetaData> appFromJson(const Json& value, std::string* error) {
  Reader r(value, {}, error);
  AppMetaData app;
  app.appIdentifiers = r.stringList("appIdentifiers");
  app.appName = r.shownTextMap("appName");
  app.appURL = r.string("appURL");
  app.appURLPro = r.string("appURLPro");
  app.ratingURL = r.string("ratingURL");
  app.ratingURLPro = r.string("ratingURLPro");
  app.storeURL = r.string("storeURL");
  app.storeURLPro = r.string("storeURLPro");
  app.isMultiApp = r.optionalBoolean("isMultiApp");
  app.shouldShow = r.boolean("shouldShow");
  app.calculationsUntilInterstitial = r.integer("calculationsUntilInterstitial");
  if (!r.ok()) return std::nullopt;
  return app;
}

std::optional<TiroAdData> adFromJson(const Json& value, std::string* error) {
  Reader r(value, {}, error);
  TiroAdData ad;
  ad.imageName = r.string("imageName");
  ad.linkingString = r.string("linkingString");
  ad.discountNumber = r.string("discountNumber");
  if (!r.ok()) return std::nullopt;
  return ad;
}

std::optional<OfferData> offerFromJson(const Json& value, std::string* error) {
  Reader r(value, {}, error);
  OfferData offer;
  offer.buttonTexts = r.shownTextMap("buttonTexts");
  offer.offerId = r.string("offerId");
  if (!r.ok()) return std::nullopt;
  return offer;
}

std::optional<UmpReferenceData> umpFromJson(const Json& value, std::string* error) {
  Reader r(value, {}, error);
  UmpReferenceData ump;
  ump.isConsentOrPayActivated = r.optionalBoolean("isConsentOrPayActivated");
  ump.purposeConsents = r.string("purposeConsents");
  ump.purposeLegitimateInterests = r.string("purposeLegitimateInterests");
  ump.vendorConsents = r.string("vendorConsents");
  ump.vendorLegitimateInterests = r.string("vendorLegitimateInterests");
  if (!r.ok()) return std::nullopt;
  return ump;
}

template <typename Record, typename Decode>
std::optional<std::vector<Record>> decodeList(const Json& value, const std::string& context,
                                              Decode decode, std::string* error) {
  if (!value.is_array()) {
    setError(error, context + " is not an array");
    return std::nullopt;
  }
  std::vector<Record> result;
  for (std::size_t i = 0; i < value.size(); ++i) {
    std::string itemError;
    auto record = decode(value[i], &itemError);
    if (!record) {
      setError(error, context + "[" + std::to_string(i) + "]: " + itemError);
      return std::nullopt;
    }
    result.push_back(*std::move(record));
  }
  return result;
}

// An object whose every member is a list of records.
template <typename Record, typename Decode>
std::optional<std::map<std::string, std::vector<Record>>> decodeListMap(std::string_view json,
                                                                        Decode decode,
                                                                        std::string* error) {
  const auto value = parse(json, error);
  if (!value) return std::nullopt;
  if (!value->is_object()) {
    setError(error, "the document is not an object");
    return std::nullopt;
  }
  std::map<std::string, std::vector<Record>> result;
  for (const auto& [key, member] : value->items()) {
    if (!fits(key)) continue;
    auto list = decodeList<Record>(member, key, decode, error);
    if (!list) return std::nullopt;
    result[key] = *std::move(list);
  }
  return result;
}

}  // namespace

std::string AppMetaData::name(const std::string& language) const {
  if (const auto found = appName.find(language); found != appName.end()) return found->second;
  const auto english = appName.find("en");
  return english != appName.end() ? english->second : std::string();
}

std::optional<std::vector<AppMetaData>> decodeAllAppMetaData(std::string_view json,
                                                             std::string* error) {
  const auto value = parse(json, error);
  if (!value) return std::nullopt;
  if (!value->is_object()) {
    setError(error, "the document is not an object");
    return std::nullopt;
  }
  const auto apps = value->find("apps");
  if (apps == value->end()) {
    setError(error, "apps is missing");
    return std::nullopt;
  }
  return decodeList<AppMetaData>(*apps, "apps", appFromJson, error);
}

std::optional<std::map<std::string, std::vector<TiroAdData>>> decodeAds(std::string_view json,
                                                                        std::string* error) {
  return decodeListMap<TiroAdData>(json, adFromJson, error);
}

std::optional<std::map<std::string, std::vector<OfferData>>> decodeOffers(std::string_view json,
                                                                          std::string* error) {
  return decodeListMap<OfferData>(json, offerFromJson, error);
}

std::optional<UmpReferenceData> decodeUmpReferenceData(std::string_view json, std::string* error) {
  const auto value = parse(json, error);
  if (!value) return std::nullopt;
  return umpFromJson(*value, error);
}

std::optional<VideoTutorials> decodeVideoTutorials(std::string_view json, std::string* error) {
  const auto value = parse(json, error);
  if (!value) return std::nullopt;
  if (!value->is_object()) {
    setError(error, "the document is not an object");
    return std::nullopt;
  }
  VideoTutorials result;
  for (const auto& [topic, languagesJson] : value->items()) {
    if (!fits(topic)) continue;
    Reader r(languagesJson, topic, error);
    if (!r.ok()) return std::nullopt;
    std::map<std::string, std::vector<std::string>> languages;
    for (const auto& [language, unused] : languagesJson.items()) {
      if (!fits(language)) continue;
      languages[language] = r.stringList(language);
      if (!r.ok()) return std::nullopt;
    }
    result[topic] = std::move(languages);
  }
  return result;
}

bool decodes(std::string_view key, std::string_view json) {
  if (key == "apps") return decodeAllAppMetaData(json).has_value();
  if (key == "ads") return decodeAds(json).has_value();
  if (key == "offers") return decodeOffers(json).has_value();
  if (key == "umpReferenceData") return decodeUmpReferenceData(json).has_value();
  if (key == "videoTutorials") return decodeVideoTutorials(json).has_value();
  return true;
}

std::vector<AppMetaData> shownApps(const std::vector<AppMetaData>& apps,
                                   const std::string& ownIdentifier, bool multiTopic) {
  std::vector<AppMetaData> shown;
  if (ownIdentifier.empty()) return shown;
  for (const AppMetaData& app : apps) {
    const bool own = std::find(app.appIdentifiers.begin(), app.appIdentifiers.end(),
                               ownIdentifier) != app.appIdentifiers.end();
    if (app.shouldShow && (app.isMultiApp == true) == multiTopic && !own) shown.push_back(app);
  }
  return shown;
}

std::vector<std::string> videoTutorialUrls(const VideoTutorials& videos, const std::string& topic,
                                           const std::string& language) {
  const auto found = videos.find(topic);
  if (found == videos.end()) return {};
  std::vector<std::string> urls;
  if (const auto own = found->second.find(language); own != found->second.end()) urls = own->second;
  if (language != "en") {
    if (const auto english = found->second.find("en"); english != found->second.end()) {
      urls.insert(urls.end(), english->second.begin(), english->second.end());
    }
  }
  return urls;
}

std::optional<std::string> httpsAddress(const std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  if (first >= last) return std::nullopt;
  const std::string address(first, last);
  constexpr std::string_view kScheme = "https://";
  if (address.size() <= kScheme.size()) return std::nullopt;
  for (std::size_t i = 0; i < kScheme.size(); ++i) {
    const char c = address[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kScheme[i]) {
      return std::nullopt;
    }
  }
  // No blanks or control characters inside, and a host before the path.
  if (std::any_of(address.begin(), address.end(),
                  [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7f; })) {
    return std::nullopt;
  }
  const std::size_t hostEnd = address.find_first_of("/?#", kScheme.size());
  const std::string host = address.substr(kScheme.size(), hostEnd - kScheme.size());
  if (host.empty() || host.find('@') != std::string::npos || host.front() == ':') {
    return std::nullopt;
  }
  return address;
}

std::optional<std::string> webLink(const AppMetaData& app) {
  for (const std::string* address : {&app.appURLPro, &app.appURL, &app.storeURLPro}) {
    if (auto link = httpsAddress(*address)) return link;
  }
  return std::nullopt;
}

}  // namespace uc::config
