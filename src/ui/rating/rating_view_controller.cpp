#include "ui/rating/rating_view_controller.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QTimer>

#include "flow/user_defaults.h"
#include "services/analytics.h"
#include "services/catalogue_links.h"
#include "services/connection_check.h"
#include "services/remote_config_manager.h"
#include "ui/shell/view_manager.h"

namespace uc {
namespace {

QString ratingText(const char* key, const char* comment = nullptr) {
  return QCoreApplication::translate("Rating", key, comment);
}

QString key(const char* name) { return QString::fromLatin1(name); }

}  // namespace

RatingViewController& RatingViewController::shared() {
  static RatingViewController* const instance = new RatingViewController(nullptr);
  return *instance;
}

RatingViewController* RatingViewController::create(QQmlEngine*, QJSEngine*) {
  RatingViewController* controller = &shared();
  // The process owns it, not the engine.
  QQmlEngine::setObjectOwnership(controller, QQmlEngine::CppOwnership);
  return controller;
}

RatingViewController::RatingViewController(UserDefaults* defaults, QObject* parent)
    : QObject(parent), defaults_(defaults) {}

UserDefaults& RatingViewController::defaults() const {
  return defaults_ ? *defaults_ : UserDefaults::standard();
}

void RatingViewController::setConnectionCheck(ConnectionCheck* check) { connectionCheck_ = check; }

void RatingViewController::setRemoteConfigManager(RemoteConfigManager* manager) {
  manager_ = manager;
}

ConnectionCheck& RatingViewController::connectionCheck() const {
  return connectionCheck_ ? *connectionCheck_ : ConnectionCheck::shared();
}

RemoteConfigManager& RatingViewController::remoteConfigManager() const {
  return manager_ ? *manager_ : RemoteConfigManager::shared();
}

int RatingViewController::counterForRating() {
  if (defaults().contains(key(kCounterKey))) {
    counterForRating_ = defaults().intValue(key(kCounterKey), counterForRating_);
  } else {
    defaults().setInt(key(kCounterKey), counterForRating_);
  }
  return counterForRating_;
}

void RatingViewController::setCounter(int value) {
  counterForRating_ = value;
  defaults().setInt(key(kCounterKey), value);
}

bool RatingViewController::isRatingAlreadyDone() const {
  return defaults().boolValue(key(kRatingDoneKey));
}

void RatingViewController::markRatingDone() { defaults().setBool(key(kRatingDoneKey), true); }

QString RatingViewController::promptText() const { return ratingText("Rate"); }
QString RatingViewController::cancelButtonTitle() const { return ratingText("Cancel"); }
QString RatingViewController::sendButtonTitle() const { return ratingText("Send"); }

void RatingViewController::setPromptVisible(bool visible) {
  if (visible == promptVisible_) return;
  promptVisible_ = visible;
  emit promptVisibleChanged();
}

void RatingViewController::countDown() {
  if (isRatingAlreadyDone() || isShownInSession_) return;
  setCounter(counterForRating() - 1);
  if (counterForRating() < 1) {
    // Not in the middle of the page's own appearance.
    QTimer::singleShot(0, this, [this] { setPromptVisible(true); });
  }
}

void RatingViewController::tappedCancelRatingButton() {
  Analytics::log(analytics::event::kTappedRatedAppCancel);
  setPromptVisible(false);
  setCounter(kCounterStart);
}

void RatingViewController::tappedSendRatingButton(double rating) {
  // No star chosen yet: nothing to send (the view keeps Send disabled until then).
  if (rating < 1) return;
  Analytics::log(analytics::event::kTappedRatedApp,
                 {{analytics::param::kApp, QString::fromLatin1(analytics::kRatedAppValue)},
                  {analytics::param::kRating, rating}});
  setPromptVisible(false);
  if (rating < kGoodRating) {
    markRatingDone();
    showThanksAlert();
    return;
  }
  connectionCheck().check(
      this,
      [this] {
        // Without this app's catalogue entry there is no page: most likely the catalogue never
        // arrived, as the menu's rating row tells too. Not rated yet, so asked again later.
        if (!openAppRatingPage(remoteConfigManager())) {
          showNoInternetAlert();
          return;
        }
        markRatingDone();
        showThanksAlert();
      },
      [this] { showNoInternetAlert(); });
}

void RatingViewController::showThanksAlert() {
  ViewManager::shared().showAlert(ratingText("Thanks"), QString(), {{ratingText("Close"), {}}});
}

void RatingViewController::showNoInternetAlert() {
  // Not rated yet: the count starts again for a later process.
  ViewManager::shared().showAlert(ratingText("noInternet", "No internet"), QString(),
                                  {{ratingText("OK"), [self = QPointer(this)] {
                                      if (self) self->setCounter(kCounterStart);
                                    }}});
}

}  // namespace uc
