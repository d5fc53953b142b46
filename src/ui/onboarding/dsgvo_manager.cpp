#include "ui/onboarding/dsgvo_manager.h"

#include <QCoreApplication>
#include <QJSEngine>
#include <QString>
#include <QTimer>
#include <utility>

#include "flow/user_defaults.h"
#include "ui/shell/view_manager.h"

namespace uc {

namespace {

// Every text of both alerts; a missing translation shows the key.
QString consentText(const char* key, const char* comment = nullptr) {
  return QCoreApplication::translate("Consent", key, comment);
}

}  // namespace

DsgvoManager& DsgvoManager::shared() {
  static DsgvoManager* instance = new DsgvoManager();
  return *instance;
}

DsgvoManager* DsgvoManager::create(QQmlEngine*, QJSEngine*) {
  DsgvoManager* instance = &shared();
  QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
  return instance;
}

bool DsgvoManager::isDsgvoAccepted() const {
  return UserDefaults::standard().boolValue(QString::fromLatin1(kDsgvoAcceptedKey));
}

bool DsgvoManager::isYoutubeDsgvoAccepted() const {
  return UserDefaults::standard().boolValue(QString::fromLatin1(kYoutubeDsgvoAcceptedKey));
}

void DsgvoManager::store(const char* key, bool value) {
  UserDefaults::standard().setBool(QString::fromLatin1(key), value);
  emit consentChanged();
}

void DsgvoManager::showPrivacyNotice(std::function<void()> completion) {
  QTimer::singleShot(0, this, [this, completion = std::move(completion)] {
    ViewManager::shared().showAlert(consentText("dsgvoTitlePro", "Privacy Policy"),
                                    consentText("dsgvoTextPro"),
                                    {{consentText("dsgvoAccept", "Accept"), [this, completion] {
                                        store(kDsgvoAcceptedKey, true);
                                        if (completion) completion();
                                      }}});
  });
}

void DsgvoManager::showVideoConsent(std::function<void()> accepted,
                                    std::function<void()> declined) {
  QTimer::singleShot(
      0, this, [this, accepted = std::move(accepted), declined = std::move(declined)] {
        ViewManager::shared().showAlert(consentText("dsgvoYoutubeTitle", "Youtube Privacy Policy"),
                                        consentText("dsgvoYoutubeText", "Youtube Dsgvo Text"),
                                        {{consentText("dsgvoAccept", "Accept"),
                                          [this, accepted] {
                                            store(kYoutubeDsgvoAcceptedKey, true);
                                            if (accepted) accepted();
                                          }},
                                         {consentText("dsgvoDecline", "Decline"), [this, declined] {
                                            store(kYoutubeDsgvoAcceptedKey, false);
                                            if (declined) declined();
                                          }}});
      });
}

}  // namespace uc
