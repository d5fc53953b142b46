#include "ui/videos/video_collection_view_cell.h"

#include <QCoreApplication>

#include "services/connection_check.h"
#include "services/url_opener.h"
#include "ui/shell/view_manager.h"

namespace uc {

namespace {

bool inAppPlaybackAvailable = false;

QString videoText(const char* key) { return QCoreApplication::translate("VideoStrip", key); }

}  // namespace

VideoCollectionViewCell::VideoCollectionViewCell(QObject* parent) : QObject(parent) {}

bool VideoCollectionViewCell::inAppPlayback() { return inAppPlaybackAvailable; }

void VideoCollectionViewCell::setInAppPlayback(bool available) {
  inAppPlaybackAvailable = available;
}

QString VideoCollectionViewCell::thumbnailBase() {
  const QString fromEnvironment = qEnvironmentVariable("UNITCIRCLE_VIDEO_THUMBNAIL_URL");
  return fromEnvironment.isEmpty() ? QString::fromLatin1(kDefaultThumbnailBase) : fromEnvironment;
}

void VideoCollectionViewCell::configure(const QString& address) {
  // The cover first: a reused item never shows the previous video.
  address_ = address;
  video_ = parseVideoAddress(address);
  if (video_ && !isSafeVideoId(video_->videoId)) video_.reset();
  state_ = idleState();
  emit videoChanged();
  emit stateChanged();
}

VideoCollectionViewCell::State VideoCollectionViewCell::idleState() const {
  if (!video_) return Unavailable;
  return loadAllowed_ ? Loading : Waiting;
}

void VideoCollectionViewCell::setState(State state) {
  if (state == state_) return;
  state_ = state;
  emit stateChanged();
}

void VideoCollectionViewCell::setLoadAllowed(bool allowed) {
  if (allowed == loadAllowed_) return;
  loadAllowed_ = allowed;
  // Withdrawn consent stops a playing video too.
  if (!allowed || state_ == Waiting) {
    state_ = idleState();
  }
  emit stateChanged();
}

QUrl VideoCollectionViewCell::thumbnailUrl() const {
  if (!video_ || !loadAllowed_) return {};
  return uc::thumbnailUrl(*video_, thumbnailBase());
}

QString VideoCollectionViewCell::embedHtml() const {
  return video_ ? embedPageHtml(*video_) : QString();
}

QString VideoCollectionViewCell::statusText() const {
  switch (state_) {
    case Unavailable:
      return videoText("videoUnavailable");
    case Loading:
      return videoText("videoLoading");
    case Offline:
      return videoText("videoOffline");
    case Waiting:
    case Ready:
    case Playing:
      break;
  }
  return {};
}

void VideoCollectionViewCell::playerReady() {
  if (state_ == Loading) setState(Ready);
}

void VideoCollectionViewCell::loadFailed() {
  if (state_ == Loading || state_ == Playing) setState(Offline);
}

void VideoCollectionViewCell::play() {
  if (state_ != Ready || connecting_) return;
  if (inAppPlayback()) {
    // The player's page always loads, what it embeds may not: the platform's image server
    // is asked first, so that a broken network shows the no-connection state instead of
    // a black player.
    connecting_ = true;
    emit stateChanged();
    const auto answered = [this, tapped = address_](State next) {
      connecting_ = false;
      if (state_ == Ready && address_ == tapped) {
        setState(next);
      } else {
        emit stateChanged();
      }
    };
    ConnectionCheck::shared().check(
        thumbnailUrl(), this, [answered] { answered(Playing); }, [answered] { answered(Offline); });
    return;
  }
  const bool opened = openAllowedUrl(watchUrl(*video_));
  if (!opened) ViewManager::shared().showToast(videoText("browserNotOpened"));
  emit openedInBrowser(opened);
}

void VideoCollectionViewCell::stop() {
  if (state_ == Playing) setState(Ready);
}

void VideoCollectionViewCell::retry() {
  if (state_ != Offline) return;
  setState(Loading);
}

}  // namespace uc
