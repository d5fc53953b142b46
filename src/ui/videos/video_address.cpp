#include "ui/videos/video_address.h"

namespace uc {

namespace {

config::VideoAddress plain(const VideoAddress& video) {
  std::optional<std::string> start;
  if (video.start) start = video.start->toStdString();
  return {video.videoId.toStdString(), video.isShort, std::move(start)};
}

}  // namespace

std::optional<VideoAddress> parseVideoAddress(const QString& address) {
  const auto video = config::parseVideoAddress(address.toStdString());
  if (!video) return {};
  std::optional<QString> start;
  if (video->start) start = QString::fromStdString(*video->start);
  return VideoAddress{QString::fromStdString(video->videoId), video->isShort, std::move(start)};
}

bool isSafeVideoId(const QString& videoId) { return config::isSafeVideoId(videoId.toStdString()); }

QUrl thumbnailUrl(const VideoAddress& video, const QString& thumbnailBase) {
  const std::string url = config::thumbnailUrl(plain(video), thumbnailBase.toStdString());
  return url.empty() ? QUrl() : QUrl(QString::fromStdString(url));
}

QUrl watchUrl(const VideoAddress& video) {
  const std::string url = config::watchUrl(plain(video));
  return url.empty() ? QUrl() : QUrl(QString::fromStdString(url));
}

QString embedPageHtml(const VideoAddress& video) {
  const std::string source = config::embedUrl(plain(video));
  if (source.empty()) return {};
  return QStringLiteral(
             "<!DOCTYPE html><html><head><meta name=\"viewport\" "
             "content=\"width=device-width,initial-scale=1\"><style>html,body{margin:0;height:"
             "100%;overflow:hidden;background:#000}iframe{border:0;width:100%;height:100%}</"
             "style></head><body>"
             "<iframe src=\"%1\" allow=\"autoplay; encrypted-media; picture-in-picture\" "
             "allowfullscreen></iframe></body></html>")
      .arg(QString::fromStdString(source));
}

}  // namespace uc
