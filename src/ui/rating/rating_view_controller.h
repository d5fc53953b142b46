#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>

class QQmlEngine;
class QJSEngine;

namespace uc {

class ConnectionCheck;
class RemoteConfigManager;
class UserDefaults;

// The prompt that asks for a star rating after the input page has appeared a few times.
// A good rating leads on to the rating page of the store; any sent rating ends the prompts
// for good. Cancelling starts the count again, for a later process: within one process the
// prompt shows at most once.
class RatingViewController : public QObject {
  Q_OBJECT
  // Its view, RatingViewController.qml, has its name.
  QML_NAMED_ELEMENT(RatingViewControllerLogic)
  QML_SINGLETON
  Q_PROPERTY(bool promptVisible READ promptVisible NOTIFY promptVisibleChanged)
  Q_PROPERTY(QString promptText READ promptText CONSTANT)
  Q_PROPERTY(QString cancelButtonTitle READ cancelButtonTitle CONSTANT)
  Q_PROPERTY(QString sendButtonTitle READ sendButtonTitle CONSTANT)

 public:
  static constexpr char kCounterKey[] = "counterForRating";
  static constexpr char kRatingDoneKey[] = "isRatingAlreadyDone";
  // Appearances of the input page before the prompt, and again after a cancel.
  static constexpr int kCounterStart = 5;
  // From this many stars on the rating page of the store opens.
  static constexpr double kGoodRating = 4.0;

  // The one instance over UserDefaults::standard(); QML gets the same one.
  static RatingViewController& shared();
  static RatingViewController* create(QQmlEngine*, QJSEngine*);

  // Over another settings store (tests); it must outlive the controller. Not a default
  // constructor, so that QML never makes an instance of its own.
  explicit RatingViewController(UserDefaults* defaults, QObject* parent = nullptr);

  // The check before the rating page opens; ConnectionCheck::shared() unless set (tests).
  void setConnectionCheck(ConnectionCheck* check);
  ConnectionCheck& connectionCheck() const;
  // Where the rating page comes from; RemoteConfigManager::shared() unless set (tests).
  void setRemoteConfigManager(RemoteConfigManager* manager);
  RemoteConfigManager& remoteConfigManager() const;

  // The stored count, written with the current one when the store has none yet.
  int counterForRating();
  bool isShownInSession() const { return isShownInSession_; }
  bool isRatingAlreadyDone() const;
  bool promptVisible() const { return promptVisible_; }

  QString promptText() const;
  QString cancelButtonTitle() const;
  QString sendButtonTitle() const;

  // The input page has appeared: one step closer to the prompt, which is presented on the
  // next turn of the event loop once the count is used up.
  Q_INVOKABLE void countDown();
  // The prompt's view is on screen.
  Q_INVOKABLE void viewDidLoad() { isShownInSession_ = true; }
  Q_INVOKABLE void tappedCancelRatingButton();
  // rating: whole stars 1 to 5, 0 when none was chosen.
  Q_INVOKABLE void tappedSendRatingButton(double rating);

 signals:
  void promptVisibleChanged();

 private:
  UserDefaults& defaults() const;
  void setCounter(int value);
  void setPromptVisible(bool visible);
  void markRatingDone();
  void showThanksAlert();
  void showNoInternetAlert();

  UserDefaults* defaults_;
  QPointer<ConnectionCheck> connectionCheck_;
  QPointer<RemoteConfigManager> manager_;
  bool isShownInSession_ = false;
  int counterForRating_ = kCounterStart;
  bool promptVisible_ = false;
};

}  // namespace uc
