#include "ui/videos/video_collection_table_view_cell.h"

#include <QCoreApplication>
#include <QPointer>
#include <optional>

#include "ui/onboarding/dsgvo_manager.h"
#include "ui/onboarding/onboarding_manager.h"

namespace uc {

namespace {

void presentVideoInstructions() {
  OnboardingManager::shared().present(OnboardingManager::Sequence::VideoInstructions,
                                      OnboardingManager::Presentation::FormSheet, true);
}

}  // namespace

VideoCollectionTableViewCell::VideoCollectionTableViewCell(QObject* parent) : QObject(parent) {
  lockingViewVisible_ = !DsgvoManager::shared().isYoutubeDsgvoAccepted();
}

void VideoCollectionTableViewCell::setVideoUrlStringArray(const QStringList& urls) {
  if (urls == videoUrlStringArray_) return;
  videoUrlStringArray_ = urls;
  emit videosChanged();
}

QString VideoCollectionTableViewCell::privacyIconName() const {
  return QString::fromLatin1(lockingViewVisible_ ? kLockedIcon : kUnlockedIcon);
}

QString VideoCollectionTableViewCell::titleText() const {
  return QCoreApplication::translate("VideoStrip", "recommendedVideoIfUnclear",
                                     "Recommended video if unclear");
}

QString VideoCollectionTableViewCell::unlockTitle() const {
  return QCoreApplication::translate("VideoStrip", "touchTounlock", "Touch to unlock");
}

void VideoCollectionTableViewCell::setLocked(bool locked) {
  lockingViewVisible_ = locked;
  emit lockChanged();
}

void VideoCollectionTableViewCell::tappedLockingViewButton() {
  // The strip may be gone (a new solution) by the time the alert is answered.
  QPointer<VideoCollectionTableViewCell> self(this);
  DsgvoManager::shared().showVideoConsent(
      [self] {
        if (self) self->openStrip();
      },
      {});
}

void VideoCollectionTableViewCell::tappedPrivacyButton() {
  QPointer<VideoCollectionTableViewCell> self(this);
  DsgvoManager::shared().showVideoConsent({}, [self] {
    if (self) self->closeStrip();
  });
}

void VideoCollectionTableViewCell::tappedManualButton() { presentVideoInstructions(); }

void VideoCollectionTableViewCell::openStrip() {
  setLocked(false);
  presentVideoInstructions();
}

void VideoCollectionTableViewCell::closeStrip() { setLocked(true); }

double VideoCollectionTableViewCell::rowHeight(double windowWidth) {
  static std::optional<double> measured;
  if (!measured && windowWidth > 0) measured = windowWidth;
  return measured.value_or(windowWidth);
}

}  // namespace uc
