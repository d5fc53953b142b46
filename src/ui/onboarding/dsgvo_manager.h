#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <functional>

class QQmlEngine;
class QJSEngine;

namespace uc {

// The two privacy questions: the general notice, which can only be accepted, and the consent
// before videos of the external video platform are embedded, which can be given and
// withdrawn. Both are alerts of the ViewManager, put up on the next turn of the event loop;
// the answers live in the settings store.
class DsgvoManager : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON
  Q_PROPERTY(bool isDsgvoAccepted READ isDsgvoAccepted NOTIFY consentChanged)
  Q_PROPERTY(bool isYoutubeDsgvoAccepted READ isYoutubeDsgvoAccepted NOTIFY consentChanged)

 public:
  static constexpr char kDsgvoAcceptedKey[] = "isDsgvoAccepted";
  static constexpr char kYoutubeDsgvoAcceptedKey[] = "isYoutubeDsgvoAccepted";

  // The one instance; QML gets the same one.
  static DsgvoManager& shared();
  static DsgvoManager* create(QQmlEngine*, QJSEngine*);

  // Absent means not accepted.
  bool isDsgvoAccepted() const;
  bool isYoutubeDsgvoAccepted() const;

  // The notice with its single "Accept", which stores the flag and then runs completion.
  void showPrivacyNotice(std::function<void()> completion);
  Q_INVOKABLE void showPrivacyNotice() { showPrivacyNotice(std::function<void()>{}); }
  // Accept stores true, Decline stores false; then the matching action runs, if any.
  void showVideoConsent(std::function<void()> accepted, std::function<void()> declined);

 signals:
  // Either flag was written.
  void consentChanged();

 private:
  DsgvoManager() = default;
  void store(const char* key, bool value);
};

}  // namespace uc
