#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QUrl>
#include <optional>

#include "ui/videos/video_address.h"

namespace uc {

// One item of the video strip. It shows the video's still image under a cover until the
// image is there; a tap plays the video in the app's own player when the app has one, else
// opens it in the browser. Nothing is loaded from the video platform while the strip is
// covered (loadAllowed false): the consent comes first.
class VideoCollectionViewCell : public QObject {
  Q_OBJECT
  // Its view, VideoCollectionViewCell.qml, has its name.
  QML_NAMED_ELEMENT(VideoCollectionViewCellLogic)
  Q_PROPERTY(QString address READ address WRITE configure NOTIFY videoChanged)
  Q_PROPERTY(bool loadAllowed READ loadAllowed WRITE setLoadAllowed NOTIFY stateChanged)
  Q_PROPERTY(State state READ state NOTIFY stateChanged)
  Q_PROPERTY(bool coveringVisible READ coveringVisible NOTIFY stateChanged)
  Q_PROPERTY(bool connecting READ isConnecting NOTIFY stateChanged)
  Q_PROPERTY(bool playerHidden READ playerHidden NOTIFY videoChanged)
  Q_PROPERTY(QString videoId READ videoId NOTIFY videoChanged)
  Q_PROPERTY(bool isShort READ isShort NOTIFY videoChanged)
  Q_PROPERTY(QUrl thumbnailUrl READ thumbnailUrl NOTIFY stateChanged)
  Q_PROPERTY(QString embedHtml READ embedHtml NOTIFY videoChanged)
  Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
  Q_PROPERTY(bool inAppPlayback READ inAppPlayback CONSTANT)

 public:
  enum State {
    Unavailable,  // not a video address: stays covered
    Waiting,      // waiting for consent
    Loading,      // the still image is on its way
    Ready,        // shown, can play
    Offline,      // the image did not come: no connection, or the video is gone
    Playing,      // in the app's player
  };
  Q_ENUM(State)

  static constexpr const char* kDefaultThumbnailBase = config::kThumbnailBase;

  explicit VideoCollectionViewCell(QObject* parent = nullptr);

  // Shows the cover, then reads the address; an address that is not a video hides the player.
  void configure(const QString& address);
  QString address() const { return address_; }
  const std::optional<VideoAddress>& video() const { return video_; }

  bool loadAllowed() const { return loadAllowed_; }
  void setLoadAllowed(bool allowed);
  State state() const { return state_; }
  bool coveringVisible() const { return state_ != Ready && state_ != Playing; }
  // A tap waits for the network's answer before the player opens.
  bool isConnecting() const { return connecting_; }
  bool playerHidden() const { return !video_; }
  QString videoId() const { return video_ ? video_->videoId : QString(); }
  bool isShort() const { return video_ && video_->isShort; }
  QUrl thumbnailUrl() const;
  QString embedHtml() const;
  QString statusText() const;

  // The view reports on the still image and, later, on the player.
  Q_INVOKABLE void playerReady();
  Q_INVOKABLE void loadFailed();
  // A tap on the item.
  Q_INVOKABLE void play();
  // Back from the player, or a new try after a failure.
  Q_INVOKABLE void stop();
  Q_INVOKABLE void retry();

  // Whether the app was built with its own player; set once at start-up.
  static bool inAppPlayback();
  static void setInAppPlayback(bool available);
  // Where still images come from: UNITCIRCLE_VIDEO_THUMBNAIL_URL when set (local test
  // servers), else kDefaultThumbnailBase.
  static QString thumbnailBase();

 signals:
  void videoChanged();
  void stateChanged();
  // A video opened in the browser (true) or could not be (false).
  void openedInBrowser(bool opened);

 private:
  void setState(State state);
  State idleState() const;

  QString address_;
  std::optional<VideoAddress> video_;
  bool loadAllowed_ = false;
  State state_ = Unavailable;
  bool connecting_ = false;
};

}  // namespace uc
