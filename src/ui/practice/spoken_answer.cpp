#include "ui/practice/spoken_answer.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

#include "core/practice/typed_form.h"

namespace uc {

namespace {

QString word(const char* text) {
  return QCoreApplication::translate("PracticeView", text, "Spoken part of a typed answer");
}

}  // namespace

QString typedFormOfLatex(const QString& latex) {
  return QString::fromStdString(practice::typedForm(latex.toStdString()));
}

QString spokenPracticeQuestion(const QString& prompt, const QString& givenLatex) {
  const auto words = [](const char* text) {
    return QCoreApplication::translate("PracticeView", text, "Spoken part of a practice question");
  };
  QString spoken = prompt;
  // Longest first, so that "sin α =" is not read piecewise.
  const std::pair<const char*, QString> parts[] = {
      {"in [0°, 360°)", words("from 0 to under 360 degrees")},
      {"sin ", words("sine of") + QStringLiteral(" ")},
      {"cos ", words("cosine of") + QStringLiteral(" ")},
      {"tan ", words("tangent of") + QStringLiteral(" ")},
      {"α", words("alpha")},
      {"=", words("equals")},
  };
  for (const auto& [symbol, said] : parts) spoken.replace(QString::fromUtf8(symbol), said);
  const QString given =
      givenLatex.isEmpty() ? QString() : spokenPracticeAnswer(typedFormOfLatex(givenLatex));
  return given.isEmpty() ? spoken : spoken + QStringLiteral(" ") + given;
}

QString spokenQuadrant(const QString& numeral) {
  static const QStringList kNumerals{QStringLiteral("I"), QStringLiteral("II"),
                                     QStringLiteral("III"), QStringLiteral("IV")};
  const qsizetype number = kNumerals.indexOf(numeral.trimmed());
  return number < 0 ? QString()
                    : QCoreApplication::translate("PracticeView", "quadrant %1",
                                                  "A quadrant chosen as the answer, by its number")
                          .arg(number + 1);
}

QString spokenPracticeAnswer(const QString& typed) {
  // Read as letters otherwise: "I I".
  if (const QString quadrant = spokenQuadrant(typed); !quadrant.isEmpty()) return quadrant;
  QStringList words;
  QString number;
  const auto endNumber = [&] {
    if (!number.isEmpty()) words << number;
    number.clear();
  };
  for (const QChar c : typed) {
    if (c.isDigit() || c == u'.') {
      number += c;
      continue;
    }
    endNumber();
    if (c == u'√') {
      words << word("square root of");
    } else if (c == u'π') {
      words << word("pi");
    } else if (c == u'/') {
      words << word("over");
    } else if (c == u'-' || c == u'−') {
      words << word("minus");
    } else if (c == u'+') {
      words << word("plus");
    } else if (c == u'(') {
      words << word("open bracket");
    } else if (c == u')') {
      words << word("close bracket");
    } else if (c == u'°') {
      words << word("degrees");
    } else if (c == u'·') {
      words << word("times");
    } else if (c == u';' || c == u',') {
      words << word("and");
    } else if (!c.isSpace()) {
      number += c;  // a word or numeral chosen whole
    }
  }
  endNumber();
  return words.isEmpty() ? word("empty") : words.join(u' ');
}

}  // namespace uc
