#include "ui/practice/spoken_answer.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace uc {

namespace {

QString word(const char* text) {
  return QCoreApplication::translate("PracticeView", text, "Spoken part of a typed answer");
}

// Reads LaTeX from pos on: a group in braces or one token, as its typed form.
class LatexReader {
 public:
  explicit LatexReader(const QString& latex) : latex_(latex) {}

  QString all() {
    QString typed;
    while (pos_ < latex_.size()) typed += next();
    return typed;
  }

 private:
  bool atEnd() const { return pos_ >= latex_.size(); }

  // The braced group at pos ("{...}"), or the one token there.
  QString group() {
    while (!atEnd() && latex_[pos_].isSpace()) ++pos_;
    if (atEnd()) return {};
    if (latex_[pos_] != u'{') return next();
    ++pos_;
    QString typed;
    while (!atEnd() && latex_[pos_] != u'}') typed += next();
    if (!atEnd()) ++pos_;
    return typed;
  }

  QString command() {
    const qsizetype start = ++pos_;
    while (!atEnd() && latex_[pos_].isLetter()) ++pos_;
    if (pos_ == start && !atEnd()) ++pos_;  // "\," and the like
    return latex_.mid(start, pos_ - start);
  }

  QString next() {
    const QChar c = latex_[pos_];
    if (c == u'\\') {
      const QString name = command();
      if (name == QLatin1String("frac")) {
        const QString over = bracketed(group());
        return over + QStringLiteral("/") + bracketed(group());
      }
      if (name == QLatin1String("sqrt")) {
        const QString under = group();
        return QStringLiteral("√") + (isPlain(under) ? under : QStringLiteral("(") + under + QStringLiteral(")"));
      }
      if (name == QLatin1String("pi")) return QStringLiteral("π");
      if (name == QLatin1String("circ")) return QStringLiteral("°");
      if (name == QLatin1String("text") || name == QLatin1String("mathrm")) return group();
      if (name == QLatin1String("cdot")) return QStringLiteral("·");
      return {};  // spacing and anything unknown says nothing
    }
    ++pos_;
    if (c == u'^') {
      return group();  // "^{\circ}"
    }
    if (c == u'{' || c == u'}') return {};
    return QString(c);
  }

  // A number or a root on its own needs no brackets around it; a sum does.
  static bool isPlain(const QString& typed) {
    return !typed.isEmpty() && std::all_of(typed.begin(), typed.end(), [](QChar c) {
             return c.isDigit() || c == u'.' || c == u'π';
           });
  }
  static QString bracketed(const QString& typed) {
    const bool sum = typed.indexOf(QRegularExpression(QStringLiteral("(?<=.)[-+−]"))) >= 0;
    return sum ? QStringLiteral("(") + typed + QStringLiteral(")") : typed;
  }

  const QString& latex_;
  qsizetype pos_ = 0;
};

}  // namespace

QString typedFormOfLatex(const QString& latex) { return LatexReader(latex).all(); }

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
  const QString given = givenLatex.isEmpty() ? QString() : spokenPracticeAnswer(typedFormOfLatex(givenLatex));
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
