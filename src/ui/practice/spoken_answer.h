#pragma once

#include <QString>

namespace uc {

// A typed practice answer as a screen reader should say it: "√3/2" as "square root of 3 over
// 2", "-π/4" as "minus pi over 4", in the learner's language.
QString spokenPracticeAnswer(const QString& typed);

// "quadrant 2" for "II", and so on; empty for anything else.
QString spokenQuadrant(const QString& numeral);

// A question's given angle or value ("\frac{\sqrt{6}-\sqrt{2}}{4}", "30^{\circ}") as it would be
// typed: "(√6-√2)/4", "30°" (the core's typedForm, as a QString).
QString typedFormOfLatex(const QString& latex);

// The prompt and its given value in words: "Give sin α exactly for α =" and "\frac{\pi}{6}" as
// "Give sine of alpha exactly for alpha equals pi over 6", in the learner's language.
QString spokenPracticeQuestion(const QString& prompt, const QString& givenLatex);

}  // namespace uc
