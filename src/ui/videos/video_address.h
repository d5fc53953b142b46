#pragma once

#include <QString>
#include <QUrl>
#include <optional>

#include "core/config/video_address.h"

namespace uc {

// The Qt faces of the core's address rules (core/config/video_address.h), which the web
// edition shares. One recommended video as its address names it: an 11-character identifier,
// a short or a regular video, and for a regular one the second it starts at, if the address
// gives one.
struct VideoAddress {
  QString videoId;
  bool isShort = false;
  std::optional<QString> start;  // whole seconds, digits only

  bool operator==(const VideoAddress&) const = default;
};

// The video of an address from the configuration, or nothing when the address has another
// prefix or its identifier is not 11 characters long.
std::optional<VideoAddress> parseVideoAddress(const QString& address);

// Whether an identifier may go into a web page or an address: 11 letters, digits, "-" or "_".
bool isSafeVideoId(const QString& videoId);

// The still image the item shows before a video plays.
QUrl thumbnailUrl(const VideoAddress& video, const QString& thumbnailBase);
// Where the video opens in a browser; an empty address for an unsafe identifier.
QUrl watchUrl(const VideoAddress& video);
// The embed page the in-app player loads: the player frame with the identifier and the
// parameters. Empty for an identifier or start that fails the checks.
QString embedPageHtml(const VideoAddress& video);

}  // namespace uc
