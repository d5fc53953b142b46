#include <algorithm>

#include "core/config/remote_config_records.h"
#include "core/config/video_address.h"
#include "wasm/web_api_arguments.h"

// The remote configuration's calls: whether a fetched value can be kept, and what the menu and
// the videos show of it. The page fetches and stores the texts; the core decodes them, as the
// app's does.
namespace uc::web {
namespace {

Json optionalText(const std::optional<std::string>& text) {
  return text ? Json(*text) : Json(nullptr);
}

Json configDecodes(const Json& args) {
  return config::decodes(text(args, "key"), text(args, "json"));
}

Json rows(const std::vector<config::AppMetaData>& apps, const std::string& language) {
  Json list = Json::array();
  for (const config::AppMetaData& app : apps) {
    list.push_back({{"name", app.name(language)}, {"link", optionalText(config::webLink(app))}});
  }
  return list;
}

// The catalogue rows in the language; null when the text does not decode.
Json configMenu(const Json& args) {
  const auto apps = config::decodeAllAppMetaData(text(args, "apps"));
  if (!apps) return nullptr;
  const std::string language = text(args, "language");
  std::optional<std::string> rating;
  for (const config::AppMetaData& app : *apps) {
    const auto& ids = app.appIdentifiers;
    if (std::find(ids.begin(), ids.end(), config::kOwnIdentifier) != ids.end()) {
      rating = config::httpsAddress(app.ratingURLPro);
      break;
    }
  }
  return {{"single", rows(config::shownApps(*apps, config::kOwnIdentifier, false), language)},
          {"multi", rows(config::shownApps(*apps, config::kOwnIdentifier, true), language)},
          {"rating", optionalText(rating)},
          {"community", config::kCommunityUrl}};
}

// This app's videos in the language, then the English ones, one item each: where its still
// image and its player are, both null for an address that names no video (its item says so).
// Null when the text does not decode.
Json configVideos(const Json& args) {
  const auto videos = config::decodeVideoTutorials(text(args, "videos"));
  if (!videos) return nullptr;
  Json items = Json::array();
  for (const std::string& url :
       config::videoTutorialUrls(*videos, config::kTopicCode, text(args, "language"))) {
    const auto video = config::parseVideoAddress(url);
    const std::string embed = video ? config::embedUrl(*video) : std::string();
    if (embed.empty()) {
      items.push_back({{"thumbnail", nullptr}, {"embed", nullptr}});
    } else {
      items.push_back({{"thumbnail", config::thumbnailUrl(*video)}, {"embed", embed}});
    }
  }
  return items;
}

}  // namespace

const MethodTable& configMethods() {
  static const MethodTable table{
      {"configDecodes", configDecodes},
      {"configMenu", configMenu},
      {"configVideos", configVideos},
  };
  return table;
}

}  // namespace uc::web
