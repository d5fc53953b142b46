#include "core/config/video_address.h"

#include <vector>

namespace uc::config {

namespace {

// Player parameters of every video: annotations shown.
constexpr char kIvLoadPolicy[] = "1";

bool isDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The pieces between "&", empty ones dropped.
std::vector<std::string_view> pieces(std::string_view text) {
  std::vector<std::string_view> result;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t end = std::min(text.find('&', from), text.size());
    if (end > from) result.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return result;
}

// The start of a regular video: the last piece of the address, "t=90s" giving "90".
std::optional<std::string> startFrom(std::string_view lastPiece) {
  if (!startsWith(lastPiece, "t=") || lastPiece.empty() || lastPiece.back() != 's') return {};
  // Every "t=" goes, as the lists were always read; then the "s".
  std::string seconds;
  for (std::size_t i = 0; i < lastPiece.size();) {
    if (lastPiece.substr(i, 2) == "t=") {
      i += 2;
    } else {
      seconds += lastPiece[i++];
    }
  }
  seconds.pop_back();
  // A whole number of seconds, at most nine digits: anything else is no start at all.
  if (!isDigits(seconds) || seconds.size() > 9) return {};
  return seconds;
}

}  // namespace

std::optional<VideoAddress> parseVideoAddress(std::string_view address) {
  if (startsWith(address, kWatchPrefix)) {
    const auto parts = pieces(address.substr(std::string_view(kWatchPrefix).size()));
    if (parts.empty() || parts.front().size() != kVideoIdLength) return {};
    return VideoAddress{std::string(parts.front()), false, startFrom(parts.back())};
  }
  if (startsWith(address, kShortsPrefix)) {
    const std::string_view videoId = address.substr(std::string_view(kShortsPrefix).size());
    if (videoId.size() != kVideoIdLength) return {};
    return VideoAddress{std::string(videoId), true, {}};
  }
  return {};
}

bool isSafeVideoId(std::string_view videoId) {
  if (videoId.size() != kVideoIdLength) return false;
  for (const char c : videoId) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_';
    if (!safe) return false;
  }
  return true;
}

bool isSafeStart(const std::optional<std::string>& start) {
  return !start || (isDigits(*start) && start->size() <= 9);
}

std::string thumbnailUrl(const VideoAddress& video, std::string_view thumbnailBase) {
  if (!isSafeVideoId(video.videoId)) return {};
  return std::string(thumbnailBase) + video.videoId + "/hqdefault.jpg";
}

std::string watchUrl(const VideoAddress& video) {
  if (!isSafeVideoId(video.videoId) || !isSafeStart(video.start)) return {};
  const std::string host = std::string("https://") + kVideoHost;
  if (video.isShort) return host + "/shorts/" + video.videoId;
  std::string address = host + "/watch?v=" + video.videoId;
  if (video.start) address += "&t=" + *video.start + 's';
  return address;
}

std::string embedUrl(const VideoAddress& video) {
  // It goes into a page unescaped, so both parts are checked here, whatever the caller did.
  if (!isSafeVideoId(video.videoId) || !isSafeStart(video.start)) return {};
  std::string source = std::string(kEmbedBase) + video.videoId +
                       "?autoplay=1&playsinline=1&iv_load_policy=" + kIvLoadPolicy;
  if (video.start) source += "&start=" + *video.start;
  return source;
}

}  // namespace uc::config
