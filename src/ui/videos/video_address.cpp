#include "ui/videos/video_address.h"

#include <QStringList>

namespace uc {

namespace {

// Player parameters of every video: annotations shown.
constexpr char kIvLoadPolicy[] = "1";
// Embedded without cookies until the video plays.
constexpr char kEmbedBase[] = "https://www.youtube-nocookie.com/embed/";

bool isDigits(const QString& text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

// The start of a regular video: the last piece of the address, "t=90s" giving "90".
std::optional<QString> startFrom(const QString& lastPiece) {
  if (!lastPiece.startsWith(QStringLiteral("t=")) || !lastPiece.endsWith(u's')) return {};
  QString seconds = lastPiece;
  seconds.remove(QStringLiteral("t="));
  seconds.chop(1);
  // A whole number of seconds, at most nine digits: anything else is no start at all.
  if (!isDigits(seconds) || seconds.size() > 9) return {};
  return seconds;
}

bool isSafeStart(const std::optional<QString>& start) {
  return !start || (isDigits(*start) && start->size() <= 9);
}

}  // namespace

std::optional<VideoAddress> parseVideoAddress(const QString& address) {
  const QString watch = QString::fromLatin1(kWatchPrefix);
  const QString shorts = QString::fromLatin1(kShortsPrefix);
  if (address.startsWith(watch)) {
    const QStringList pieces = address.mid(watch.size()).split(u'&', Qt::SkipEmptyParts);
    const QString videoId = pieces.value(0);
    if (videoId.size() != kVideoIdLength) return {};
    return VideoAddress{videoId, false, startFrom(pieces.last())};
  }
  if (address.startsWith(shorts)) {
    const QString videoId = address.mid(shorts.size());
    if (videoId.size() != kVideoIdLength) return {};
    return VideoAddress{videoId, true, {}};
  }
  return {};
}

bool isSafeVideoId(const QString& videoId) {
  if (videoId.size() != kVideoIdLength) return false;
  for (const QChar c : videoId) {
    const bool safe = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                      (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
    if (!safe) return false;
  }
  return true;
}

QUrl thumbnailUrl(const VideoAddress& video, const QString& thumbnailBase) {
  if (!isSafeVideoId(video.videoId)) return {};
  return QUrl(thumbnailBase + video.videoId + QStringLiteral("/hqdefault.jpg"));
}

QUrl watchUrl(const VideoAddress& video) {
  if (!isSafeVideoId(video.videoId) || !isSafeStart(video.start)) return {};
  const QString host = QStringLiteral("https://") + QString::fromLatin1(kVideoHost);
  if (video.isShort) return QUrl(host + QStringLiteral("/shorts/") + video.videoId);
  QString address = host + QStringLiteral("/watch?v=") + video.videoId;
  if (video.start) address += QStringLiteral("&t=") + *video.start + u's';
  return QUrl(address);
}

QString embedPageHtml(const VideoAddress& video) {
  // Both go into the page unescaped, so both are checked here, whatever the caller did.
  if (!isSafeVideoId(video.videoId) || !isSafeStart(video.start)) return {};
  QString source = QString::fromLatin1(kEmbedBase) + video.videoId +
                   QStringLiteral("?autoplay=1&playsinline=1&iv_load_policy=") +
                   QString::fromLatin1(kIvLoadPolicy);
  if (video.start) source += QStringLiteral("&start=") + *video.start;
  return QStringLiteral(
             "<!DOCTYPE html><html><head><meta name=\"viewport\" "
             "content=\"width=device-width,initial-scale=1\"><style>html,body{margin:0;height:"
             "100%;overflow:hidden;background:#000}iframe{border:0;width:100%;height:100%}</"
             "style></head><body>"
             "<iframe src=\"%1\" allow=\"autoplay; encrypted-media; picture-in-picture\" "
             "allowfullscreen></iframe></body></html>")
      .arg(source);
}

}  // namespace uc
