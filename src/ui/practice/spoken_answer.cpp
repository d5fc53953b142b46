#include "ui/practice/spoken_answer.h"

#include <QCoreApplication>
#include <QStringList>

namespace uc {

QString spokenPracticeAnswer(const QString& typed) {
  const auto word = [](const char* text) {
    return QCoreApplication::translate("PracticeView", text, "Spoken part of a typed answer");
  };
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
    } else if (c == u'°') {
      words << word("degrees");
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
