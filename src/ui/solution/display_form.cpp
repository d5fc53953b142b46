#include "ui/solution/display_form.h"

#include <array>

namespace uc {
namespace {

// ".0" that is not followed by a digit says nothing in a formula: 45.0^{\circ} reads 45^{\circ}.
QString withoutPointZero(QString text) {
  qsizetype from = 0;
  while ((from = text.indexOf(QLatin1String(".0"), from)) != -1) {
    const qsizetype next = from + 2;
    if (next < text.size() && !text.at(next).isDigit()) {
      text.remove(from, 2);
    } else {
      from = next;
    }
  }
  return text;
}

QString onePass(QString text) {
  text.replace(QLatin1String("  "), QLatin1String(" "));
  text.replace(QLatin1String("\\quad"), QLatin1String("\\quad "));
  text.replace(QLatin1String(". "), QLatin1String(" "));
  text.replace(QLatin1String("("), QLatin1String("\\left("));
  text.replace(QLatin1String(")"), QLatin1String("\\right)"));
  text.replace(QLatin1String("\\left\\left"), QLatin1String("\\left"));
  text.replace(QLatin1String("\\right\\right"), QLatin1String("\\right"));
  text.replace(QLatin1String(" 1x"), QLatin1String("x"));
  text.replace(QLatin1String(" 0x"), QString());
  text.replace(QLatin1String(".0\\quad"), QLatin1String("\\quad"));
  if (text.endsWith(QLatin1String(".0"))) text.chop(2);
  text = withoutPointZero(std::move(text));
  for (const char* pair : {"+-", "-+", "+ -", "- +"}) text.replace(QLatin1String(pair), "-");
  for (const char* pair : {"+ +", "++", "--", "- -"}) text.replace(QLatin1String(pair), "+");
  text.replace(QLatin1String("*"), QLatin1String("\\cdot "));
  text.replace(QLatin1String("= +"), QLatin1String("="));
  text.replace(QLatin1String("=+"), QLatin1String("="));
  // A quadrant written as a numeral with a closing bracket keeps a plain bracket.
  static const std::array<const char*, 10> numerals{"I",  "II",  "III",  "IV", "V",
                                                    "VI", "VII", "VIII", "IX", "X"};
  for (const char* numeral : numerals) {
    const QString stretchy = QLatin1String(numeral) + QLatin1String("\\right)");
    if (text.startsWith(stretchy)) text.replace(stretchy, QLatin1String(numeral) + ")");
  }
  return text;
}

}  // namespace

QString displayForm(const QString& latex) {
  QString text = latex;
  for (;;) {
    QString next = onePass(text);
    if (next == text) break;
    text = std::move(next);
  }
  text.replace(QLatin1String("\\color"), QLatin1String("\\;\\color"));
  return text;
}

}  // namespace uc
