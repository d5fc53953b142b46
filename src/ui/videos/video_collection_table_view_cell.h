#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QStringList>

namespace uc {

// The strip of recommended videos below the solution: a heading, the consent's lock button,
// the button to the video instructions, and the items behind a cover until the user agrees
// to the videos being embedded. The cover follows the stored consent when the strip is
// built, and after that only this strip's own buttons change it.
class VideoCollectionTableViewCell : public QObject {
  Q_OBJECT
  // Its view, VideoCollectionTableViewCell.qml, has its name.
  QML_NAMED_ELEMENT(VideoCollectionTableViewCellLogic)
  Q_PROPERTY(QStringList videoUrlStringArray READ videoUrlStringArray WRITE setVideoUrlStringArray
                 NOTIFY videosChanged)
  Q_PROPERTY(int count READ count NOTIFY videosChanged)
  Q_PROPERTY(bool lockingViewVisible READ lockingViewVisible NOTIFY lockChanged)
  Q_PROPERTY(QString privacyIconName READ privacyIconName NOTIFY lockChanged)
  Q_PROPERTY(QString titleText READ titleText CONSTANT)
  Q_PROPERTY(QString unlockTitle READ unlockTitle CONSTANT)

 public:
  static constexpr char kLockedIcon[] = "lock.fill";
  static constexpr char kUnlockedIcon[] = "lock.open.fill";

  explicit VideoCollectionTableViewCell(QObject* parent = nullptr);

  const QStringList& videoUrlStringArray() const { return videoUrlStringArray_; }
  void setVideoUrlStringArray(const QStringList& urls);
  int count() const { return static_cast<int>(videoUrlStringArray_.size()); }

  bool lockingViewVisible() const { return lockingViewVisible_; }
  QString privacyIconName() const;
  QString titleText() const;
  QString unlockTitle() const;

  // The cover's button: the consent, and on Accept the strip opens.
  Q_INVOKABLE void tappedLockingViewButton();
  // The lock button: the consent, and on Decline the strip closes.
  Q_INVOKABLE void tappedPrivacyButton();
  Q_INVOKABLE void tappedManualButton();

  // Hides the cover and shows the video instructions; shows the cover again.
  void openStrip();
  void closeStrip();

  // The strip's row is as high as the window is wide when it is first asked, for the rest
  // of the run; items are squares 0.95 × the item row's height.
  Q_INVOKABLE static double rowHeight(double windowWidth);
  Q_INVOKABLE static double itemSide(double collectionHeight) { return 0.95 * collectionHeight; }

 signals:
  void videosChanged();
  void lockChanged();

 private:
  void setLocked(bool locked);

  QStringList videoUrlStringArray_;
  // The lock shows the same state as the cover: only this strip's own buttons change both.
  bool lockingViewVisible_ = true;
};

}  // namespace uc
