#pragma once

#include <QString>

namespace uc {

// A typed practice answer as a screen reader should say it: "√3/2" as "square root of 3 over
// 2", "-π/4" as "minus pi over 4", in the learner's language.
QString spokenPracticeAnswer(const QString& typed);

}  // namespace uc
