#pragma once

#include <QString>

#include "flow/user_defaults.h"

// A returning user in the standard settings file: the introduction, the privacy notice and
// the rating prompt are done, so nothing lies over the screens being measured.
inline void settleAsReturningUser() {
  for (const char* key : {"isOnboardingFinished", "isDsgvoAccepted", "isRatingAlreadyDone"}) {
    uc::UserDefaults::standard().setBool(QString::fromLatin1(key), true);
  }
}
