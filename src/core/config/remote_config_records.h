#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The records of the remote configuration, decoded strictly: every member that is not marked
// optional must be present with its type, or the whole document is rejected. Each decoder
// returns nothing on failure and, when error is given, says which member failed. The app and
// the web edition both decode with these, so a document passes in one exactly when it passes in
// the other.
//
// No text gets through longer than these limits (counted in UTF-16 units, as a screen's text
// is): a single huge name froze the menu and used a gigabyte. Shown texts (names, button texts)
// are cut to kMaxShownTextLength, ending in "…"; any other text (addresses, identifiers, keys)
// would be wrong if cut: one longer than kMaxTextLength is dropped, leaving an empty text or a
// list or map without it.
namespace uc::config {

// The identifier under which the catalogue lists this app, and the topic of its videos.
inline constexpr char kOwnIdentifier[] = "app.unitcircle.tutor";
inline constexpr char kTopicCode[] = "KV";
// Where the menu's community row leads.
inline constexpr char kCommunityUrl[] = "https://community.unitcircle.app/join";

inline constexpr std::size_t kMaxShownTextLength = 200;
inline constexpr std::size_t kMaxTextLength = 2048;

using TextMap = std::map<std::string, std::string>;

// One catalogue entry.
struct AppMetaData {
  std::vector<std::string> appIdentifiers;
  TextMap appName;  // language code -> display name
  std::string appURL;
  std::string appURLPro;
  std::string ratingURL;
  std::string ratingURLPro;
  std::string storeURL;
  std::string storeURLPro;
  std::optional<bool> isMultiApp;
  bool shouldShow = false;
  std::int64_t calculationsUntilInterstitial = 0;

  // The name in language, else the English name, else an empty text.
  std::string name(const std::string& language) const;
  bool operator==(const AppMetaData&) const = default;
};

struct TiroAdData {
  std::string imageName;
  std::string linkingString;
  std::string discountNumber;
  bool operator==(const TiroAdData&) const = default;
};

struct OfferData {
  TextMap buttonTexts;
  std::string offerId;
  bool operator==(const OfferData&) const = default;
};

struct UmpReferenceData {
  std::optional<bool> isConsentOrPayActivated;
  std::string purposeConsents;
  std::string purposeLegitimateInterests;
  std::string vendorConsents;
  std::string vendorLegitimateInterests;
  bool operator==(const UmpReferenceData&) const = default;
};

// topic code -> language code -> video addresses
using VideoTutorials = std::map<std::string, std::map<std::string, std::vector<std::string>>>;

// {"apps": [AppMetaData ...]}
std::optional<std::vector<AppMetaData>> decodeAllAppMetaData(std::string_view json,
                                                             std::string* error = nullptr);
// {"placement": [TiroAdData ...], ...}
std::optional<std::map<std::string, std::vector<TiroAdData>>> decodeAds(
    std::string_view json, std::string* error = nullptr);
// {"placement": [OfferData ...], ...}
std::optional<std::map<std::string, std::vector<OfferData>>> decodeOffers(
    std::string_view json, std::string* error = nullptr);
std::optional<UmpReferenceData> decodeUmpReferenceData(std::string_view json,
                                                       std::string* error = nullptr);
std::optional<VideoTutorials> decodeVideoTutorials(std::string_view json,
                                                   std::string* error = nullptr);

// Whether the value of one of the document's keys decodes as its records; a key nothing reads
// always does.
bool decodes(std::string_view key, std::string_view json);

// The menu's catalogue: shown entries, single- or multi-topic, never the app itself.
std::vector<AppMetaData> shownApps(const std::vector<AppMetaData>& apps,
                                   const std::string& ownIdentifier, bool multiTopic);

// A topic's videos in the language, then the English ones.
std::vector<std::string> videoTutorialUrls(const VideoTutorials& videos, const std::string& topic,
                                           const std::string& language);

// The text as an https: address with a host, trimmed; nothing for any other text. A page can
// open nothing else safely: it cannot know which app claims another scheme.
std::optional<std::string> httpsAddress(const std::string& text);

// What a catalogue entry opens from a web page: the pro app's address, the free app's or the
// pro store page, the first of them that is an https: address.
std::optional<std::string> webLink(const AppMetaData& app);

}  // namespace uc::config
