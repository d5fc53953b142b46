#pragma once

#include <optional>
#include <string>
#include <string_view>

// The recommended videos' addresses: how the configuration's lists name a video, and where
// its still image, its player and its page are. The app's strip and the web edition's both
// read them here, so a list shows the same videos in both.
namespace uc::config {

// One recommended video as its address names it: an 11-character identifier, a short or a
// regular video, and for a regular one the second it starts at, if the address gives one.
struct VideoAddress {
  std::string videoId;
  bool isShort = false;
  std::optional<std::string> start;  // whole seconds, digits only

  bool operator==(const VideoAddress&) const = default;
};

// The video platform's host and the two address forms the configuration uses. The short
// form is written without "//" after the scheme, exactly as the lists carry it.
inline constexpr char kVideoHost[] = "www.youtube.com";
inline constexpr char kWatchPrefix[] = "https://www.youtube.com/watch?v=";
inline constexpr char kShortsPrefix[] = "https:www.youtube.com/shorts/";
inline constexpr std::size_t kVideoIdLength = 11;
// Still images, and the player, embedded without cookies until the video plays.
inline constexpr char kThumbnailBase[] = "https://i.ytimg.com/vi/";
inline constexpr char kEmbedBase[] = "https://www.youtube-nocookie.com/embed/";

// The video of an address from the configuration, or nothing when the address has another
// prefix or its identifier is not 11 characters long.
std::optional<VideoAddress> parseVideoAddress(std::string_view address);

// Whether an identifier may go into a web page or an address: 11 letters, digits, "-" or "_".
bool isSafeVideoId(std::string_view videoId);
// Whether a start may: absent, or one to nine digits.
bool isSafeStart(const std::optional<std::string>& start);

// The still image the item shows before a video plays; empty for an unsafe identifier.
std::string thumbnailUrl(const VideoAddress& video,
                         std::string_view thumbnailBase = kThumbnailBase);
// Where the video opens in a browser; empty for an unsafe identifier or start.
std::string watchUrl(const VideoAddress& video);
// The player's address: it plays at once, inline, from the start the list gave. Empty for an
// unsafe identifier or start.
std::string embedUrl(const VideoAddress& video);

}  // namespace uc::config
